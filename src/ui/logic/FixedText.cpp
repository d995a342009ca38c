#include "ui/logic/FixedText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/Errors.h"

namespace {

// Powers of ten that a double holds exactly.
constexpr double ExactPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Decimal exponent of the leading digit of x > 0 (finite): 0 for 1 <= x < 10.
// Thirty significant digits separate every double from the powers of ten.
int LeadingExponent(double x) {
  char Buffer[64];
  std::snprintf(Buffer, sizeof Buffer, "%.29e", x);
  const char* e = Buffer;
  while (*e != '\0' && *e != 'e') ++e;
  return *e == 'e' ? std::atoi(e + 1) : 0;
}

// x >= 0 rounded to Decimals >= 0 decimals, halves away from zero, as text with
// a point. printf rounds the exact binary value correctly but sends exact
// halves to the even digit; an exact half is x * 2^(Decimals + 1) being an odd
// integer, and the next double up rounds it the other way.
std::string RoundDecimals(double x, int Decimals) {
  const double Doubled = std::ldexp(x, Decimals + 1);
  if (Doubled == std::floor(Doubled) && std::fmod(Doubled, 2.0) == 1.0)
    x = std::nextafter(x, HUGE_VAL);
  char Buffer[400];
  std::snprintf(Buffer, sizeof Buffer, "%.*f", Decimals, x);
  return Buffer;
}

// x >= 0 rounded to a multiple of 10^Places (Places >= 1), halves up, as
// integer text.
std::string RoundUnits(double x, int Places) {
  if (!(x < 9223372036854775808.0) || Places > 18) throw tv::ERangeError();
  const double Whole = std::floor(x);
  const auto Units = static_cast<unsigned long long>(Whole);
  unsigned long long Step = 1;
  for (int k = 0; k < Places; ++k) Step *= 10;
  const unsigned long long Rest = Units % Step;
  // The fraction below the units cannot lift a remainder under one half to it,
  // as the half is a whole number.
  unsigned long long Rounded = Units - Rest;
  if (Rest >= Step / 2) Rounded += Step;
  return std::to_string(Rounded);
}

}  // namespace

std::string FormatFixed(double Value, std::int32_t Decimals, std::int32_t Digits,
                        std::string_view DecimalMark) {
  if (Decimals < 0 || Decimals > 20 || Digits < 1 || Digits > 30) throw tv::ERangeError();
  if (std::isnan(Value)) return "NAN";
  if (std::isinf(Value)) return Value < 0 ? "-INF" : "INF";

  const double x = std::fabs(Value);
  // Decimals kept: fewer when the significant digits run out first. Below
  // 10^(Digits - Decimals) they never do.
  int Kept = Decimals;
  const int Head = Digits - Decimals;
  if (x != 0 && !(Head >= 0 && Head <= 22 && x < ExactPow10[Head])) {
    const int Lead = LeadingExponent(x);
    if (Digits - 1 - Lead < Kept) Kept = Digits - 1 - Lead;
  }

  std::string Text = Kept >= 0 ? RoundDecimals(x, Kept) : RoundUnits(x, -Kept);
  if (Kept < Decimals) {
    if (Kept <= 0 && Decimals > 0) Text += '.';
    Text.append(static_cast<std::size_t>(Decimals - (Kept > 0 ? Kept : 0)), '0');
  }
  const bool Zero = Text.find_first_not_of("0.") == std::string::npos;
  if (Value < 0 && !Zero) Text.insert(Text.begin(), '-');
  const std::size_t Point = Text.find('.');
  if (Point != std::string::npos) Text.replace(Point, 1, DecimalMark);
  return Text;
}

std::string TwoDigits(double Value) {
  std::string Text(1, '0');
  Text += FormatFixed(Value, 0, 30, ".");
  return Text.substr(Text.size() - 2);
}

std::string PlaceFieldText(double Degrees) { return FormatFixed(Degrees, 2, 15, "."); }
