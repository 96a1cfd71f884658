#include "memo/templates/style_template.h"

#include <gtest/gtest.h>

#include "base/comma_list.h"

namespace quillpad {
namespace {

MemoStyle Style(const std::string& fontName, int height, bool border, MemoKind kind) {
  MemoStyle style;
  style.Font.Name = fontName;
  style.Font.Height = height;
  style.Border = border;
  style.Kind = kind;
  return style;
}

TEST(StyleTemplateTest, DescriptionNamesFontSizeBorderAndMode) {
  EXPECT_EQ(TemplateDescription(Style("ＭＳ Ｐゴシック", -12, true, MemoKind::mkGradation), 96),
            "ＭＳ Ｐゴシック,9ポイント,ボーダーあり,グラデーション表示");
  EXPECT_EQ(TemplateDescription(Style("Arial", -16, false, MemoKind::mkNormal), 96), "Arial,12ポイント");
  EXPECT_EQ(TemplateDescription(Style("Arial", -13, false, MemoKind::mkMarquee), 96),
            "Arial,10ポイント,マーキー表示");  // 9.75 points round up
  EXPECT_EQ(TemplateDescription(Style("Arial", -20, true, MemoKind::mkWallpaper), 120),
            "Arial,12ポイント,ボーダーあり,透明表示");
}

TEST(StyleTemplateTest, ItemHeightReadsTheThirdCommaListField) {
  // The blank in the font name makes the size the third field, which is no plain number.
  const std::string common = TemplateDescription(Style("ＭＳ Ｐゴシック", -12, true, MemoKind::mkNormal), 96);
  ASSERT_EQ(SplitCommaList(common).size(), 4u);
  EXPECT_EQ(TemplateItemHeight(common, 96), 23);
  EXPECT_EQ(TemplateItemHeight("Arial,9ポイント", 96), 23);   // two fields only
  EXPECT_EQ(TemplateItemHeight("a b,24", 96), 42);          // 24 * 96 / 72 + 10
  EXPECT_EQ(TemplateItemHeight("a b,10", 120), 26);         // 16.7 truncated
  EXPECT_EQ(TemplateItemHeight("a b,$1F", 96), 23);         // not decimal
  EXPECT_EQ(TemplateItemHeight("a b,99999", 96), 255);  // a row of the list at most
  EXPECT_EQ(TemplateItemHeight("a b,-500", 96), 1);
}

}  // namespace
}  // namespace quillpad
