#include "support/sim_fixture.h"
#include "ui/edit_controls.h"
#include "ui/form.h"
#include "ui/menu_item.h"

namespace quillpad::testing {
namespace {

using namespace ui;

class MenuTest : public UiTest {
 protected:
  MenuTest() {
    menu = new MainMenu(&form);
    file = menu->Add("ファイル(&F)", "File1", VkF1 + 1);
    newMemo = file->Add("新規メモ作成(&N)", "NewMemo", ScCtrl | 'N');
    file->AddSeparator();
    exitItem = file->Add("終了(&X)", "ExitApplication");
    MenuItem* tools = menu->Add("ツール(&T)", "Tools1");
    MenuItem* style = tools->Add("メモのスタイル設定(&H)", "MemoStyle1");
    for (const char* name : {"BgNormal", "BgGradation", "BgErase"}) {
      MenuItem* item = style->Add(name, name);
      item->SetRadioItem(true);
      item->SetGroupIndex(1);
      radios.push_back(item);
    }
    other = style->Add("Other", "Other");
    other->SetRadioItem(true);  // group 0: not part of the background choice
    form.SetMenu(menu);
    newMemo->OnClick = [this] { clicks.push_back("new"); };
    exitItem->OnClick = [this] { clicks.push_back("exit"); };
  }
  Form form{nullptr};
  MainMenu* menu;
  MenuItem* file;
  MenuItem* newMemo;
  MenuItem* exitItem;
  MenuItem* other;
  std::vector<MenuItem*> radios;
  std::vector<std::string> clicks;
};

TEST_F(MenuTest, ItemsAreComponentsOfTheFormAndFoundByNameOrPath) {
  EXPECT_EQ(form.FindComponent("newmemo"), newMemo);
  EXPECT_EQ(form.Find<MenuItem>("BgErase"), radios[2]);
  EXPECT_EQ(menu->FindByPath("ファイル(&F) > 終了(&X)"), exitItem);
  EXPECT_EQ(menu->FindByPath("ファイル(F) > 終了(X)"), exitItem);
  EXPECT_EQ(menu->FindByPath("ファイル > 終了"), exitItem);  // without the accelerator group
  EXPECT_EQ(menu->FindByPath("ファイル > 終"), nullptr);
  EXPECT_EQ(menu->FindByPath("終了"), nullptr);  // paths start at the top
  EXPECT_EQ(newMemo->Parent(), file);
  EXPECT_EQ(exitItem->MenuIndex(), 2);
  EXPECT_TRUE(file->Items(1)->IsSeparator());
}

TEST_F(MenuTest, MarkingARadioItemClearsItsGroupOnly) {
  other->SetChecked(true);
  radios[0]->SetChecked(true);
  radios[1]->SetChecked(true);
  EXPECT_FALSE(radios[0]->Checked());
  EXPECT_TRUE(radios[1]->Checked());
  EXPECT_TRUE(other->Checked());
  radios[2]->SetChecked(true);
  EXPECT_FALSE(radios[1]->Checked());
  radios[2]->SetChecked(false);  // none marked is allowed
  EXPECT_FALSE(radios[0]->Checked() || radios[1]->Checked() || radios[2]->Checked());
}

TEST_F(MenuTest, ThePeerShowsTheTreeWithShortcutTexts) {
  radios[1]->SetChecked(true);
  const auto* bar = Sim(form).MenuBar();
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->size(), 2u);
  EXPECT_EQ((*bar)[0].ShortCutText, "F2");
  EXPECT_EQ((*bar)[0].Children[0].ShortCutText, "Ctrl+N");
  EXPECT_TRUE((*bar)[1].Children[0].Children[1].Checked);
  EXPECT_TRUE((*bar)[1].Children[0].Children[1].RadioItem);
  delete radios[1];
  radios.erase(radios.begin() + 1);
  EXPECT_EQ(Sim(form).MenuBar()->at(1).Children[0].Children.size(), 3u);
  EXPECT_EQ(form.FindComponent("BgGradation"), nullptr);
}

TEST_F(MenuTest, ChoosingFromTheMenuBarClicksTheItem) {
  Sim(form).UserChooseMenu("ファイル(&F) > 新規メモ作成(&N)");
  EXPECT_EQ(clicks, (std::vector<std::string>{"new"}));
}

TEST_F(MenuTest, KeysReachTheItemWithThatShortcut) {
  auto* edit = new RichEdit(&form, &form);
  EXPECT_TRUE(Sim(*edit).UserKey('N', platform::SsCtrl));
  EXPECT_FALSE(Sim(*edit).UserKey('N', 0));
  newMemo->SetEnabled(false);
  EXPECT_FALSE(Sim(*edit).UserKey('N', platform::SsCtrl));
  EXPECT_EQ(clicks, (std::vector<std::string>{"new"}));
  // A handler that eats the key keeps it from the menu.
  newMemo->SetEnabled(true);
  edit->OnKeyDown = [](int& key, unsigned) { key = 0; };
  EXPECT_TRUE(Sim(*edit).UserKey('N', platform::SsCtrl));
  EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(MenuTest, PopupMenusClickTheScriptedChoice) {
  auto* popup = new PopupMenu(&form);
  MenuItem* sub = popup->Add("整列...");
  MenuItem* right = sub->Add("右揃え", "RightJustify");
  int fired = 0;
  right->OnClick = [&] { ++fired; };
  bool popped = false;
  popup->OnPopup = [&] { popped = true; };
  form.SetPopupMenu(popup);
  desk.ExpectPopupChoice("整列... > 右揃え");
  Sim(form).UserContextMenu({100, 100});
  EXPECT_TRUE(popped);
  EXPECT_EQ(fired, 1);
  EXPECT_EQ(popup->PopupComponent, &form);
  ASSERT_EQ(desk.Popups().size(), 1u);
  EXPECT_EQ(desk.Popups()[0].At, (platform::Point{100, 100}));
}

TEST_F(MenuTest, ClearingAnItemDestroysItsChildren) {
  file->Clear();
  EXPECT_EQ(file->Count(), 0);
  EXPECT_EQ(form.FindComponent("NewMemo"), nullptr);
  EXPECT_EQ(menu->Items().FindByShortCut(ScCtrl | 'N'), nullptr);
}

}  // namespace
}  // namespace quillpad::testing
