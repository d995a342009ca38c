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
  const std::optional<std::int32_t> value = ReadFieldInteger(Text);
  if (!value) NotInteger(Text);
  return *value;
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

std::optional<std::int32_t> ReadFieldInteger(std::string_view Text) {
  std::size_t i = 0;
  while (i < Text.size() && Text[i] == ' ') ++i;
  const std::string_view rest = Text.substr(i);
  std::size_t hex = 0;  // length of a hexadecimal prefix
  if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X'))
    hex = 1;
  else if (rest.starts_with("0x") || rest.starts_with("0X"))
    hex = 2;
  if (hex > 0) {
    const std::string_view digits = rest.substr(hex);
    if (digits.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : digits) {
      int digit = 0;
      if (IsDigit(c))
        digit = c - '0';
      else if (c >= 'a' && c <= 'f')
        digit = c - 'a' + 10;
      else if (c >= 'A' && c <= 'F')
        digit = c - 'A' + 10;
      else
        return std::nullopt;
      value = value * 16 + static_cast<std::uint64_t>(digit);
      if (value > 0xFFFFFFFFu) return std::nullopt;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
  }
  std::size_t k = 0;
  bool negative = false;
  if (k < rest.size() && (rest[k] == '+' || rest[k] == '-')) negative = rest[k++] == '-';
  if (k == rest.size()) return std::nullopt;
  std::int64_t value = 0;
  for (; k < rest.size(); ++k) {
    if (!IsDigit(rest[k])) return std::nullopt;
    value = value * 10 + (rest[k] - '0');
    if (value > std::int64_t{2147483648}) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::optional<double> ReadPlaceNumber(std::string_view Text) {
  std::size_t i = 0;
  while (i < Text.size() && Text[i] == ' ') ++i;
  // Rewritten for the converter as sign, "0", digits, ".", digits, exponent.
  std::string plain;
  if (i < Text.size() && (Text[i] == '+' || Text[i] == '-')) {
    if (Text[i] == '-') plain += '-';
    ++i;
  }
  if (i == Text.size()) return std::nullopt;
  plain += '0';
  int leading = 0;  // digits before the point, leading zeros not counted
  for (; i < Text.size() && IsDigit(Text[i]); ++i) {
    if (leading > 0 || Text[i] != '0') ++leading;
    plain += Text[i];
  }
  int zerosAfterPoint = 0;  // zeros right after the point when nothing leads
  if (i < Text.size() && Text[i] == '.') {
    plain += '.';
    bool significant = leading > 0;
    for (++i; i < Text.size() && IsDigit(Text[i]); ++i) {
      if (!significant && Text[i] == '0')
        ++zerosAfterPoint;
      else
        significant = true;
      plain += Text[i];
    }
  }
  std::int64_t exponent = 0;
  if (i < Text.size() && (Text[i] == 'E' || Text[i] == 'e')) {
    plain += 'e';
    ++i;
    bool negativeExponent = false;
    if (i < Text.size() && (Text[i] == '+' || Text[i] == '-')) {
      negativeExponent = Text[i] == '-';
      plain += Text[i++];
    }
    int exponentDigits = 0;
    for (; i < Text.size() && IsDigit(Text[i]); ++i, ++exponentDigits) {
      plain += Text[i];
      if (exponent < 100000000) exponent = exponent * 10 + (Text[i] - '0');
    }
    if (exponentDigits == 0) return std::nullopt;
    if (negativeExponent) exponent = -exponent;
  }
  if (i != Text.size()) return std::nullopt;
  double value = 0;
  const auto [ptr, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Too large, or too small: the decimal place of the leading digit says which.
    const std::int64_t magnitude = leading > 0 ? leading + exponent : exponent - zerosAfterPoint;
    if (magnitude > 0) throw EFloatOverflow();
    return plain.front() == '-' ? -0.0 : 0.0;
  }
  if (error != std::errc() || ptr != plain.data() + plain.size() || !std::isfinite(value)) throw EFloatOverflow();
  return value;
}

std::string TrimBlanks(std::string_view Text) {
  std::size_t begin = 0, end = Text.size();
  while (begin < end && IsBlank(Text[begin])) ++begin;
  while (end > begin && IsBlank(Text[end - 1])) --end;
  return std::string(Text.substr(begin, end - begin));
}
