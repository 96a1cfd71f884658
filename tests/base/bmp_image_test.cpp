#include "base/bmp_image.h"

#include <gtest/gtest.h>

namespace quillpad {
namespace {

// A packed bitmap with a version 1 header, colours and masks as given, and zero pixels.
std::string Dib(int width, int height, int bits, std::uint32_t compression = 0, int colorsUsed = 0,
                std::string extra = {}) {
  std::string d;
  auto put32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) d.push_back(static_cast<char>(v >> (8 * i) & 0xFF));
  };
  put32(40);
  put32(static_cast<std::uint32_t>(width));
  put32(static_cast<std::uint32_t>(height));
  d += std::string("\x01\x00", 2);
  d.push_back(static_cast<char>(bits));
  d.push_back('\0');
  put32(compression);
  put32(0);
  put32(0);
  put32(0);
  put32(static_cast<std::uint32_t>(colorsUsed));
  put32(0);
  d += extra;
  const int colors = bits <= 8 ? (colorsUsed ? colorsUsed : 1 << bits) : 0;
  d += std::string(static_cast<std::size_t>(colors) * 4, '\0');
  const int stride = (width * bits + 31) / 32 * 4;
  d += std::string(
      static_cast<std::size_t>(stride) * static_cast<std::size_t>(height < 0 ? -height : height),
      '\0');
  return d;
}

std::string Masks(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  std::string m;
  for (std::uint32_t v : {r, g, b}) {
    for (int i = 0; i < 4; ++i) m.push_back(static_cast<char>(v >> (8 * i) & 0xFF));
  }
  return m;
}

TEST(BmpImage, SolidPictureReadsBackWithItsSizeAndDepth) {
  const std::string file = SolidBmpFile(3, 2, 0x0000FF);
  ASSERT_EQ(file.size(), 14u + 40u + 2u * 12u);  // rows of 9 bytes padded to 12
  const std::optional<BmpInfo> info = ReadBmpInfo(file);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->Width, 3);
  EXPECT_EQ(info->Height, 2);
  EXPECT_EQ(info->Format, PixelFormat::Bits24);
  EXPECT_EQ(info->PixelOffset, 54u);
  EXPECT_EQ(file.substr(54, 3), std::string("\x00\x00\xFF", 3));  // blue, green, red
}

TEST(BmpImage, PackedBitmapsGainAFileHeaderAndLoseItAgain) {
  for (const auto& [dib, format] : std::initializer_list<std::pair<std::string, PixelFormat>>{
           {Dib(5, 3, 1), PixelFormat::Bits1},
           {Dib(5, 3, 4), PixelFormat::Bits4},
           {Dib(5, -3, 8, 0, 16), PixelFormat::Bits8},
           {Dib(5, 3, 16), PixelFormat::Bits15},
           {Dib(5, 3, 16, 3, 0, Masks(0xF800, 0x07E0, 0x001F)), PixelFormat::Bits16},
           {Dib(5, 3, 16, 3, 0, Masks(0x7C00, 0x03E0, 0x001F)), PixelFormat::Bits15},
           {Dib(5, 3, 32), PixelFormat::Bits32}}) {
    const std::string file = BmpFileFromDib(dib);
    const std::optional<BmpInfo> info = ReadBmpInfo(file);
    ASSERT_TRUE(info) << dib.size();
    EXPECT_EQ(info->Format, format);
    EXPECT_EQ(DibOfBmpFile(file), dib);
    EXPECT_EQ(file.size() - info->PixelOffset,
              static_cast<std::size_t>((5 * info->BitCount + 31) / 32 * 4 * 3));
  }
  EXPECT_TRUE(ReadBmpInfo(BmpFileFromDib(Dib(5, -3, 8, 0, 16)))->TopDown);
}

TEST(BmpImage, AGapBeforeThePixelsIsLeftOutOfThePackedForm) {
  const std::string dib = Dib(2, 2, 24);
  std::string file = BmpFileFromDib(dib);
  file.insert(54, "gap!");
  file[10] = 58;  // the pixels now start four bytes later
  ASSERT_TRUE(ReadBmpInfo(file));
  EXPECT_EQ(DibOfBmpFile(file), dib);
}

