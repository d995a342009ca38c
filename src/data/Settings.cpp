#include "data/Settings.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "data/SharedState.h"
#include "data/Utf8Text.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"
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

// Raises the input/output error of the settings file for errno value Code.
[[noreturn]] void RaiseFileError(int Code, const char* Operation) {
  throw tv::EInOutError(Code != 0 ? Code : EIO, SettingsFileName, Operation);
}

// Writes the 48 bytes of Settings as the settings file (creating it when it
// is missing). The bytes go to a temporary file of this write's own beside it
// first, which replaces the file only once it is completely on the disk: a
// full disk, a file-size limit or an end of the program in the middle leave
// the previous file whole (or no file), never a short one, and programs
// starting at once each put a whole file in place. A failure removes the
// temporary file and raises the input/output error with errno and
// SettingsFileName. A name that stands for anything but a regular file is
// left alone (EISDIR, EINVAL); a file the user may not write is not replaced
// (EACCES); the replacement keeps the permission bits of the file it
// replaces, and a symbolic link stays a link.
void WriteSettingsFile() {
  tv::TFileReplacement Replacement(SettingsFileName);
  SettingsFile = Replacement.Stream();
  IOCount = static_cast<std::int32_t>(Replacement.Write(&Settings, sizeof(Settings_Type)));
  SettingsFile = nullptr;
  Replacement.Commit();
}

// Opens the existing settings file for reading as SettingsFile. Anything but
// a regular file raises without being opened for writing, and the open never
// waits (should the name have turned into a FIFO since it was looked at).
void OpenSettingsFileForReading() {
  const int fd = tv::OpenRegularFile(SettingsFileName);
  SettingsFile = ::fdopen(fd, "rb");
  if (SettingsFile == nullptr) {
    const int failure = errno;
    ::close(fd);
    RaiseFileError(failure, "open");
  }
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
  // The stored bytes may be anything: control characters and broken
  // sequences are shown as "?".
  const std::string text = "The file from version " + Utf8Printable(StoredVersion) +
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

  // A name that leads nowhere (no such file, a missing folder, a dangling
  // link) gets the defaults; the creation then raises what is wrong.
  struct stat found {};
  const bool exists = ::stat(SettingsFileName.c_str(), &found) == 0;
  if (!exists && errno != ENOENT) RaiseFileError(errno, "open");
  if (exists) {
    // Only read here, so a read-only file is fine.
    TSettingsFileGuard guard;
    OpenSettingsFileForReading();

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
