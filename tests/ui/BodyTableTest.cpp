// The body table: the texts of its cells, and the grid of the real window
// against the render tool's table for the same moment and place in all three
// languages, its repaints and the planet icons beside the names.
#include <QCheckBox>
#include <QComboBox>
#include <QProcess>
#include <QTest>
#include <cmath>
#include <map>
#include <sstream>

#include "WindowFixture.h"
#include "grid/qt/TextGridWidget.h"
#include "ui/logic/BodyTableText.h"

namespace {

std::array<double, 7> Row(double RA, double DE, double Azi, double Alt, double Dist, double Mvis, double Semi) {
  return {RA, DE, Azi, Alt, Dist, Mvis, Semi};
}

std::vector<std::string> Texts7(const std::array<TBodyCell, 7>& Cells) {
  std::vector<std::string> texts;
  for (const TBodyCell& c : Cells) texts.push_back(c.Text);
  return texts;
}

TEST(BodyTableText, MarsWithAPointAndWithAComma) {
  const auto mars = Row(5.5, -23.5, -45.5, 12.25, 1.5, 1.2, 3.12);
  const std::array<TBodyCell, 7> cells = BodyCells(4, "Mars", mars, ".");
  const std::pair<int, int> places[7] = {{0, 9}, {1, 9}, {2, 9}, {3, 9}, {1, 10}, {2, 10}, {3, 10}};
  for (int k = 0; k < 7; ++k) {
    EXPECT_EQ(cells[static_cast<std::size_t>(k)].Col, places[k].first) << k;
    EXPECT_EQ(cells[static_cast<std::size_t>(k)].Row, places[k].second) << k;
  }
  EXPECT_EQ(Texts7(cells), (std::vector<std::string>{"Mars", "  05:30:00.0", " -23:30:00", "1.500", "-45.50",
                                                     "12.25", "1.2  /  6.2"}));
  EXPECT_EQ(Texts7(BodyCells(4, "Mars", mars, ",")),
            (std::vector<std::string>{"Mars", "  05:30:00.0", " -23:30:00", "1,500", "-45,50", "12,25",
                                      "1,2  /  6,2"}))
      << "the sexagesimal texts keep the point";
}

TEST(BodyTableText, SunMoonAndTheRoundingEdges) {
  struct Case {
    const char* Name;
    int Body;
    std::array<double, 7> Values;
    int Cell;  // index in writing order
    const char* Text;
  } const Cases[] = {
      {"Sun's distance, 4 decimals", 0, Row(1, 1, 1, 1, 1.02, -26.4, 940.8), 3, "1.0200"},
      {"Sun's magnitude and diameter", 0, Row(1, 1, 1, 1, 1.02, -26.4, 940.8), 6, "-26.4 / 1882"},
      {"Moon's distance in km", 1, Row(1, 1, 1, 1, 384400.4, -12.7, 932.3), 3, "384400 km"},
      {"Moon's magnitude and diameter", 1, Row(1, 1, 1, 1, 384400.4, -12.7, 932.3), 6, "-12.7 / 1865"},
      {"right ascension", 2, Row(12.3456, 0, 0, 0, 1, 0, 1), 1, "  12:20:44.2"},
      {"right ascension rounding up to 24 h", 2, Row(23.0 + 59.0 / 60 + 59.95 / 3600, 0, 0, 0, 1, 0, 1), 1,
       "  24:00:00.0"},
      {"declination", 2, Row(0, -5.0125, 0, 0, 1, 0, 1), 2, " -05:00:45"},
      {"altitude rounding to zero", 3, Row(0, 0, 0, -0.004, 1, 0, 1), 5, "0.00"},
      {"altitude just below", 3, Row(0, 0, 0, -0.006, 1, 0, 1), 5, "-0.01"},
      {"half away from zero", 3, Row(0, 0, 0, 0.125, 1, 0, 1), 5, "0.13"},
      {"negative half away from zero", 3, Row(0, 0, 0, -0.125, 1, 0, 1), 5, "-0.13"},
      {"due east", 5, Row(0, 0, -90, 0, 1, 0, 1), 4, "-90.00"},
      {"due west", 5, Row(0, 0, 90, 0, 1, 0, 1), 4, "90.00"},
      {"Neptune's rows", 8, Row(0, 0, 0, 0, 29.123456, 7.84, 1.15), 6, "7.8  /  2.3"},
  };
  for (const Case& c : Cases)
    EXPECT_EQ(BodyCells(c.Body, "x", c.Values, ".")[static_cast<std::size_t>(c.Cell)].Text, c.Text) << c.Name;
  EXPECT_EQ(BodyCells(8, "x", Row(0, 0, 0, 0, 1, 0, 1), ".")[0].Row, 17);
  EXPECT_EQ(BodyCells(1, "x", Row(0, 0, 0, 0, 1, 0, 1), ".")[0].Row, 2);
  EXPECT_THROW((void)BodyFirstRow(9), tv::ERangeError);
}

// --- The grid of the window ----------------------------------------------------------

class BodyTable : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    CopyBackground();
    Create();
  }
  TTextGrid& Grid() { return Window->TextGrid1->Grid(); }
  std::string Cell(int Col, int Row) { return Grid().CellTextOrEmpty(Col, Row); }
  // Counts the cell events of the grid (the full paints' and the single cell
  // repaints') while Action runs.
  int CellEvents(const std::function<void()>& Action) {
    int count = 0;
    TOnDrawCellEvent bound = Grid().OnDrawCell;
    Grid().OnDrawCell = [&](TTextGrid& S, tv::TCanvas& C, std::int32_t X, std::int32_t Y, tv::TRect R, bool& H) {
      ++count;
      bound(S, C, X, Y, R, H);
    };
    Action();
    Grid().OnDrawCell = bound;
    return count;
  }
};

