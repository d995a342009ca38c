// The creation handler: draws before the window shows, the caption, the zone
// list, the stored settings applied, the planet icons, and the background
// picture missing, unreadable or of absurd size.
#include <QAction>
#include <cmath>
#include <cstdlib>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QTableWidget>

#include "WindowFixture.h"
#include "astro/Astronom.h"
#include "data/FileVersionInfo.h"
#include "platform/Folders.h"
#include "ui/logic/NumberText.h"

namespace {

class StartUp : public WindowTest {};

// The share of the chart's pixels inside the horizon, in the rows Top to
// Bottom, that Match accepts, sampled every 7 pixels.
template <typename TMatch>
double ShareInside(const QImage& Chart, int Top, int Bottom, TMatch Match) {
  int inside = 0, matched = 0;
  for (int y = Top; y < Bottom; y += 7)
    for (int x = 0; x < 2000; x += 7) {
      if ((x - 1000) * (x - 1000) + (y - 1000) * (y - 1000) > 900 * 900) continue;
      ++inside;
      if (Match(QColor(Chart.pixel(x, y)))) ++matched;
    }
  return inside == 0 ? 0.0 : static_cast<double>(matched) / inside;
}

bool IsBlack(const QColor& C) { return C == QColor(0, 0, 0); }

std::array<std::string, 6> Fields(TFieldEdit* const (&Edits)[6]) {
  std::array<std::string, 6> texts;
  for (int i = 0; i < 6; ++i) texts[static_cast<std::size_t>(i)] = Edits[i]->text().toStdString();
  return texts;
}

// Language 1, zone 16 (offset +1), daylight saving on, 47.5 N 7.5 E; the
// clock at 2019-06-01 00:30:00.870.
TEST_F(StartUp, StoredSettingsAppliedWithFiveDraws) {
  CopyBackground();
  StoreSettings(1, 16, true, 47.5, 7.5);
  TForm_Main& form = Create();
  EXPECT_TRUE(ErrorBoxes.empty());
  EXPECT_LT(ShareInside(form.Img1->Picture.Image(), 0, 2000, IsBlack), 0.05) << "the background under the chart";
  EXPECT_EQ(form.DrawRequests(), 5) << "two by the daylight-saving box, one by the language, two by the now button";
  EXPECT_TRUE(form.isHidden());
  EXPECT_EQ(Language, 1);
  EXPECT_TRUE(form.English1->isChecked());
  EXPECT_FALSE(form.Deutsch1->isChecked());
  EXPECT_EQ(Caption(form.Button_Jetzt), "now");
  EXPECT_EQ(form.ComboBox_TZone->currentIndex(), 16);
  EXPECT_TRUE(form.CheckBox_DST->isChecked());
  EXPECT_EQ(DSTOffset, 1.0);
  EXPECT_EQ(form.Edit_nLat->text(), "47.50");
  EXPECT_EQ(form.Edit_eLon->text(), "7.50");
  EXPECT_EQ(nLat, 47.5);
  EXPECT_EQ(eLon, 7.5);
  EXPECT_EQ(Fields({form.RichEdit_Jahr, form.RichEdit_Monat, form.RichEdit_Daag, form.RichEdit_Stunde,
                    form.RichEdit_Minute, form.RichEdit_Sekunde}),
            (std::array<std::string, 6>{"2019", "06", "01", "00", "30", "00"}))
      << "the clock's milliseconds are dropped";
  EXPECT_EQ(Fields({form.RichEdit_Jahr_UT, form.RichEdit_Monat_UT, form.RichEdit_Daag_UT, form.RichEdit_Stunde_UT,
                    form.RichEdit_Minute_UT, form.RichEdit_Sekunde_UT}),
            (std::array<std::string, 6>{"2019", "05", "31", "22", "30", "00"}));
  EXPECT_NEAR(JD_UT, 2458635.4375, 5e-9);
  EXPECT_EQ(form.StatusBar1->PanelText(3), "JD_UT:2458635.4375");
  EXPECT_EQ(form.StatusBar1->PanelText(0), TZones[16].StatusText);
  EXPECT_EQ(form.Img1->Picture.Width(), 2000);
  EXPECT_EQ(form.Img1->Picture.Height(), 2000);
  EXPECT_EQ(form.Img0->Picture.Width(), 2000) << "the background picture";
  EXPECT_EQ(BildWidth, form.Panel_Bild->width());
  EXPECT_EQ(form.Bild->Picture.Width(), BildWidth);
}

TEST_F(StartUp, DaylightSavingOffDrawsThreeTimes) {
  CopyBackground();
  StoreSettings(1, 16, false, 47.5, 7.5);
  TForm_Main& form = Create();
  EXPECT_EQ(form.DrawRequests(), 3);
  EXPECT_EQ(DSTOffset, 0.0);
  EXPECT_EQ(form.RichEdit_Stunde_UT->text(), "23");
}

TEST_F(StartUp, CaptionZoneListAndIcons) {
  CopyBackground();
  TForm_Main& form = Create();
  const std::string version = Read_FileVersionInfo(tv::ExeFileName()).FileVersion;
  EXPECT_FALSE(version.empty());
  EXPECT_EQ(ProgTitle, "Tarvelsicht " + version);
  EXPECT_EQ(form.windowTitle().toStdString(), ProgTitle);
  EXPECT_EQ(form.StringGrid_VersionsInfo->item(3, 1)->text().toStdString(), version);

  ASSERT_EQ(form.ComboBox_TZone->count(), 40);
  for (int i = 0; i < 40; ++i) {
    const std::string line = form.ComboBox_TZone->itemText(i).toStdString();
    EXPECT_EQ(line, TrimBlanks(TZones[i].Name));
    EXPECT_NE(line.back(), ' ');
  }
  EXPECT_EQ(form.ComboBox_TZone->itemText(15).toStdString(), "UTC±00");
  EXPECT_EQ(form.ComboBox_TZone->currentIndex(), 15) << "the stored zone";

  const QColor ground(96, 96, 160);
  const auto pixel = [](int Index, int X, int Y) { return QColor(PlanetIcon[Index]->Bitmap.Image().pixel(X, Y)); };
  for (int i = 1; i <= 7; ++i) {
    ASSERT_NE(PlanetIcon[i], nullptr);
    EXPECT_EQ(PlanetIcon[i]->Bitmap.Width(), 44);
    EXPECT_EQ(pixel(i, 0, 0), ground);
    for (int x = 0; x < 44; ++x) {
      for (int y = 0; y < 44; ++y) {
        if (x >= 35 || y >= 35) {
          ASSERT_EQ(pixel(i, x, y), ground) << "icon " << i << " at " << x << "," << y;
        }
      }
    }
  }
  EXPECT_EQ(pixel(1, 18, 18), QColor(192, 192, 192)) << "Mercury's disc";
  EXPECT_EQ(pixel(1, 10, 18), QColor(0, 0, 0)) << "its rim";
  EXPECT_EQ(pixel(3, 18, 18), QColor(255, 32, 32)) << "Mars";
  EXPECT_EQ(pixel(5, 31, 29), QColor(255, 207, 160)) << "Saturn's ring beyond its disc";
  EXPECT_EQ(pixel(5, 5, 7), QColor(255, 207, 160)) << "and before it";
  EXPECT_EQ(pixel(5, 13, 20), QColor(255, 207, 160)) << "its disc";
  EXPECT_EQ(pixel(5, 28, 10), ground) << "off the ring";
}

// Obvious fault mended: the place fields are written with a point in every
// locale, as their Enter handlers read them, while the status bar keeps the
// locale's decimal mark.
TEST_F(StartUp, PlaceFieldsWithAPointInEveryLocale) {
  CopyBackground();
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  StoreSettings(0, 15, false, -33.875, 151.25);
  TForm_Main& form = Create();
  EXPECT_TRUE(ErrorBoxes.empty());
  EXPECT_EQ(form.Edit_nLat->text(), "-33.88");
  EXPECT_EQ(form.Edit_eLon->text(), "151.25");
  EXPECT_EQ(nLat, -33.88) << "read back from the field";
  EXPECT_EQ(eLon, 151.25);
  EXPECT_NE(form.StatusBar1->PanelText(3).find(','), std::string::npos);
}

// Obvious fault mended: a stored place that is not a finite number never
// becomes the place; it is refused with the conversion error and the
// start-up goes on to the clock's moment.
TEST_F(StartUp, NonFinitePlaceIsRefused) {
  CopyBackground();
  StoreSettings(0, 15, false, std::nan(""), -INFINITY);
  TForm_Main& form = Create();
  EXPECT_EQ(ErrorBoxes, (std::vector<std::string>{"'NAN' is not a valid floating point value.",
                                                  "'-INF' is not a valid floating point value."}));
  EXPECT_EQ(form.Edit_nLat->text(), "NAN");
  EXPECT_TRUE(std::isfinite(nLat));
  EXPECT_TRUE(std::isfinite(eLon));
  EXPECT_EQ(form.DrawRequests(), 3) << "the now button ran";
  EXPECT_EQ(form.RichEdit_Minute->text(), "30");
}

// Obvious fault mended: the start-up goes on after the error box, so that the
// drawing surface, the icons and the zone list exist and the charts are drawn
// on black.
TEST_F(StartUp, MissingBackgroundIsReportedAndTheChartDrawnOnBlack) {
  TForm_Main& form = Create();
  ASSERT_EQ(ErrorBoxes.size(), 1u);
  EXPECT_EQ(ErrorBoxes[0], "Cannot open file Himmelshintergrund_radial_2000x2000.jpg.");
  EXPECT_EQ(form.DrawRequests(), 3);
  EXPECT_EQ(form.ComboBox_TZone->count(), 40);
  EXPECT_NE(PlanetIcon[7], nullptr);
  EXPECT_EQ(form.Img0->Picture.Width(), 0);
  EXPECT_GT(ShareInside(form.Img1->Picture.Image(), 0, 2000, IsBlack), 0.8) << "no background under the chart";
  EXPECT_EQ(nLat, 47.5);
}

TEST_F(StartUp, BackgroundThatIsNoJpegOrTooLargeLeavesItEmptyAndADamagedOneIsReadPast) {
  // A text file, then JPEGs whose headers claim sides around the limit of
  // 4096 pixels and far beyond it; the data of 8 x 8 pixels behind such a
  // header is read past with the decoder's warnings, as is the end missing
  // from a picture cut short.
  QImage small(8, 8, QImage::Format_RGB32);
  small.fill(Qt::white);
  QByteArray jpeg;
  {
    QBuffer buffer(&jpeg);
    ASSERT_TRUE(small.save(&buffer, "JPEG"));
  }
  const int sof = jpeg.indexOf("\xFF\xC0");
  ASSERT_GT(sof, 0);
  const auto claiming = [&](int Width, int Height) {
    QByteArray bytes = jpeg;
    bytes[sof + 5] = static_cast<char>(Height >> 8);
    bytes[sof + 6] = static_cast<char>(Height & 0xFF);
    bytes[sof + 7] = static_cast<char>(Width >> 8);
    bytes[sof + 8] = static_cast<char>(Width & 0xFF);
    return bytes;
  };
  QFile real(BackgroundSource());
  ASSERT_TRUE(real.open(QIODevice::ReadOnly));
  const QByteArray whole = real.readAll();
  const struct {
    const char* Name;
    QByteArray Content;
    int Width;
  } cases[] = {
      {"the picture cut short, read past", whole.left(whole.size() * 2 / 5), 2000},
      {"a text", QByteArray("not a picture\n"), 0},
      {"60000 x 60000", claiming(60000, 60000), 0},
      {"4097 x 8", claiming(4097, 8), 0},
      {"8 x 4097", claiming(8, 4097), 0},
      {"4096 x 4096", claiming(4096, 4096), 4096},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    QFile file(WorkBackground());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(c.Content);
    file.close();
    TForm_Main& form = Create();
    EXPECT_TRUE(ErrorBoxes.empty());
    EXPECT_EQ(form.Img0->Picture.Width(), c.Width);
    EXPECT_EQ(form.DrawRequests(), 3);
    Window.reset();
  }
}

TEST_F(StartUp, SmallerBackgroundIsCopiedAsFarAsItReaches) {
  QImage half(2000, 1000, QImage::Format_RGB32);
  half.fill(QColor(40, 40, 40));
  ASSERT_TRUE(half.save(WorkBackground(), "JPEG"));
  TForm_Main& form = Create();
  EXPECT_TRUE(ErrorBoxes.empty());
  EXPECT_EQ(form.Img0->Picture.Height(), 1000);
  // Inside the horizon: grey where the picture reaches, black below it.
  const QImage& chart = form.Img1->Picture.Image();
  const auto grey = [](const QColor& C) { return std::abs(C.red() - 40) <= 6 && std::abs(C.blue() - 40) <= 6; };
  EXPECT_GT(ShareInside(chart, 0, 1000, grey), 0.8);
  EXPECT_GT(ShareInside(chart, 1000, 2000, IsBlack), 0.8);
}

// Obvious fault mended: a stored language outside 0 to 2 runs the German
// handler, so that every reader of the texts gets a valid column.
TEST_F(StartUp, LanguageOutsideTheTableRunsTheGermanHandler) {
  // With daylight saving on, the box's handler draws before the language
  // handler runs.
  CopyBackground();
  for (const bool dst : {false, true}) {
    SCOPED_TRACE(dst ? "daylight saving on" : "daylight saving off");
    ErrorBoxes.clear();
    StoreSettings(7, 15, dst, 47.5, 7.5);
    TForm_Main& form = Create();
    EXPECT_TRUE(ErrorBoxes.empty());
    EXPECT_EQ(Language, 0);
    EXPECT_TRUE(form.Deutsch1->isChecked());
    EXPECT_EQ(form.DrawRequests(), dst ? 5 : 3);
    EXPECT_EQ(Caption(form.Button_Jetzt), "Jetzt");
  }
}

}  // namespace
