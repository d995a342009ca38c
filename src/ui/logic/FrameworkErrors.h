// The errors the window framework raises of its own, beside the program's
// range, overflow and file errors: a typed text that is no number or too
// large a number, a file that cannot be opened or created, a control's
// property set out of its range. What() is the message the error box shows.
#pragma once

#include <string>

#include "platform/Errors.h"

// A text that does not convert to the number asked for.
class EConvertError : public tv::EProgramError {
 public:
  using tv::EProgramError::EProgramError;
};

// A typed number beyond the range of a double.
class EFloatOverflow : public tv::EProgramError {
 public:
  EFloatOverflow() : tv::EProgramError("Floating point overflow") {}
};

// A file the framework could not open ("Cannot open file <name>") or create
// ("Cannot create file <name>").
class EFileError : public tv::EProgramError {
 public:
  using tv::EProgramError::EProgramError;
  static EFileError CannotOpen(const std::string& FileName) { return EFileError("Cannot open file " + FileName); }
  static EFileError CannotCreate(const std::string& FileName) {
    return EFileError("Cannot create file " + FileName);
  }
};

// A control's property set to a value the control refuses, such as a scroll
// bar's maximum below its minimum ("Scrollbar property out of range").
class EInvalidOperation : public tv::EProgramError {
 public:
  using tv::EProgramError::EProgramError;
};