// The render tool's table (CSV) for a universal-time Julian day and a place.
std::map<std::string, std::array<double, 7>> RenderToolTable(double JD, double Lat, double Lon,
                                                             const QString& Picture) {
  QProcess tool;
  tool.start(QString(TV_BINARY_DIR) + "/tools/render_chart",
             {"--jd", QString::number(JD, 'f', 10), "--lat", QString::number(Lat, 'g', 17), "--lon",
              QString::number(Lon, 'g', 17), "--out", Picture});
  EXPECT_TRUE(tool.waitForFinished(60000));
  EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
  std::istringstream lines(tool.readAllStandardOutput().toStdString());
  std::string line;
  std::getline(lines, line);  // header
  std::map<std::string, std::array<double, 7>> table;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string name, value;
    std::getline(fields, name, ',');
    std::array<double, 7> values{};
    for (double& v : values) {
      std::getline(fields, value, ',');
      v = std::stod(value);
    }
    table[name] = values;
  }
  return table;
}

// "  05:30:00.0" or " -23:30:00" back to hours or degrees.
double Sexagesimal(const std::string& Text) {
  const bool negative = Text.find('-') != std::string::npos;
  int h = 0, m = 0;
  double s = 0;
  EXPECT_EQ(std::sscanf(Text.c_str() + Text.find_first_of("0123456789"), "%d:%d:%lf", &h, &m, &s), 3) << Text;
  const double value = h + m / 60.0 + s / 3600.0;
  return negative ? -value : value;
}

TEST_F(BodyTable, NineteenRowsInEveryLanguageAsTheRenderToolComputesThem) {
  // 2019-06-01 18:00 local at UTC+01 with daylight saving: 16:00 UT.
  Window->ComboBox_TZone->setCurrentIndex(16);
  Window->CheckBox_DST->setChecked(true);
  nLat = -33.87;
  eLon = 151.21;
  for (TFieldEdit* f : {Window->RichEdit_Jahr, Window->RichEdit_Monat, Window->RichEdit_Daag,
                        Window->RichEdit_Stunde, Window->RichEdit_Minute, Window->RichEdit_Sekunde})
    f->setText("0");
  Window->RichEdit_Jahr->setText("2019");
  Window->RichEdit_Monat->setText("6");
  Window->RichEdit_Daag->setText("1");
  Window->RichEdit_Stunde->setText("18");
  Window->Read_DateTimeInput();
  ASSERT_NEAR(JD_UT, 2458636.1666667, 1e-6);
  const auto tool = RenderToolTable(JD_UT, nLat, eLon, Work.filePath("chart.png"));
  ASSERT_EQ(tool.size(), 9u);

  const char* const toolNames[9] = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus",
                                    "Neptune"};
  const std::vector<std::vector<std::string>> names = {
      {"Körper   ", "Sonne", "Mond", "Merkur", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptun"},
      {"Body     ", "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune"},
      {"Object   ", "Soleil", "Lune", "Mercure", "Venus", "Mars", "Jupiter", "Saturne", "Uranus", "Neptune"}};
  for (int lang = 0; lang < 3; ++lang) {
    SCOPED_TRACE("language " + std::to_string(lang));
    QAction* item[3] = {Window->Deutsch1, Window->English1, Window->Francais1};
    item[lang]->trigger();
    EXPECT_EQ(Grid().RowCount(), 19);
    EXPECT_EQ(Grid().ColCount(), 4);
    EXPECT_EQ(Grid().HeaderLine(), 2);
    EXPECT_EQ(Grid().Columns()[0].Title(), names[lang][0]);
    EXPECT_EQ(Grid().Columns()[1].Title(), "RA (h)|Azi (°)");
    EXPECT_EQ(Grid().Columns()[3].Title(), "r (AU)|Mvis / d(\")");
    const int widths[4] = {70, 78, 78, 83};
    for (int c = 0; c < 4; ++c) EXPECT_EQ(Grid().Columns()[c].Width(), widths[c]);
    EXPECT_EQ(Grid().Columns()[0].HorzAlign(), haLeft);
    EXPECT_EQ(Grid().Columns()[2].HorzAlign(), haCenter);
    for (int c = 0; c < 4; ++c) EXPECT_EQ(Cell(c, 4), "") << "row 4 stays empty";
    for (int body = 0; body < 9; ++body) {
      SCOPED_TRACE(toolNames[body]);
      const std::array<double, 7>& v = tool.at(toolNames[body]);
      const int f = body <= 1 ? 2 * body : 2 * body + 1;
      EXPECT_EQ(Cell(0, f), names[lang][static_cast<std::size_t>(body + 1)]);
      EXPECT_EQ(Cell(0, f + 1), "");
      EXPECT_NEAR(Sexagesimal(Cell(1, f)), v[0], 0.051 / 3600) << Cell(1, f);
      EXPECT_NEAR(Sexagesimal(Cell(2, f)), v[1], 0.51 / 3600) << Cell(2, f);
      const double dist = std::stod(Cell(3, f));
      EXPECT_NEAR(dist, v[4], body == 0 ? 0.00005 : body == 1 ? 0.5 : 0.0005) << Cell(3, f);
      EXPECT_EQ(Cell(3, f).ends_with(" km"), body == 1);
      EXPECT_NEAR(std::stod(Cell(1, f + 1)), v[2], 0.005) << "azimuth";
      EXPECT_NEAR(std::stod(Cell(2, f + 1)), v[3], 0.005) << "altitude";
      const std::string last = Cell(3, f + 1);
      const std::size_t slash = last.find('/');
      ASSERT_NE(slash, std::string::npos);
      EXPECT_NEAR(std::stod(last.substr(0, slash)), v[5], 0.05) << last;
      EXPECT_NEAR(std::stod(last.substr(slash + 1)), 2 * v[6], body <= 1 ? 0.5 : 0.05) << last;
    }
  }
}

