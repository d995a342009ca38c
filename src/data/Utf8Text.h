// Character counting for the program's UTF-8 texts: lengths that the tables
// and the settings stamp state in characters count code points, not bytes
// ("±" is one character, two bytes).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Number of characters (code points) of the UTF-8 text Text. A stray
// continuation byte is not counted; a broken lead byte counts as one.
inline std::size_t Utf8Length(std::string_view Text) {
  std::size_t n = 0;
  for (unsigned char c : Text)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

// The longest prefix of Text with at most MaxChars characters and at most
// MaxBytes bytes that does not cut a character in two.
inline std::string_view Utf8Prefix(std::string_view Text, std::size_t MaxChars, std::size_t MaxBytes) {
  std::size_t chars = 0;
  std::size_t end = 0;  // bytes of the whole characters taken so far
  for (std::size_t i = 0; i <= Text.size(); ++i) {
    const bool boundary = i == Text.size() || (static_cast<unsigned char>(Text[i]) & 0xC0) != 0x80;
    if (!boundary) continue;
    if (i > MaxBytes) break;
    end = i;
    if (i == Text.size() || chars == MaxChars) break;
    ++chars;
  }
  return Text.substr(0, end);
}

// Text as it may be shown to the user: every byte that is not part of a
// printable character becomes "?". Printable are the ASCII characters 32 to
// 126 and whole UTF-8 sequences of code points from U+00A0 on (no surrogate,
// none beyond U+10FFFF, no overlong form); control characters, C1 controls
// and broken or cut sequences are replaced byte by byte.
inline std::string Utf8Printable(std::string_view Text) {
  std::string Shown;
  Shown.reserve(Text.size());
  std::size_t i = 0;
  while (i < Text.size()) {
    const unsigned char c = static_cast<unsigned char>(Text[i]);
    if (c >= 32 && c <= 126) {
      Shown += static_cast<char>(c);
      ++i;
      continue;
    }
    const std::size_t Length = c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
    char32_t Code = Length == 2 ? c & 0x1F : Length == 3 ? c & 0x0F : c & 0x07;
    bool Whole = Length != 0 && i + Length <= Text.size();
    for (std::size_t k = 1; Whole && k < Length; ++k) {
      const unsigned char Next = static_cast<unsigned char>(Text[i + k]);
      Whole = (Next & 0xC0) == 0x80;
      Code = (Code << 6) | (Next & 0x3F);
    }
    const char32_t Smallest = Length == 2 ? 0x80 : Length == 3 ? 0x800 : 0x10000;
    if (Whole && Code >= Smallest && Code >= 0xA0 && Code <= 0x10FFFF && (Code < 0xD800 || Code > 0xDFFF)) {
      Shown.append(Text.substr(i, Length));
      i += Length;
    } else {
      Shown += '?';
      ++i;
    }
  }
  return Shown;
}
