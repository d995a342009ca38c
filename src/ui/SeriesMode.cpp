// The series mode: the month, quarter and year boxes turn a twilight series on
// and off, the three searches fill the list, EventJD and the day scroll bar's
// range, the scroll bar moves the time to the chosen day, and the "M" box
// shows the list over the chart. The mode is the checked mode box; there is no
// mode variable. Writes PeriodIndex, EventAlt, EventJD, JD_UT (through the
// scroll bar), and GMST, HorAlt, HorAzi as the search leaves them.
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStringList>
#include <QTextCursor>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

#include "data/SharedState.h"
#include "ui/HandlerBindings.h"
#include "ui/Tarvelsicht_Unit_Main.h"
#include "ui/logic/TwilightSearch.h"

namespace {

using TBoxField = QCheckBox* TForm_Main::*;
using TButtonField = QRadioButton* TForm_Main::*;

constexpr tv::TColor LabelGrey = tv::RGBColor(128, 128, 128);

// The eight event buttons in the order of TwilightEvents.
constexpr std::array<TButtonField, 8> EventButtons = {
    &TForm_Main::RadioButton_MAstrD, &TForm_Main::RadioButton_MNautD, &TForm_Main::RadioButton_MBurgD,
    &TForm_Main::RadioButton_SAufga, &TForm_Main::RadioButton_SUnter, &TForm_Main::RadioButton_ABurgD,
    &TForm_Main::RadioButton_ANautD, &TForm_Main::RadioButton_AAstrD};

constexpr std::array<TButtonField, 11> MonthButtons = {
    &TForm_Main::RadioButton_M01, &TForm_Main::RadioButton_M02, &TForm_Main::RadioButton_M03,
    &TForm_Main::RadioButton_M04, &TForm_Main::RadioButton_M05, &TForm_Main::RadioButton_M06,
    &TForm_Main::RadioButton_M07, &TForm_Main::RadioButton_M08, &TForm_Main::RadioButton_M09,
    &TForm_Main::RadioButton_M10, &TForm_Main::RadioButton_M11};

constexpr std::array<TButtonField, 3> QuarterButtons = {
    &TForm_Main::RadioButton_Q1, &TForm_Main::RadioButton_Q2, &TForm_Main::RadioButton_Q3};

// 1-based number of the first selected button of Buttons, else one past the last.
template <std::size_t N>
std::int32_t FirstSelected(const TForm_Main& Form, const std::array<TButtonField, N>& Buttons) {
  for (std::size_t i = 0; i < N; ++i)
    if ((Form.*Buttons[i])->isChecked()) return static_cast<std::int32_t>(i + 1);
  return static_cast<std::int32_t>(N + 1);
}

std::int32_t MonthPeriod(const TForm_Main& Form) { return FirstSelected(Form, MonthButtons); }
std::int32_t QuarterPeriod(const TForm_Main& Form) { return FirstSelected(Form, QuarterButtons); }
std::int32_t YearPeriod(const TForm_Main&) { return 1; }

// The event of the selected event button (the last one if, against the
// panel's rule, none is selected).
const TTwilightEvent& SelectedEvent(const TForm_Main& Form) {
  std::size_t index = EventButtons.size() - 1;
  for (std::size_t i = 0; i < EventButtons.size(); ++i)
    if ((Form.*EventButtons[i])->isChecked()) {
      index = i;
      break;
    }
  const TTwilightEvent& event = TwilightEvents[static_cast<long long>(index)];
  if ((Form.*EventButtons[index])->objectName().toStdString() != "RadioButton_" + std::string(event.Name))
    throw std::logic_error("event buttons out of the events' order");
  return event;
}

// What tells the three mode handlers apart.
struct TModeRow {
  TBoxField Own;
  std::array<TBoxField, 2> Others;  // unchecked in this order
  tv::TColor Color;                 // the own box's background while the mode is on
  std::int32_t (*Period)(const TForm_Main& Form);
  void (TForm_Main::*Search)(double FirstStep);
};

const TModeRow QuarterMode{&TForm_Main::CheckBox_Quartal,
                           {&TForm_Main::CheckBox_Monat, &TForm_Main::CheckBox_Jahr},
                           tv::RGBColor(0, 128, 0),
                           QuarterPeriod,
                           &TForm_Main::Calc_TwilightSeries_Quartal};
const TModeRow MonthMode{&TForm_Main::CheckBox_Monat,
                         {&TForm_Main::CheckBox_Quartal, &TForm_Main::CheckBox_Jahr},
                         tv::RGBColor(0, 0, 255),
                         MonthPeriod,
                         &TForm_Main::Calc_TwilightSeries_Monat};
const TModeRow YearMode{&TForm_Main::CheckBox_Jahr,
                        {&TForm_Main::CheckBox_Quartal, &TForm_Main::CheckBox_Monat},
                        tv::RGBColor(255, 0, 0),
                        YearPeriod,
                        &TForm_Main::Calc_TwilightSeries_Jahr};

// A place the search takes: the latitude within the series' limit and a
// finite longitude. NaN fails both tests.
bool SeriesPlaceAllowed(double Lat, double Lon) { return SeriesLatitudeAllowed(Lat) && std::isfinite(Lon); }

void SetLabelTexts(TForm_Main& Form, const TTwilightEvent& Event) {
  SetCaption(Form.Label_Line1, Texts[Event.SkyRow][Language]);
  SetCaption(Form.Label_Line2, Texts[Event.NameRow][Language]);
}

void SetLabelColor(TForm_Main& Form, tv::TColor Color) {
  SetWidgetColors(Form.Label_Line1, clDefault, Color);
  SetWidgetColors(Form.Label_Line2, clDefault, Color);
}

// The one algorithm of the three mode handlers. Setting another box's state
// runs that box's handler at once, which may uncheck and so re-run this one;
// when the own box's state has to be set back, the run that setting starts
// does the rest, so that the list holds one copy of the series.
void RunMode(TForm_Main& Form, const TModeRow& Mode) {
  QCheckBox* own = Form.*Mode.Own;
  Form.Memo1->clear();
  const bool noted = own->isChecked();
  for (const TBoxField other : Mode.Others) {
    SetChecked(Form.*other, false);
    SetWidgetColors(Form.*other, tv::clBtnFace, clDefault);
  }
  if (own->isChecked() != noted) {
    SetChecked(own, noted);
    return;
  }
  PeriodIndex = Mode.Period(Form);
  SetLabelTexts(Form, SelectedEvent(Form));
  SetPosition(Form.ScrollBar_Quartal, 0);  // runs the scroll bar's handler when it moves
  // The event is read again after that handler's event processing, in which
  // the user may have chosen another one.
  const TTwilightEvent& event = SelectedEvent(Form);

  if (own->isChecked()) {
    if (!SeriesPlaceAllowed(nLat, eLon)) return;  // checked, but no series here
    SetLabelColor(Form, tv::clBlack);
    SetWidgetColors(own, Mode.Color, tv::clWhite);
    Form.StatusBar1->SetPanelText(4, std::to_string(PeriodIndex));
    const double firstStep = event.FirstStep;
    EventAlt = EventAltitude(event);
    (Form.*Mode.Search)(firstStep);
    Form.ScrollBar_QuartalChange(&Form);
  } else {
    SetLabelColor(Form, LabelGrey);
    SetWidgetColors(own, tv::clBtnFace, tv::clBlack);
    Form.StatusBar1->SetPanelText(4, "");
  }
}

// The search of the period as the shared state gives it, into EventJD, the
// list and the scroll bar's maximum; GMST, HorAlt and HorAzi as the last trial
// left them.
void SearchSeries(TForm_Main& Form, TSeriesPeriod Period, double FirstStep) {
  const TTwilightRequest request = TwilightRequestFromState(Period, FirstStep, TForm_Main::DecimalSeparator());
  if (!SeriesPlaceAllowed(request.nLat, request.eLon)) return;
  const TTwilightSeries series = FindTwilightSeries(request);
  SetMaximum(Form.ScrollBar_Quartal, static_cast<int>(series.Days.size()) - 1);
  QStringList lines;
  lines.reserve(static_cast<qsizetype>(series.Days.size()));
  for (const TTwilightDay& day : series.Days) lines.append(QString::fromStdString(day.Line));
  Form.Memo1->appendPlainText(lines.join(QLatin1Char('\n')));
  Form.Memo1->moveCursor(QTextCursor::Start);  // the list shown from its first day
  ApplyTwilightSeries(series);
}

}  // namespace