TEST_F(BodyTable, LocaleDecimalMarkAndRepaintsOnlyOfChangedCells) {
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  Window->Button_ZeichnenClick(Window.get());
  EXPECT_NE(Cell(3, 0).find(','), std::string::npos) << Cell(3, 0);
  EXPECT_EQ(Cell(1, 0).find(','), std::string::npos) << "the right ascension keeps its point";
  // Nothing changed: the texts are built and compared, no cell is painted.
  EXPECT_EQ(CellEvents([&] { Window->Button_ZeichnenClick(Window.get()); }), 0);
  // Another language: the nine names are repainted at once (a planet's
  // name cell hides most of its icon) and the title invalidates the grid.
  Language = 1;
  const int events = CellEvents([&] { Window->Fill_DataTable(Window->Img1); });
  EXPECT_EQ(events, 4) << "Sun, Moon, Mercury and Neptune; Venus to Uranus keep their names";
  EXPECT_EQ(Cell(0, 0), "Sun");
}

// The icon of a planet shows as a block 16 x 17 at the right-hand end of its
// name cell; the cell below the name, where the event fires, shows only its
// background. Sun and Moon have none.
TEST_F(BodyTable, PlanetIconsBesideTheNamesFollowColumnZero) {
  const auto paint = [&] {
    (void)Window->TextGrid1->grab();
    return Window->TextGrid1->BackBuffer();
  };
  const auto isRed = [](QRgb P) { return qRed(P) > 200 && qGreen(P) < 90 && qBlue(P) < 90; };
  QImage table = paint();
  // Mars: data row 10, its name row 9 from y = 36 + 9 * 18 - 1.
  EXPECT_TRUE(isRed(table.pixel(61, 206))) << std::hex << table.pixel(61, 206);
  EXPECT_EQ(table.pixel(61, 217), qRgb(255, 255, 255)) << "the cell below is painted over the icon's foot";
  EXPECT_EQ(table.pixel(70, 206), table.pixel(72, 190)) << "column 1 painted over its right end";
  for (const int y : {44, 80}) EXPECT_EQ(table.pixel(61, y), qRgb(255, 255, 255)) << "Sun and Moon: no icon";
  // The user widens column 0: the icons move with its right edge; the next
  // draw request sets the widths back.
  Grid().Columns()[0].SetWidth(90);
  table = paint();
  EXPECT_TRUE(isRed(table.pixel(81, 206)));
  EXPECT_FALSE(isRed(table.pixel(61, 206)));
  Window->Button_ZeichnenClick(Window.get());
  EXPECT_EQ(Grid().Columns()[0].Width(), 70);
  EXPECT_TRUE(isRed(paint().pixel(61, 206)));
}

// A language change repaints the new names at once, over most of their
// icons; the full paint that the new title asks for comes after them and
// draws the icons again.
TEST_F(BodyTable, IconsStayAfterALanguageChange) {
  ShowWithClientSize(1272, 968);
  const auto isGrey = [](QRgb P) { return std::abs(qRed(P) - 192) < 40 && std::abs(qBlue(P) - 192) < 40; };
  for (QAction* item : {Window->English1, Window->Deutsch1, Window->Francais1}) {
    item->trigger();
    QTest::qWait(50);
    const QImage table = Window->TextGrid1->BackBuffer();
    // Mercury: data row 6, its name in row 5.
    EXPECT_TRUE(isGrey(table.pixel(61, 6 * 18 + 18 + 8))) << item->text().toStdString();
    EXPECT_EQ(Window->TextGrid1->grab().toImage().pixel(61, 6 * 18 + 18 + 8), table.pixel(61, 6 * 18 + 18 + 8));
  }
}

}  // namespace
