// A private user profile for tests of the folders and the settings file: a
// temporary tree with home, config and documents folders, the environment
// pointed at it, the password database's home of the user replaced by
// PasswordHome (none unless a test sets it, so that no test reaches the real
// home), and the settings globals reset. Restores the environment and the
// look-up and removes the tree afterwards.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "data/SharedState.h"
#include "platform/Folders.h"

namespace testing_profile {

using Bytes = std::vector<unsigned char>;

inline Bytes ReadBytes(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& fileName, const Bytes& bytes) {
  std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// The default settings file for the stamp "1.34.0.0".
inline Bytes DefaultFileBytes() {
  return {0x08, 0x31, 0x2E, 0x33, 0x34, 0x2E, 0x30, 0x2E, 0x30, 0x00, 0x00, 0x00,  // stamp
          0x00, 0x00, 0x00, 0x00, 0x00,                                            // stamp
          0x00,                                                                    // language
          0x00, 0x00,                                                              // padding
          0x0F, 0x00, 0x00, 0x00,                                                  // zone 15
          0x00,                                                                    // DST
          0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,                                // padding
          0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x47, 0x40,                          // 47.5
          0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x1E, 0x40};                         // 7.5
}

// One shown message box.
struct TShownMessage {
  std::string Text;
  std::string Caption;
  bool FileExisted;  // the settings file still existed while the box was shown
};

class ProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/tarvelsicht-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    Root = pattern;
    Home = Root + "/home";
    Config = Root + "/config";
    Documents = Root + "/documents";
    std::filesystem::create_directories(Home);
    SetEnv("HOME", Home);
    SetEnv("XDG_CONFIG_HOME", Config);
    SetEnv("XDG_DOCUMENTS_DIR", Documents);
    PasswordHome.clear();
    tv::SetPasswordHomeLookup([this] { return PasswordHome; });

    VersionStamp.Assign("1.34.0.0");
    SettingsDir.clear();
    PictureDir.clear();
    SettingsFileName.clear();
    Settings = Settings_Type{};
    StoredVersion.clear();
    DirError = 0;
    IOCount = 0;
    Shown.clear();
    MessageBoxHook = [this](const std::string& text, const std::string& caption) {
      std::error_code ec;
      Shown.push_back({text, caption, std::filesystem::exists(SettingsFileName, ec)});
    };
  }

  void TearDown() override {
    MessageBoxHook = nullptr;
    tv::SetPasswordHomeLookup(nullptr);
    for (const auto& [name, value] : SavedEnv) {
      if (value)
        setenv(name.c_str(), value->c_str(), 1);
      else
        unsetenv(name.c_str());
    }
    std::error_code ec;
    std::filesystem::permissions(Root, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(Root, ec);
  }

  // Sets (or with nullopt removes) an environment variable for this test.
  void SetEnv(const std::string& name, const std::optional<std::string>& value) {
    if (!SavedEnv.count(name)) {
      const char* old = std::getenv(name.c_str());
      SavedEnv[name] = old ? std::optional<std::string>(old) : std::nullopt;
    }
    if (value)
      setenv(name.c_str(), value->c_str(), 1);
    else
      unsetenv(name.c_str());
  }

  // The settings folder of this profile, created, with SettingsDir set to it.
  std::string PrepareSettingsDir() {
    SettingsDir = Config + "/Tarvelsicht/";
    std::filesystem::create_directories(SettingsDir);
    return SettingsDir + "Tarvelsicht.ini";
  }

  std::string Root, Home, Config, Documents;
  std::string PasswordHome;  // the user's home in the password database; "" no entry
  std::vector<TShownMessage> Shown;

 private:
  std::map<std::string, std::optional<std::string>> SavedEnv;
};

}  // namespace testing_profile
