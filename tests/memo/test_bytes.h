// Hex helpers for byte-level expectations.
#pragma once

#include <string>
#include <string_view>

namespace quillpad::test {

// "54 50 46 30" -> the four bytes; blanks are ignored.
inline std::string Hex(std::string_view hex) {
  std::string out;
  int high = -1;
  for (char c : hex) {
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (digit < 0) continue;
    if (high < 0) {
      high = digit;
    } else {
      out.push_back(static_cast<char>(high * 16 + digit));
      high = -1;
    }
  }
  return out;
}

inline std::string ToHex(std::string_view bytes) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char c : bytes) {
    if (!out.empty()) out.push_back(' ');
    out.push_back(kHex[static_cast<unsigned char>(c) >> 4]);
    out.push_back(kHex[static_cast<unsigned char>(c) & 15]);
  }
  return out;
}

inline bool Contains(std::string_view haystack, std::string_view needle) {
  return haystack.find(needle) != std::string_view::npos;
}

}  // namespace quillpad::test

namespace quillpad::test {

// A literal with embedded zero bytes, kept whole.
template <std::size_t N>
std::string Lit(const char (&s)[N]) {
  return std::string(s, N - 1);
}

}  // namespace quillpad::test
