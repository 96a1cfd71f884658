#include "memo/picture_colors.h"

#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>

#include "base/bmp_image.h"
#include "memo/jpeg_writer.h"

extern "C" {
#include <jpeglib.h>
}

namespace quillpad {
namespace {

std::string Picture(std::vector<std::uint32_t> pixels, int width) {
  RgbPicture p;
  p.Width = width;
  p.Height = static_cast<int>(pixels.size()) / width;
  p.Pixels = std::move(pixels);
  return EncodeBmp(p, 24);
}

TEST(PictureColors, GreyKeepsTheExactLevelOfEveryPixel) {
  const std::string grey = ToGrayScale(Picture({0x0000FF, 0x00FF00, 0xFF0000, 0x336699}, 2));
  const std::optional<BmpInfo> info = ReadBmpInfo(grey);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->BitCount, 8);
  EXPECT_EQ(info->ColorCount, 256);
  const std::optional<RgbPicture> back = DecodeBmp(grey);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->At(0, 0), 0x4C4C4Cu);  // red: 299 * 255 / 1000 = 76
  EXPECT_EQ(back->At(1, 0), 0x959595u);  // green: 149
  EXPECT_EQ(back->At(0, 1), 0x1D1D1Du);  // blue: 29
  const std::uint32_t mixed = (114 * 0x33 + 587 * 0x66 + 299 * 0x99) / 1000;
  EXPECT_EQ(back->At(1, 1), mixed * 0x010101u);
}

TEST(PictureColors, ReductionsUseTheirDepthAndNeverBringColoursBack) {
  const std::string colours =
      Picture({0x0000FF, 0x00FFFF, 0xF0F0F0, 0x101010, 0x20C040, 0x808080}, 3);
  for (int bits : {8, 4, 1}) {
    const std::optional<BmpInfo> info = ReadBmpInfo(ReduceColors(colours, bits));
    ASSERT_TRUE(info) << bits;
    EXPECT_EQ(info->BitCount, bits);
  }
  // Colours the 16-colour palette holds stay as they are.
  const std::optional<RgbPicture> sixteen = DecodeBmp(ReduceColors(colours, 4));
  EXPECT_EQ(sixteen->At(0, 0), 0x0000FFu);
  EXPECT_EQ(sixteen->At(1, 0), 0x00FFFFu);
  const std::string mono = ReduceColors(colours, 1);
  const std::optional<RgbPicture> again = DecodeBmp(ReduceColors(mono, 8));
  ASSERT_TRUE(again);
  EXPECT_EQ(again->Pixels, DecodeBmp(mono)->Pixels);
  for (std::uint32_t pixel : again->Pixels) EXPECT_TRUE(pixel == 0 || pixel == 0xFFFFFF) << pixel;
  EXPECT_EQ(ReduceColors("BM not a picture", 8), "");
  EXPECT_EQ(ToGrayScale(""), "");
}

struct DecodeError {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

TEST(JpegWriter, WritesABaselineFileTheLibraryReadsBack) {
  RgbPicture p;
  p.Width = 37;
  p.Height = 21;
  p.Pixels.assign(37 * 21, 0x2060C0);
  const std::string jpeg = EncodeJpeg(EncodeBmp(p, 24));
  ASSERT_GT(jpeg.size(), 4u);
  // Start of frame 0: baseline; no progressive or extended frame.
  EXPECT_NE(jpeg.find("\xFF\xC0"), std::string::npos);
  EXPECT_EQ(jpeg.find("\xFF\xC2"), std::string::npos);

  jpeg_decompress_struct cinfo{};
  DecodeError error{};
  cinfo.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = [](j_common_ptr info) {
    std::longjmp(reinterpret_cast<DecodeError*>(info->err)->jump, 1);
  };
  if (setjmp(error.jump)) {
    jpeg_destroy_decompress(&cinfo);
    FAIL() << "the library refused our file";
  }
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(jpeg.data()), jpeg.size());
  ASSERT_EQ(jpeg_read_header(&cinfo, TRUE), JPEG_HEADER_OK);
  EXPECT_EQ(cinfo.image_width, 37u);
  EXPECT_EQ(cinfo.image_height, 21u);
  EXPECT_FALSE(cinfo.progressive_mode);
  EXPECT_FALSE(cinfo.arith_code);
  jpeg_start_decompress(&cinfo);
  std::vector<JSAMPLE> row(37 * 3);
  JSAMPROW rows[1] = {row.data()};
  jpeg_read_scanlines(&cinfo, rows, 1);
  EXPECT_NEAR(row[0], 0xC0, 4);  // red first
  EXPECT_NEAR(row[2], 0x20, 4);
  jpeg_abort_decompress(&cinfo);  // one row is enough
  jpeg_destroy_decompress(&cinfo);
  EXPECT_EQ(EncodeJpeg("BM"), "");
}

}  // namespace
}  // namespace quillpad
