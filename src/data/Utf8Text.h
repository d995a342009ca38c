// Character counting for the program's UTF-8 texts: lengths that the tables
// and the settings stamp state in characters count code points, not bytes
// ("±" is one character, two bytes).
#pragma once

#include <cstddef>
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
