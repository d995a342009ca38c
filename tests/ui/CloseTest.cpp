// The close: the settings record written back as it stood with the values in
// force, nothing written without the file, a failed write that keeps the old
// file and the window, the Exit item's order, and a close taken inside a held
// step button, which ends the program with code 0 in a child run of this
// test program.
#include <sys/resource.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <cstring>

#include "WindowFixture.h"

namespace {

constexpr const char* ChildVariable = "TV_CLOSE_CHILD_FOLDER";

// The record the start-up read: stamp "2.0.1.7" with stray bytes behind its
// characters and in the bytes no field covers.
Settings_Type StartRecord() {
  Settings_Type record{};
  std::memset(record.VersionStamp.Chars, 0xCD, sizeof record.VersionStamp.Chars);
  std::memset(record.Pad2, 0xCD, sizeof record.Pad2);
  record.VersionStamp.Len = 7;
  std::memcpy(record.VersionStamp.Chars, "2.0.1.7", 7);
  record.Language = 0;
  record.Pad1[0] = 0xAB;
  record.Pad1[1] = 0xAC;
  record.TZoneIndex = 15;
  record.DST = 0;
  record.nLat = 47.5;
  record.eLon = 7.5;
  return record;
}

Settings_Type ReadRecord(const std::string& Name, qint64& Size) {
  QFile file(QString::fromStdString(Name));
  Settings_Type record{};
  Size = -1;
  if (!file.open(QIODevice::ReadOnly)) return record;
  const QByteArray bytes = file.readAll();
  Size = bytes.size();
  std::memcpy(&record, bytes.constData(), std::min<std::size_t>(sizeof record, static_cast<std::size_t>(Size)));
  return record;
}

void WriteFile(const std::string& Name, const QByteArray& Bytes) {
  QFile file(QString::fromStdString(Name));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(Bytes);
}

class Close : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    CopyBackground();
    VersionStamp = Make_VersionStamp("2.0.1.7");
    Settings = StartRecord();
    // The file as it lay on the disk, longer than the record.
    QByteArray bytes(reinterpret_cast<const char*>(&Settings), sizeof Settings);
    bytes.append(12, '\x11');
    WriteFile(SettingsFileName, bytes);
    Create();
  }
  void TearDown() override {
    VersionStamp = {};
    WindowTest::TearDown();
  }
  void Enter(TFieldEdit* Field, const char* Text) {
    Field->setText(Text);
    QTest::keyClick(Field, Qt::Key_Return);
  }
};

TEST_F(Close, WritesTheWholeRecordWithTheValuesInForce) {
  Window->English1->trigger();
  Window->ComboBox_TZone->setCurrentIndex(20);
  Window->CheckBox_DST->setChecked(true);
  Enter(Window->Edit_nLat, "-33.8688");
  Enter(Window->Edit_eLon, "151.2093");
  Window->close();
  EXPECT_EQ(ProgramEnds, std::vector<int>{0});
  EXPECT_TRUE(ErrorBoxes.empty());
  qint64 size = 0;
  const Settings_Type written = ReadRecord(SettingsFileName, size);
  EXPECT_EQ(size, 48);
  EXPECT_EQ(written.VersionStamp.Str(), "2.0.1.7");
  EXPECT_EQ(written.Language, 1);
  EXPECT_EQ(written.TZoneIndex, 20);
  EXPECT_EQ(written.DST, 1);
  EXPECT_EQ(written.nLat, -33.8688) << "bit for bit, not the field's two decimals";
  EXPECT_EQ(written.eLon, 151.2093);
  const Settings_Type start = StartRecord();
  EXPECT_EQ(std::memcmp(written.VersionStamp.Chars + 7, start.VersionStamp.Chars + 7, 9), 0);
  EXPECT_EQ(std::memcmp(written.Pad1, start.Pad1, sizeof start.Pad1), 0);
  EXPECT_EQ(std::memcmp(written.Pad2, start.Pad2, sizeof start.Pad2), 0);
  // The next start reads what was in force at the close.
  SettingsDir = Work.path().toStdString() + "/";
  Load_Settings();
  EXPECT_EQ(Settings.Language, 1);
  EXPECT_EQ(Settings.TZoneIndex, 20);
  EXPECT_EQ(Settings.DST, 1);
  EXPECT_EQ(Settings.eLon, 151.2093);
}

TEST_F(Close, WithoutTheFileNothingIsWrittenAndTheProgramEnds) {
  ASSERT_TRUE(QFile::remove(QString::fromStdString(SettingsFileName)));
  Window->close();
  EXPECT_EQ(ProgramEnds, std::vector<int>{0});
  EXPECT_FALSE(QFile::exists(QString::fromStdString(SettingsFileName)));
}

