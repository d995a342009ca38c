// Typed field texts as numbers, with the framework's conversion errors, and
// the decimal mark of the user's locale passed in (nothing here reads a
// locale); the shown texts are in FixedText.h. No Qt, no shared state.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/logic/FrameworkErrors.h"

// Text as a decimal 32-bit integer: blanks before it, an optional sign and
// digits, nothing after. Anything else, an empty text and a value beyond the
// 32-bit range raise EConvertError "'<Text>' is not a valid integer value".
std::int32_t StrToInt(std::string_view Text);

// Text as a double written with DecimalMark: blanks around it, an
// optional sign, digits with at most one separator (at least one digit), an
// optional exponent "E" or "e" with sign and digits. No thousands separators,
// no infinities or NaN; a value beyond the double range fails too. Failure
// raises EConvertError "'<Text>' is not a valid floating point value".
double StrToFloat(std::string_view Text, std::string_view DecimalMark);

// Text without the characters of codes 0 to 32 at its start and end.
std::string TrimBlanks(std::string_view Text);
