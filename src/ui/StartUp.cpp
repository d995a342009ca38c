// The main window's start-up: the creation handler that turns the stored
// settings into the first chart, the background picture and the planet icons.
#include <QComboBox>
#include <QCheckBox>
#include <QTableWidget>
#include <cerrno>
#include <utility>

#include "chart/ChartFrame.h"
#include "data/Settings.h"
#include "data/SharedState.h"
#include "platform/qt/Bitmap.h"
#include "ui/HandlerBindings.h"
#include "ui/Tarvelsicht_Unit_Main.h"
#include "ui/logic/FixedText.h"
#include "ui/logic/NumberText.h"

namespace {

// The background picture, read by its bare name from the working folder.
constexpr const char* BackgroundFileName = "Himmelshintergrund_radial_2000x2000.jpg";

// The largest side of a background picture that is decoded: the picture is
// meant to be 2000 x 2000 pixels, and only that much of it is ever copied.
constexpr int MaxBackgroundSide = 4096;

// The seven icons of the body table: disc colour, the disc's bounding box
// (right and bottom outside) and whether a ring line crosses it.
struct TIconRow {
  tv::TColor Disc;
  tv::TRect Box;
  bool Ring;
};
constexpr TIconRow IconRows[7] = {
    {tv::RGBColor(192, 192, 192), {10, 10, 26, 26}, false},  // Mercury
    {tv::RGBColor(192, 192, 192), {7, 7, 29, 29}, false},    // Venus
    {tv::RGBColor(255, 32, 32), {10, 10, 26, 26}, false},    // Mars
    {tv::RGBColor(255, 207, 68), {6, 6, 30, 30}, false},     // Jupiter
    {tv::RGBColor(255, 207, 160), {8, 8, 28, 28}, true},     // Saturn
    {tv::RGBColor(128, 255, 192), {9, 9, 27, 27}, false},    // Uranus
    {tv::RGBColor(96, 96, 255), {9, 9, 27, 27}, false},      // Neptune
};

}  // namespace

TForm_Main* CreateForm_Main() {
  auto* form = new TForm_Main;
  Form_Main = form;
  TForm_Main::RunEvent([form] { form->FormCreate(form); });
  return form;
}

void TForm_Main::FormCreate(QObject*) {
  ShowVersionInfo(StringGrid_VersionsInfo);
  ProgTitle = "Tarvelsicht " + StringGrid_VersionsInfo->item(3, 1)->text().toStdString();
  setWindowTitle(QString::fromStdString(ProgTitle));
  // Every Qt widget paints through an off-screen buffer: the chart panel
  // needs nothing of its own for that.
  PanelLayout(7);

  // A missing or unopenable background is reported, and the chart goes on
  // drawing on black, so that the rest of the start-up runs.
  try {
    LoadJpegToImage(BackgroundFileName, Img0);
  } catch (const EFileError& Error) {
    ShowErrorBox(Error.what());
  }
  Img1->Picture.SetSize(2000, 2000);
  // The new surface is black and drawn on by nothing yet: the frame's fixed
  // paintings are taken on it here, not on a copy of the first chart.
  Prepare_FrameLayers(Img1->Picture.Canvas());
  SetAlign(Bild, TAlign::alClient);
  MakePlanetIcons();

  ComboBox_TZone->clear();
  for (int i = 0; i <= 39; ++i) ComboBox_TZone->addItem(QString::fromStdString(TrimBlanks(TZones[i].Name)));
  // Every draw takes Language as a column of Texts, the daylight-saving
  // box's among them, before the language handler below runs: a stored value
  // beyond the three languages is German from the start.
  Language = Settings.Language <= 2 ? Settings.Language : 0;
  // Choosing a line in code runs no change handler.
  const int zone = Settings.TZoneIndex >= 0 && Settings.TZoneIndex <= 39 ? Settings.TZoneIndex : DefaultTZoneIndex;
  ComboBox_TZone->setCurrentIndex(zone);
  // A stored "on" changes the box's state and so runs CheckBox_DSTClick.
  SetChecked(CheckBox_DST, Settings.DST != 0);

  // The place fields are written and read with a point in every locale, as
  // their Enter handlers read them.
  Edit_nLat->setText(QString::fromStdString(PlaceFieldText(Settings.nLat)));
  Edit_eLon->setText(QString::fromStdString(PlaceFieldText(Settings.eLon)));
  // The stored language's handler; any language but English and French
  // runs the German one, so that Language is always a column of Texts.
  if (Language == 1)
    English1Click(this);
  else if (Language == 2)
    Francais1Click(this);
  else
    Deutsch1Click(this);
  // A stored place that is no finite number shows as "NAN" or "INF" and is
  // refused with the conversion error; the start-up goes on without it.
  for (const auto& [field, coordinate] : {std::pair{Edit_nLat, &nLat}, std::pair{Edit_eLon, &eLon}}) {
    try {
      *coordinate = StrToFloat(field->text().toStdString(), ".");
    } catch (const EConvertError& Error) {
      ShowErrorBox(Error.what());
    }
  }
  Button_JetztClick(this);
}

// Reads the JPEG file FileName (a bare name is looked up in the working
// folder) into Image's picture at its own size. A file that is not a regular
// file or cannot be opened raises EFileError "Cannot open file <name>"; a file
// that is no JPEG the decoder reads, or a picture larger than
// MaxBackgroundSide on a side (refused before its pixels are allocated),
// leaves the picture empty without a message. Damaged data that the decoder
// reads past (a file cut short, say) still gives the picture, as far as it
// holds.
void TForm_Main::LoadJpegToImage(const std::string& FileName, TPictureBox* Image) {
  QImage picture;
  try {
    picture = tv::ReadJpegFile(FileName, MaxBackgroundSide, tv::TJpegWarnings::jwIgnore);
  } catch (const tv::EInOutError& Error) {
    if (Error.ErrorCode() != EIO) throw EFileError::CannotOpen(FileName);
    picture = QImage();
  }
  if (picture.isNull())
    Image->Picture.SetSize(0, 0);
  else
    Image->Picture.Assign(std::move(picture));  // the decoded picture itself, not a copy
}

// Seven 44 x 44 icons: the ground RGB (96, 96, 160), the planet's disc with a
// black rim, and Saturn's ring as a 4-pixel line across its disc.
void TForm_Main::MakePlanetIcons() {
  for (int index = 1; index <= 7; ++index) {
    const TIconRow& row = IconRows[index - 1];
    auto icon = std::make_unique<TPicture>();
    icon->Bitmap.SetSize(44, 44);
    tv::TCanvas& canvas = icon->Bitmap.Canvas();
    canvas.Brush = {tv::RGBColor(96, 96, 160), tv::TBrushStyle::bsSolid};
    canvas.FillRect({0, 0, 44, 44});
    canvas.Pen = {tv::clBlack, 1, tv::TPenStyle::psSolid};
    canvas.Brush = {row.Disc, tv::TBrushStyle::bsSolid};
    canvas.Ellipse(row.Box);
    if (row.Ring) {
      canvas.Pen = {row.Disc, 4, tv::TPenStyle::psSolid};
      canvas.MoveTo(4, 6);
      canvas.LineTo(32, 30);
    }
    PlanetIcon[index] = icon.get();
    Icons_[static_cast<std::size_t>(index - 1)] = std::move(icon);
  }
}
