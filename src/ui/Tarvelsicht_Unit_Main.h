// The main window `TForm_Main`: its components (built from the table in
// ComponentTable.cpp), its event handlers under their given names, and the
// picture surfaces of the chart. The handlers live in files by subject:
// StartUp.cpp (creation, background, icons), Layout.cpp (panel layout, resize,
// picture export), TimeState.cpp (time state and display), Language.cpp,
// About.cpp, WindowDraw.cpp (the draw request), TimeShortcuts.cpp and
// InputHandlers.cpp (the inputs), SeriesMode.cpp (the twilight series, its day
// scroll bar and list); HandlerBindings.cpp maps Qt's signals to the
// handlers in one place. Reads and writes the shared state of
// data/SharedState.h as each handler says.
#pragma once

#include <QMainWindow>
#include <array>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "grid/TextGridTypes.h"
#include "platform/qt/Bitmap.h"
#include "ui/Controls.h"
#include "ui/logic/Align.h"
#include "ui/logic/TimeStateCalc.h"

class QAction;
class QCheckBox;
class QComboBox;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTableWidget;
class TTextGridWidget;

// A picture that lives apart from any control: a planet icon of the body table.
class TPicture {
 public:
  tv::TBitmap Bitmap;
};

class TForm_Main : public QMainWindow {
 public:
  // Builds the component tree with its initial values, hidden, with a client
  // area of 1272 x 968 pixels centred on the screen. The creation handler is
  // not run here (see CreateForm_Main).
  TForm_Main();
  ~TForm_Main() override;

  // --- Components (the tree's names) ------------------------------------------
  QMenuBar* MainMenu1 = nullptr;
  QAction* Exit1 = nullptr;
  QAction* Option1 = nullptr;
  QAction* Deutsch1 = nullptr;
  QAction* English1 = nullptr;
  QAction* Francais1 = nullptr;
  QAction* N2 = nullptr;
  QAction* Info1 = nullptr;

  TPictureBox* Img0 = nullptr;    // hidden: the background picture
  TPictureBox* Img1 = nullptr;    // hidden: the 2000 x 2000 drawing surface
  TPictureBox* Image3 = nullptr;  // empty
  TPanel* Panel_Rght = nullptr;
  TPanel* Panel_Bild = nullptr;
  TPictureBox* Bild = nullptr;    // the chart on screen
  TStatusBar* StatusBar1 = nullptr;
  TPanel* Panel_About = nullptr;
  TPictureBox* Image2 = nullptr;
  QLabel* Label_Tarvelsicht = nullptr;
  QPushButton* Button_About_OK = nullptr;
  QTableWidget* StringGrid_VersionsInfo = nullptr;
  TPanel* Panel_Left = nullptr;
  QPlainTextEdit* Memo1 = nullptr;

  // (a) universal and local date and time
  QLabel* Label9 = nullptr;
  QFrame* Shape3 = nullptr;
  QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
  QLabel *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr;
  TFieldEdit *RichEdit_Jahr = nullptr, *RichEdit_Monat = nullptr, *RichEdit_Daag = nullptr;
  TFieldEdit *RichEdit_Stunde = nullptr, *RichEdit_Minute = nullptr, *RichEdit_Sekunde = nullptr;
  TFieldEdit *RichEdit_Jahr_UT = nullptr, *RichEdit_Monat_UT = nullptr, *RichEdit_Daag_UT = nullptr;
  TFieldEdit *RichEdit_Stunde_UT = nullptr, *RichEdit_Minute_UT = nullptr, *RichEdit_Sekunde_UT = nullptr;
  TBitBtn *BitBtn_Jahr_Plus = nullptr, *BitBtn_Jahr_Minus = nullptr;
  TBitBtn *BitBtn_Monat_Plus = nullptr, *BitBtn_Monat_Minus = nullptr;
  TBitBtn *BitBtn_Daag_Plus = nullptr, *BitBtn_Daag_Minus = nullptr;
  TBitBtn *BitBtn_Stunde_Plus = nullptr, *BitBtn_Stunde_Minus = nullptr;
  TBitBtn *BitBtn_Minute_Plus = nullptr, *BitBtn_Minute_Minus = nullptr;
  TBitBtn *BitBtn_Sekunde_Plus = nullptr, *BitBtn_Sekunde_Minus = nullptr;
  TBitBtn *BitBtn_Sterntag_Plus = nullptr, *BitBtn_Sterntag_Minus = nullptr;
  QPushButton *Button_Mittag = nullptr, *Button_Mitternacht = nullptr, *Button_Jetzt = nullptr;
  QCheckBox* CheckBox1 = nullptr;

