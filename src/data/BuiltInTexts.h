// The built-in texts as generated constant data: the time zones, the month
// names and interface texts, and the version block's keys and file function
// texts with the fixed part of the program's own version block. Read only by
// the start-up steps and the version reader of the data module. UTF-8.
#pragma once

#include <cstdint>

#include "platform/CheckedArray.h"

namespace BuiltIn {

// One time zone: offset in hours east of universal time; name of 9 characters,
// blank-padded; status text (name, three blanks, abbreviations).
struct TZoneRow {
  double Offset;
  const char* Name;
  const char* StatusText;
};

// One text for a file type (and subtype, -1 for any); AppendSubtype adds the
// subtype as eight uppercase hexadecimal digits.
struct FileFunctionRow {
  std::uint32_t FileType;
  std::int32_t Subtype;
  const char* Text;
  bool AppendSubtype;
};

extern const tv::CheckedArray<TZoneRow, 0, 39> TZoneRows;

// Index (month - 1) * 3 + language (0 German, 1 English, 2 French).
extern const tv::CheckedArray<const char*, 0, 35> MonthNameRows;
extern const tv::CheckedArray<const char*, 0, 35> MonthAbbrevRows;
// [row][language], rows 1 to 44.
extern const tv::CheckedArray<tv::CheckedArray<const char*, 0, 2>, 1, 44> TextRows;

// The twelve string-table keys in the order of TFileVersionInfo's fields
// CompanyName .. PrivateBuildStr.
extern const tv::CheckedArray<const char*, 0, 11> VersionKeys;
extern const tv::CheckedArray<FileFunctionRow, 0, 19> FileFunctionRows;

// The program's own version block: its one translation, the product version
// and the fixed file information.
extern const std::uint16_t OwnVersionLanguage;
extern const std::uint16_t OwnVersionCodePage;
extern const char* const OwnProductVersion;
extern const std::uint32_t OwnFileFlagsMask;
extern const std::uint32_t OwnFileFlags;
extern const std::uint32_t OwnFileType;
extern const std::uint32_t OwnFileSubtype;

}  // namespace BuiltIn
