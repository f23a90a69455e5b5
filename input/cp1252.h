#pragma once
// Output files are Windows-1252 bytes. Labels are written in this source as
// UTF-8 and turned into their single-byte form when written: every accented
// letter they use lies in U+00A0 to U+00FF, where the code page's byte is the
// code point itself.

#include <string>
#include <string_view>

inline std::string cp1252(std::string_view utf8) {
  std::string s;
  s.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size()) {
      unsigned char d = static_cast<unsigned char>(utf8[++i]);
      s.push_back(static_cast<char>(((c & 0x1F) << 6) | (d & 0x3F)));
    } else {
      s.push_back(static_cast<char>(c));
    }
  }
  return s;
}
