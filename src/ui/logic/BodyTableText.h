// The body table's texts as the grid shows them: the layout of its four
// columns and the seven cells of each body, built from one row of BodyTable
// (see data/DataTypes.h for the columns). Numbers in fixed-point form take
// the decimal mark of the user's regional settings, handed in; the right
// ascension and declination are sexagesimal with a point always. No Qt, no
// shared state.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Rows of BodyTable: 0 Sun, 1 Moon, 2 Mercury .. 8 Neptune.
inline constexpr std::int32_t BodyCount = 9;

// Column widths (pixels), alignment centred (false: left) and the fixed
// titles of columns 1 to 3 ("|" separates the two header lines; the title of
// column 0 is the body column's text in the current language).
inline constexpr std::array<std::int32_t, 4> BodyColumnWidths{70, 78, 78, 83};
inline constexpr std::array<bool, 4> BodyColumnCentred{false, true, true, true};
inline constexpr std::array<const char*, 3> BodyColumnTitles{"RA (h)|Azi (°)", "DE (°)|Alt (°)",
                                                             "r (AU)|Mvis / d(\")"};

// The first of the two grid rows of body Body (0 .. 8): 2 Body for the Sun
// and the Moon, 2 Body + 1 for the planets, so that row 4 stays empty.
std::int32_t BodyFirstRow(std::int32_t Body);

// One cell of the table: column, grid row and text.
struct TBodyCell {
  std::int32_t Col = 0, Row = 0;
  std::string Text;
};

// The seven cells of body Body in the order they are written: its name and
// right ascension, declination and distance in the first row, then azimuth,
// altitude and magnitude with apparent diameter (twice the semi-diameter) in
// the second; column 0 of the second row is never written. Values: one row of
// BodyTable (hours, degrees, AU or the Moon's km, magnitude, arcseconds).
std::array<TBodyCell, 7> BodyCells(std::int32_t Body, const std::string& Name,
                                   const std::array<double, 7>& Values, std::string_view DecimalMark);
