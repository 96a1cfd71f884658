// JPEG through libjpeg: grey and colour pictures as RGB, CMYK ones converted here (the library
// gives CMYK only as it is).
#include <csetjmp>
#include <cstdio>
#include <vector>

#include "base/bmp_image.h"
#include "base/jpeg_errors.h"
#include "plugins/codecs/picture_codecs.h"

namespace quillpad {

namespace {

// Beyond this a progressive file only costs time: no sound picture needs so many scans.
constexpr int kMaxScans = 300;
// The library's own working memory (coefficients of progressive pictures, colour quantising).
constexpr long kMaxWorkingMemory = 400L << 20;

bool SniffJpeg(std::string_view head) {
  return head.size() >= 3 && static_cast<unsigned char>(head[0]) == 0xFF &&
         static_cast<unsigned char>(head[1]) == 0xD8 && static_cast<unsigned char>(head[2]) == 0xFF;
}

void LimitScans(j_common_ptr info) {
  auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
  if (decompress->input_scan_number > kMaxScans) JpegErrorExit(info);
}

// Everything the jump may skip lives outside the function that calls setjmp.
struct Decoding {
  jpeg_decompress_struct cinfo{};
  JpegErrorJump error{};
  jpeg_progress_mgr progress{};
  RgbPicture picture;
  std::vector<JSAMPLE> row;
  ~Decoding() { jpeg_destroy_decompress(&cinfo); }
};

std::uint32_t Rgb(unsigned r, unsigned g, unsigned b) {
  return r | g << 8 | b << 16;
}

bool Read(Decoding& d, std::string_view file, bool sizeOnly, std::uint64_t maxPixels) {
  if (setjmp(d.error.jump)) return false;
  jpeg_create_decompress(&d.cinfo);
  d.cinfo.mem->max_memory_to_use = kMaxWorkingMemory;
  d.progress.progress_monitor = LimitScans;
  d.cinfo.progress = &d.progress;
  jpeg_mem_src(&d.cinfo, reinterpret_cast<const unsigned char*>(file.data()),
               static_cast<unsigned long>(file.size()));
  if (jpeg_read_header(&d.cinfo, TRUE) != JPEG_HEADER_OK) return false;
  if (!PictureSizeAllowed(d.cinfo.image_width, d.cinfo.image_height, maxPixels)) return false;
  d.picture.Width = static_cast<int>(d.cinfo.image_width);
  d.picture.Height = static_cast<int>(d.cinfo.image_height);
  if (sizeOnly) return true;

  const bool cmyk = d.cinfo.jpeg_color_space == JCS_CMYK || d.cinfo.jpeg_color_space == JCS_YCCK;
  d.cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_start_decompress(&d.cinfo);
  const int components = d.cinfo.output_components;
  if (static_cast<int>(d.cinfo.output_width) != d.picture.Width ||
      static_cast<int>(d.cinfo.output_height) != d.picture.Height || components != (cmyk ? 4 : 3)) {
    return false;
  }
  d.picture.Pixels.assign(static_cast<std::size_t>(d.picture.Width) * d.picture.Height, 0);
  d.row.resize(static_cast<std::size_t>(d.picture.Width) * components);
  // Adobe's files keep CMYK inverted; others as plain ink amounts.
  const bool inverted = d.cinfo.saw_Adobe_marker;
  while (d.cinfo.output_scanline < d.cinfo.output_height) {
    const int y = static_cast<int>(d.cinfo.output_scanline);
    JSAMPROW rows[1] = {d.row.data()};
    if (jpeg_read_scanlines(&d.cinfo, rows, 1) != 1) return false;
    std::uint32_t* out = &d.picture.Pixels[static_cast<std::size_t>(y) * d.picture.Width];
    for (int x = 0; x < d.picture.Width; ++x) {
      const JSAMPLE* p = &d.row[static_cast<std::size_t>(x) * components];
      if (!cmyk) {
        out[x] = Rgb(p[0], p[1], p[2]);
        continue;
      }
      unsigned c = p[0], m = p[1], yl = p[2], k = p[3];
      if (!inverted) c = 255 - c, m = 255 - m, yl = 255 - yl, k = 255 - k;
      out[x] = Rgb(c * k / 255, m * k / 255, yl * k / 255);
    }
  }
  jpeg_finish_decompress(&d.cinfo);
  return true;
}

std::optional<DecodedPicture> DecodeJpeg(std::string_view file, bool sizeOnly,
                                         std::uint64_t maxPixels) {
  if (!SniffJpeg(file)) return std::nullopt;
  Decoding d;
  d.cinfo.err = QuietJpegErrors(d.error);
  if (!Read(d, file, sizeOnly, maxPixels)) return std::nullopt;
  DecodedPicture decoded{d.picture.Width, d.picture.Height, {}};
  if (sizeOnly) return decoded;
  decoded.Bmp = EncodeBmp(d.picture, 24);
  if (decoded.Bmp.empty()) return std::nullopt;
  return decoded;
}

}  // namespace

const PictureCodec kJpegCodec{"*.jpg;*.jpeg;*.jpe", "JPEGファイル", 3, SniffJpeg, DecodeJpeg};

}  // namespace quillpad
