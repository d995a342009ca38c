// Element types of the shared tables and records: short strings, the star and
// constellation records, time zones, the settings record and the version
// information. Plain data, no behaviour; depends only on the platform layer.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/CheckedArray.h"

// A short string of fixed capacity N: a length byte (0 to N) and N character
// bytes, of which the first Len count. Stored and copied as raw bytes.
template <int N>
struct ShortString {
  std::uint8_t Len = 0;
  char Chars[N] = {};

  // Takes the first N bytes of Text.
  void Assign(std::string_view Text) {
    const std::size_t n = Text.size() < static_cast<std::size_t>(N) ? Text.size() : N;
    Len = static_cast<std::uint8_t>(n);
    std::memset(Chars, 0, N);
    std::memcpy(Chars, Text.data(), n);
  }
  std::string Str() const { return std::string(Chars, Len <= N ? Len : N); }
  friend bool operator==(const ShortString&, const ShortString&) = default;
};

// The program's own version information: 14 texts and 6 flags.
struct TFileVersionInfo {
  std::string FileType;
  std::string CompanyName;
  std::string FileDescription;
  std::string FileVersion;
  std::string InternalName;
  std::string LegalCopyRight;
  std::string LegalTradeMarks;
  std::string OriginalFileName;
  std::string ProductName;
  std::string ProductVersion;
  std::string Comments;
  std::string SpecialBuildStr;
  std::string PrivateBuildStr;
  std::string FileFunction;
  bool DebugBuild = false;
  bool PreRelease = false;
  bool SpecialBuild = false;
  bool PrivateBuild = false;
  bool Patched = false;
  bool InfoInferred = false;
};

// One catalogue star (64 bytes).
struct Star_Type {
  std::int32_t HIP;        // catalogue number, unique, positive
  ShortString<3> SpType;   // spectral class, one or two characters
  double RA;               // right ascension, radians, J2000, [0, 2 pi)
  double DE;               // declination, radians, J2000, north positive
  double pmRA;             // proper motion in RA times cos DE, arcsec/yr
  double pmDE;             // proper motion in DE, arcsec/yr
  double Dist;             // distance, parsecs, at most 2000
  double RV;               // radial velocity, km/s
  double Mag;              // apparent magnitude; the table's sort key
};
static_assert(sizeof(Star_Type) == 64, "Star_Type is a 64-byte record");

// One constellation segment: two end points and their sines and cosines, singles.
struct ConstSeg_Type {
  float RA1, DE1, Dist1;  // radians, radians, light-years
  float RA2, DE2, Dist2;
  float SinRA1, CosRA1, SinDE1, CosDE1;
  float SinRA2, CosRA2, SinDE2, CosDE2;
};
static_assert(sizeof(ConstSeg_Type) == 56, "ConstSeg_Type holds fourteen singles");

// One constellation figure with its label place.
struct ConstLine_Type {
  std::string Abbr;                         // three-letter abbreviation
  std::int32_t Count = 0;                   // segments used, 1 to 27
  tv::CheckedArray<ConstSeg_Type, 1, 27> Seg{};
  double LabelRA = 0;                       // radians, (-pi, pi]
  double LabelDE = 0;                       // radians
  double SumSinRA = 0, SumCosRA = 0, SumSinDE = 0, SumCosDE = 0;
};

// One time zone of the zone list.
struct tTZone_Ary {
  double Offset = 0;        // hours east of universal time
  std::string Name;         // 9 characters, "UTC+05:30", blank-padded
  std::string StatusText;   // Name, three blanks, the zone's abbreviations
};

static_assert(std::endian::native == std::endian::little,
              "records are stored in the host's byte order, which must be little-endian");

// The settings record: byte for byte the 48-byte settings file, little-endian.
#pragma pack(push, 1)
struct Settings_Type {
  ShortString<16> VersionStamp;    // offset 0: length byte, 16 characters
  std::uint8_t Language;           // offset 17: 0 German, 1 English, 2 French
  std::uint8_t Pad1[2];            // offset 18: not interpreted, kept on rewrite
  std::int32_t TZoneIndex;         // offset 20: 0 to 39
  std::uint8_t DST;                // offset 24: 1 daylight saving on
  std::uint8_t Pad2[7];            // offset 25: not interpreted, kept on rewrite
  double nLat;                     // offset 32: degrees, north positive
  double eLon;                     // offset 40: degrees, east positive
};
#pragma pack(pop)
static_assert(sizeof(Settings_Type) == 48, "the settings file is a 48-byte record");
static_assert(std::is_trivially_copyable_v<Settings_Type>, "the record is read and written as raw bytes");
static_assert(offsetof(Settings_Type, VersionStamp) == 0);
static_assert(offsetof(Settings_Type, Language) == 17);
static_assert(offsetof(Settings_Type, Pad1) == 18);
static_assert(offsetof(Settings_Type, Pad2) == 25);
static_assert(offsetof(Settings_Type, TZoneIndex) == 20);
static_assert(offsetof(Settings_Type, DST) == 24);
static_assert(offsetof(Settings_Type, nLat) == 32);
static_assert(offsetof(Settings_Type, eLon) == 40);

// Shows a modal message with one OK button and no icon and returns when the
// user has closed it. Text and Caption are UTF-8.
using TMessageBoxProc = std::function<void(const std::string& Text, const std::string& Caption)>;

// Columns of a BodyTable row.
enum BodyColumn : int {
  btRA = 0,        // right ascension, hours, [0, 24)
  btDE = 1,        // declination, degrees
  btAzi = 2,       // azimuth, degrees from the south, westward positive
  btAlt = 3,       // altitude with refraction, degrees
  btDist = 4,      // geocentric distance, AU (the Moon's row in km)
  btMvis = 5,      // visual magnitude
  btSemiDiam = 6,  // apparent semi-diameter, arcseconds
};
