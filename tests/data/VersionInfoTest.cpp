#include <gtest/gtest.h>

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "data/FileVersionInfo.h"
#include "platform/Folders.h"

namespace {

// A shell and version library over one made-up file.
class FakeLibrary : public TVersionLibrary {
 public:
  bool Executable = true;
  std::optional<TVersionBlock> Block;

  bool FileTypeName(const std::string&, std::string& TypeName) const override {
    TypeName = "Made-up type";
    return true;
  }
  bool IsExecutable(const std::string&) const override { return Executable; }
  std::uint32_t VersionInfoSize(const std::string&) const override { return Block ? 512 : 0; }
  bool GetVersionInfo(const std::string&, TVersionBlock& Data) const override {
    if (!Block) return false;
    Data = *Block;
    return true;
  }
};

// A block with one British-English table (language 0809, code page 04E4)
// that spells its keys in other capitals, and a second US table.
TVersionBlock TwoTranslationBlock() {
  TVersionBlock b;
  b.HasFixedInfo = true;
  b.Fixed = {0x3F, 0x00, 1, 0};
  b.HasTranslations = true;
  b.Translations = {0x04E40809u, 0x04B00409u};
  b.StringTables = {
      {"080904e4", {{"COMPANYNAME", "Maker"}, {"fileversion", "2.0.1.7"}, {"ProductVersion", "2.0"}}},
      {"040904B0", {{"Comments", "only in the second table"}, {"FileVersion", "9.9.9.9"}}},
  };
  return b;
}

void ExpectNoStrings(const TFileVersionInfo& info) {
  for (const std::string* s :
       {&info.CompanyName, &info.FileDescription, &info.FileVersion, &info.InternalName, &info.LegalCopyRight,
        &info.LegalTradeMarks, &info.OriginalFileName, &info.ProductName, &info.ProductVersion, &info.Comments,
        &info.SpecialBuildStr, &info.PrivateBuildStr})
    EXPECT_EQ(*s, "");
}

void ExpectNoFlags(const TFileVersionInfo& info) {
  EXPECT_FALSE(info.DebugBuild || info.PreRelease || info.SpecialBuild || info.PrivateBuild || info.Patched ||
               info.InfoInferred);
}

TEST(FileVersionInfo, TheProgramsOwnFile) {
  const TFileVersionInfo info = Read_FileVersionInfo(tv::ExeFileName());
  EXPECT_EQ(info.FileVersion, "1.34.0.0");
  EXPECT_EQ(info.ProductVersion, "1.0.0.0");
  EXPECT_EQ(info.FileFunction, "Application");
  EXPECT_EQ(info.FileType, "Application");
  EXPECT_EQ(info.ProductName, "Tarvelsicht");
  EXPECT_FALSE(info.CompanyName.empty());
  EXPECT_FALSE(info.LegalCopyRight.empty());
  for (const std::string* s : {&info.InternalName, &info.LegalTradeMarks, &info.Comments, &info.SpecialBuildStr,
                               &info.PrivateBuildStr})
    EXPECT_EQ(*s, "");
  ExpectNoFlags(info);

  TFileVersionInfo out;
  out.Comments = "stale";
  Read_FileVersionInfo(tv::ExeFileName(), out);
  EXPECT_EQ(out.FileVersion, "1.34.0.0");
  EXPECT_EQ(out.Comments, "");
}

TEST(FileVersionInfo, ForeignAndMissingFilesGiveAtMostTheTypeName) {
  const std::string textFile = std::filesystem::temp_directory_path() / "tarvelsicht-version-test.txt";
  std::ofstream(textFile) << "FileVersion 1.34.0.0\n";
  const TFileVersionInfo text = Read_FileVersionInfo(textFile);
  std::filesystem::remove(textFile);
  EXPECT_EQ(text.FileType, "File");
  EXPECT_EQ(text.FileFunction, "");
  ExpectNoStrings(text);
  ExpectNoFlags(text);

  const TFileVersionInfo missing = Read_FileVersionInfo("/nonexistent/tarvelsicht");
  EXPECT_EQ(missing.FileType, "");
  EXPECT_EQ(missing.FileFunction, "");
  ExpectNoStrings(missing);

  // Another executable carries no version block of this program.
  const TFileVersionInfo other = Read_FileVersionInfo("/bin/sh");
  EXPECT_EQ(other.FileType, "Application");
  EXPECT_EQ(other.FileVersion, "");
}

TEST(FileVersionInfo, OnlyTheFirstTranslationIsReadAndKeysIgnoreCase) {
  FakeLibrary library;
  library.Block = TwoTranslationBlock();
  const TFileVersionInfo info = Read_FileVersionInfo("x.exe", library);
  EXPECT_EQ(info.FileType, "Made-up type");
  EXPECT_EQ(info.CompanyName, "Maker");
  EXPECT_EQ(info.FileVersion, "2.0.1.7");
  EXPECT_EQ(info.ProductVersion, "2.0");
  EXPECT_EQ(info.Comments, "");  // only in the second translation's table
  EXPECT_EQ(info.FileFunction, "Application");
}

TEST(FileVersionInfo, PartsOfTheBlockAreReadIndependently) {
  FakeLibrary library;

  // No translation list: no strings, but the flags and the file function.
  library.Block = TwoTranslationBlock();
  library.Block->HasTranslations = false;
  library.Block->Fixed = {0x3F, 0x3F, 2, 0};
  TFileVersionInfo info = Read_FileVersionInfo("x.dll", library);
  ExpectNoStrings(info);
  EXPECT_TRUE(info.DebugBuild && info.PreRelease && info.SpecialBuild && info.PrivateBuild && info.Patched &&
              info.InfoInferred);
  EXPECT_EQ(info.FileFunction, "DLL");

  // A flag counts only where the mask declares it valid.
  library.Block->Fixed = {0x0F, 0x3F, 1, 0};
  info = Read_FileVersionInfo("x.exe", library);
  EXPECT_TRUE(info.DebugBuild && info.PreRelease && info.Patched && info.PrivateBuild);
  EXPECT_FALSE(info.InfoInferred || info.SpecialBuild);

  // No fixed information: strings, but no flags and no file function.
  library.Block = TwoTranslationBlock();
  library.Block->HasFixedInfo = false;
  info = Read_FileVersionInfo("x.exe", library);
  EXPECT_EQ(info.FileVersion, "2.0.1.7");
  EXPECT_EQ(info.FileFunction, "");
  ExpectNoFlags(info);

  // Not taken for an executable: the block is not read.
  library.Block = TwoTranslationBlock();
  library.Executable = false;
  info = Read_FileVersionInfo("x.exe", library);
  EXPECT_EQ(info.FileType, "Made-up type");
  EXPECT_EQ(info.FileVersion, "");
  EXPECT_EQ(info.FileFunction, "");
}

TEST(FileVersionInfo, FileFunctionTexts) {
  struct Case {
    std::uint32_t Type, Subtype;
    const char* Text;
  };
  const Case cases[] = {
      {0, 7, "Unknown"},
      {1, 0, "Application"},
      {2, 5, "DLL"},
      {3, 0, "Unknown Driver"},
      {3, 8, "InstallableDriver"},
      {3, 10, "Communications Driver"},
      {3, 11, ""},
      {4, 3, "Truetype Font"},
      {4, 4, ""},
      {5, 0x1A2B, "Virtual Defice Identifier = 00001A2B"},
      {5, 0xDEADBEEF, "Virtual Defice Identifier = DEADBEEF"},
      {6, 0, ""},
      {7, 3, "Static-link Library"},
      {8, 0, ""},
  };
  FakeLibrary library;
  library.Block = TwoTranslationBlock();
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Type << "/" << c.Subtype);
    library.Block->Fixed.FileType = c.Type;
    library.Block->Fixed.FileSubtype = c.Subtype;
    EXPECT_EQ(Read_FileVersionInfo("x", library).FileFunction, c.Text);
  }
}

