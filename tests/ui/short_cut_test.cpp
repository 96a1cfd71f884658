#include "ui/short_cut.h"

#include <gtest/gtest.h>

#include "platform/window.h"

namespace quillpad::ui {
namespace {

TEST(ShortCutTest, ValuesAddModifierBitsToTheKey) {
  EXPECT_EQ(MakeShortCut('N', platform::SsCtrl), 16384 + 'N');
  EXPECT_EQ(MakeShortCut(VkTab, platform::SsCtrl | platform::SsShift), 16384 + 8192 + 9);
  EXPECT_EQ(MakeShortCut(VkF1 + 11, 0), 0x7B);
  EXPECT_EQ(MakeShortCut(VkDelete, platform::SsAlt), 32768 + 0x2E);
}

TEST(ShortCutTest, TextsPutModifiersInTheirFixedOrder) {
  EXPECT_EQ(ShortCutToText(ScCtrl | 'N'), "Ctrl+N");
  EXPECT_EQ(ShortCutToText(ScShift | ScCtrl | VkTab), "Shift+Ctrl+Tab");
  EXPECT_EQ(ShortCutToText(ScShift | ScCtrl | (VkF1 + 4)), "Shift+Ctrl+F5");
  EXPECT_EQ(ShortCutToText(ScAlt | VkDelete), "Alt+Del");
  EXPECT_EQ(ShortCutToText(VkF1 + 1), "F2");
  EXPECT_EQ(ShortCutToText(ScCtrl | (VkNumpad0 + 7)), "Ctrl+7");
  EXPECT_EQ(ShortCutToText(VkF24), "F24");
  EXPECT_EQ(ShortCutToText(0), "");
  EXPECT_EQ(ShortCutToText(ScCtrl | 0xFF), "");  // a key without a name
}

TEST(ShortCutTest, ReadingAcceptsAnyOrderCaretAndCase) {
  EXPECT_EQ(TextToShortCut("Ctrl+Shift+Tab"), ScShift | ScCtrl | VkTab);
  EXPECT_EQ(TextToShortCut("shift+ctrl+tab"), ScShift | ScCtrl | VkTab);
  EXPECT_EQ(TextToShortCut("^N"), ScCtrl | 'N');
  EXPECT_EQ(TextToShortCut("f12"), VkF1 + 11);
  EXPECT_EQ(TextToShortCut("Ctrl+7"), ScCtrl | '7');
  EXPECT_EQ(TextToShortCut("Alt+PgDn"), ScAlt | VkNext);
  EXPECT_EQ(TextToShortCut("Ctrl+"), 0);
  EXPECT_EQ(TextToShortCut("Ctrl+Banana"), 0);
  EXPECT_EQ(TextToShortCut(""), 0);
  for (ShortCut value : {ScCtrl | 'A', ScShift | VkF1, ScAlt | ScCtrl | VkHome, int{VkEscape}}) {
    EXPECT_EQ(TextToShortCut(ShortCutToText(value)), value) << ShortCutToText(value);
  }
}

}  // namespace
}  // namespace quillpad::ui
