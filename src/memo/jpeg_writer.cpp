#include "memo/jpeg_writer.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "base/bmp_image.h"
#include "base/jpeg_errors.h"

namespace quillpad {

namespace {

// Everything the jump may skip lives outside the function that calls setjmp.
struct Encoding {
  jpeg_compress_struct cinfo{};
  JpegErrorJump error{};
  unsigned char* out = nullptr;
  unsigned long size = 0;
  ~Encoding() {
    jpeg_destroy_compress(&cinfo);
    std::free(out);
  }
};

bool Compress(Encoding& e, const RgbPicture& picture, std::vector<JSAMPLE>& row) {
  if (setjmp(e.error.jump)) return false;
  jpeg_create_compress(&e.cinfo);
  jpeg_mem_dest(&e.cinfo, &e.out, &e.size);
  e.cinfo.image_width = static_cast<JDIMENSION>(picture.Width);
  e.cinfo.image_height = static_cast<JDIMENSION>(picture.Height);
  e.cinfo.input_components = 3;
  e.cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&e.cinfo);
  jpeg_start_compress(&e.cinfo, TRUE);
  while (e.cinfo.next_scanline < e.cinfo.image_height) {
    const int y = static_cast<int>(e.cinfo.next_scanline);
    for (int x = 0; x < picture.Width; ++x) {
      const std::uint32_t c = picture.At(x, y);
      row[3 * x] = static_cast<JSAMPLE>(c & 0xFF);
      row[3 * x + 1] = static_cast<JSAMPLE>(c >> 8 & 0xFF);
      row[3 * x + 2] = static_cast<JSAMPLE>(c >> 16 & 0xFF);
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&e.cinfo, rows, 1);
  }
  jpeg_finish_compress(&e.cinfo);
  return true;
}

}  // namespace

std::string EncodeJpeg(std::string_view bmpFile) {
  const std::optional<RgbPicture> picture = DecodeBmp(bmpFile);
  if (!picture) return {};
  Encoding e;
  e.cinfo.err = QuietJpegErrors(e.error);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(picture->Width) * 3);
  if (!Compress(e, *picture, row) || !e.out) return {};
  return std::string(reinterpret_cast<const char*>(e.out), e.size);
}

}  // namespace quillpad
