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
  const MemoRecord record = TemplateRecord(Style("Arial", -16, false, MemoKind::mkMarquee), 96);
  EXPECT_EQ(record.BorderStyle, MemoBorder::None);
  EXPECT_EQ(record.Kind, MemoKind::mkMarquee);
  EXPECT_EQ(record.Text, "Arial,12ポイント,マーキー表示");
  EXPECT_EQ(TemplateRecord(Style("Arial", -16, true, MemoKind::mkNormal), 96).BorderStyle,
            MemoBorder::SizeToolWin);
}

TEST(StyleTemplateTest, ItemHeightReadsTheThirdCommaListField) {
  // The blank in the font name makes the size the third field, which is no plain number.
  const std::string common = TemplateDescription(Style("ＭＳ Ｐゴシック", -12, true, MemoKind::mkNormal), 96);
  ASSERT_EQ(SplitCommaList(common).size(), 4u);
  EXPECT_EQ(TemplateItemHeight(common, 96), 23);
  EXPECT_EQ(TemplateItemHeight("Arial,9ポイント", 96), 23);   // two fields only
  EXPECT_EQ(TemplateItemHeight("", 96), 23);
  EXPECT_EQ(TemplateItemHeight("a b,24", 96), 42);          // 24 * 96 / 72 + 10
  EXPECT_EQ(TemplateItemHeight("a b,10", 120), 26);         // 16.7 truncated
  EXPECT_EQ(TemplateItemHeight("a b,$1F", 96), 23);         // not decimal
  EXPECT_EQ(TemplateItemHeight("a b,99999", 96), 255);  // a row of the list at most
  EXPECT_EQ(TemplateItemHeight("a b,-500", 96), 1);
}

TEST(StyleTemplateTest, MovingAndDeletingRows) {
  std::vector<int> rows{1, 2, 3, 4};
  EXPECT_TRUE(MoveListItem(rows, 0, 3));
  EXPECT_EQ(rows, (std::vector<int>{2, 3, 4, 1}));
  EXPECT_TRUE(MoveListItem(rows, 2, 0));
  EXPECT_EQ(rows, (std::vector<int>{4, 2, 3, 1}));
  EXPECT_FALSE(MoveListItem(rows, 1, 4));
  EXPECT_FALSE(MoveListItem(rows, -1, 0));
  EXPECT_EQ(rows, (std::vector<int>{4, 2, 3, 1}));
  EXPECT_EQ(SelectionAfterDelete(1, 3), 1);
  EXPECT_EQ(SelectionAfterDelete(3, 3), 2);
  EXPECT_EQ(SelectionAfterDelete(0, 0), -1);
}

}  // namespace
}  // namespace quillpad
