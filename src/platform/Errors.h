// The program's error types. Every failure the program raises is one of these:
// arithmetic and indexing raise ERangeError or EIntOverflow, operations that are
// not defined for their input raise EInvalidOp, file operations raise EInOutError
// carrying errno and the file name. No Qt, no other module.
#pragma once

#include <stdexcept>
#include <string>

namespace tv {

// Base of all program errors; what() is the user-visible message.
class EProgramError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An index outside an array's bounds, or a value outside the range of its
// target type (truncation of a double to a 32-bit integer, for instance).
class ERangeError : public EProgramError {
 public:
  explicit ERangeError(const std::string& what = "Range check error")
      : EProgramError(what) {}
};

// An index outside the items of a list or collection; the message is the
// list's own: "List index out of bounds (5)".
class EListError : public ERangeError {
 public:
  explicit EListError(long long index);
};

// An integer operation whose exact result does not fit the 32-bit type.
class EIntOverflow : public EProgramError {
 public:
  explicit EIntOverflow(const std::string& what = "Integer overflow")
      : EProgramError(what) {}
};

// An operation undefined for its operands (the logarithm of a negative base).
class EInvalidOp : public EProgramError {
 public:
  explicit EInvalidOp(const std::string& what = "Invalid floating point operation")
      : EProgramError(what) {}
};

// A failed file operation. ErrorCode is the errno value at the failure,
// FileName the file or folder the operation was on.
class EInOutError : public EProgramError {
 public:
  EInOutError(int errorCode, const std::string& fileName, const std::string& operation = "");
  int ErrorCode() const { return ErrorCode_; }
  const std::string& FileName() const { return FileName_; }

 private:
  int ErrorCode_;
  std::string FileName_;
};

// Ends the program at once with ExitCode: the program entry catches it, runs
// the end-of-run routines of the modules already started and exits with the
// code. Not an error (a declined settings file ends the run with 0), so it
// does not derive from std::exception and no error handler swallows it.
class EProgramHalt {
 public:
  explicit EProgramHalt(int exitCode) : ExitCode_(exitCode) {}
  int ExitCode() const { return ExitCode_; }

 private:
  int ExitCode_;
};

}  // namespace tv
