// Files the program reads or writes as a whole, through the system's calls:
// opening only regular files for reading, without ever waiting on a FIFO, and
// replacing a file only once its new contents are completely on the disk.
// Failures raise EInOutError with errno and the file name. No Qt.
#pragma once

#include <csignal>
#include <cstddef>
#include <cstdio>
#include <string>

namespace tv {

// Opens FileName (or the file a symbolic link leads to) for reading and returns
// the descriptor (close-on-exec). Only a regular file is opened, and the open
// never waits: a folder raises EInOutError with EISDIR, a FIFO, device or
// socket with EINVAL, any other failure with its errno; the operation is
// "open" and the error carries FileName.
int OpenRegularFile(const std::string& FileName);

// While it lives, a write beyond the file-size limit (`ulimit -f`) fails with
// EFBIG instead of ending the program through SIGXFSZ. The signal's previous
// handling comes back when it ends. One thread changes it at a time.
class TFileSizeSignalIgnored {
 public:
  TFileSizeSignalIgnored();
  ~TFileSizeSignalIgnored();
  TFileSizeSignalIgnored(const TFileSizeSignalIgnored&) = delete;
  TFileSizeSignalIgnored& operator=(const TFileSizeSignalIgnored&) = delete;

 private:
  struct sigaction Previous_ {};
  bool Changed_ = false;
};

// A new version of a file, written under a temporary name of its own beside
// the file and renamed over it by Commit: a reader sees the previous file (or
// none) or the whole new one, never a part, and several processes writing the
// same file at once each finish with a whole file in place. A failure, or an
// end without Commit, removes the temporary file and keeps the previous file.
//
// A symbolic link stays a link: the file it leads to is replaced. The new file
// keeps the permission bits of the file it replaces (a new one gets 0666 less
// the umask). A file the user may not write is not replaced (EACCES), and a
// name that stands for a folder (EISDIR) or a FIFO, device or socket (EINVAL)
// is left alone; both raise "create" errors at construction.
class TFileReplacement {
 public:
  // FileName: the file to replace or create; errors carry this name.
  explicit TFileReplacement(const std::string& FileName);
  ~TFileReplacement();
  TFileReplacement(const TFileReplacement&) = delete;
  TFileReplacement& operator=(const TFileReplacement&) = delete;

  // The temporary file, open for writing in binary mode; nullptr after Commit.
  std::FILE* Stream() const { return Stream_; }
  // Appends Size bytes and returns how many were taken. A failure does not
  // raise here: Commit raises it.
  std::size_t Write(const void* Data, std::size_t Size);
  // Puts the written bytes on the disk, closes the temporary file and renames
  // it over the file. Raises EInOutError ("write", "close" or "rename") with
  // errno after removing the temporary file.
  void Commit();

 private:
  [[noreturn]] void Fail(int Code, const char* Operation);
  void Discard();

  TFileSizeSignalIgnored SizeSignal_;  // first member: in force for every write
  std::string FileName_;
  std::string Target_;
  std::string TempName_;
  std::FILE* Stream_ = nullptr;
  int WriteError_ = 0;
};

}  // namespace tv