void TForm_Main::CheckBox_QuartalClick(QObject*) { RunMode(*this, QuarterMode); }
void TForm_Main::CheckBox_MonatClick(QObject*) { RunMode(*this, MonthMode); }
void TForm_Main::CheckBox_JahrClick(QObject*) { RunMode(*this, YearMode); }

void TForm_Main::Calc_TwilightSeries_Quartal(double FirstStep) {
  SearchSeries(*this, TSeriesPeriod::Quarter, FirstStep);
}
void TForm_Main::Calc_TwilightSeries_Monat(double FirstStep) { SearchSeries(*this, TSeriesPeriod::Month, FirstStep); }
void TForm_Main::Calc_TwilightSeries_Jahr(double FirstStep) { SearchSeries(*this, TSeriesPeriod::Year, FirstStep); }

// The time to the event of the day at the scroll bar's position, while a mode
// box is checked and a series has been computed.
void TForm_Main::ScrollBar_QuartalChange(QObject*) {
  if (!CheckBox_Monat->isChecked() && !CheckBox_Quartal->isChecked() && !CheckBox_Jahr->isChecked()) return;
  if (EventJD[1] == 0) return;  // no series computed yet
  JD_UT = EventJD[ScrollBar_Quartal->value()];
  UpdateTimeState();
}

// The list over the left 600 pixels of the chart panel, as high as the panel
// is now; shown while "M" is checked.
void TForm_Main::CheckBox1Click(QObject*) {
  Memo1->setGeometry(Panel_Left->width(), 0, 600, Panel_Bild->height());
  Memo1->setVisible(CheckBox1->isChecked());
}
