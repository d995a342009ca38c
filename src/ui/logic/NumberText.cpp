#include "ui/logic/NumberText.h"

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

double StrToFloat(std::string_view Text, std::string_view DecimalMark) {
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
    } else if (!separator && !DecimalMark.empty() && Text.substr(i, DecimalMark.size()) == DecimalMark) {
      plain += '.';
      separator = true;
      i += DecimalMark.size() - 1;
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

std::string TrimBlanks(std::string_view Text) {
  std::size_t begin = 0, end = Text.size();
  while (begin < end && IsBlank(Text[begin])) ++begin;
  while (end > begin && IsBlank(Text[end - 1])) --end;
  return std::string(Text.substr(begin, end - begin));
}