// Obvious fault mended: no zone index of -1 is stored; the list always
// names a line.
TEST_F(Close, AListWithoutALineStoresTheFirstLine) {
  Window->ComboBox_TZone->setCurrentIndex(-1);
  Window->close();
  qint64 size = 0;
  EXPECT_EQ(ReadRecord(SettingsFileName, size).TZoneIndex, 0);
}

TEST_F(Close, AFailedWriteKeepsTheOldFileAndTheWindow) {
  ShowWithClientSize(1272, 968);
  Enter(Window->Edit_eLon, "100");
  // A file-size limit below the record's 48 bytes makes the write fail.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
  rlimit low = saved;
  low.rlim_cur = 20;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &low), 0);
  Window->close();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousSignal);
  ASSERT_EQ(ErrorBoxes.size(), 1u);
  EXPECT_NE(ErrorBoxes[0].find(SettingsFileName), std::string::npos) << ErrorBoxes[0];
  EXPECT_TRUE(ProgramEnds.empty());
  EXPECT_TRUE(Window->isVisible()) << "the window stays open";
  qint64 size = 0;
  EXPECT_EQ(ReadRecord(SettingsFileName, size).eLon, 7.5);
  EXPECT_EQ(size, 48 + 12) << "the old file as it was";
  // A later close tries again.
  Window->close();
  EXPECT_EQ(ProgramEnds, std::vector<int>{0});
  EXPECT_EQ(ReadRecord(SettingsFileName, size).eLon, 100.0);
  EXPECT_EQ(size, 48);
}

TEST_F(Close, ExitWritesThePictureThenTheSettings) {
  Enter(Window->Edit_nLat, "12.5");
  Window->Exit1->trigger();
  EXPECT_EQ(ProgramEnds, std::vector<int>{0});
  EXPECT_EQ(QFile(QString::fromStdString(PictureDir + "Tarvelsicht_Bild.bmp")).size(), 12000054);
  qint64 size = 0;
  EXPECT_EQ(ReadRecord(SettingsFileName, size).nLat, 12.5);
}

// A close taken inside the event processing of a held step button (so inside
// a draw request or the time display) ends the program there with exit code
// 0 after writing the settings; the interrupted loop never resumes. Run in a
// child run of this program, where the program really ends.
TEST_F(Close, InsideAHeldButtonTheProgramEndsWithCodeZero) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const std::string settings = folder.filePath("Tarvelsicht.ini").toStdString();
  {
    const Settings_Type record = StartRecord();
    WriteFile(settings, QByteArray(reinterpret_cast<const char*>(&record), sizeof record));
  }
  QProcess child;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(ChildVariable, folder.path());
  child.setProcessEnvironment(environment);
  child.setProcessChannelMode(QProcess::MergedChannels);
  child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=ChildRun.CloseInsideAHold"});
  ASSERT_TRUE(child.waitForFinished(60000));
  const std::string output = child.readAll().toStdString();
  EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << output;
  EXPECT_EQ(child.exitCode(), 0) << output;
  EXPECT_FALSE(QFile::exists(folder.filePath("resumed"))) << "the loop went on after the close";
  qint64 size = 0;
  const Settings_Type written = ReadRecord(settings, size);
  EXPECT_EQ(size, 48);
  EXPECT_EQ(written.eLon, 12.25);
  EXPECT_EQ(written.Language, 2);
}

// The child's part: only runs when the test above starts it.
class ChildRun : public WindowTest {};

TEST_F(ChildRun, CloseInsideAHold) {
  const QByteArray folder = qgetenv(ChildVariable);
  if (folder.isEmpty()) GTEST_SKIP() << "runs as the child of Close.InsideAHeldButtonTheProgramEndsWithCodeZero";
  CopyBackground();
  VersionStamp = Make_VersionStamp("2.0.1.7");
  SettingsFileName = QDir(QString::fromUtf8(folder)).filePath("Tarvelsicht.ini").toStdString();
  Settings = StartRecord();
  Create();
  TForm_Main::ProgramEnd = nullptr;  // the real end
  ShowWithClientSize(1272, 968);
  Window->Francais1->trigger();
  eLon = 12.25;
  QTimer::singleShot(700, [&] { Window->close(); });
  Window->BitBtn_Sekunde_PlusMouseDown(Window.get(), Qt::LeftButton, {}, 1, 1);
  // Only reached when the close returned into the loop.
  QFile resumed(QDir(QString::fromUtf8(folder)).filePath("resumed"));
  (void)resumed.open(QIODevice::WriteOnly);
  resumed.close();
  std::_Exit(3);
}

}  // namespace
