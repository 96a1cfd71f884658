#include "base/color.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// Names are looked up through a hashed index: every named value must come back by its name, and
// names one letter off must not.
TEST(ColorTest, EveryNameFindsItsValue) {
  std::vector<ColorValue> colors;
  for (std::uint32_t index = 0; index < 40; ++index)
    colors.push_back(static_cast<ColorValue>(0x80000000u + index));
  for (ColorValue c :
       {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,  0x808000, 0x808080,
        0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF,  0xFFFF00, 0xFFFFFF,
        0xC0DCC0, 0xF0CAA6, 0xF0FBFF, 0xA4A0A0, kClNone,  kClDefault})
    colors.push_back(c);
  int named = 0;
  for (ColorValue color : colors) {
    const auto name = ColorToName(color);
    if (!name) continue;
    ++named;
    EXPECT_EQ(NameToColor(*name), color) << *name;
    std::string other(*name);
    other.back() = static_cast<char>(other.back() ^ 1);
    EXPECT_EQ(NameToColor(other), std::nullopt) << other;
    EXPECT_EQ(NameToColor(other.substr(0, other.size() - 1)), std::nullopt) << other;
  }
  EXPECT_EQ(named, 52);  // the whole table
  int charsets = 0;
  for (int charset = 0; charset < 256; ++charset) {
    const auto name = CharsetToName(charset);
    if (!name) continue;
    ++charsets;
    EXPECT_EQ(NameToCharset(*name), charset) << *name;
    EXPECT_EQ(NameToCharset(std::string(*name) + "_"), std::nullopt) << *name;
  }
  EXPECT_EQ(charsets, 19);  // the whole table
  EXPECT_EQ(NameToColor(""), std::nullopt);
  EXPECT_EQ(NameToColor("cl"), std::nullopt);
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
