#include "memo/picture_colors.h"

#include <vector>

#include "base/bmp_image.h"

namespace quillpad {

namespace {

std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return r | g << 8 | b << 16;
}

std::vector<std::uint32_t> SystemColors() {
  return {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
          0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
}

std::vector<std::uint32_t> PaletteOf(int bitCount) {
  if (bitCount == 1) return {0x000000, 0xFFFFFF};
  std::vector<std::uint32_t> palette = SystemColors();
  if (bitCount == 4) return palette;
  for (std::uint32_t r = 0; r < 6; ++r)
    for (std::uint32_t g = 0; g < 6; ++g)
      for (std::uint32_t b = 0; b < 6; ++b) palette.push_back(Rgb(r * 51, g * 51, b * 51));
  // Greys between the cube's own levels.
  for (std::uint32_t i = 1; palette.size() < 256; ++i) {
    const std::uint32_t v = i * 10 + (i - 1) / 5;  // ten apart, reaching 244
    if (v % 51 != 0) palette.push_back(Rgb(v, v, v));
  }
  return palette;
}

}  // namespace

std::string ReduceColors(std::string_view bmpFile, int bitCount) {
  if (bitCount != 1 && bitCount != 4 && bitCount != 8) return {};
  const std::optional<RgbPicture> picture = DecodeBmp(bmpFile);
  if (!picture) return {};
  return EncodeBmp(*picture, bitCount, PaletteOf(bitCount));
}

std::string ToGrayScale(std::string_view bmpFile) {
  std::optional<RgbPicture> picture = DecodeBmp(bmpFile);
  if (!picture) return {};
  std::vector<std::uint32_t> palette(256);
  for (std::uint32_t i = 0; i < 256; ++i) palette[i] = Rgb(i, i, i);
  for (std::uint32_t& pixel : picture->Pixels) {
    const std::uint32_t grey = GrayLevel(pixel);
    pixel = Rgb(grey, grey, grey);
  }
  // Every grey is an entry of its own, so each pixel keeps its exact level.
  return EncodeBmp(*picture, 8, palette);
}

}  // namespace quillpad
