// Generated data: version block keys, file function texts and the program's own version block. Do not edit by hand.
#include "data/BuiltInTexts.h"

namespace BuiltIn {

// String-table keys in the order of the record's fields CompanyName .. PrivateBuildStr.
const tv::CheckedArray<const char*, 0, 11> VersionKeys = {{{
    "CompanyName",
    "FileDescription",
    "FileVersion",
    "InternalName",
    "LegalCopyRight",
    "LegalTradeMarks",
    "OriginalFileName",
    "ProductName",
    "ProductVersion",
    "Comments",
    "SpecialBuild",
    "PrivateBuild",
}}};

// File type, subtype (-1: any) and text; type 5 appends the subtype in hexadecimal.
const tv::CheckedArray<FileFunctionRow, 0, 19> FileFunctionRows = {{{
    {0, -1, "Unknown", false},
    {1, -1, "Application", false},
    {2, -1, "DLL", false},
    {3, 0, "Unknown Driver", false},
    {3, 1, "Printer Driver", false},
    {3, 2, "Keyboard Driver", false},
    {3, 3, "Language Driver", false},
    {3, 4, "Display Driver", false},
    {3, 5, "Mouse Driver", false},
    {3, 6, "Network Driver", false},
    {3, 7, "System Driver", false},
    {3, 8, "InstallableDriver", false},
    {3, 9, "Sound Driver", false},
    {3, 10, "Communications Driver", false},
    {4, 0, "Unknown Font", false},
    {4, 1, "Raster Font", false},
    {4, 2, "Vector Font", false},
    {4, 3, "Truetype Font", false},
    {5, -1, "Virtual Defice Identifier = ", true},
    {7, -1, "Static-link Library", false},
}}};

const std::uint16_t OwnVersionLanguage = 0x0809;
const std::uint16_t OwnVersionCodePage = 0x04E4;
const char* const OwnProductVersion = "1.0.0.0";
const std::uint32_t OwnFileFlagsMask = 0x3F;
const std::uint32_t OwnFileFlags = 0x0;
const std::uint32_t OwnFileType = 1;
const std::uint32_t OwnFileSubtype = 0;

}  // namespace BuiltIn
