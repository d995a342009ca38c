// FixedText: numbers as the window shows them in fixed-point form (the series
// list, the place fields, the body table, the status bar's Julian day), with
// the decimal mark of the user's regional settings handed in by the caller.
// Pure; no Qt, no globals. Depends on the platform layer's errors.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Value in fixed notation with exactly Decimals digits after DecimalMark (none
// and no mark when Decimals is 0). The value is rounded once, halves away from
// zero, to Decimals decimals, or to Digits significant digits where that keeps
// fewer (then the missing decimals, or units, are zeros). A minus sign only
// when the rounded value is not zero; no plus sign, no thousands separator, no
// leading blanks or zeros, at least one digit before the mark. Rounding is
// exact on the double's binary value: 0.125 gives "0.13", 2.675 (stored as
// 2.67499999...) gives "2.67". NaN and the infinities give "NAN", "INF" and
// "-INF". Decimals 0..20 and Digits 1..30, else tv::ERangeError; a value that
// the significant-digit limit cuts left of the point must lie below 2^63
// (else tv::ERangeError).
std::string FormatFixed(double Value, std::int32_t Decimals, std::int32_t Digits,
                        std::string_view DecimalMark);

// A whole number as a two-digit piece: "0" followed by Value rounded to a whole
// number (halves away from zero), cut to its last two characters: 7 gives "07",
// 59.5 gives "60", 123 gives "23".
std::string TwoDigits(double Value);

// The text of a place field: Degrees in fixed notation with two decimals and
// a point whatever the locale, so that the field reads back as it was
// written ("47.13" for 47.125, "0.00" for -0.001).
std::string PlaceFieldText(double Degrees);
