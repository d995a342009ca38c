// Numbers as the window shows and reads them: the conversions of typed field
// texts, which raise the framework's conversion errors, and fixed-point texts
// rounded once, halves away from zero, with the decimal mark of the user's
// locale (passed in; nothing here reads a locale). No Qt, no shared state.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/logic/FrameworkErrors.h"

// Text as a decimal 32-bit integer: blanks before it, an optional sign and
// digits, nothing after. Anything else, an empty text and a value beyond the
// 32-bit range raise EConvertError "'<Text>' is not a valid integer value".
std::int32_t StrToInt(std::string_view Text);

// Text as a double written with DecimalSeparator: blanks around it, an
// optional sign, digits with at most one separator (at least one digit), an
// optional exponent "E" or "e" with sign and digits. No thousands separators,
// no infinities or NaN; a value beyond the double range fails too. Failure
// raises EConvertError "'<Text>' is not a valid floating point value".
double StrToFloat(std::string_view Text, char DecimalSeparator);

// Value in fixed notation with Decimals (0 to 20) digits after DecimalSeparator
// (none and no separator for 0), no thousands separators, rounded once from
// the exact binary value with halves away from zero; a value that rounds to
// zero has no minus sign. Not finite: "NAN", "INF" or "-INF".
std::string FormatFixed(double Value, int Decimals, char DecimalSeparator);

// The last two characters of "00" followed by Text: "6" gives "06", "60"
// stays "60", "123" gives "23".
std::string TwoDigitText(std::string_view Text);

// Text without the characters of codes 0 to 32 at its start and end.
std::string TrimBlanks(std::string_view Text);