TEST(FileVersionInfo, SubBlockPaths) {
  const TVersionBlock block = TwoTranslationBlock();
  TVerValue value;
  ASSERT_TRUE(VerQueryValue(block, "", value));
  EXPECT_EQ(value.Fixed, &block.Fixed);
  ASSERT_TRUE(VerQueryValue(block, "\\", value));
  EXPECT_EQ(value.Fixed, &block.Fixed);
  ASSERT_TRUE(VerQueryValue(block, "\\varfileinfo\\TRANSLATION", value));
  EXPECT_EQ(value.Translations, &block.Translations);
  ASSERT_TRUE(VerQueryValue(block, "\\StringFileInfo\\040904B0\\Comments", value));
  EXPECT_EQ(*value.Text, "only in the second table");
  EXPECT_FALSE(VerQueryValue(block, "\\StringFileInfo\\080904E4\\Comments", value));
  EXPECT_FALSE(VerQueryValue(block, "\\StringFileInfo\\080904E4", value));
  EXPECT_EQ(value.Text, nullptr);
}

// The file system's library with a stand-in for the running program: the name
// the system reports for it and a path that reaches its file.
class StandInLibrary : public TFileSystemVersionLibrary {
 public:
  std::string Name, Image;

 protected:
  std::string OwnFileName() const override { return Name; }
  std::string OwnImagePath() const override { return Image; }
};

