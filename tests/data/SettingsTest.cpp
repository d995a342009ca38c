#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <optional>
#include <stdexcept>

#include "ChildProcess.h"
#include "ProfileFixture.h"
#include "data/Settings.h"
#include "data/SharedState.h"
#include "platform/Errors.h"
#include "platform/Folders.h"

namespace {

using testing_profile::Bytes;
using testing_profile::DefaultFileBytes;
using testing_profile::ProfileTest;
using testing_profile::ReadBytes;
using testing_profile::WriteBytes;

namespace fs = std::filesystem;

Bytes RecordBytes(const Settings_Type& record) {
  Bytes bytes(sizeof record);
  std::memcpy(bytes.data(), &record, sizeof record);
  return bytes;
}

// A record of this version with a non-default choice in every field.
Settings_Type ChosenRecord() {
  Settings_Type r{};
  r.VersionStamp.Assign("1.34.0.0");
  r.Language = 1;
  r.TZoneIndex = 28;
  r.DST = 1;
  r.nLat = -33.25;
  r.eLon = 151.125;
  return r;
}

// The names in Folder, sorted: what a write leaves beside the settings file.
std::vector<std::string> FolderEntries(const std::string& Folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(Folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

void ExpectFields(const Settings_Type& actual, const Settings_Type& expected) {
  EXPECT_EQ(actual.Language, expected.Language);
  EXPECT_EQ(actual.TZoneIndex, expected.TZoneIndex);
  EXPECT_EQ(actual.DST, expected.DST);
  EXPECT_EQ(actual.nLat, expected.nLat);
  EXPECT_EQ(actual.eLon, expected.eLon);
}

// ---------------------------------------------------------------- folders --

using DataFolders = ProfileTest;

TEST_F(DataFolders, LookUpsFollowTheXdgRulesAndNeverFallBackToTheRoot) {
  struct Case {
    const char* Name;
    std::function<void()> Prepare;
    std::function<std::string()> SettingsDirExpected;
    std::function<std::string()> PictureDirExpected;
    int DirErrorExpected;
  };
  const std::vector<Case> cases = {
      {"xdg variables", [] {}, [&] { return Config + "/Tarvelsicht/"; },
       [&] { return Documents + "/Tarvelsicht/"; }, 0},
      {"home defaults",
       [&] {
         SetEnv("XDG_CONFIG_HOME", std::nullopt);
         SetEnv("XDG_DOCUMENTS_DIR", std::nullopt);
       },
       [&] { return Home + "/.config/Tarvelsicht/"; }, [&] { return Home + "/Documents/Tarvelsicht/"; }, 0},
      {"user-dirs entry",
       [&] {
         SetEnv("XDG_DOCUMENTS_DIR", std::nullopt);
         fs::create_directories(Config);
         std::ofstream(Config + "/user-dirs.dirs") << "# written by xdg-user-dirs-update\n"
                                                   << "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                                                   << "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n";
       },
       [&] { return Config + "/Tarvelsicht/"; }, [&] { return Home + "/Dokumente/Tarvelsicht/"; }, 0},
      {"relative variables ignored",
       [&] {
         SetEnv("XDG_CONFIG_HOME", "relative/config");
         SetEnv("XDG_DOCUMENTS_DIR", "relative/docs");
       },
       [&] { return Home + "/.config/Tarvelsicht/"; }, [&] { return Home + "/Documents/Tarvelsicht/"; }, 0},
      {"trailing slash and blanks",
       [&] {
         SetEnv("XDG_CONFIG_HOME", Config + "/ \t");
         SetEnv("XDG_DOCUMENTS_DIR", Documents + "/");
       },
       [&] { return Config + "/Tarvelsicht/"; }, [&] { return Documents + "/Tarvelsicht/"; }, 0},
      {"no home at all",
       [&] {
         SetEnv("HOME", std::nullopt);
         SetEnv("XDG_CONFIG_HOME", std::nullopt);
         SetEnv("XDG_DOCUMENTS_DIR", std::nullopt);
       },
       [] { return std::string(); }, [] { return std::string(); }, 1},
      {"no home, config given",
       [&] {
         SetEnv("HOME", "");
         SetEnv("XDG_DOCUMENTS_DIR", std::nullopt);
       },
       [&] { return Config + "/Tarvelsicht/"; }, [] { return std::string(); }, 1},
  };
  const bool rootFolderBefore = fs::exists("/Tarvelsicht");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    fs::remove_all(Config);
    fs::remove_all(Documents);
    fs::remove_all(Home);
    fs::create_directories(Home);
    SetEnv("HOME", Home);
    SetEnv("XDG_CONFIG_HOME", Config);
    SetEnv("XDG_DOCUMENTS_DIR", Documents);
    c.Prepare();

    Init_DataDirs();
    EXPECT_EQ(SettingsDir, c.SettingsDirExpected());
    EXPECT_EQ(PictureDir, c.PictureDirExpected());
    EXPECT_EQ(DirError, c.DirErrorExpected);
    if (!SettingsDir.empty()) {
      EXPECT_TRUE(fs::is_directory(SettingsDir));
    }
    if (!PictureDir.empty()) {
      EXPECT_TRUE(fs::is_directory(PictureDir));
    }
  }
  EXPECT_EQ(fs::exists("/Tarvelsicht"), rootFolderBefore);
}

TEST_F(DataFolders, FailedCreationSetsDirErrorAndTheLastFolderDecides) {
  std::ofstream(Root + "/plain-file") << "x";
  // The documents folder lies below a plain file: its creation fails last.
  SetEnv("XDG_DOCUMENTS_DIR", Root + "/plain-file/docs");
  Init_DataDirs();
  EXPECT_EQ(DirError, 1);
  EXPECT_TRUE(fs::is_directory(Config + "/Tarvelsicht"));

  // The settings folder fails, the documents folder succeeds afterwards.
  SetEnv("XDG_CONFIG_HOME", Root + "/plain-file/config");
  SetEnv("XDG_DOCUMENTS_DIR", Documents);
  Init_DataDirs();
  EXPECT_EQ(DirError, 0);
  EXPECT_FALSE(fs::exists(Root + "/plain-file/config"));
}

// Without a usable $HOME (unset, relative or the root) the user's home comes
// from the password database, unless that names the root or a relative path.
// A home that does not exist yet, from either, is made with every missing
// parent together with the folders below it; a failure there sets DirError.
TEST_F(DataFolders, WithoutHomeThePasswordDatabaseNamesTheHome) {
  const std::string pwHome = Root + "/pw-home";
  const std::string missing = Root + "/missing/pw-home";  // neither it nor its parent exists
  const std::string newHome = Root + "/missing/home";
  const std::string belowFile = Root + "/plain-file/pw-home";
  std::ofstream(Root + "/plain-file") << "x";
  struct Case {
    const char* Name;
    std::optional<std::string> HomeVariable;
    std::string PasswordEntry;
    std::string SettingsDirExpected;
    std::string PictureDirExpected;
    int DirErrorExpected;
  };
  const std::vector<Case> cases = {
      {"no HOME", std::nullopt, pwHome, pwHome + "/.config/Tarvelsicht/", pwHome + "/Documents/Tarvelsicht/", 0},
      {"empty HOME", "", pwHome, pwHome + "/.config/Tarvelsicht/", pwHome + "/Documents/Tarvelsicht/", 0},
      {"relative HOME", "home", pwHome, pwHome + "/.config/Tarvelsicht/", pwHome + "/Documents/Tarvelsicht/", 0},
      {"HOME is the root", "/", pwHome, pwHome + "/.config/Tarvelsicht/", pwHome + "/Documents/Tarvelsicht/", 0},
      {"HOME goes first", Home, pwHome, Home + "/.config/Tarvelsicht/", Home + "/Documents/Tarvelsicht/", 0},
      {"HOME names no folder yet", newHome, pwHome, newHome + "/.config/Tarvelsicht/",
       newHome + "/Documents/Tarvelsicht/", 0},
      {"entry is the root", std::nullopt, "/", "", "", 1},
      {"entry is the root, twice", std::nullopt, "//", "", "", 1},
      {"HOME and entry the root", "/", "/", "", "", 1},
      {"relative entry", std::nullopt, "pw-home", "", "", 1},
      {"entry names no folder yet", std::nullopt, missing, missing + "/.config/Tarvelsicht/",
       missing + "/Documents/Tarvelsicht/", 0},
      {"entry below a plain file", std::nullopt, belowFile, belowFile + "/.config/Tarvelsicht/",
       belowFile + "/Documents/Tarvelsicht/", 1},
      {"no entry", std::nullopt, "", "", "", 1},
  };
  const bool rootConfigBefore = fs::exists("/.config/Tarvelsicht");
  const bool rootDocumentsBefore = fs::exists("/Documents/Tarvelsicht");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    fs::remove_all(pwHome);
    fs::remove_all(Root + "/missing");
    fs::create_directories(pwHome);
    SetEnv("HOME", c.HomeVariable);
    SetEnv("XDG_CONFIG_HOME", std::nullopt);
    SetEnv("XDG_DOCUMENTS_DIR", std::nullopt);
    PasswordHome = c.PasswordEntry;

    Init_DataDirs();
    EXPECT_EQ(SettingsDir, c.SettingsDirExpected);
    EXPECT_EQ(PictureDir, c.PictureDirExpected);
    EXPECT_EQ(DirError, c.DirErrorExpected);
    if (c.DirErrorExpected == 0) {
      EXPECT_TRUE(fs::is_directory(SettingsDir));
      EXPECT_TRUE(fs::is_directory(PictureDir));
    }
  }
  EXPECT_EQ(fs::exists("/.config/Tarvelsicht"), rootConfigBefore);
  EXPECT_EQ(fs::exists("/Documents/Tarvelsicht"), rootDocumentsBefore);

  // "$HOME" in user-dirs.dirs stands for the home the password database gave.
  SetEnv("HOME", std::nullopt);
  PasswordHome = pwHome;
  fs::create_directories(pwHome + "/.config");
  std::ofstream(pwHome + "/.config/user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n";
  EXPECT_EQ(Get_PersonalDir(), pwHome + "/Dokumente");
}

// The system's look-up reads the effective user's entry.
TEST(PasswordDatabase, HomeOfTheEffectiveUser) {
  const passwd* entry = getpwuid(geteuid());
  EXPECT_EQ(tv::PasswordHomeFolder(), entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "");
}

// ----------------------------------------------------------- settings file --

using SettingsRecord = ProfileTest;

TEST_F(SettingsRecord, FirstStartWritesTheDefaultRecordByteForByte) {
  const std::string name = PrepareSettingsDir();
  Load_Settings();
  EXPECT_EQ(SettingsFileName, name);
  EXPECT_EQ(ReadBytes(name), DefaultFileBytes());
  EXPECT_EQ(RecordBytes(Settings), DefaultFileBytes());
  EXPECT_EQ(IOCount, 48);
  EXPECT_TRUE(Shown.empty());
}

TEST_F(SettingsRecord, ChoicesOfTheLastRunComeBack) {
  const std::string name = PrepareSettingsDir();
  Load_Settings();
  ASSERT_TRUE(Save_Settings(2, 39, true, -89.5, -179.75));
  EXPECT_EQ(IOCount, 48);

  Settings = Settings_Type{};
  Load_Settings();
  EXPECT_TRUE(Shown.empty());
  EXPECT_EQ(Settings.VersionStamp.Str(), "1.34.0.0");
  EXPECT_EQ(Settings.Language, 2);
  EXPECT_EQ(Settings.TZoneIndex, 39);
  EXPECT_EQ(Settings.DST, 1);
  EXPECT_EQ(Settings.nLat, -89.5);
  EXPECT_EQ(Settings.eLon, -179.75);
  EXPECT_EQ(ReadBytes(name).size(), 48u);
}

TEST_F(SettingsRecord, RewriteKeepsPaddingAndTheBytesAfterTheStamp) {
  const std::string name = PrepareSettingsDir();
  Bytes bytes = DefaultFileBytes();
  for (int i = 9; i <= 16; ++i) bytes[i] = 'x';        // after the stamp's characters
  bytes[18] = 0xAA, bytes[19] = 0xBB;                   // padding after the language
  for (int i = 25; i <= 31; ++i) bytes[i] = static_cast<unsigned char>(i);  // after DST
  WriteBytes(name, bytes);

  Load_Settings();
  ASSERT_TRUE(Shown.empty());
  ASSERT_TRUE(Save_Settings(1, 16, false, 52.5, 13.25));

  Bytes expected = bytes;
  Settings_Type chosen{};
  chosen.Language = 1;
  chosen.TZoneIndex = 16;
  chosen.nLat = 52.5;
  chosen.eLon = 13.25;
  const Bytes chosenBytes = RecordBytes(chosen);
  for (int i : {17, 20, 21, 22, 23, 24}) expected[i] = chosenBytes[i];
  for (int i = 32; i < 48; ++i) expected[i] = chosenBytes[i];
  EXPECT_EQ(ReadBytes(name), expected);
}

TEST_F(SettingsRecord, ShortAndLongFilesWithThisStampAreAccepted) {
  struct Case {
    const char* Name;
    std::size_t Length;  // bytes of the chosen record kept in the file
    std::size_t Extra;   // junk bytes appended beyond the record
    Settings_Type Expected;
  };
  Settings_Type stampAndChoices = ChosenRecord();  // cut after the DST byte
  stampAndChoices.nLat = 0.0;
  stampAndChoices.eLon = 0.0;
  Settings_Type stampOnly{};
  const std::vector<Case> cases = {
      {"stamp only", 9, 0, stampOnly},
      {"cut after the switch", 25, 0, stampAndChoices},
      {"cut inside the longitude", 44, 0,
       [] {
         Settings_Type r = ChosenRecord();
         r.eLon = 0.0;  // the low four bytes of 151.125 are zero, the high ones missing
         return r;
       }()},
      {"longer than the record", 48, 12, ChosenRecord()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::string name = PrepareSettingsDir();
    Bytes bytes = RecordBytes(ChosenRecord());
    bytes.resize(c.Length);
    bytes.insert(bytes.end(), c.Extra, 0x5A);
    WriteBytes(name, bytes);

    Settings = ChosenRecord();  // the bytes the file lacks must not survive
    Load_Settings();
    EXPECT_TRUE(Shown.empty());
    EXPECT_EQ(IOCount, static_cast<std::int32_t>(std::min<std::size_t>(c.Length + c.Extra, 48)));
    ExpectFields(Settings, c.Expected);
    EXPECT_EQ(ReadBytes(name), bytes);  // loading never changes the file
  }
}

TEST_F(SettingsRecord, AnotherStampShowsTheMessageDeletesTheFileAndHaltsWithZero) {
  struct Case {
    const char* Name;
    const char* OwnStamp;
    Bytes File;
    std::string Shown;                  // the stored version as the message shows it
    std::optional<std::string> Stored;  // StoredVersion, when it differs from Shown
  };
  auto withStamp = [](std::uint8_t len, const std::string& chars) {
    Bytes b = DefaultFileBytes();
    b[0] = len;
    for (std::size_t i = 0; i < 16; ++i) b[1 + i] = i < chars.size() ? chars[i] : 0;
    return b;
  };
  const std::vector<Case> cases = {
      {"older version", "1.34.0.0", withStamp(8, "1.33.0.0"), "1.33.0.0", std::nullopt},
      {"trailing blank", "1.34.0.0", withStamp(9, "1.34.0.0 "), "1.34.0.0 ", std::nullopt},
      {"letter case", "1.34.0.0-RC", withStamp(11, "1.34.0.0-rc"), "1.34.0.0-rc", std::nullopt},
      {"shorter length byte", "1.34.0.0", withStamp(4, "1.34.0.0"), "1.34", std::nullopt},
      {"length byte above 16", "1.34.0.0", withStamp(20, "ABCDEFGHIJKLMNOP"), "ABCDEFGHIJKLMNOP", std::nullopt},
      {"empty file", "1.34.0.0", Bytes{}, "", std::nullopt},
      // A text file of 9 bytes: the length byte 'g' (103) counts all 16
      // characters, of which the 8 the file lacks are zero.
      {"text file", "1.34.0.0", Bytes{'g', 'a', 'r', 'b', 'a', 'g', 'e', '!', '!'}, "arbage!!????????",
       std::string("arbage!!") + std::string(8, '\0')},
      {"control characters and broken UTF-8", "1.34.0.0", withStamp(10, "1.\t3\x7F\xC3\xA4\xFF\xE2\x82"),
       "1.?3?\xC3\xA4???", "1.\t3\x7F\xC3\xA4\xFF\xE2\x82"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Shown.clear();
    VersionStamp.Assign(c.OwnStamp);
    const std::string name = PrepareSettingsDir();
    WriteBytes(name, c.File);

    int exitCode = -1;
    try {
      Load_Settings();
    } catch (const tv::EProgramHalt& halt) {
      exitCode = halt.ExitCode();
    }
    EXPECT_EQ(exitCode, 0);
    ASSERT_EQ(Shown.size(), 1u);
    EXPECT_EQ(Shown[0].Caption, "Incompatible parameter file found");
    EXPECT_EQ(Shown[0].Text, std::string("The file from version ") + c.Shown +
                                 " is now deleted.\n\rPlease restart the program Tarvelsicht.");
    EXPECT_TRUE(Shown[0].FileExisted);
    EXPECT_FALSE(fs::exists(name));
    EXPECT_EQ(StoredVersion, c.Stored.value_or(c.Shown));
    EXPECT_EQ(SettingsFile, nullptr);
  }
}

TEST_F(SettingsRecord, AnEmptyStampMatchesAFileWithAnEmptyStamp) {
  VersionStamp = ShortString<16>{};
  const std::string name = PrepareSettingsDir();
  Load_Settings();
  EXPECT_EQ(ReadBytes(name)[0], 0);
  Load_Settings();
  EXPECT_TRUE(Shown.empty());
  EXPECT_TRUE(fs::exists(name));
}

// A damaged or edited file with this version's stamp: each field outside its
// range falls back to its default alone; the rest and the file stay as stored.
TEST_F(SettingsRecord, FieldsOutsideTheirRangeFallBackOneByOne) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* Name;
    std::function<void(Settings_Type&)> Damage;
    std::function<void(Settings_Type&)> Expect;  // applied to ChosenRecord()
  };
  const std::vector<Case> cases = {
      {"language 3", [](auto& r) { r.Language = 3; }, [](auto& r) { r.Language = 0; }},
      {"language 255", [](auto& r) { r.Language = 255; }, [](auto& r) { r.Language = 0; }},
      {"zone -1", [](auto& r) { r.TZoneIndex = -1; }, [](auto& r) { r.TZoneIndex = 15; }},
      {"zone 40", [](auto& r) { r.TZoneIndex = 40; }, [](auto& r) { r.TZoneIndex = 15; }},
      {"zone min int", [](auto& r) { r.TZoneIndex = INT32_MIN; }, [](auto& r) { r.TZoneIndex = 15; }},
      {"switch byte 2", [](auto& r) { r.DST = 2; }, [](auto& r) { r.DST = 0; }},
      {"latitude NaN", [&](auto& r) { r.nLat = nan; }, [](auto& r) { r.nLat = 47.5; }},
      {"latitude beyond the pole", [](auto& r) { r.nLat = 90.5; }, [](auto& r) { r.nLat = 47.5; }},
      {"longitude infinite", [&](auto& r) { r.eLon = -inf; }, [](auto& r) { r.eLon = 7.5; }},
      {"longitude beyond 180", [](auto& r) { r.eLon = 180.25; }, [](auto& r) { r.eLon = 7.5; }},
      {"place both NaN", [&](auto& r) { r.nLat = nan, r.eLon = nan; },
       [](auto& r) { r.nLat = 47.5, r.eLon = 7.5; }},
      {"range ends kept",
       [](auto& r) { r.Language = 2, r.TZoneIndex = 0, r.nLat = -90.0, r.eLon = 180.0; },
       [](auto& r) { r.Language = 2, r.TZoneIndex = 0, r.nLat = -90.0, r.eLon = 180.0; }},
      {"other range ends kept", [](auto& r) { r.TZoneIndex = 39, r.nLat = 90.0, r.eLon = -180.0; },
       [](auto& r) { r.TZoneIndex = 39, r.nLat = 90.0, r.eLon = -180.0; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::string name = PrepareSettingsDir();
    Settings_Type stored = ChosenRecord();
    c.Damage(stored);
    WriteBytes(name, RecordBytes(stored));

    Load_Settings();
    Settings_Type expected = ChosenRecord();
    c.Expect(expected);
    EXPECT_TRUE(Shown.empty());
    ExpectFields(Settings, expected);
    EXPECT_EQ(ReadBytes(name), RecordBytes(stored));
  }
}

// A settings file the user may only read is loaded: it is opened for reading.
TEST_F(SettingsRecord, ReadOnlyFileIsLoaded) {
  const std::string name = PrepareSettingsDir();
  WriteBytes(name, RecordBytes(ChosenRecord()));
  ASSERT_EQ(chmod(name.c_str(), 0444), 0);
  // Root may write any file; the check runs as an ordinary user then, who
  // needs to reach the folder.
  for (const std::string& folder : {Root, Config, SettingsDir}) ASSERT_EQ(chmod(folder.c_str(), 0755), 0);

  EXPECT_EXIT(
      {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(3);
        if (access(name.c_str(), W_OK) == 0) _exit(4);  // the file must really be read-only
        try {
          Load_Settings();
        } catch (...) {
          _exit(1);
        }
        _exit(Settings.Language == 1 && Settings.TZoneIndex == 28 && Settings.nLat == -33.25 ? 0 : 2);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(SettingsRecord, FileFailuresRaiseInputOutputErrors) {
  struct Case {
    const char* Name;
    std::function<void()> Prepare;
    int ErrorCode;
  };
  const std::vector<Case> cases = {
      {"settings folder unknown", [&] { SettingsDir.clear(); }, ENOENT},
      {"settings folder missing", [&] { SettingsDir = Config + "/never-created/"; }, ENOENT},
      {"folder in place of the file",
       [&] { fs::create_directories(PrepareSettingsDir()); }, EISDIR},
  };
  const fs::path workingFile = fs::current_path() / "Tarvelsicht.ini";
  const bool workingFileBefore = fs::exists(workingFile);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    c.Prepare();
    try {
      Load_Settings();
      ADD_FAILURE() << "no error raised";
    } catch (const tv::EInOutError& e) {
      EXPECT_EQ(e.ErrorCode(), c.ErrorCode);
      EXPECT_NE(std::string(e.what()).find("Tarvelsicht.ini"), std::string::npos) << e.what();
    }
    EXPECT_EQ(SettingsFile, nullptr);
    EXPECT_TRUE(Shown.empty());
  }
  EXPECT_EQ(fs::exists(workingFile), workingFileBefore);
}

TEST_F(SettingsRecord, WriteBackOnlyWhileTheFileExists) {
  const std::string name = PrepareSettingsDir();
  Load_Settings();
  fs::remove(name);
  EXPECT_FALSE(Save_Settings(1, 20, true, 10.0, 20.0));
  EXPECT_FALSE(fs::exists(name));
}

// ----------------------------------------------------- a failed write-back --

// A full disk, a file-size limit or an end of the program in the middle of
// the write: the previous file stays whole, the next start gets the previous
// choices, and the error is raised. The limit applies in a child process in
// which SIGXFSZ would end the program: the write itself must turn the signal
// into an ordinary EFBIG, and leave its handling as it was.
TEST_F(SettingsRecord, AFailedWriteLeavesThePreviousFileWhole) {
  struct Case {
    const char* Name;
    rlim_t Limit;     // bytes the process may write into a file
    bool FileBefore;  // a file of an earlier run exists (else the first start)
    int ErrorCode;    // 0: the write succeeds
  };
  const std::vector<Case> cases = {
      {"nothing fits", 0, true, EFBIG},
      {"cut inside the stamp", 8, true, EFBIG},
      {"cut inside the zone", 20, true, EFBIG},
      {"one byte short", 47, true, EFBIG},
      {"exactly fits", 48, true, 0},
      {"first start, cut inside the zone", 20, false, EFBIG},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::string name = PrepareSettingsDir();
    fs::remove(name);
    Bytes before = RecordBytes(ChosenRecord());
    before[18] = 0xAA;  // padding, kept by a rewrite
    if (c.FileBefore) WriteBytes(name, before);

    const int code = testing_child::RunInChild([&] {
      std::signal(SIGXFSZ, SIG_DFL);
      const rlimit limit{c.Limit, c.Limit};
      if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 249;
      const int result = testing_child::ErrorCodeOf([&] {
        Load_Settings();  // reads only, or writes the defaults of a first start
        if (c.FileBefore && !Save_Settings(2, 5, false, 1.0, 2.0)) throw std::runtime_error("skipped");
      });
      struct sigaction now {};
      if (sigaction(SIGXFSZ, nullptr, &now) != 0 || now.sa_handler != SIG_DFL) return 246;
      return result;
    });
    EXPECT_EQ(code, c.ErrorCode);
    EXPECT_EQ(FolderEntries(SettingsDir),
              c.FileBefore || c.ErrorCode == 0 ? std::vector<std::string>{"Tarvelsicht.ini"} : std::vector<std::string>{});

    if (!c.FileBefore) {
      EXPECT_FALSE(fs::exists(name));  // no short file; the next start writes the defaults
      Load_Settings();
      EXPECT_EQ(ReadBytes(name), DefaultFileBytes());
      continue;
    }
    Settings_Type expected = ChosenRecord();
    Bytes expectedBytes = before;
    if (c.ErrorCode == 0) {
      expected.Language = 2, expected.TZoneIndex = 5, expected.DST = 0, expected.nLat = 1.0, expected.eLon = 2.0;
      expectedBytes = RecordBytes(expected);
      expectedBytes[18] = 0xAA;
    }
    EXPECT_EQ(ReadBytes(name), expectedBytes);
    Settings = Settings_Type{};
    Load_Settings();
    EXPECT_TRUE(Shown.empty());
    ExpectFields(Settings, expected);
  }
}

// Programs started at once on a profile without a settings file, many rounds:
// each writes the defaults, half of them write their choices back at once (as
// when one is closed right away). No start fails or declines the file (it
// reads no file or a whole one, never an empty or a short one), and a whole
// file of one of the writers is left, with nothing beside it.
TEST_F(SettingsRecord, SimultaneousStartsAllSucceedAndLeaveAWholeFile) {
  constexpr int Rounds = 40;
  constexpr int Programs = 4;
  auto choice = [](int k) {
    Settings_Type r = ChosenRecord();
    r.TZoneIndex = 20 + k;
    r.nLat = 10.0 + k;
    return r;
  };
  std::vector<Bytes> wholeFiles = {DefaultFileBytes()};
  for (int k = 1; k < Programs; k += 2) wholeFiles.push_back(RecordBytes(choice(k)));

  for (int round = 0; round < Rounds; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    const std::string name = PrepareSettingsDir();
    fs::remove_all(SettingsDir);
    fs::create_directories(SettingsDir);
    const std::vector<int> codes = testing_child::RunTogether(Programs, [&](int k) {
      return testing_child::ErrorCodeOf([&] {
        Load_Settings();
        if (!Shown.empty()) throw std::runtime_error("declined");
        const Settings_Type c = choice(k);
        if (k % 2 == 1 && !Save_Settings(c.Language, c.TZoneIndex, c.DST != 0, c.nLat, c.eLon))
          throw std::runtime_error("skipped");
      });
    });
    EXPECT_EQ(codes, std::vector<int>(Programs, testing_child::NothingRaised));
    EXPECT_NE(std::find(wholeFiles.begin(), wholeFiles.end(), ReadBytes(name)), wholeFiles.end());
    EXPECT_EQ(FolderEntries(SettingsDir), std::vector<std::string>{"Tarvelsicht.ini"});
  }
}

// What an interrupted write or another program leaves beside the file, under
// any name a temporary file has or had (a short file, a FIFO, a folder), is
// not the settings file: the start and the write-back pass it by without
// waiting on it, and leave it as it is.
TEST_F(SettingsRecord, LeftoversBesideTheFileNeitherStopNorBlockTheWrite) {
  struct Case {
    const char* Name;
    std::function<void(const std::string&)> Leave;
  };
  const std::vector<Case> cases = {
      {"short temporary file", [](const std::string& temp) { WriteBytes(temp, Bytes(20, 0x11)); }},
      {"FIFO as temporary file", [](const std::string& temp) { ASSERT_EQ(mkfifo(temp.c_str(), 0600), 0); }},
      {"folder as temporary file", [](const std::string& temp) { fs::create_directory(temp); }},
  };
  for (const bool firstStart : {false, true}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.Name) + (firstStart ? ", first start" : ", later start"));
      const std::string name = PrepareSettingsDir();
      fs::remove_all(SettingsDir);
      fs::create_directories(SettingsDir);
      if (!firstStart) WriteBytes(name, RecordBytes(ChosenRecord()));
      // The name older writes used, and one of this program's own pattern.
      const std::vector<std::string> left = {"Tarvelsicht.ini.1-abc.tmp", "Tarvelsicht.ini.tmp"};
      for (const std::string& leftover : left) c.Leave(SettingsDir + leftover);

      const int code = testing_child::RunInChild([&] {
        return testing_child::ErrorCodeOf([&] {
          Load_Settings();
          if (Settings.TZoneIndex != (firstStart ? 15 : 28)) throw std::runtime_error("not loaded");
          if (!Save_Settings(1, 16, true, 52.5, 13.25)) throw std::runtime_error("skipped");
        });
      }, 5);
      EXPECT_EQ(code, testing_child::NothingRaised);
      Load_Settings();
      EXPECT_EQ(Settings.TZoneIndex, 16);
      EXPECT_EQ(Settings.nLat, 52.5);
      EXPECT_EQ(ReadBytes(name).size(), 48u);
      std::vector<std::string> expected = left;
      expected.insert(expected.begin(), "Tarvelsicht.ini");
      EXPECT_EQ(FolderEntries(SettingsDir), expected);
    }
  }
}

// A FIFO, a device or a folder under the settings file's name: the start-up
// raises at once, without opening it for writing, and leaves it as it is.
TEST_F(SettingsRecord, SpecialFilesInPlaceOfTheFileRaiseWithoutWaiting) {
  struct Case {
    const char* Name;
    std::function<void(const std::string&)> Make;
    int ErrorCode;
    fs::file_type Kind;
  };
  const std::vector<Case> cases = {
      {"FIFO", [](const std::string& n) { ASSERT_EQ(mkfifo(n.c_str(), 0600), 0); }, EINVAL, fs::file_type::fifo},
      {"link to a device", [](const std::string& n) { fs::create_symlink("/dev/null", n); }, EINVAL,
       fs::file_type::character},
      {"folder", [](const std::string& n) { fs::create_directory(n); }, EISDIR, fs::file_type::directory},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::string name = PrepareSettingsDir();
    fs::remove_all(name);
    c.Make(name);

    // A start-up that waits on the FIFO is ended by the alarm (EndedByAlarm).
    const int code = testing_child::RunInChild([] { return testing_child::ErrorCodeOf(Load_Settings); }, 5);
    EXPECT_EQ(code, c.ErrorCode);
    EXPECT_EQ(fs::status(name).type(), c.Kind);
    EXPECT_EQ(FolderEntries(SettingsDir), std::vector<std::string>{"Tarvelsicht.ini"});
  }

  // A file that became a FIFO during the run is no longer the settings file:
  // the write-back skips it.
  const std::string name = PrepareSettingsDir();
  fs::remove_all(name);
  Load_Settings();
  fs::remove(name);
  ASSERT_EQ(mkfifo(name.c_str(), 0600), 0);
  const int code = testing_child::RunInChild([] { return Save_Settings(1, 2, false, 3.0, 4.0) ? 1 : 0; }, 5);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(fs::status(name).type(), fs::file_type::fifo);
}

// The rewrite replaces the file a symbolic link leads to, keeping the link,
// and the replacement keeps the permission bits of the file it replaces.
TEST_F(SettingsRecord, RewriteKeepsALinkAndThePermissions) {
  const std::string name = PrepareSettingsDir();
  const std::string real = Root + "/kept-elsewhere.ini";
  WriteBytes(real, RecordBytes(ChosenRecord()));
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink(real, name);

  Load_Settings();
  ASSERT_TRUE(Save_Settings(2, 3, false, 4.5, 5.5));
  EXPECT_TRUE(fs::is_symlink(name));
  EXPECT_EQ(fs::status(real).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(FolderEntries(SettingsDir), std::vector<std::string>{"Tarvelsicht.ini"});
  EXPECT_EQ(FolderEntries(Root), (std::vector<std::string>{"config", "home", "kept-elsewhere.ini"}));
  Settings = Settings_Type{};
  Load_Settings();
  EXPECT_EQ(Settings.TZoneIndex, 3);
  EXPECT_EQ(Settings.eLon, 5.5);
}

// A settings file the user may not write is not replaced behind his back,
// although the folder would allow the rename: the write-back raises EACCES.
TEST_F(SettingsRecord, ReadOnlyFileIsNotRewritten) {
  const std::string name = PrepareSettingsDir();
  const Bytes stored = RecordBytes(ChosenRecord());
  WriteBytes(name, stored);
  ASSERT_EQ(chmod(name.c_str(), 0444), 0);
  for (const std::string& folder : {Root, Config}) ASSERT_EQ(chmod(folder.c_str(), 0755), 0);
  ASSERT_EQ(chmod(SettingsDir.c_str(), 0777), 0);  // the folder is writable for everyone

  const int code = testing_child::RunInChild([&] {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) return 248;
    if (access(name.c_str(), W_OK) == 0) return 247;  // the file must really be read-only
    return testing_child::ErrorCodeOf([] {
      Load_Settings();
      Save_Settings(2, 3, false, 4.5, 5.5);
    });
  });
  EXPECT_EQ(code, EACCES);
  EXPECT_EQ(ReadBytes(name), stored);
  EXPECT_EQ(FolderEntries(SettingsDir), std::vector<std::string>{"Tarvelsicht.ini"});
}

TEST(VersionStampOf, FirstSixteenWholeCharacters) {
  struct Case {
    const char* Name;
    std::string FileVersion;
    std::string Stamp;
  };
  const std::vector<Case> cases = {
      {"empty", "", ""},
      {"program version", "1.34.0.0", "1.34.0.0"},
      {"exactly sixteen", "1.34.0.0-beta.12", "1.34.0.0-beta.12"},
      {"longer", "1.34.0.0-beta.12345", "1.34.0.0-beta.12"},
      {"two-byte character across the end", "1.34.0.0-beta.1\xC2\xB1", "1.34.0.0-beta.1"},
      {"eight two-byte characters fill the bytes", "±±±±±±±±±", "±±±±±±±±"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    const ShortString<16> stamp = Make_VersionStamp(c.FileVersion);
    EXPECT_EQ(stamp.Str(), c.Stamp);
    EXPECT_EQ(stamp.Len, c.Stamp.size());
  }
}

}  // namespace
