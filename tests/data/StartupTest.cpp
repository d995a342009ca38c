#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "ProfileFixture.h"
#include "data/Tarvelsicht_Unit_Variables.h"
#include "platform/Errors.h"
#include "platform/ProgramRun.h"

namespace {

using testing_profile::DefaultFileBytes;
using testing_profile::ProfileTest;
using testing_profile::ReadBytes;
using testing_profile::WriteBytes;

namespace fs = std::filesystem;

// ------------------------------------------------------- the program's run --

TEST(ProgramRun, EndOfRunRoutinesRunInReverseOrderHoweverTheRunEnds) {
  enum Failure { None, Halt, Error };
  struct Case {
    const char* Name;
    std::string FailingStep;  // "B+" start-up of B, "B-" its end of run, "main"
    Failure Kind;
    int ExitCode;
    std::vector<std::string> Log;
  };
  const std::vector<Case> cases = {
      {"normal run", "", None, 7, {"A+", "B+", "C+", "main", "C-", "B-", "A-"}},
      {"halt during start-up", "B+", Halt, 0, {"A+", "B+", "B-", "A-"}},
      {"error during start-up", "B+", Error, 1, {"A+", "B+", "B-", "A-", "box"}},
      {"halt in the main part", "main", Halt, 3, {"A+", "B+", "C+", "main", "C-", "B-", "A-"}},
      {"error in the main part", "main", Error, 1, {"A+", "B+", "C+", "main", "C-", "B-", "A-", "box"}},
      {"error at the end of run", "B-", Error, 1, {"A+", "B+", "C+", "main", "C-", "B-", "A-", "box"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    std::vector<std::string> log;
    std::vector<std::pair<std::string, std::string>> boxes;
    auto step = [&](const std::string& name) {
      log.push_back(name);
      if (name != c.FailingStep) return;
      if (c.Kind == Halt) throw tv::EProgramHalt(c.ExitCode);
      if (c.Kind == Error) throw tv::EInOutError(5, "disk.ini", "read");
    };
    std::vector<tv::TModuleRoutines> modules;
    for (std::string name : {"A", "B", "C"})
      modules.push_back({[=] { step(name + "+"); }, [=] { step(name + "-"); }});
    const int exitCode = tv::RunProgram(
        modules,
        [&] {
          step("main");
          return 7;
        },
        [&](const std::string& text, const std::string& caption) {
          log.push_back("box");
          boxes.emplace_back(text, caption);
        });
    EXPECT_EQ(exitCode, c.ExitCode);
    EXPECT_EQ(log, c.Log);
    if (!boxes.empty()) {
      EXPECT_EQ(boxes[0].second, "Application Error");
      EXPECT_NE(boxes[0].first.find("disk.ini"), std::string::npos);
    }
  }
}

// ------------------------------------------------ the data module start-up --

class DataStartup : public ProfileTest {
 protected:
  void SetUp() override {
    ProfileTest::SetUp();
    VersionStamp = ShortString<16>{};
  }
  // The program's run with the data module as its only module; Main records
  // that the window part was reached.
  int Run() {
    MainRan = false;
    ErrorBoxes.clear();
    return tv::RunProgram(
        {{Init_Variables, Final_Variables}},
        [this] {
          MainRan = true;
          return 0;
        },
        [this](const std::string& text, const std::string& caption) { ErrorBoxes.push_back(caption + ": " + text); });
  }
  std::string SettingsPath() const { return Config + "/Tarvelsicht/Tarvelsicht.ini"; }

  bool MainRan = false;
  std::vector<std::string> ErrorBoxes;
};

TEST_F(DataStartup, CleanProfileGetsStampTablesFoldersAndDefaultSettings) {
  Init_Variables();
  EXPECT_EQ(VersionInfo.FileVersion, "1.34.0.0");
  EXPECT_EQ(VersionStamp.Str(), "1.34.0.0");
  EXPECT_EQ(TZones[15].Offset, 0.0);
  EXPECT_EQ(TZones[39].Name, "UTC+14   ");
  EXPECT_EQ(Texts[44][2], "Année");
  EXPECT_EQ(MonthNames[0], "Januar");
  EXPECT_TRUE(fs::is_directory(Config + "/Tarvelsicht"));
  EXPECT_TRUE(fs::is_directory(Documents + "/Tarvelsicht"));
  EXPECT_EQ(DirError, 0);
  EXPECT_EQ(SettingsFileName, SettingsPath());
  EXPECT_EQ(ReadBytes(SettingsPath()), DefaultFileBytes());
  EXPECT_EQ(Settings.TZoneIndex, 15);
  // Until the main window applies the settings, the place and language are zero.
  EXPECT_EQ(Language, 0);
  EXPECT_EQ(nLat, 0.0);
  EXPECT_EQ(eLon, 0.0);

  Final_Variables();
  EXPECT_EQ(Texts[44][2], "");
  EXPECT_EQ(TZones[39].Name, "");
  EXPECT_EQ(MonthNames[0], "");
  EXPECT_EQ(SettingsDir, "");
  EXPECT_EQ(VersionInfo.FileVersion, "");
  EXPECT_TRUE(fs::exists(SettingsPath()));  // the end of the run writes nothing
}

TEST_F(DataStartup, CallsPairUpAndOnlyTheFirstStartUpActs) {
  Init_Variables();
  Texts[7][0] = "changed";
  fs::remove(SettingsPath());

  Init_Variables();  // changes nothing
  EXPECT_EQ(Texts[7][0], "changed");
  EXPECT_FALSE(fs::exists(SettingsPath()));

  Final_Variables();  // pairs with the second call: no release yet
  EXPECT_EQ(Texts[7][0], "changed");
  Final_Variables();
  EXPECT_EQ(Texts[7][0], "");

  Init_Variables();  // a new pair acts again
  EXPECT_EQ(Texts[7][0], "Mitternacht");
  EXPECT_TRUE(fs::exists(SettingsPath()));
  Final_Variables();
}

TEST_F(DataStartup, FileOfAnotherVersionEndsTheRunWithZeroBeforeTheWindow) {
  fs::create_directories(Config + "/Tarvelsicht");
  auto older = DefaultFileBytes();
  older[4] = '3';  // "1.33.0.0"
  WriteBytes(SettingsPath(), older);

  EXPECT_EQ(Run(), 0);
  EXPECT_FALSE(MainRan);
  ASSERT_EQ(Shown.size(), 1u);
  EXPECT_EQ(Shown[0].Caption, "Incompatible parameter file found");
  EXPECT_EQ(Shown[0].Text,
            "The file from version 1.33.0.0 is now deleted.\n\rPlease restart the program Tarvelsicht.");
  EXPECT_FALSE(fs::exists(SettingsPath()));
  EXPECT_TRUE(ErrorBoxes.empty());
  EXPECT_EQ(Texts[7][0], "");  // the module's end-of-run routine has run

  // The next start writes the defaults and reaches the window.
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(MainRan);
  EXPECT_EQ(ReadBytes(SettingsPath()), DefaultFileBytes());
  EXPECT_EQ(Shown.size(), 1u);
}

TEST_F(DataStartup, SettingsErrorShowsApplicationErrorAndEndsWithOne) {
  // A folder where the settings file belongs: creating the file fails.
  fs::create_directories(SettingsPath());
  EXPECT_EQ(Run(), 1);
  EXPECT_FALSE(MainRan);
  ASSERT_EQ(ErrorBoxes.size(), 1u);
  EXPECT_EQ(ErrorBoxes[0].rfind("Application Error: ", 0), 0u);
  EXPECT_NE(ErrorBoxes[0].find("Tarvelsicht.ini"), std::string::npos) << ErrorBoxes[0];
  EXPECT_TRUE(Shown.empty());
  EXPECT_EQ(Texts[7][0], "");

  // No home: the settings folder is unknown, and nothing lands in the root.
  SetEnv("HOME", std::nullopt);
  SetEnv("XDG_CONFIG_HOME", std::nullopt);
  SetEnv("XDG_DOCUMENTS_DIR", std::nullopt);
  const bool before = fs::exists("/Tarvelsicht");
  EXPECT_EQ(Run(), 1);
  EXPECT_FALSE(MainRan);
  EXPECT_EQ(DirError, 1);
  EXPECT_EQ(fs::exists("/Tarvelsicht"), before);
}

// A session without HOME (started by a service manager, say): the home comes
// from the password database, and the program starts as usual.
TEST_F(DataStartup, WithoutHomeTheStartUpUsesThePasswordDatabase) {
  PasswordHome = Root + "/pw-home";
  fs::create_directories(PasswordHome);
  SetEnv("HOME", std::nullopt);
  SetEnv("XDG_CONFIG_HOME", std::nullopt);
  SetEnv("XDG_DOCUMENTS_DIR", std::nullopt);

  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(MainRan);
  EXPECT_TRUE(ErrorBoxes.empty());
  EXPECT_EQ(ReadBytes(PasswordHome + "/.config/Tarvelsicht/Tarvelsicht.ini"), DefaultFileBytes());
  EXPECT_TRUE(fs::is_directory(PasswordHome + "/Documents/Tarvelsicht"));
}

}  // namespace
