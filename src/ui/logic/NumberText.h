// Typed field texts as numbers, with the framework's conversion errors, and
// the decimal mark of the user's locale passed in (nothing here reads a
// locale); the shown texts are in FixedText.h. No Qt, no shared state.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ui/logic/FrameworkErrors.h"

// Text as a 32-bit integer, read as ReadFieldInteger reads it (the same
// grammar, so that a text Enter applies is also read back by the time state).
// A text it refuses raises EConvertError "'<Text>' is not a valid integer value".
std::int32_t StrToInt(std::string_view Text);

// Text as a double written with DecimalMark: blanks around it, an
// optional sign, digits with at most one separator (at least one digit), an
// optional exponent "E" or "e" with sign and digits. No thousands separators,
// no infinities or NaN; a value beyond the double range fails too. Failure
// raises EConvertError "'<Text>' is not a valid floating point value".
double StrToFloat(std::string_view Text, std::string_view DecimalMark);

// A number typed into a date or time field, applied by Enter: blanks (code
// 32 only) before it, then either an optional sign and decimal digits, or
// (without a sign) "$", "x", "X", "0x" or "0X" and hexadecimal digits of at
// most 32 bits, read as a 32-bit pattern ("$FFFFFFFF" is -1); nothing after
// it. Anything else, and a decimal value beyond the 32-bit range, gives no
// value (never an error).
std::optional<std::int32_t> ReadFieldInteger(std::string_view Text);

// A number typed into a place field, applied by Enter; the decimal mark is
// always ".", whatever the locale: spaces (code 32 only) before it, an
// optional sign, then digits, an optional "." with digits and an optional
// exponent ("E" or "e", an optional sign, at least one digit), nothing after
// it. The digit runs may be empty ("." and "-." read as 0), but the text may
// not end after the blanks or the sign. A rejected text gives no value; a
// value too large for a double raises EFloatOverflow "Floating point
// overflow" (one too small reads as zero). Never NaN or infinite.
std::optional<double> ReadPlaceNumber(std::string_view Text);

// Text without the characters of codes 0 to 32 at its start and end.
std::string TrimBlanks(std::string_view Text);