TEST(BmpImage, HeadersThatClaimMoreThanTheBytesAreRefused) {
  const std::string dib = Dib(4, 4, 24);
  EXPECT_TRUE(BmpFileFromDib(dib.substr(0, dib.size() - 1)).empty());  // last row cut short
  EXPECT_TRUE(BmpFileFromDib(Dib(4, 4, 8, 0, 257)).empty());           // colour table too long
  EXPECT_TRUE(BmpFileFromDib(Dib(0, 4, 24)).empty());
  EXPECT_TRUE(BmpFileFromDib(Dib(40000, 1, 1)).empty());
  EXPECT_TRUE(BmpFileFromDib(Dib(4, 4, 24, 1)).empty());  // run-length coded
  EXPECT_TRUE(BmpFileFromDib(Dib(4, 4, 7)).empty());
  EXPECT_TRUE(BmpFileFromDib(dib.substr(0, 39)).empty());
  std::string file = SolidBmpFile(2, 2, 0);
  file[10] = 0x7F;  // pixels said to start past the end
  EXPECT_FALSE(ReadBmpInfo(file));
  file = SolidBmpFile(2, 2, 0);
  file[0] = 'X';
  EXPECT_FALSE(ReadBmpInfo(file));
  EXPECT_TRUE(DibOfBmpFile("BM").empty());
  // The largest side is accepted; the same header over too few bytes is not.
  const std::string widest = BmpFileFromDib(Dib(32768, 1, 1));
  EXPECT_FALSE(widest.empty());
  EXPECT_FALSE(ReadBmpInfo(widest.substr(0, widest.size() - 1)));
}

// Every depth written and read back: indexed depths keep their palette's colours exactly, 16
// bits keep five bits a channel.
TEST(BmpImage, EveryDepthWritesAndReadsBackItsPixels) {
  RgbPicture picture;
  picture.Width = 5;  // odd widths leave padding at the end of every row
  picture.Height = 3;
  const std::vector<std::uint32_t> palette{0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF0000,
                                           0x808080};
  for (int i = 0; i < 15; ++i) picture.Pixels.push_back(palette[(i * 7) % 6]);
  for (int bits : {1, 4, 8, 16, 24, 32}) {
    SCOPED_TRACE(bits);
    std::vector<std::uint32_t> used = palette;
    if (bits == 1) used.resize(2);
    const std::string file = EncodeBmp(picture, bits, bits <= 8 ? used : std::vector<std::uint32_t>{});
    const std::optional<BmpInfo> info = ReadBmpInfo(file);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->BitCount, bits);
    const std::optional<RgbPicture> back = DecodeBmp(file);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->Width, 5);
    ASSERT_EQ(back->Height, 3);
    for (std::size_t i = 0; i < picture.Pixels.size(); ++i) {
      std::uint32_t want = picture.Pixels[i];
      if (bits == 1) want = want == 0xFFFFFF || want == 0x808080 ? 0xFFFFFF : 0;  // nearest
      if (bits == 16 && want == 0x808080) want = 0x838383;  // 5 bits widened again
      EXPECT_EQ(back->Pixels[i], want) << i;
    }
  }
  EXPECT_EQ(EncodeBmp(picture, 8, {}), "");  // an indexed depth needs its palette
  EXPECT_EQ(EncodeBmp(picture, 12), "");
}

TEST(BmpImage, TopDownRowsBitFieldsAndShortPalettesDecode) {
  auto put32 = [](std::string& d, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) d[at + i] = static_cast<char>(v >> (8 * i) & 0xFF);
  };
  // 2 x 2 at 8 bits, top-down, two colours; index 7 lies past the table.
  std::string top = BmpFileFromDib(Dib(2, -2, 8, 0, 2));
  ASSERT_FALSE(top.empty());
  const std::size_t table = 14 + 40;
  put32(top, table, 0xFF0000);      // bytes blue, green, red: entry 0 red
  put32(top, table + 4, 0x00FF00);  // entry 1 green
  const std::size_t pixels = table + 8;
  top[pixels] = 1;       // first row of the file is the top row
  top[pixels + 4] = 7;
  const std::optional<RgbPicture> a = DecodeBmp(top);
  ASSERT_TRUE(a);
  EXPECT_EQ(a->At(0, 0), 0x00FF00u);
  EXPECT_EQ(a->At(1, 0), 0x0000FFu);
  EXPECT_EQ(a->At(0, 1), 0u);  // past the table: black
  // 5-6-5 bit fields, one pixel of pure green; 32 bits with the blue and red fields swapped.
  std::string green = BmpFileFromDib(Dib(1, 1, 16, 3, 0, Masks(0xF800, 0x07E0, 0x001F)));
  green[green.size() - 4] = static_cast<char>(0xE0), green[green.size() - 3] = 0x07;
  EXPECT_EQ(DecodeBmp(green)->At(0, 0), 0x00FF00u);
  std::string swapped = BmpFileFromDib(Dib(1, 1, 32, 3, 0, Masks(0xFF, 0xFF00, 0xFF0000)));
  put32(swapped, swapped.size() - 4, 0x000000FF);
  EXPECT_EQ(DecodeBmp(swapped)->At(0, 0), 0x0000FFu);  // the low byte is red here
  EXPECT_FALSE(DecodeBmp(top.substr(0, top.size() - 1)));
}

}  // namespace
}  // namespace quillpad
