// Our own picture plug-ins' decoders: PNG, GIF and JPEG bytes to BMP file images, window-free
// so that the Linux build tests and fuzzes exactly what the plug-in libraries run.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillpad {

// A picture that claims more pixels than this is refused before anything is allocated for it
// (8192 x 4096; each side is at most 32768 as for every BMP this program reads).
constexpr std::uint64_t kMaxPicturePixels = 1ull << 25;

struct DecodedPicture {
  int Width = 0;
  int Height = 0;
  std::string Bmp;  // the BMP file image; empty when only the size was asked for
};

// One format: what the plug-in reports about itself and how it reads a file's bytes.
struct PictureCodec {
  const char* Pattern;         // "*.png"
  const char* Description;     // "PNGファイル"
  std::size_t SignatureBytes;  // how many leading bytes Sniff needs
  bool (*Sniff)(std::string_view head);
  // nullopt for bytes that are no sound picture of the format, or too large.
  std::optional<DecodedPicture> (*Decode)(std::string_view file, bool sizeOnly,
                                          std::uint64_t maxPixels);
};

extern const PictureCodec kPngCodec;
extern const PictureCodec kGifCodec;
extern const PictureCodec kJpegCodec;

// Whether a picture of this size may be decoded.
bool PictureSizeAllowed(std::uint64_t width, std::uint64_t height, std::uint64_t maxPixels);

}  // namespace quillpad
