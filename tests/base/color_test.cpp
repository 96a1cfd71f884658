#include "base/color.h"

#include <gtest/gtest.h>

namespace quillpad {
namespace {

TEST(ColorTest, NamesBothWays) {
  EXPECT_EQ(ColorToName(0x0000FF), "clRed");
  EXPECT_EQ(ColorToName(0xF0CAA6), "clSkyBlue");
  EXPECT_EQ(ColorToName(kClBtnFace), "clBtnFace");
  EXPECT_EQ(ColorToName(static_cast<ColorValue>(0x8000001Eu)), "clMenuBar");
  EXPECT_EQ(ColorToName(static_cast<ColorValue>(0x80000019u)),
            std::nullopt);  // index 25 has no name
  EXPECT_EQ(ColorToName(kClNone), "clNone");
  EXPECT_EQ(ColorToName(0x123456), std::nullopt);
  EXPECT_EQ(NameToColor("clMoneyGreen"), 0xC0DCC0);
  EXPECT_EQ(NameToColor("cl3DLight"), static_cast<ColorValue>(0x80000016u));
  EXPECT_EQ(NameToColor("clwhite"), std::nullopt);  // object images spell names exactly
}

TEST(ColorTest, IniText) {
  EXPECT_EQ(ColorToText(kClYellow), "clYellow");
  EXPECT_EQ(ColorToText(0x00123456), "$00123456");
  EXPECT_EQ(ColorToText(static_cast<ColorValue>(0x80000019u)), "$80000019");
  EXPECT_EQ(TextToColor("clYellow"), kClYellow);
  EXPECT_EQ(TextToColor(" CLYELLOW "), kClYellow);
  EXPECT_EQ(TextToColor("$00123456"), 0x00123456);
  EXPECT_EQ(TextToColor("$80000019"), static_cast<ColorValue>(0x80000019u));
  EXPECT_EQ(TextToColor("65535"), kClYellow);
  EXPECT_EQ(TextToColor("-2147483633"), kClBtnFace);
  EXPECT_EQ(TextToColor("$123456789"), std::nullopt);
  EXPECT_EQ(TextToColor("$"), std::nullopt);
  EXPECT_EQ(TextToColor("$12G"), std::nullopt);
  EXPECT_EQ(TextToColor("clPink"), std::nullopt);
  EXPECT_EQ(TextToColor(""), std::nullopt);
  EXPECT_EQ(TextToColorDef("junk", kClWhite), kClWhite);
  for (ColorValue color : {kClBlack, kClWhite, kClBtnFace, 0x00ABCDEF, kClDefault}) {
    EXPECT_EQ(TextToColor(ColorToText(color)), color);
  }
}

TEST(ColorTest, Charsets) {
  EXPECT_EQ(CharsetToName(128), "SHIFTJIS_CHARSET");
  EXPECT_EQ(CharsetToName(255), "OEM_CHARSET");
  EXPECT_EQ(CharsetToName(3), std::nullopt);
  EXPECT_EQ(NameToCharset("EASTEUROPE_CHARSET"), 238);
  EXPECT_EQ(NameToCharset("BOGUS_CHARSET"), std::nullopt);
}

}  // namespace
}  // namespace quillpad
