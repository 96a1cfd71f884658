// PNG through libpng: every colour type becomes 8-bit RGBA; what is see-through shows white, as
// a memo has no way to show through.
#include <png.h>

#include <cstring>

#include "base/bmp_image.h"
#include "plugins/codecs/picture_codecs.h"

namespace quillpad {

namespace {

constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

bool SniffPng(std::string_view head) {
  return head.size() >= sizeof kSignature &&
         std::memcmp(head.data(), kSignature, sizeof kSignature) == 0;
}

struct Source {
  std::string_view Bytes;
  std::size_t At = 0;
};

void ReadBytes(png_structp png, png_bytep out, png_size_t count) {
  auto* source = static_cast<Source*>(png_get_io_ptr(png));
  if (count > source->Bytes.size() - source->At) png_error(png, "truncated");
  std::memcpy(out, source->Bytes.data() + source->At, count);
  source->At += count;
}

// The library reports failures by jumping back to the setjmp below; nothing it may skip has a
// destructor that matters inside that function.
void Fail(png_structp png, png_const_charp) {
  png_longjmp(png, 1);
}
void Quiet(png_structp, png_const_charp) {}

struct Decoding {
  png_structp png = nullptr;
  png_infop info = nullptr;
  Source source;
  RgbPicture picture;
  std::vector<png_bytep> rows;
  ~Decoding() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
};

bool Read(Decoding& d, bool sizeOnly, std::uint64_t maxPixels) {
  if (setjmp(png_jmpbuf(d.png))) return false;
  png_set_read_fn(d.png, &d.source, ReadBytes);
  png_set_user_limits(d.png, 32768, 32768);
  png_read_info(d.png, d.info);
  const png_uint_32 width = png_get_image_width(d.png, d.info);
  const png_uint_32 height = png_get_image_height(d.png, d.info);
  if (!PictureSizeAllowed(width, height, maxPixels)) return false;
  d.picture.Width = static_cast<int>(width);
  d.picture.Height = static_cast<int>(height);
  if (sizeOnly) return true;

  png_set_expand(d.png);
  png_set_strip_16(d.png);
  png_set_gray_to_rgb(d.png);
  png_set_filler(d.png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(d.png);
  png_read_update_info(d.png, d.info);
  if (png_get_rowbytes(d.png, d.info) != static_cast<png_size_t>(width) * 4) return false;
  // RGBA bytes in memory are exactly a colour value 0x00BBGGRR with the alpha on top.
  d.picture.Pixels.assign(static_cast<std::size_t>(width) * height, 0);
  d.rows.resize(height);
  for (png_uint_32 y = 0; y < height; ++y)
    d.rows[y] = reinterpret_cast<png_bytep>(&d.picture.Pixels[static_cast<std::size_t>(y) * width]);
  png_read_image(d.png, d.rows.data());
  png_read_end(d.png, nullptr);
  return true;
}

std::uint32_t OnWhite(std::uint32_t rgba) {
  const std::uint32_t a = rgba >> 24;
  std::uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const std::uint32_t c = rgba >> shift & 0xFF;
    out |= (c * a + 255 * (255 - a) + 127) / 255 << shift;
  }
  return out;
}

std::optional<DecodedPicture> DecodePng(std::string_view file, bool sizeOnly,
                                        std::uint64_t maxPixels) {
  if (!SniffPng(file)) return std::nullopt;
  Decoding d;
  d.source.Bytes = file;
  d.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, Quiet);
  if (!d.png) return std::nullopt;
  d.info = png_create_info_struct(d.png);
  if (!d.info || !Read(d, sizeOnly, maxPixels)) return std::nullopt;
  DecodedPicture decoded{d.picture.Width, d.picture.Height, {}};
  if (sizeOnly) return decoded;
  for (std::uint32_t& pixel : d.picture.Pixels) pixel = OnWhite(pixel);
  decoded.Bmp = EncodeBmp(d.picture, 24);
  if (decoded.Bmp.empty()) return std::nullopt;
  return decoded;
}

}  // namespace

const PictureCodec kPngCodec{"*.png", "PNGファイル", sizeof kSignature, SniffPng, DecodePng};

}  // namespace quillpad
