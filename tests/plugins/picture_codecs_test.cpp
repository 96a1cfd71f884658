#include "plugins/codecs/picture_codecs.h"

#include <gif_lib.h>
#include <gtest/gtest.h>
#include <png.h>

#include <cstring>
#include <vector>

#include "base/bmp_image.h"
#include "memo/jpeg_writer.h"

namespace quillpad {
namespace {

constexpr std::uint32_t kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kWhite = 0xFFFFFF;

// Four blocks: red top left, green top right, blue bottom left, white bottom right.
std::uint32_t Block(int x, int y, int w, int h) {
  if (y < h / 2) return x < w / 2 ? kRed : kGreen;
  return x < w / 2 ? kBlue : kWhite;
}

void Append(png_structp png, png_bytep data, png_size_t n) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<char*>(data), n);
}

// RGBA rows; rows beyond `written` are left out (a file cut short after its header).
std::string Png(int w, int h, bool interlaced, const std::vector<std::uint32_t>& rgba,
                int written = -1) {
  std::string out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &out, Append, nullptr);
  png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGB_ALPHA,
               interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  if (written < 0) {
    std::vector<png_bytep> rows;
    for (int y = 0; y < h; ++y)
      rows.push_back(reinterpret_cast<png_bytep>(const_cast<std::uint32_t*>(&rgba[y * w])));
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
  }
  png_destroy_write_struct(&png, &info);
  return out;
}

int AppendGif(GifFileType* gif, const GifByteType* data, int n) {
  static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(data), n);
  return n;
}

// A 4-colour picture of frame size on a larger screen, the 4th colour see-through.
std::string Gif(int screenW, int screenH, int left, int top, int w, int h, bool interlaced) {
  std::string out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, AppendGif, &error);
  GifColorType colours[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {9, 9, 9}};
  ColorMapObject* map = GifMakeMapObject(4, colours);
  EGifSetGifVersion(gif, true);
  EGifPutScreenDesc(gif, screenW, screenH, 2, 0, map);
  GraphicsControlBlock control{0, false, 0, 3};
  GifByteType ext[4];
  const std::size_t n = EGifGCBToExtension(&control, ext);
  EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(n), ext);
  EGifPutImageDesc(gif, left, top, w, h, interlaced, nullptr);
  // Rows go out in the order the file keeps them.
  std::vector<int> order;
  const int starts[4] = {0, 4, 2, 1}, steps[4] = {8, 8, 4, 2};
  for (int p = 0; p < (interlaced ? 4 : 1); ++p)
    for (int y = interlaced ? starts[p] : 0; y < h; y += interlaced ? steps[p] : 1)
      order.push_back(y);
  for (int y : order) {
    std::vector<GifPixelType> line(w);
    for (int x = 0; x < w; ++x) line[x] = y < h / 2 ? (x < w / 2 ? 0 : 1) : (x < w / 2 ? 2 : 3);
    EGifPutLine(gif, line.data(), w);
  }
  EGifCloseFile(gif, &error);
  GifFreeMapObject(map);
  return out;
}

RgbPicture Pixels(const std::optional<DecodedPicture>& decoded) {
  EXPECT_TRUE(decoded);
  if (!decoded) return {};
  std::optional<RgbPicture> picture = DecodeBmp(decoded->Bmp);
  EXPECT_TRUE(picture);
  return picture ? *picture : RgbPicture{};
}

TEST(PictureCodecs, PngBlocksComeOutRightAndSeeThroughShowsWhite) {
  const int w = 10, h = 6;
  for (bool interlaced : {false, true}) {
    std::vector<std::uint32_t> rgba;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) rgba.push_back(Block(x, y, w, h) | 0xFF000000u);
    rgba[0] = 0x000000FF;  // red, wholly see-through
    rgba[1] = 0x800000FF;  // red, half
    const std::string file = Png(w, h, interlaced, rgba);
    ASSERT_TRUE(kPngCodec.Sniff(file));
    const RgbPicture picture = Pixels(kPngCodec.Decode(file, false, kMaxPicturePixels));
    ASSERT_EQ(picture.Width, w);
    ASSERT_EQ(picture.Height, h);
    EXPECT_EQ(picture.At(0, 0), kWhite) << interlaced;
    EXPECT_EQ(picture.At(1, 0), 0x7F7FFFu) << interlaced;
    for (int y = 0; y < h; ++y)
      for (int x = (y == 0 ? 2 : 0); x < w; ++x)
        ASSERT_EQ(picture.At(x, y), Block(x, y, w, h)) << x << "," << y << " " << interlaced;
  }
}

