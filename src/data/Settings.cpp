#include "data/Settings.h"

#include <fcntl.h>
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
#include "platform/Folders.h"

namespace {

constexpr const char* ProgramFolder = "Tarvelsicht/";
constexpr const char* SettingsName = "Tarvelsicht.ini";
constexpr const char* TempSuffix = ".tmp";  // the write-back's temporary file beside it
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

// The settings name stands for something other than a regular file: a folder
// (EISDIR) or a FIFO, device or socket (EINVAL). Such a thing is never opened
// for writing: a FIFO would wait for a reader, a device would take the bytes.
[[noreturn]] void RaiseNotRegularFile(mode_t Mode) { RaiseFileError(S_ISDIR(Mode) ? EISDIR : EINVAL, "open"); }

// The file that the settings name stands for: the name itself, or the file a
// symbolic link leads to, so that replacing the file keeps the link.
std::string WriteTarget() {
  std::error_code ec;
  if (std::filesystem::is_symlink(SettingsFileName, ec)) {
    const std::filesystem::path target = std::filesystem::canonical(SettingsFileName, ec);
    if (!ec) return target.string();
  }
  return SettingsFileName;
}

// Makes a rename in the folder of fileName durable; a failure only loses that.
void SyncFolderOf(const std::string& fileName) {
  const std::string folder = std::filesystem::path(fileName).parent_path().string();
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Writes the 48 bytes of Settings as the settings file (creating it when it
// is missing). The bytes go to "<file>.tmp" beside it first, which is flushed
// to the disk and closed and only then renamed over the file: a full disk, a
// file-size limit or an end of the program in the middle leave the previous
// file whole (or no file), never a short one. A failure removes the temporary
// file and raises the input/output error with errno and SettingsFileName. A
// file the user may not write is not replaced (EACCES, as when writing it in
// place); the replacement keeps the permission bits of the file it replaces.
void WriteSettingsFile() {
  const std::string target = WriteTarget();
  struct stat previous {};
  const bool replacing = ::stat(target.c_str(), &previous) == 0;
  if (replacing) {
    if (!S_ISREG(previous.st_mode)) RaiseNotRegularFile(previous.st_mode);
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) RaiseFileError(errno, "create");
  }

  // A leftover of an interrupted write goes first, whatever kind of file it is;
  // O_EXCL then never opens anything but a new regular file.
  const std::string temp = target + TempSuffix;
  ::unlink(temp.c_str());
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) RaiseFileError(errno, "create");
  if (replacing) (void)::fchmod(fd, previous.st_mode & 07777);  // best effort
  SettingsFile = ::fdopen(fd, "wb");
  if (SettingsFile == nullptr) {
    const int failure = errno;
    ::close(fd);
    ::unlink(temp.c_str());
    RaiseFileError(failure, "create");
  }

  int failure = 0;
  const char* operation = "write";
  errno = 0;
  const std::size_t written = std::fwrite(&Settings, 1, sizeof(Settings_Type), SettingsFile);
  IOCount = static_cast<std::int32_t>(written);
  if (written != sizeof(Settings_Type) || std::fflush(SettingsFile) != 0)
    failure = errno != 0 ? errno : EIO;
  else if (::fsync(::fileno(SettingsFile)) != 0)
    failure = errno != 0 ? errno : EIO;
  std::FILE* file = SettingsFile;
  SettingsFile = nullptr;
  errno = 0;
  if (std::fclose(file) != 0 && failure == 0) {
    failure = errno != 0 ? errno : EIO;
    operation = "close";
  }
  if (failure == 0 && std::rename(temp.c_str(), target.c_str()) != 0) {
    failure = errno != 0 ? errno : EIO;
    operation = "rename";
  }
  if (failure != 0) {
    ::unlink(temp.c_str());
    RaiseFileError(failure, operation);
  }
  SyncFolderOf(target);
}

// Opens the existing settings file for reading as SettingsFile. Anything but
// a regular file raises without being opened for writing, and the open never
// waits (should the name have turned into a FIFO since it was looked at).
void OpenSettingsFileForReading(const struct stat& Found) {
  if (!S_ISREG(Found.st_mode)) RaiseNotRegularFile(Found.st_mode);
  const int fd = ::open(SettingsFileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) RaiseFileError(errno, "open");
  struct stat opened {};
  const bool known = ::fstat(fd, &opened) == 0;
  if (!known || !S_ISREG(opened.st_mode)) {
    const int failure = known ? 0 : errno;
    ::close(fd);
    if (known) RaiseNotRegularFile(opened.st_mode);
    RaiseFileError(failure, "open");
  }
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

  // A name that leads nowhere (no such file, a missing folder, a dangling
  // link) gets the defaults; the creation then raises what is wrong.
  struct stat found {};
  const bool exists = ::stat(SettingsFileName.c_str(), &found) == 0;
  if (!exists && errno != ENOENT) RaiseFileError(errno, "open");
  if (exists) {
    // Only read here, so a read-only file is fine.
    TSettingsFileGuard guard;
    OpenSettingsFileForReading(found);

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
