#include "WindowFixture.h"

#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QTest>

#include "data/Catalogue.h"
#include "data/Tables.h"

namespace {

// The application object for the whole test program, on the offscreen
// platform, made before any test runs.
class TWidgetEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) new QApplication(argc, argv);
    QApplication::setApplicationName("Tarvelsicht");
    Init_Stars();
    Init_ConstLines();
    Calc_ConstLabels();
    Init_TZones();
    Init_Texts();
  }
};

[[maybe_unused]] ::testing::Environment* const Environment =
    ::testing::AddGlobalTestEnvironment(new TWidgetEnvironment);

}  // namespace

void WindowTest::SetUp() {
  ASSERT_TRUE(Work.isValid());
  PreviousFolder = QDir::currentPath();
  QDir::setCurrent(Work.path());
  QDir(Work.path()).mkdir("pictures");
  PictureDir = WorkPath("pictures") + "/";
  SettingsFileName = WorkPath("Tarvelsicht.ini");  // missing: the close query writes nothing
  StoreSettings(DefaultLanguage, DefaultTZoneIndex, false, DefaultLat, DefaultLon);
  // The globals as the program starts.
  Language = 0;
  nLat = eLon = 0;
  TZoneOffset = DSTOffset = 0;
  JD_UT = JD_Local = 0;
  Closing = false;
  QLocale::setDefault(QLocale::c());
  TForm_Main::ErrorBox = [this](const std::string& Text, const std::string&) { ErrorBoxes.push_back(Text); };
  TForm_Main::ProgramEnd = [this](int Code) { ProgramEnds.push_back(Code); };
  ButtonHeld = false;
}

void WindowTest::TearDown() {
  Window.reset();
  TForm_Main::ErrorBox = nullptr;
  TForm_Main::ProgramEnd = nullptr;
  QLocale::setDefault(QLocale::c());
  QDir::setCurrent(PreviousFolder);
}

void WindowTest::StoreSettings(std::uint8_t Lang, std::int32_t Zone, bool DST, double Lat, double Lon) {
  Settings = {};
  Settings.Language = Lang;
  Settings.TZoneIndex = Zone;
  Settings.DST = DST ? 1 : 0;
  Settings.nLat = Lat;
  Settings.eLon = Lon;
}

TForm_Main& WindowTest::Create() {
  Window = std::make_unique<TForm_Main>();
  Window->LocalClock = &TestClock;
  Form_Main = Window.get();
  TForm_Main::RunEvent([this] { Window->FormCreate(Window.get()); });
  return *Window;
}

void WindowTest::ShowWithClientSize(int Width, int Height) {
  TForm_Main& form = *Window;
  const int menu = form.height() - form.ClientHeight();
  form.show();
  form.resize(Width, Height + menu);
  for (int i = 0; i < 100 && (form.ClientWidth() != Width || form.ClientHeight() != Height); ++i) QTest::qWait(10);
  QTest::qWait(20);
}

void WindowTest::CopyBackground() const {
  const QString source = QString(TV_SOURCE_DIR) + "/data/run/Himmelshintergrund_radial_2000x2000.jpg";
  ASSERT_TRUE(QFile::copy(source, Work.filePath("Himmelshintergrund_radial_2000x2000.jpg")));
}