  // (b) series controls
  TPanel* Panel_Month = nullptr;
  QRadioButton *RadioButton_M01 = nullptr, *RadioButton_M02 = nullptr, *RadioButton_M03 = nullptr;
  QRadioButton *RadioButton_M04 = nullptr, *RadioButton_M05 = nullptr, *RadioButton_M06 = nullptr;
  QRadioButton *RadioButton_M07 = nullptr, *RadioButton_M08 = nullptr, *RadioButton_M09 = nullptr;
  QRadioButton *RadioButton_M10 = nullptr, *RadioButton_M11 = nullptr, *RadioButton_M12 = nullptr;
  QCheckBox* CheckBox_Monat = nullptr;
  TPanel* Panel_Quartal = nullptr;
  QRadioButton *RadioButton_Q1 = nullptr, *RadioButton_Q2 = nullptr, *RadioButton_Q3 = nullptr,
               *RadioButton_Q4 = nullptr;
  QCheckBox* CheckBox_Quartal = nullptr;
  TPanel* Panel_Jahr = nullptr;
  QCheckBox* CheckBox_Jahr = nullptr;
  QScrollBar* ScrollBar_Quartal = nullptr;
  TPanel* Panel_Daemmerung = nullptr;
  QRadioButton *RadioButton_MAstrD = nullptr, *RadioButton_MNautD = nullptr, *RadioButton_MBurgD = nullptr;
  QRadioButton *RadioButton_SAufga = nullptr, *RadioButton_SUnter = nullptr;
  QRadioButton *RadioButton_ABurgD = nullptr, *RadioButton_ANautD = nullptr, *RadioButton_AAstrD = nullptr;
  QLabel *Label_Line1 = nullptr, *Label_Line2 = nullptr;

  // (c) time zone and place
  QComboBox* ComboBox_TZone = nullptr;
  QCheckBox* CheckBox_DST = nullptr;
  QLabel* Label_nLat = nullptr;
  TBitBtn* BitBtn_nLat_MinusSmall = nullptr;
  TFieldEdit* Edit_nLat = nullptr;
  TBitBtn* BitBtn_nLat_PlusSmall = nullptr;
  QLabel* Label_eLon = nullptr;
  TBitBtn* BitBtn_eLon_MinusSmall = nullptr;
  TFieldEdit* Edit_eLon = nullptr;
  TBitBtn* BitBtn_eLon_PlusSmall = nullptr;
  QPushButton* Button_Zeichnen = nullptr;

  // (d) body table
  TTextGridWidget* TextGrid1 = nullptr;

  // --- Start-up (StartUp.cpp) ---------------------------------------------------
  void FormCreate(QObject* Sender);
  void LoadJpegToImage(const std::string& FileName, TPictureBox* Image);

  // --- Panel layout, resize and chart export (Layout.cpp) ------------------------
  void FormResize(QObject* Sender);
  void Exit1Click(QObject* Sender);

  // --- Time state (TimeState.cpp) ----------------------------------------------
  void Read_DateTimeInput();
  void UpdateTimeState();
  void ShowDateTime();

  // --- Language (Language.cpp) -------------------------------------------------
  void Set_LanguageTexts();
  void Deutsch1Click(QObject* Sender);
  void English1Click(QObject* Sender);
  void Francais1Click(QObject* Sender);

  // --- About panel (About.cpp) -------------------------------------------------
  void ShowVersionInfo(QTableWidget* Grid);
  void Info1Click(QObject* Sender);
  void Button_About_OKClick(QObject* Sender);

