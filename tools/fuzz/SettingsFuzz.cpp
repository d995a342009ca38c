// libFuzzer target for the settings loader: arbitrary bytes as the settings
// file. Checks that loading never crashes, that a file of another version is
// declined (message, file deleted, exit code 0), and that a file with this
// version's stamp is kept, yields only in-range values, and survives the close
// handler's rewrite and the next start unchanged. Run by `make fuzz`.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "data/Settings.h"
#include "data/SharedState.h"
#include "platform/Errors.h"

namespace {

const char OwnStamp[] = "1.34.0.0";
std::string Folder;
int MessagesShown = 0;

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "settings fuzz: %s\n", what.c_str());
  std::abort();
}

std::vector<unsigned char> FileBytes(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool InRange(const Settings_Type& s) {
  const double lat = s.nLat, lon = s.eLon;
  return s.Language <= 2 && s.TZoneIndex >= 0 && s.TZoneIndex <= 39 && s.DST <= 1 && lat >= -90.0 &&
         lat <= 90.0 && lon >= -180.0 && lon <= 180.0;
}

bool SameChoices(const Settings_Type& a, const Settings_Type& b) {
  return a.Language == b.Language && a.TZoneIndex == b.TZoneIndex && a.DST == b.DST && a.nLat == b.nLat &&
         a.eLon == b.eLon;
}

// Loads the settings file; returns true when the loader declined it.
bool Load() {
  SettingsDir = Folder;
  Settings = Settings_Type{};
  try {
    Load_Settings();
  } catch (const tv::EProgramHalt& halt) {
    if (halt.ExitCode() != 0) Fail("declined file ended with a non-zero exit code");
    return true;
  } catch (const std::exception& e) {
    Fail(std::string("unexpected error: ") + e.what());
  }
  if (SettingsFile != nullptr) Fail("settings file left open");
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char pattern[] = "/tmp/tarvelsicht-fuzz-XXXXXX";
  if (mkdtemp(pattern) == nullptr) Fail("no temporary folder");
  Folder = std::string(pattern) + "/Tarvelsicht/";
  std::filesystem::create_directories(Folder);
  // A clean end removes the folder; a failure leaves it for a look.
  std::atexit([] {
    std::error_code ec;
    std::filesystem::remove_all(std::filesystem::path(Folder).parent_path().parent_path(), ec);
  });
  VersionStamp.Assign(OwnStamp);
  MessageBoxHook = [](const std::string&, const std::string& caption) {
    if (caption != "Incompatible parameter file found") Fail("wrong caption");
    ++MessagesShown;
  };
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<unsigned char> bytes(data, data + size);
  // Odd first bytes put this version's stamp in front, so that both the
  // accepting and the declining path are reached often.
  if (size > 0 && (data[0] & 1) != 0) {
    if (bytes.size() < 9) bytes.resize(9);
    bytes[0] = 8;
    std::memcpy(&bytes[1], OwnStamp, 8);
  }
  const std::string name = Folder + "Tarvelsicht.ini";
  {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  const bool stampMatches = bytes.size() >= 9 && bytes[0] == 8 && std::memcmp(&bytes[1], OwnStamp, 8) == 0;

  MessagesShown = 0;
  const bool declined = Load();
  if (!stampMatches) {
    if (!declined || MessagesShown != 1) Fail("a file of another version was not declined");
    if (std::filesystem::exists(name)) Fail("declined file not deleted");
    return 0;
  }

  if (declined || MessagesShown != 0) Fail("a file with this version's stamp was declined");
  if (FileBytes(name) != bytes) Fail("loading changed the file");
  if (!InRange(Settings)) Fail("an out-of-range value reached the program");
  const Settings_Type first = Settings;

  // The next start reads the same file the same way.
  if (Load() || !SameChoices(Settings, first)) Fail("the next start read the file differently");

  // The close handler writes back what the program shows; the start after it
  // takes the file and gets the same choices and padding.
  if (!Save_Settings(first.Language, first.TZoneIndex, first.DST != 0, first.nLat, first.eLon))
    Fail("write-back skipped");
  const std::vector<unsigned char> rewritten = FileBytes(name);
  if (rewritten.size() != sizeof(Settings_Type)) Fail("rewritten file is not 48 bytes");
  for (std::size_t i : {9u, 10u, 11u, 12u, 13u, 14u, 15u, 16u, 18u, 19u, 25u, 26u, 27u, 28u, 29u, 30u, 31u})
    if (rewritten[i] != (i < bytes.size() ? bytes[i] : 0)) Fail("padding not kept on rewrite");
  if (Load() || !SameChoices(Settings, first)) Fail("the rewritten file came back differently");

  std::filesystem::remove(name);
  return 0;
}
