#include "memo/memo_paint.h"

#include <gtest/gtest.h>

namespace quillpad {
namespace {

TEST(GradientStrips, StripsEveryFivePixelsTowardTheInverseFontColour) {
  // Background R 0x30, G 0x20, B 0x10; black font: the ranges are 207, 223 and 239.
  const std::vector<GradientStrip> strips = GradientStrips(0x00102030, 0x000000, 12);
  ASSERT_EQ(strips.size(), 3u);  // x = 0, 5, 10: the last reaches past the width
  EXPECT_EQ(strips[0].X, 0);
  EXPECT_EQ(strips[0].Color, 0x00102030);
  EXPECT_EQ(strips[1].X, 5);
  EXPECT_EQ(strips[1].Color, (115 << 16) | (124 << 8) | 134);  // 5*207/12+48 = 134, ...
  EXPECT_EQ(strips[2].X, 10);
  EXPECT_EQ(strips[2].Color, (215 << 16) | (217 << 8) | 220);
}

TEST(GradientStrips, NegativeRangesTruncateTowardZeroAndZeroRangesStayFlat) {
  // White on white: every range is -255; 5 * -255 / 10 is -127 (not -128), plus 255.
  const std::vector<GradientStrip> fading = GradientStrips(0xFFFFFF, 0xFFFFFF, 10);
  ASSERT_EQ(fading.size(), 2u);
  EXPECT_EQ(fading[1].Color, 0x808080);
  // Black background, white font: all ranges are 0 and the memo stays black.
  for (const GradientStrip& strip : GradientStrips(0x000000, 0xFFFFFF, 23))
    EXPECT_EQ(strip.Color, 0);
  // A system colour gives its three low bytes.
  EXPECT_EQ(GradientStrips(static_cast<ColorValue>(0x8000000Fu), 0xFFFFFF, 5)[0].Color, 0x00000F);
  EXPECT_TRUE(GradientStrips(0x123456, 0, 0).empty());
}

TEST(VisiblePart, AsManyCharactersAsPixelsAndNeverHalfOfOne) {
  EXPECT_EQ(VisiblePart("abcdef", 4), "abcd");
  EXPECT_EQ(VisiblePart("abc", 10), "abc");
  EXPECT_EQ(VisiblePart("メモ帳", 2), "メモ");
  EXPECT_EQ(VisiblePart("aメb", 2), "aメ");
  // A lead byte that ends the line stands alone.
  EXPECT_EQ(VisiblePart("a\x83", 5), "a\x83");
  EXPECT_EQ(VisiblePart("abc", 0), "");
  EXPECT_EQ(VisiblePart("abc", -3), "");
}

TEST(LooksLikeAddress, SchemesOrAtSignAndDotAsWholeCharacters) {
  EXPECT_TRUE(LooksLikeAddress("  http://example.jp  "));
  EXPECT_TRUE(LooksLikeAddress("me@example.jp"));
  EXPECT_FALSE(LooksLikeAddress("example.jp"));
  // The second byte of ァ is an at sign; it is no at sign of the text.
  EXPECT_FALSE(LooksLikeAddress("ァ."));
}

}  // namespace
}  // namespace quillpad
