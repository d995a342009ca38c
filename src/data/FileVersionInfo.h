// Reading a program file's version information into TFileVersionInfo. The
// version block of this platform's executables is compiled into the program
// (written by CMake from the project version); the shell and the version
// library that serve it are an interface, so that other blocks can be read
// the same way. No shared state.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "data/DataTypes.h"

// The fixed file information of a version block.
struct TFixedFileInfo {
  std::uint32_t FileFlagsMask = 0;  // flags declared valid
  std::uint32_t FileFlags = 0;      // flags set (0x01 debug .. 0x20 special build)
  std::uint32_t FileType = 0;       // 1 application, 2 DLL, 3 driver, 4 font, ...
  std::uint32_t FileSubtype = 0;    // driver or font kind
};

// One string table: its name (language and code page as eight hexadecimal
// digits, "080904E4") and its key/value pairs.
struct TVersionStringTable {
  std::string Name;
  std::vector<std::pair<std::string, std::string>> Values;
};

// A version block: the fixed file information, the translation list (each
// entry: language in the low 16 bits, code page in the high 16 bits) and the
// string tables. Either of the first two may be missing.
struct TVersionBlock {
  bool HasFixedInfo = false;
  TFixedFileInfo Fixed;
  bool HasTranslations = false;
  std::vector<std::uint32_t> Translations;
  std::vector<TVersionStringTable> StringTables;
};

// What the version library's look-up found under a sub-block path: exactly
// one pointer is set, into the block that was searched.
struct TVerValue {
  const TFixedFileInfo* Fixed = nullptr;
  const std::vector<std::uint32_t>* Translations = nullptr;
  const std::string* Text = nullptr;
};

// Look-up in a version block by sub-block path: "" or "\" the fixed file
// information, "\VarFileInfo\Translation" the translation list,
// "\StringFileInfo\<table name>\<key>" a value. Names match regardless of
// letter case. False when the path names nothing in Block.
bool VerQueryValue(const TVersionBlock& Block, std::string_view SubBlock, TVerValue& Value);

// The shell and the version library as the reader uses them.
class TVersionLibrary {
 public:
  virtual ~TVersionLibrary() = default;
  // The shell's type name of the file; false when the shell does not know it.
  virtual bool FileTypeName(const std::string& FileName, std::string& TypeName) const = 0;
  // True when the shell takes the file for an executable.
  virtual bool IsExecutable(const std::string& FileName) const = 0;
  // Size of the file's version data in bytes; 0 when it has no version block.
  virtual std::uint32_t VersionInfoSize(const std::string& FileName) const = 0;
  // Copies the file's version data into Data; false when that fails.
  virtual bool GetVersionInfo(const std::string& FileName, TVersionBlock& Data) const = 0;
};

// This platform's library over the file system. The running program's own
// file is an application with the version block compiled into the program,
// known without reading its bytes: the file may be execute-only, deleted or
// renamed while the program runs. It is the file asked for by the name the
// system reports for it (OwnFileName, matched as text, also when that name
// names no file any more), or by any name of the same file (device and inode
// equal to those reached through OwnImagePath). Any other file is an
// "Application" and an executable when it starts with the ELF signature (its
// first four bytes are read), a "File folder" when it is a folder, a "File"
// otherwise, and carries no version block.
class TFileSystemVersionLibrary : public TVersionLibrary {
 public:
  bool FileTypeName(const std::string& FileName, std::string& TypeName) const override;
  bool IsExecutable(const std::string& FileName) const override;
  std::uint32_t VersionInfoSize(const std::string& FileName) const override;
  bool GetVersionInfo(const std::string& FileName, TVersionBlock& Data) const override;

  // True when FileName names the running program's own file (see above).
  bool IsOwnFile(const std::string& FileName) const;

 protected:
  // The name the system reports for the running program's file, asked anew on
  // every call (tv::ExeFileName()).
  virtual std::string OwnFileName() const;
  // A path that reaches the running program's file even after it was deleted
  // or renamed ("/proc/self/exe"); "" when there is none.
  virtual std::string OwnImagePath() const;
};

// The library of this platform: a TFileSystemVersionLibrary for the running
// program.
const TVersionLibrary& SystemVersionLibrary();

// The version block compiled into the program: FileVersion is the project
// version ("1.34.0.0"), one translation 0809/04E4, no flag set, an application.
TVersionBlock OwnVersionBlock();

// The version information of FileName: the shell's type name, and for an
// executable with a version block the twelve strings of the block's first
// translation, the six flags and the file function text. Never fails for a
// missing or foreign file: what cannot be read stays empty or false.
TFileVersionInfo Read_FileVersionInfo(const std::string& FileName);
void Read_FileVersionInfo(const std::string& FileName, TFileVersionInfo& Info);
// The same through another library (tests, other platforms).
TFileVersionInfo Read_FileVersionInfo(const std::string& FileName, const TVersionLibrary& Library);