// The running program's own file carries its version block however its file
// may be reached: execute-only (its bytes cannot be read), deleted, or known
// only by the link /proc/self/exe. The stand-in is no ELF file, so a reader
// that looked at its bytes would take it for a plain "File".
TEST(FileVersionInfo, TheRunningProgramIsKnownWithoutReadingItsBytes) {
  char pattern[] = "/tmp/tarvelsicht-version-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::string folder = pattern;
  const std::string image = folder + "/tarvelsicht";
  const std::string other = folder + "/other";
  std::ofstream(image) << "no ELF signature";
  std::ofstream(other) << "no ELF signature";
  std::filesystem::create_hard_link(image, folder + "/second-name");
  std::filesystem::permissions(image, std::filesystem::perms::owner_exec | std::filesystem::perms::group_exec |
                                          std::filesystem::perms::others_exec);  // mode 0111

  struct Case {
    const char* Name;
    std::string OwnName, OwnImage, Asked;
    bool Own;
    const char* FileType;  // for another file
  };
  const std::vector<Case> cases = {
      {"execute-only file", image, image, image, true, ""},
      {"another name of the same file", image, image, folder + "/second-name", true, ""},
      {"deleted file", folder + "/gone (deleted)", image, folder + "/gone (deleted)", true, ""},
      {"name not resolved", "/proc/self/exe", "", "/proc/self/exe", true, ""},
      {"another file", image, image, other, false, "File"},
      {"a folder", image, image, folder, false, "File folder"},
      {"a missing file", image, image, folder + "/missing", false, ""},
      {"no name", image, image, "", false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    StandInLibrary library;
    library.Name = c.OwnName;
    library.Image = c.OwnImage;
    EXPECT_EQ(library.IsOwnFile(c.Asked), c.Own);
    const TFileVersionInfo info = Read_FileVersionInfo(c.Asked, library);
    if (c.Own) {
      EXPECT_EQ(info.FileType, "Application");
      EXPECT_EQ(info.FileVersion, "1.34.0.0");
      EXPECT_EQ(info.ProductVersion, "1.0.0.0");
      EXPECT_EQ(info.FileFunction, "Application");
    } else {
      EXPECT_EQ(info.FileType, c.FileType);
      ExpectNoStrings(info);
      EXPECT_EQ(info.FileFunction, "");
    }
  }
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);

  // The system's library knows the running program by its link as well.
  EXPECT_EQ(Read_FileVersionInfo("/proc/self/exe").FileVersion, "1.34.0.0");
  EXPECT_FALSE(tv::ExeFileName().empty());
}

}  // namespace
