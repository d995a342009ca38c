#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>

#include "ProfileFixture.h"
#include "data/Settings.h"
#include "data/SharedState.h"
#include "platform/Errors.h"

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
    const char* Shown;  // the stored version as the message shows it
  };
  auto withStamp = [](std::uint8_t len, const std::string& chars) {
    Bytes b = DefaultFileBytes();
    b[0] = len;
    for (std::size_t i = 0; i < 16; ++i) b[1 + i] = i < chars.size() ? chars[i] : 0;
    return b;
  };
  const std::vector<Case> cases = {
      {"older version", "1.34.0.0", withStamp(8, "1.33.0.0"), "1.33.0.0"},
      {"trailing blank", "1.34.0.0", withStamp(9, "1.34.0.0 "), "1.34.0.0 "},
      {"letter case", "1.34.0.0-RC", withStamp(11, "1.34.0.0-rc"), "1.34.0.0-rc"},
      {"shorter length byte", "1.34.0.0", withStamp(4, "1.34.0.0"), "1.34"},
      {"length byte above 16", "1.34.0.0", withStamp(20, "ABCDEFGHIJKLMNOP"), "ABCDEFGHIJKLMNOP"},
      {"empty file", "1.34.0.0", Bytes{}, ""},
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
    EXPECT_EQ(StoredVersion, c.Shown);
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
