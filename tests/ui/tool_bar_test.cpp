#include "ui/tool_bar.h"

#include "support/sim_fixture.h"
#include "ui/cool_bar.h"
#include "ui/form.h"
#include "ui/menu_item.h"

namespace quillpad::testing {
namespace {

using namespace ui;
using platform::Rect;

class ToolBarTest : public UiTest {
 protected:
  ToolBarTest() {
    form.SetBorderStyle(platform::BorderStyle::None);
    form.SetBounds(0, 0, 400, 300);
    cool = new CoolBar(&form, &form);
    main = new ToolBar(&form, cool);
    edit = new ToolBar(&form, cool);
    cool->AddBand(main);
    cool->AddBand(edit);
    next = new ToolButton(&form, main);
    next->SetHint("次のメモ|次のメモに移動");
    new ToolButton(&form, main, ToolButtonStyle::Separator);
    justify = new ToolButton(&form, main, ToolButtonStyle::DropDown);
    justify->SetHint("整列|メモ全体を整列");
    border = new ToolButton(&form, edit, ToolButtonStyle::Check);
    border->SetHint("メモの境界線|メモの境界線の表示・非表示切替え");
    app.OnHint = [this] { hints.push_back(app.Hint()); };
  }
  Form form{nullptr};
  CoolBar* cool;
  ToolBar* main;
  ToolBar* edit;
  ToolButton* next;
  ToolButton* justify;
  ToolButton* border;
  std::vector<std::string> hints;
};

TEST_F(ToolBarTest, ThePeerGetsButtonsWithTheShortHintAsToolTip) {
  const auto& buttons = Sim(*main).Buttons();
  ASSERT_EQ(buttons.size(), 3u);
  EXPECT_EQ(buttons[0].Hint, "次のメモ");
  EXPECT_TRUE(buttons[1].Separator);
  EXPECT_TRUE(buttons[2].DropDown);
  EXPECT_TRUE(Sim(*edit).Buttons()[0].Check);
  EXPECT_EQ(main->ButtonRect(2), (Rect{31, 0, 31 + 23 + 12, 22}));
}

TEST_F(ToolBarTest, HeldChangesReachThePeerWholeAtTheRelease) {
  edit->HoldUpdates(true);
  auto* added = new ToolButton(&form, edit);
  added->SetHint("追加|追加のボタン");
  border->SetDown(true);
  EXPECT_EQ(Sim(*edit).Buttons().size(), 1u);
  EXPECT_FALSE(Sim(*edit).Buttons()[0].Down);
  edit->HoldUpdates(false);
  const auto& buttons = Sim(*edit).Buttons();
  ASSERT_EQ(buttons.size(), 2u);
  EXPECT_TRUE(buttons[0].Down);
  EXPECT_EQ(buttons[1].Hint, "追加");
  // Released, each change goes through at once again.
  added->SetEnabled(false);
  EXPECT_FALSE(Sim(*edit).Buttons()[1].Enabled);
}

TEST_F(ToolBarTest, ClicksReachTheButtonAndCheckButtonsStayDown) {
  int nextClicks = 0;
  next->OnClick = [&] { ++nextClicks; };
  std::vector<bool> downs;
  border->OnClick = [&] { downs.push_back(border->Down()); };
  Sim(*main).UserClickButton(0);
  Sim(*edit).UserClickButton(0);
  Sim(*edit).UserClickButton(0);
  EXPECT_EQ(nextClicks, 1);
  EXPECT_EQ(downs, (std::vector<bool>{true, false}));
  border->SetDown(true);
  EXPECT_TRUE(Sim(*edit).Buttons()[0].Down);
  next->SetEnabled(false);
  failOnUnexpected = false;
  Sim(*main).UserClickButton(0);
  EXPECT_EQ(nextClicks, 1);
}

TEST_F(ToolBarTest, TheDropDownArrowShowsTheButtonMenuBelowIt) {
  auto* menu = new PopupMenu(&form);
  int fired = 0;
  menu->Add("右揃え")->OnClick = [&] { ++fired; };
  justify->DropdownMenu = menu;
  desk.ExpectPopupChoice("右揃え");
  Sim(*main).UserClickDropDown(2);
  EXPECT_EQ(fired, 1);
  ASSERT_EQ(desk.Popups().size(), 1u);
  EXPECT_EQ(desk.Popups()[0].At, main->ClientToScreen({31, 22}));
  // Without a command of its own the face opens the menu too; with one, the face runs it.
  desk.ExpectPopupChoice("右揃え");
  Sim(*main).UserClickButton(2);
  EXPECT_EQ(fired, 2);
  justify->OnClick = [&] { fired += 10; };
  Sim(*main).UserClickButton(2);
  EXPECT_EQ(fired, 12);
  EXPECT_EQ(desk.Popups().size(), 2u);
}

TEST_F(ToolBarTest, HoveringAButtonSendsItsLongHint) {
  main->SetHint("");
  Sim(*main).UserMouseMove({5, 5});
  Sim(*main).UserMouseMove({27, 5});  // the separator: the bar's own (empty) hint
  Sim(*main).UserMouseMove({40, 5});
  EXPECT_EQ(hints, (std::vector<std::string>{"次のメモに移動", "", "メモ全体を整列"}));
}

TEST_F(ToolBarTest, CoolBarBandsStackAndHideWithTheirToolBars) {
  EXPECT_EQ(cool->Height(), 2 * (24 + 4));
  EXPECT_EQ(main->BoundsRect(), (Rect{2, 2, 398, 26}));
  EXPECT_EQ(edit->BoundsRect(), (Rect{2, 30, 398, 54}));
  cool->SetBandVisible(0, false);
  EXPECT_FALSE(main->Visible());
  EXPECT_EQ(cool->Height(), 28);
  EXPECT_EQ(edit->Top(), 2);
  form.SetBounds(0, 0, 500, 300);
  EXPECT_EQ(edit->Width(), 496);
}

TEST_F(ToolBarTest, FlatIsMirrored) {
  main->SetFlat(true);
  EXPECT_TRUE(Sim(*main).Style().Flat);
  main->SetFlat(false);
  EXPECT_FALSE(Sim(*main).Style().Flat);
}

}  // namespace
}  // namespace quillpad::testing