  // --- Draw request and body table (WindowDraw.cpp) -----------------------------
  void Button_ZeichnenClick(QObject* Sender);
  void Fill_DataTable(TPictureBox* Image);
  // The body table's cell event: the planet icons beside the planets' names.
  void TextGrid1DrawCell(TTextGrid& Sender, tv::TCanvas& ACanvas, std::int32_t X, std::int32_t Y, tv::TRect Rc,
                         bool& Handled);
  // Two handlers that no control names: the chart drawn, and the events
  // processed for a left-button release far outside the horizon.
  void CheckBox_SonneClick(QObject* Sender);
  void Image1MouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);

  // --- Close and time shortcuts (TimeShortcuts.cpp) ------------------------------
  void FormCloseQuery(QObject* Sender, bool& CanClose);
  void Button_JetztClick(QObject* Sender);
  void CheckBox_DSTClick(QObject* Sender);
  void Button_MitternachtClick(QObject* Sender);
  void Button_MittagClick(QObject* Sender);
  void ComboBox_TZoneChange(QObject* Sender);

  // --- Typed input and step buttons (InputHandlers.cpp) ---------------------------
  void RichEdit_JahrKeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
  void RichEdit_MonatKeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
  void RichEdit_DaagKeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
  void RichEdit_StundeKeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
  void RichEdit_MinuteKeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
  void RichEdit_SekundeKeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
  void Edit_nLatKeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
  void Edit_eLonKeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
  // No control names it: the events processed while a thumb is dragged (code 5).
  void ScrollBar_eLonScroll(QObject* Sender, int ScrollCode, int& ScrollPos);

  // Press and release of the eighteen step buttons: mouse button, modifier
  // keys and the position in the button.
  using TMouseArgs = void(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  TMouseArgs BitBtn_Jahr_PlusMouseDown, BitBtn_Jahr_PlusMouseUp;
  TMouseArgs BitBtn_Jahr_MinusMouseDown, BitBtn_Jahr_MinusMouseUp;
  TMouseArgs BitBtn_Monat_PlusMouseDown, BitBtn_Monat_PlusMouseUp;
  TMouseArgs BitBtn_Monat_MinusMouseDown, BitBtn_Monat_MinusMouseUp;
  TMouseArgs BitBtn_Daag_PlusMouseDown, BitBtn_Daag_PlusMouseUp;
  TMouseArgs BitBtn_Daag_MinusMouseDown, BitBtn_Daag_MinusMouseUp;
  TMouseArgs BitBtn_Stunde_PlusMouseDown, BitBtn_Stunde_PlusMouseUp;
  TMouseArgs BitBtn_Stunde_MinusMouseDown, BitBtn_Stunde_MinusMouseUp;
  TMouseArgs BitBtn_Minute_PlusMouseDown, BitBtn_Minute_PlusMouseUp;
  TMouseArgs BitBtn_Minute_MinusMouseDown, BitBtn_Minute_MinusMouseUp;
  TMouseArgs BitBtn_Sekunde_PlusMouseDown, BitBtn_Sekunde_PlusMouseUp;
  TMouseArgs BitBtn_Sekunde_MinusMouseDown, BitBtn_Sekunde_MinusMouseUp;
  TMouseArgs BitBtn_Sterntag_PlusMouseDown, BitBtn_Sterntag_PlusMouseUp;
  TMouseArgs BitBtn_Sterntag_MinusMouseDown, BitBtn_Sterntag_MinusMouseUp;
  TMouseArgs BitBtn_nLat_MinusSmallMouseDown, BitBtn_nLat_MinusSmallMouseUp;
  TMouseArgs BitBtn_nLat_PlusSmallMouseDown, BitBtn_nLat_PlusSmallMouseUp;
  TMouseArgs BitBtn_eLon_MinusSmallMouseDown, BitBtn_eLon_MinusSmallMouseUp;
  TMouseArgs BitBtn_eLon_PlusSmallMouseDown, BitBtn_eLon_PlusSmallMouseUp;

  // --- Series mode (SeriesMode.cpp) -----------------------------------------------
  // The mode boxes' handlers, also run by their period and event buttons: each
  // turns its mode on (the series computed and the time at its first day) or
  // off, and leaves at most one mode box checked.
  // The change a date or time step button makes to the local fields that it
  // hands to DateToJD, and one step of it: the moment from the changed
  // fields, then the time state shown and drawn (a pass of a held button
  // without its wait and last event processing).
  struct TMomentStep {
    std::int32_t Years = 0, Months = 0, Days = 0;
    double Hours = 0, Minutes = 0, Seconds = 0;
  };
  void StepMoment(const TMomentStep& Step);

  void CheckBox_MonatClick(QObject* Sender);
  void CheckBox_QuartalClick(QObject* Sender);
  void CheckBox_JahrClick(QObject* Sender);
  // The time to EventJD at the scroll bar's position (a day of the series).
  void ScrollBar_QuartalChange(QObject* Sender);
  // Shows or hides the list Memo1 over the chart.
  void CheckBox1Click(QObject* Sender);
  // The searches of the three modes for PeriodIndex, EventAlt, Jahr_UT and
  // the place; FirstStep in days (-1/144 morning, +1/144 evening). Each
  // appends one line per day to Memo1, fills EventJD from element 0, sets the
  // scroll bar's maximum to the number of days less one, and leaves GMST,
  // HorAlt and HorAzi at the last trial moment. A place outside the series'
  // limit or not finite computes nothing.
  void Calc_TwilightSeries_Quartal(double FirstStep);
  void Calc_TwilightSeries_Monat(double FirstStep);
  void Calc_TwilightSeries_Jahr(double FirstStep);

  // --- Window services ------------------------------------------------------------
  // Shows the window maximised, as the program does at its start, and runs
  // the resize handler once, for the size the window has when it first
  // appears on the screen: the sizes reported before (the restored size as
  // the window is being shown, then the window manager's maximised size) are
  // held back until then, or for two seconds at most.
  void ShowMaximizedAtStart();
  // The event pump of the handlers: processes every pending window event and
  // returns (re-entrant: any handler may run inside it).
  static void ProcessMessages();
  // Size of the client area below the menu bar, pixels.
  int ClientWidth() const;
  int ClientHeight() const;
  // The docking of a control (see ui/logic/Align.h); setting it, or a docked
  // control's width, places the parent's docked controls again.
  TAlign Align(const QWidget* Control) const;
  void SetAlign(QWidget* Control, TAlign Value);
  void SetControlWidth(QWidget* Control, int Width);
  // Docks the docked children of Parent again (Changed: the control whose
  // docking or width was just set, or null), and so on down the tree.
  void Realign(QWidget* Parent, QWidget* Changed);

  // Number of draw requests run since the window was made.
  int DrawRequests() const { return DrawRequests_; }
  // The computer's local clock as the now button reads it; replaceable (tests).
  std::function<TSystemTime()> LocalClock;
  // The decimal mark of the user's locale (QLocale's default), for the place
  // fields, the status bar and typed numbers.
  static std::string DecimalSeparator();

  // Runs Handler as an event of the window framework: an error it raises is
  // reported in the standard error box and the program goes on; no exception
  // leaves. A handler run by a change that another handler makes to a control
  // in code (see SetChecked in HandlerBindings.h) hands its error on to that
  // handler instead.
  static void RunEvent(const std::function<void()>& Handler);
  // The standard error box: Message (with a full stop appended when its last
  // character sorts after "."), the application's name as title, an error icon
  // and one OK button. ErrorBox replaces the box when set (tests).
  static void ShowErrorBox(const std::string& Message);
  static inline std::function<void(const std::string& Text, const std::string& Caption)> ErrorBox;
  // Ends the program at once with exit code Code, from however deep in nested
  // handlers it is called: nothing of the interrupted handlers runs again.
  // ProgramEnd replaces the ending when set (tests); EndProgram then returns.
  static void EndProgram(int Code);
  static inline std::function<void(int Code)> ProgramEnd;

 protected:
  void closeEvent(QCloseEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;

 private:
  // --- Inputs (TimeShortcuts.cpp, InputHandlers.cpp) ------------------------------
  // The three series boxes unchecked, month, quarter, year: a box that was
  // checked runs its click handler.
  void UncheckSeriesBoxes();
  // For each series box in turn: unchecked, then its click handler run.
  void ResetSeriesBoxes();
  // Enter in the date or time field Field: its integer clamped to Lower ..
  // Upper into Variable, then the moment from the six local variables.
  template <typename T>
  void ApplyDateTimeField(int Key, const TFieldEdit* Field, T& Variable, std::int32_t Lower, std::int32_t Upper);
  // Enter in a place field: the typed degrees clamped to +-Bound.
  void ApplyPlaceField(int Key, TFieldEdit* Field, double& Coordinate, double Bound);
  // The press loops of the date and time step buttons and of the place step
  // buttons (Sender: the button pressed; Bound: the bound on the side of the
  // step).
  void StepMomentWhileHeld(QObject* Sender, const TMomentStep& Step);
  void StepPlaceWhileHeld(QObject* Sender, TFieldEdit* Field, double& Coordinate, double Step, double Bound);

  void BuildComponents();
  void PanelLayout(int Divisor);
  void MakePlanetIcons();

  // The resize handler made the drawing surface black but left its pixels to
  // the draws after it, whose background layer covers them all first; they
  // are written when something reads them before (see FormResize).
  bool SurfaceBlackPending_ = false;
  void WritePendingBlack();

  bool HoldResize_ = false;  // ShowMaximizedAtStart is waiting for the window to appear
  bool ResizeHeld_ = false;  // and a size change came meanwhile
  TClientArea* Client_ = nullptr;
  std::array<std::unique_ptr<TPicture>, 7> Icons_{};
  int DrawRequests_ = 0;
};

// The program's creation of its main window: builds the tree, sets Form_Main
// and runs FormCreate as the framework does (an error there is reported and
// the window stays). The window is not shown.
TForm_Main* CreateForm_Main();
