#include "tray/task_bar.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/sim_fixture.h"
#include "ui/menu_item.h"

namespace quillpad {
namespace {

using platform::MouseButton;
using platform::sim::TrayOp;

class TaskBarTest : public testing::UiTest {
 protected:
  ui::Component owner;
};

TEST_F(TaskBarTest, IconAppearsOnLoadingAndGoesWithTheComponent) {
  auto* bar = new TTaskBar(&owner, desk);  // the owner destroys it
  bar->SetTips("Quillpad");
  EXPECT_FALSE(desk.TrayIconShown());
  bar->Loaded();
  EXPECT_TRUE(desk.TrayIconShown());
  EXPECT_EQ(desk.TrayTip(), "Quillpad");
  bar->SetEnableTaskTray(false);
  EXPECT_FALSE(desk.TrayIconShown());
  bar->SetEnableTaskTray(true);
  owner.DestroyComponents();
  EXPECT_FALSE(desk.TrayIconShown());
  EXPECT_EQ(desk.TrayLog().back().Op, TrayOp::Delete);
}

TEST_F(TaskBarTest, TipIsCutTo63BytesInTheIconRecord) {
  TTaskBar bar(nullptr, desk);
  bar.Loaded();
  const std::string longTip = "総メモ数=12 in " + std::string(30, 'x') + "カテゴリ０カテゴリ０";
  bar.SetTips(longTip);
  EXPECT_EQ(bar.Tips(), longTip);
  EXPECT_EQ(desk.TrayTip(), TrayRecordTip(longTip));
  EXPECT_LE(desk.TrayTip().size(), 63u);
  EXPECT_EQ(desk.TrayTip().substr(0, 14), "総メモ数=12 in");
  // 15 + 30 bytes leave 18 bytes: nine whole characters, never a lead byte alone.
  EXPECT_EQ(desk.TrayTip().size(), 63u);
  EXPECT_EQ(TrayRecordTip(std::string(62, 'a') + "あ"), std::string(62, 'a'));
  bar.SetTips(std::string(300, 'y'));
  EXPECT_EQ(bar.Tips().size(), 255u);
}

TEST_F(TaskBarTest, ClickFiresOnPressAndDoubleClickAfterIt) {
  TTaskBar bar(nullptr, desk);
  std::vector<std::string> events;
  bar.OnTrayClick = [&](MouseButton b) { events.push_back("click" + std::to_string(static_cast<int>(b))); };
  bar.OnTrayDblClick = [&](MouseButton b) { events.push_back("dbl" + std::to_string(static_cast<int>(b))); };
  bar.Loaded();
  for (unsigned m : {TmLeftDown, TmLeftUp, TmLeftDblClk, TmLeftUp, TmMiddleDown, TmRightDblClk}) desk.TrayMouse(m);
  EXPECT_EQ(events, (std::vector<std::string>{"click0", "dbl0", "click2", "dbl1"}));
}

TEST_F(TaskBarTest, RightMenuOpensOnReleaseAtTheCursor) {
  TTaskBar bar(nullptr, desk);
  ui::PopupMenu menu(nullptr);
  int clicks = 0;
  menu.Add("新規メモ作成(&N)")->OnClick = [&] { ++clicks; };
  bar.PopupMenuRight = &menu;
  bool pressed = false;
  bar.OnTrayClick = [&](MouseButton) { pressed = true; };
  bar.Loaded();
  desk.TrayMouse(TmRightDown, {900, 700});
  EXPECT_TRUE(desk.Popups().empty());
  desk.ExpectPopupChoice("新規メモ作成(&N)");
  desk.TrayMouse(TmRightUp, {900, 700});
  ASSERT_EQ(desk.Popups().size(), 1u);
  EXPECT_EQ(desk.Popups()[0].At, (platform::Point{900, 700}));
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(pressed);
  bar.PopupMenuRight = nullptr;
}

TEST_F(TaskBarTest, AFailingHandlerReachesTheErrorBoxAndTheTrayGoesOn) {
  TTaskBar bar(nullptr, desk);
  int calls = 0;
  bar.OnTrayClick = [&](MouseButton) {
    ++calls;
    throw std::runtime_error("失敗");
  };
  bar.Loaded();
  desk.ExpectErrorBox();
  desk.ExpectErrorBox();
  desk.TrayMouse(TmLeftDown);
  desk.TrayMouse(TmLeftDown);
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(desk.ErrorBoxes().size(), 2u);
}

}  // namespace
}  // namespace quillpad