TEST(PictureCodecs, GifFirstPictureSitsOnItsScreenAtEightBits) {
  for (bool interlaced : {false, true}) {
    const std::string file = Gif(12, 20, 2, 3, 8, 16, interlaced);
    ASSERT_TRUE(kGifCodec.Sniff(file));
    const std::optional<DecodedPicture> decoded = kGifCodec.Decode(file, false, kMaxPicturePixels);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(ReadBmpInfo(decoded->Bmp)->BitCount, 8);
    const RgbPicture picture = Pixels(decoded);
    ASSERT_EQ(picture.Width, 12);
    ASSERT_EQ(picture.Height, 20);
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 12; ++x) {
        const bool inside = x >= 2 && x < 10 && y >= 3 && y < 19;
        ASSERT_EQ(picture.At(x, y), inside ? Block(x - 2, y - 3, 8, 16) : kWhite)
            << x << "," << y << " " << interlaced;
      }
    }
  }
}

TEST(PictureCodecs, JpegBlocksComeOutNearTheirColours) {
  RgbPicture blocks{32, 16, {}};
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 32; ++x) blocks.Pixels.push_back(Block(x, y, 32, 16));
  const std::string file = EncodeJpeg(EncodeBmp(blocks, 24));
  ASSERT_TRUE(kJpegCodec.Sniff(file));
  const RgbPicture picture = Pixels(kJpegCodec.Decode(file, false, kMaxPicturePixels));
  ASSERT_EQ(picture.Width, 32);
  ASSERT_EQ(picture.Height, 16);
  for (const auto& [x, y] :
       {std::pair{3, 3}, std::pair{28, 3}, std::pair{3, 12}, std::pair{28, 12}}) {
    const std::uint32_t got = picture.At(x, y), want = Block(x, y, 32, 16);
    for (int shift = 0; shift < 24; shift += 8)
      EXPECT_NEAR(static_cast<int>(got >> shift & 0xFF), static_cast<int>(want >> shift & 0xFF), 24)
          << x << "," << y;
  }
}

// Files that claim 60000 x 60000 are refused from their headers, before any pixel memory.
TEST(PictureCodecs, HugeClaimsAndDamageAreRefused) {
  const std::string png = Png(60000, 60000, false, {}, 0);
  EXPECT_FALSE(kPngCodec.Decode(png, true, kMaxPicturePixels));
  EXPECT_FALSE(kPngCodec.Decode(png, false, kMaxPicturePixels));

  std::string gif = Gif(4, 4, 0, 0, 4, 4, false);
  gif[6] = gif[8] = '\x60', gif[7] = gif[9] = '\xEA';  // the screen: 60000 x 60000
  EXPECT_FALSE(kGifCodec.Decode(gif, true, kMaxPicturePixels));

  RgbPicture small{8, 8, std::vector<std::uint32_t>(64, kRed)};
  std::string jpeg = EncodeJpeg(EncodeBmp(small, 24));
  const std::size_t sof = jpeg.find("\xFF\xC0");
  ASSERT_NE(sof, std::string::npos);
  jpeg[sof + 5] = jpeg[sof + 7] = '\xEA', jpeg[sof + 6] = jpeg[sof + 8] = '\x60';
  EXPECT_FALSE(kJpegCodec.Decode(jpeg, true, kMaxPicturePixels));

  // Cut short: every codec says no rather than giving half a picture or failing loudly.
  std::vector<std::uint32_t> rgba(64, 0xFF0000FFu);
  const std::string whole = Png(8, 8, false, rgba);
  EXPECT_TRUE(kPngCodec.Decode(whole, false, kMaxPicturePixels));
  EXPECT_FALSE(kPngCodec.Decode(whole.substr(0, whole.size() - 20), false, kMaxPicturePixels));
  const std::string wholeGif = Gif(4, 4, 0, 0, 4, 4, false);
  EXPECT_FALSE(kGifCodec.Decode(wholeGif.substr(0, wholeGif.size() - 6), false, kMaxPicturePixels));
  EXPECT_FALSE(kPngCodec.Decode("\x89PNG", false, kMaxPicturePixels));
  EXPECT_FALSE(kJpegCodec.Decode("\xFF\xD8\xFF", false, kMaxPicturePixels));
}

}  // namespace
}  // namespace quillpad
