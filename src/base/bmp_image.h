// BMP file images: the form pictures take in memo files, on the clipboard (after its file
// header) and on disk. Only reading what a header claims and checking it against the bytes
// there are; drawing is the platform's.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillpad {

// How a picture keeps its pixels. Device: the screen's own format, as a bitmap that came from
// the screen or from a program that put a device bitmap on the clipboard.
enum class PixelFormat { Device, Bits1, Bits4, Bits8, Bits15, Bits16, Bits24, Bits32 };

struct BmpInfo {
  int Width = 0;
  int Height = 0;  // always positive; TopDown says how the rows lie
  bool TopDown = false;
  int BitCount = 0;  // 1, 4, 8, 16, 24 or 32
  PixelFormat Format = PixelFormat::Bits24;
  std::uint32_t PixelOffset = 0;       // from the start of the file image
  std::uint32_t ColorTableOffset = 0;  // from the start of the file image
  int ColorCount = 0;                  // entries of the colour table (pictures of 8 bits or fewer)
  std::uint32_t Masks[3] = {};         // red, green, blue bits of 16- and 32-bit pixels
};

// A picture's pixels, rows from the top, each a colour value 0x00BBGGRR.
struct RgbPicture {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint32_t> Pixels;  // Width * Height
  std::uint32_t At(int x, int y) const { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
};

// The header of a BMP file image, when it is one this program can draw (uncompressed or bit
// fields, at most 32768 pixels a side) and its pixel rows lie wholly inside the bytes.
std::optional<BmpInfo> ReadBmpInfo(std::string_view file);

// A 16-bit picture counts as 15 bits unless its bit fields say 5-6-5.
PixelFormat PixelFormatOf(int bitCount, bool bitFields565);

// A packed device-independent bitmap (header, colour table, pixels: the clipboard's form) with
// the file header put in front; empty when the header does not describe a sound picture.
std::string BmpFileFromDib(std::string_view dib);
// The packed bitmap of a file image: its headers and colour table with the pixels right after
// them; empty when the image is unsound.
std::string DibOfBmpFile(std::string_view file);

// Every pixel of a BMP file image that ReadBmpInfo accepts; nullopt for any other bytes.
// Colour indexes past the end of a colour table read as black.
std::optional<RgbPicture> DecodeBmp(std::string_view file);

// A bottom-up BMP file image of the picture at 1, 4 or 8 bits (each pixel as the index of the
// nearest palette entry; the palette has at most 1 << bitCount entries), 16 bits (5-5-5),
// 24 or 32 bits. Empty for an empty picture or another depth.
std::string EncodeBmp(const RgbPicture& picture, int bitCount,
                      const std::vector<std::uint32_t>& palette = {});

// A BMP file image from a header (BITMAPINFO: header, masks, colour table, maybe more) and a
// separate buffer of pixels, as a picture decoder hands them over: empty unless every row the
// header claims lies inside the pixel bytes. Header bytes past the colour table and pixel bytes
// past the last row are left out.
std::string BmpFileFromParts(std::string_view header, std::string_view pixels);

// A 24-bit picture of one colour (0x00BBGGRR), bottom-up.
std::string SolidBmpFile(int width, int height, std::uint32_t color);

}  // namespace quillpad
