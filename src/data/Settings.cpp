#include "data/Settings.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "data/SharedState.h"
#include "data/Utf8Text.h"
#include "platform/Errors.h"
#include "platform/Folders.h"

namespace {

constexpr const char* ProgramFolder = "Tarvelsicht/";
constexpr const char* SettingsName = "Tarvelsicht.ini";
constexpr const char* RejectCaption = "Incompatible parameter file found";

std::string TrimControls(const std::string& text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && static_cast<unsigned char>(text[first]) <= 32) ++first;
  while (last > first && static_cast<unsigned char>(text[last - 1]) <= 32) --last;
  return text.substr(first, last - first);
}

// Folder followed by the program's sub-folder; "" for an unknown folder.
std::string ProgramSubFolder(const std::string& folder) {
  if (folder.empty()) return {};
  return folder + (folder.back() == '/' ? "" : "/") + ProgramFolder;
}

// Closes SettingsFile when a step leaves early through an error.
struct TSettingsFileGuard {
  TSettingsFileGuard() = default;
  TSettingsFileGuard(const TSettingsFileGuard&) = delete;
  TSettingsFileGuard& operator=(const TSettingsFileGuard&) = delete;
  ~TSettingsFileGuard() {
    if (SettingsFile != nullptr) {
      std::fclose(SettingsFile);
      SettingsFile = nullptr;
    }
  }
};

void CloseSettingsFile() {
  std::FILE* file = SettingsFile;
  SettingsFile = nullptr;
  if (std::fclose(file) != 0) throw tv::EInOutError(errno, SettingsFileName, "close");
}

// Creates (or truncates) the settings file and writes the 48 bytes of Settings.
void WriteSettingsFile() {
  SettingsFile = std::fopen(SettingsFileName.c_str(), "wb");
  if (SettingsFile == nullptr) throw tv::EInOutError(errno, SettingsFileName, "create");
  TSettingsFileGuard guard;
  errno = 0;
  const std::size_t written = std::fwrite(&Settings, 1, sizeof(Settings_Type), SettingsFile);
  IOCount = static_cast<std::int32_t>(written);
  if (written != sizeof(Settings_Type)) throw tv::EInOutError(errno != 0 ? errno : EIO, SettingsFileName, "write");
  CloseSettingsFile();
}

// Equal when the length bytes are equal and the characters they count are
// equal byte for byte.
bool SameStamp(const ShortString<16>& stored, const ShortString<16>& own) {
  return stored.Len == own.Len && own.Len <= 16 && std::memcmp(stored.Chars, own.Chars, own.Len) == 0;
}

// Shows the rejection of a file of another version, deletes the file and ends
// the program with exit code 0.
[[noreturn]] void RejectSettingsFile() {
  StoredVersion = Settings.VersionStamp.Str();
  MsgCaption = RejectCaption;
  // Line feed before carriage return, as the message has always been written.
  const std::string text = "The file from version " + StoredVersion +
                           " is now deleted.\n\rPlease restart the program Tarvelsicht.";
  MsgText = text.c_str();
  if (MessageBoxHook)
    MessageBoxHook(text, MsgCaption);
  else
    std::fprintf(stderr, "%s\n%s\n", MsgCaption, MsgText);
  MsgText = nullptr;  // the text lives only as long as this step

  CloseSettingsFile();
  if (std::remove(SettingsFileName.c_str()) != 0) throw tv::EInOutError(errno, SettingsFileName, "delete");
  throw tv::EProgramHalt(0);
}

bool InRange(double value, double limit) { return std::isfinite(value) && value >= -limit && value <= limit; }

}  // namespace

ShortString<16> Make_VersionStamp(const std::string& FileVersion) {
  ShortString<16> stamp;
  stamp.Assign(Utf8Prefix(FileVersion, 16, 16));
  return stamp;
}

std::string Get_AppDataDir() { return TrimControls(tv::AppDataFolder()); }

std::string Get_PersonalDir() { return tv::DocumentsFolder(); }

void Init_DataDirs() {
  SettingsDir = ProgramSubFolder(Get_AppDataDir());
  DirError = tv::ForceFolders(SettingsDir) ? 0 : 1;
  PictureDir = ProgramSubFolder(Get_PersonalDir());
  DirError = tv::ForceFolders(PictureDir) ? 0 : 1;
}

void Validate_Settings(Settings_Type& Record) {
  if (Record.Language > 2) Record.Language = DefaultLanguage;
  if (Record.TZoneIndex < 0 || Record.TZoneIndex > 39) Record.TZoneIndex = DefaultTZoneIndex;
  if (Record.DST > 1) Record.DST = 0;
  if (!InRange(Record.nLat, 90.0)) Record.nLat = DefaultLat;
  if (!InRange(Record.eLon, 180.0)) Record.eLon = DefaultLon;
}

void Load_Settings() {
  if (SettingsDir.empty()) {
    // Without a settings folder there is no place for the file; never fall
    // back to the working folder or the root.
    SettingsFileName.clear();
    throw tv::EInOutError(ENOENT, SettingsName, "no settings folder");
  }
  SettingsFileName = SettingsDir + SettingsName;

  std::error_code ec;
  if (std::filesystem::is_regular_file(SettingsFileName, ec)) {
    // Only read here, so a read-only file is fine.
    SettingsFile = std::fopen(SettingsFileName.c_str(), "rb");
    if (SettingsFile == nullptr) throw tv::EInOutError(errno, SettingsFileName, "open");
    TSettingsFileGuard guard;

    // A file shorter than the record leaves the rest of the record zero; a
    // longer one is read only up to the record's size.
    unsigned char bytes[sizeof(Settings_Type)] = {};
    errno = 0;
    const std::size_t count = std::fread(bytes, 1, sizeof bytes, SettingsFile);
    if (count < sizeof bytes && std::ferror(SettingsFile))
      throw tv::EInOutError(errno != 0 ? errno : EIO, SettingsFileName, "read");
    IOCount = static_cast<std::int32_t>(count);
    Settings = Settings_Type{};
    std::memcpy(&Settings, bytes, count);

    if (!SameStamp(Settings.VersionStamp, VersionStamp)) RejectSettingsFile();
    CloseSettingsFile();
    Validate_Settings(Settings);
    return;
  }

  Settings = Settings_Type{};
  Settings.VersionStamp = VersionStamp;
  Settings.Language = DefaultLanguage;
  Settings.TZoneIndex = DefaultTZoneIndex;
  Settings.DST = 0;
  Settings.nLat = DefaultLat;
  Settings.eLon = DefaultLon;
  WriteSettingsFile();
}

bool Save_Settings(std::uint8_t Lang, std::int32_t ZoneIndex, bool DSTOn, double Lat, double Lon) {
  std::error_code ec;
  if (SettingsFileName.empty() || !std::filesystem::is_regular_file(SettingsFileName, ec)) return false;
  Settings.VersionStamp.Len = VersionStamp.Len;
  std::memcpy(Settings.VersionStamp.Chars, VersionStamp.Chars, VersionStamp.Len <= 16 ? VersionStamp.Len : 16);
  Settings.Language = Lang;
  Settings.TZoneIndex = ZoneIndex;
  Settings.DST = DSTOn ? 1 : 0;
  Settings.nLat = Lat;
  Settings.eLon = Lon;
  WriteSettingsFile();
  return true;
}
