#include "WindowFixture.h"

#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QComboBox>
#include <QCheckBox>
#include <QTest>
#include <clocale>

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
    std::setlocale(LC_NUMERIC, "C");  // as the program keeps it
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

QString WindowTest::BackgroundSource() {
  return QString(TV_SOURCE_DIR) + "/data/run/Himmelshintergrund_radial_2000x2000.jpg";
}

QString WindowTest::WorkBackground() const { return Work.filePath("Himmelshintergrund_radial_2000x2000.jpg"); }

void WindowTest::CopyBackground() const { ASSERT_TRUE(QFile::copy(BackgroundSource(), WorkBackground())); }

void WindowTest::TypeFields(const std::array<const char*, 6>& Texts) {
  TFieldEdit* const fields[6] = {Window->RichEdit_Jahr,   Window->RichEdit_Monat,  Window->RichEdit_Daag,
                                 Window->RichEdit_Stunde, Window->RichEdit_Minute, Window->RichEdit_Sekunde};
  for (std::size_t i = 0; i < 6; ++i) fields[i]->setText(QString::fromUtf8(Texts[i]));
}

namespace {
std::string Joined(std::initializer_list<const TFieldEdit*> Fields) {
  QStringList texts;
  for (const TFieldEdit* f : Fields) texts << f->text();
  return texts.join(' ').toStdString();
}
}  // namespace

std::string WindowTest::LocalFields() const {
  return Joined({Window->RichEdit_Jahr, Window->RichEdit_Monat, Window->RichEdit_Daag, Window->RichEdit_Stunde,
                 Window->RichEdit_Minute, Window->RichEdit_Sekunde});
}

std::string WindowTest::UniversalFields() const {
  return Joined({Window->RichEdit_Jahr_UT, Window->RichEdit_Monat_UT, Window->RichEdit_Daag_UT,
                 Window->RichEdit_Stunde_UT, Window->RichEdit_Minute_UT, Window->RichEdit_Sekunde_UT});
}

void WindowTest::SetMoment(int Zone, bool DST, const std::array<const char*, 6>& Texts) {
  Window->ComboBox_TZone->setCurrentIndex(Zone);
  TZoneOffset = TZones[Zone].Offset;
  Window->CheckBox_DST->setChecked(DST);
  TypeFields(Texts);
  Window->Read_DateTimeInput();
}

int WindowTest::ZoneLine(const char* Name) const { return Window->ComboBox_TZone->findText(QString::fromUtf8(Name)); }

void WindowTest::CheckQuietly(QCheckBox* Box) {
  const QSignalBlocker quiet(Box);
  Box->setChecked(true);
}
