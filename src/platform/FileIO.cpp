#include "platform/FileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <random>
#include <system_error>

#include "platform/Errors.h"

namespace tv {

namespace {

// The error for a name that stands for something other than a regular file.
int NotRegularFileError(mode_t Mode) { return S_ISDIR(Mode) ? EISDIR : EINVAL; }

// The file a name stands for: the name itself, or the file a symbolic link
// leads to, so that replacing the file keeps the link.
std::string ReplacedFile(const std::string& FileName) {
  std::error_code ec;
  if (std::filesystem::is_symlink(FileName, ec)) {
    const std::filesystem::path target = std::filesystem::canonical(FileName, ec);
    if (!ec) return target.string();
  }
  return FileName;
}

// A temporary name beside Target that no other writer uses at the same time:
// the process id keeps concurrent programs apart, the random part a process's
// own writes and programs on other machines sharing the folder.
std::string TemporaryName(const std::string& Target) {
  static std::atomic<std::uint32_t> Counter{0};
  static thread_local std::mt19937 Random{std::random_device{}()};
  const unsigned long long Tag =
      (static_cast<unsigned long long>(Random()) << 16) ^ Counter.fetch_add(1, std::memory_order_relaxed);
  char Suffix[64];
  std::snprintf(Suffix, sizeof Suffix, ".%ld-%llx.tmp", static_cast<long>(::getpid()), Tag);
  return Target + Suffix;
}

// Makes a rename in the folder of FileName durable; a failure only loses that.
void SyncFolderOf(const std::string& FileName) {
  const std::string Folder = std::filesystem::path(FileName).parent_path().string();
  const int fd = ::open(Folder.empty() ? "." : Folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

int ErrnoOr(int Fallback) { return errno != 0 ? errno : Fallback; }

}  // namespace

int OpenRegularFile(const std::string& FileName) {
  // Looked at first, so that no device is ever opened; checked again on the
  // open descriptor, should the name have changed in between.
  struct stat Found {};
  if (::stat(FileName.c_str(), &Found) != 0) throw EInOutError(ErrnoOr(EIO), FileName, "open");
  if (!S_ISREG(Found.st_mode)) throw EInOutError(NotRegularFileError(Found.st_mode), FileName, "open");
  const int fd = ::open(FileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) throw EInOutError(ErrnoOr(EIO), FileName, "open");
  struct stat Opened {};
  if (::fstat(fd, &Opened) != 0) {
    const int Code = ErrnoOr(EIO);
    ::close(fd);
    throw EInOutError(Code, FileName, "open");
  }
  if (!S_ISREG(Opened.st_mode)) {
    ::close(fd);
    throw EInOutError(NotRegularFileError(Opened.st_mode), FileName, "open");
  }
  return fd;
}

TFileSizeSignalIgnored::TFileSizeSignalIgnored() {
  struct sigaction Ignore {};
  Ignore.sa_handler = SIG_IGN;
  sigemptyset(&Ignore.sa_mask);
  Changed_ = ::sigaction(SIGXFSZ, &Ignore, &Previous_) == 0;
}

TFileSizeSignalIgnored::~TFileSizeSignalIgnored() {
  if (Changed_) ::sigaction(SIGXFSZ, &Previous_, nullptr);
}

TFileReplacement::TFileReplacement(const std::string& FileName)
    : FileName_(FileName), Target_(ReplacedFile(FileName)) {
  struct stat Previous {};
  const bool Replacing = ::stat(Target_.c_str(), &Previous) == 0;
  if (Replacing) {
    if (!S_ISREG(Previous.st_mode)) throw EInOutError(NotRegularFileError(Previous.st_mode), FileName_, "create");
    // The rename would replace a file the user may not write; refuse as
    // writing it in place would.
    if (::faccessat(AT_FDCWD, Target_.c_str(), W_OK, AT_EACCESS) != 0)
      throw EInOutError(ErrnoOr(EACCES), FileName_, "create");
  }

  // O_EXCL opens nothing but a new regular file of our own; a name taken by
  // anything else (another writer's file, a leftover, a folder) is passed by.
  int fd = -1;
  for (int Attempt = 0; Attempt < 100 && fd < 0; ++Attempt) {
    TempName_ = TemporaryName(Target_);
    fd = ::open(TempName_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) {
    const int Code = ErrnoOr(EIO);
    TempName_.clear();
    throw EInOutError(Code, FileName_, "create");
  }
  if (Replacing) (void)::fchmod(fd, Previous.st_mode & 07777);  // best effort
  Stream_ = ::fdopen(fd, "wb");
  if (Stream_ == nullptr) {
    const int Code = ErrnoOr(EIO);
    ::close(fd);
    Fail(Code, "create");
  }
}

TFileReplacement::~TFileReplacement() { Discard(); }

void TFileReplacement::Discard() {
  if (Stream_ != nullptr) {
    std::fclose(Stream_);
    Stream_ = nullptr;
  }
  if (!TempName_.empty()) {
    ::unlink(TempName_.c_str());
    TempName_.clear();
  }
}

void TFileReplacement::Fail(int Code, const char* Operation) {
  Discard();
  throw EInOutError(Code != 0 ? Code : EIO, FileName_, Operation);
}

std::size_t TFileReplacement::Write(const void* Data, std::size_t Size) {
  if (Stream_ == nullptr || WriteError_ != 0) return 0;
  errno = 0;
  const std::size_t Written = std::fwrite(Data, 1, Size, Stream_);
  if (Written != Size) WriteError_ = ErrnoOr(EIO);
  return Written;
}

void TFileReplacement::Commit() {
  if (Stream_ == nullptr) Fail(EBADF, "write");
  if (WriteError_ != 0) Fail(WriteError_, "write");
  errno = 0;
  if (std::fflush(Stream_) != 0 || ::fsync(::fileno(Stream_)) != 0) Fail(ErrnoOr(EIO), "write");
  std::FILE* File = Stream_;
  Stream_ = nullptr;
  errno = 0;
  if (std::fclose(File) != 0) Fail(ErrnoOr(EIO), "close");
  if (std::rename(TempName_.c_str(), Target_.c_str()) != 0) Fail(ErrnoOr(EIO), "rename");
  TempName_.clear();
  SyncFolderOf(Target_);
}

}  // namespace tv
