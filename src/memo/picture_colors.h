// Colour reduction of picture memos: the pictures stay BMP file images, only their depth and
// palette change.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillpad {

// Grey level of a colour 0x00BBGGRR: (114 blue + 587 green + 299 red) / 1000, truncated.
inline std::uint32_t GrayLevel(std::uint32_t color) {
  return (114 * (color >> 16 & 0xFF) + 587 * (color >> 8 & 0xFF) + 299 * (color & 0xFF)) / 1000;
}

// The picture at 8, 4 or 1 bits, each pixel the nearest colour of the depth's standard palette
// (8: the 16 system colours, a 6-level colour cube and 24 greys; 4: the 16 system colours;
// 1: black and white). Empty when the bytes are no picture this program reads.
std::string ReduceColors(std::string_view bmpFile, int bitCount);

// The picture as 8 bits on a 256-level grey palette (entry i = red, green and blue i).
std::string ToGrayScale(std::string_view bmpFile);

}  // namespace quillpad
