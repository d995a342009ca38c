#include "ui/logic/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

[[noreturn]] void NotInteger(std::string_view Text) {
  throw EConvertError("'" + std::string(Text) + "' is not a valid integer value");
}

[[noreturn]] void NotFloat(std::string_view Text) {
  throw EConvertError("'" + std::string(Text) + "' is not a valid floating point value");
}

}  // namespace

std::int32_t StrToInt(std::string_view Text) {
  std::size_t i = 0;
  while (i < Text.size() && IsBlank(Text[i])) ++i;
  bool negative = false;
  if (i < Text.size() && (Text[i] == '+' || Text[i] == '-')) negative = Text[i++] == '-';
  if (i == Text.size()) NotInteger(Text);
  std::int64_t value = 0;
  for (; i < Text.size(); ++i) {
    if (!IsDigit(Text[i])) NotInteger(Text);
    value = value * 10 + (Text[i] - '0');
    if (value > std::int64_t{2147483648}) NotInteger(Text);
  }
  if (negative) value = -value;
  if (value > INT32_MAX) NotInteger(Text);
  return static_cast<std::int32_t>(value);
}

double StrToFloat(std::string_view Text, char DecimalSeparator) {
  std::size_t begin = 0, end = Text.size();
  while (begin < end && IsBlank(Text[begin])) ++begin;
  while (end > begin && IsBlank(Text[end - 1])) --end;
  // Rewritten with "." for the converter, after checking the form ourselves.
  std::string plain;
  std::size_t i = begin;
  if (i < end && (Text[i] == '+' || Text[i] == '-')) plain += Text[i++];
  int digits = 0;
  bool separator = false;
  for (; i < end; ++i) {
    if (IsDigit(Text[i])) {
      plain += Text[i];
      ++digits;
    } else if (Text[i] == DecimalSeparator && !separator) {
      plain += '.';
      separator = true;
    } else {
      break;
    }
  }
  if (digits == 0) NotFloat(Text);
  if (i < end && (Text[i] == 'E' || Text[i] == 'e')) {
    plain += 'e';
    ++i;
    if (i < end && (Text[i] == '+' || Text[i] == '-')) plain += Text[i++];
    int exponentDigits = 0;
    for (; i < end && IsDigit(Text[i]); ++i, ++exponentDigits) plain += Text[i];
    if (exponentDigits == 0) NotFloat(Text);
  }
  if (i != end) NotFloat(Text);
  const char* first = plain.data();
  if (*first == '+') ++first;
  double value = 0;
  const auto [ptr, error] = std::from_chars(first, plain.data() + plain.size(), value);
  if (error != std::errc() || ptr != plain.data() + plain.size() || !std::isfinite(value)) NotFloat(Text);
  return value;
}

std::string FormatFixed(double Value, int Decimals, char DecimalSeparator) {
  if (std::isnan(Value)) return "NAN";
  if (std::isinf(Value)) return Value < 0 ? "-INF" : "INF";
  if (Decimals < 0) Decimals = 0;
  if (Decimals > 20) Decimals = 20;
  // The binary value's decimal digits well past the last one kept: the first
  // dropped digit and whether anything follows it decide the rounding.
  std::array<char, 400> buffer{};
  const auto [ptr, error] =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(Value), std::chars_format::fixed,
                    Decimals + 40);
  if (error != std::errc()) return "INF";
  std::string digits(buffer.data(), ptr);
  const std::size_t point = digits.find('.');
  std::string whole = digits.substr(0, point);
  std::string fraction = digits.substr(point + 1);
  const bool roundUp = fraction[static_cast<std::size_t>(Decimals)] >= '5';
  std::string kept = whole + fraction.substr(0, static_cast<std::size_t>(Decimals));
  if (roundUp) {
    std::size_t k = kept.size();
    while (k > 0) {
      --k;
      if (kept[k] == '9') {
        kept[k] = '0';
        if (k == 0) kept.insert(kept.begin(), '1');
      } else {
        ++kept[k];
        break;
      }
    }
  }
  const std::size_t wholeLength = kept.size() - static_cast<std::size_t>(Decimals);
  std::string text = kept.substr(0, wholeLength);
  if (Decimals > 0) {
    text += DecimalSeparator;
    text += kept.substr(wholeLength);
  }
  const bool zero = kept.find_first_not_of('0') == std::string::npos;
  if (Value < 0 && !zero) text.insert(text.begin(), '-');
  return text;
}

std::string TwoDigitText(std::string_view Text) {
  const std::string padded = "00" + std::string(Text);
  return padded.substr(padded.size() - 2);
}

std::string TrimBlanks(std::string_view Text) {
  std::size_t begin = 0, end = Text.size();
  while (begin < end && IsBlank(Text[begin])) ++begin;
  while (end > begin && IsBlank(Text[end - 1])) --end;
  return std::string(Text.substr(begin, end - begin));
}
