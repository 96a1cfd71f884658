// User shortcut keys: the key list files at start, and the two assignment dialogs.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/main_form_fixture.h"
#include "keys/set_key_dlg.h"
#include "keys/set_key_on_memo_dlg.h"
#include "memo/memo_form.h"

namespace quillpad {
namespace {

using testing::MainFormTest;

class KeyAssignTest : public MainFormTest {
 protected:
  std::string KeyFile(const char* name = "KeyList.ini") {
    return testing::ReadHostFile(ProgramFolder() / name);
  }
  template <class T>
  static T& Dialog(platform::sim::SimWindow& w) {
    return dynamic_cast<T&>(*ui::Control::FromEvents(w.Events()));
  }
  static int IndexOf(const ui::ListBox& list, const std::string& prefix) {
    const auto& items = list.Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
    }
    return -1;
  }
};

TEST_F(KeyAssignTest, KeyListAtStartSetsKeysAndIgnoresWhatItCannotUse) {
  testing::WriteHostFile(ProgramFolder() / "KeyList.ini",
                         "[Key]\r\nSetOption=^q\r\nFile1=\r\nNoSuchItem=Ctrl+W\r\n"
                         "NewMemo1=alt+shift+f7\r\nSetColor=Ctrl+Banana\r\n");
  TMainForm& f = Start();
  EXPECT_EQ(f.Item("SetOption")->GetShortCut(), ui::ScCtrl | 'Q');
  EXPECT_EQ(f.Item("File1")->GetShortCut(), 0);
  EXPECT_EQ(f.Item("SetColor")->GetShortCut(), 0);
  // Pop-up menu items are reached by name too.
  EXPECT_EQ(f.Item("NewMemo1")->GetShortCut(), ui::ScShift | ui::ScAlt | (ui::VkF1 + 6));
  EXPECT_EQ(f.Item("SetFont")->GetShortCut(), ui::ScCtrl | 'F');
}

TEST_F(KeyAssignTest, DamagedKeyListLeavesTheBuiltInKeys) {
  std::string junk(5000, '\0');
  for (std::size_t i = 0; i < junk.size(); ++i) junk[i] = static_cast<char>(i * 131 % 251);
  testing::WriteHostFile(ProgramFolder() / "KeyList.ini", "[Key]\r\nSetFont\r\n=Ctrl+Q\r\n" + junk);
  TMainForm& f = Start();
  EXPECT_EQ(f.Item("SetFont")->GetShortCut(), ui::ScCtrl | 'F');
  EXPECT_EQ(f.Item("File1")->GetShortCut(), ui::VkF1 + 1);
}

TEST_F(KeyAssignTest, MainMenuDialogAppliesResetsAndDeletes) {
  TMainForm& f = Start();
  desk.SetModalScript("ショートカットの割り当て", [&](platform::sim::SimWindow& w) {
    auto& d = Dialog<TSetKeyDlg>(w);
    EXPECT_EQ(d.Width(), 550);
    EXPECT_EQ(d.Left(), (1024 - 550) / 2);
    EXPECT_EQ(d.lbTopMenu->Items().front(), "ファイル(&F)");
    // The top-level item with a key stands for everything under it.
    EXPECT_GE(IndexOf(*d.lbRegistered, "F2 = ファイル(&F):File1"), 0);
    EXPECT_LT(IndexOf(*d.lbRegistered, "Ctrl+O = "), 0);
    Sim(*d.lbTopMenu).UserClickItem(IndexOf(*d.lbTopMenu, "設定(&O)"));
    const int option = IndexOf(*d.lbMenu, "カレンダーの設定(&A)");
    ASSERT_GE(option, 0);
    EXPECT_EQ(d.lbMenu->Items()[static_cast<std::size_t>(option)], "カレンダーの設定(&A)       ");
    EXPECT_GE(IndexOf(*d.lbMenu, "キー割り当て(&K)... - メインメニュー(&N)"), 0);
    Sim(*d.lbMenu).UserClickItem(option);
    EXPECT_EQ(d.edCurrentKey->Text(), "なし");
    // Typed text is written as it stands; the hot-key field writes its own order.
    Sim(*d.edNewKey).UserType("Ctrl+Shift+K");
    Sim(*d.ApplyBtn).UserClick();
    EXPECT_TRUE(Holds(KeyFile(), "CalendarOption=Ctrl+Shift+K"));
    EXPECT_EQ(f.Item("CalendarOption")->GetShortCut(), ui::ScShift | ui::ScCtrl | 'K');
    EXPECT_EQ(d.lbMenu->Items()[static_cast<std::size_t>(option)],
              "カレンダーの設定(&A)       Shift+Ctrl+K");
    d.edNewKey->Clear();
    Sim(*d.hkNewKey).UserKey('J');  // no modifier: Ctrl comes with it
    EXPECT_EQ(d.hkNewKey->Text(), "Ctrl+J");
    Sim(*d.hkNewKey).UserKey('K', platform::SsCtrl | platform::SsShift);
    Sim(*d.ApplyBtn).UserClick();
    EXPECT_TRUE(Holds(KeyFile(), "CalendarOption=Shift+Ctrl+K"));
    EXPECT_GE(IndexOf(*d.lbRegistered, "Shift+Ctrl+K = カレンダーの設定(&A):CalendarOption"), 0);
    Sim(*d.DefaultBtn).UserClick();
    EXPECT_EQ(d.edCurrentKey->Text(), "次回立ち上げ時変更");
    EXPECT_EQ(KeyFile().find("CalendarOption"), std::string::npos);
    EXPECT_EQ(f.Item("CalendarOption")->GetShortCut(), ui::ScShift | ui::ScCtrl | 'K');
    // The delete button follows the registered list's selection at each idle turn.
    desk.RunIdle();
    EXPECT_FALSE(d.DeleteKeyBtn->Enabled());
    Sim(*d.lbRegistered)
        .UserClickItem(IndexOf(*d.lbRegistered, "F5 = デフォルトサイズ(&D):SetDefaultSize"));
    desk.RunIdle();
    ASSERT_TRUE(d.DeleteKeyBtn->Enabled());
    Sim(*d.DeleteKeyBtn).UserClick();
    EXPECT_TRUE(Holds(KeyFile(), "SetDefaultSize="));
    EXPECT_EQ(f.Item("SetDefaultSize")->GetShortCut(), 0);
    Sim(*d.OKBtn).UserClick();
  });
  f.SetShortCutKeyClick(nullptr);
  EXPECT_TRUE(f.Visible());  // a new memo shows the main window first
  // The main window's own idle handler is back.
  EXPECT_NO_FATAL_FAILURE(desk.RunIdle());
  Stop();
  Start();
  EXPECT_EQ(form->Item("CalendarOption")->GetShortCut(), 0);
  EXPECT_EQ(form->Item("SetDefaultSize")->GetShortCut(), 0);
}

TEST_F(KeyAssignTest, MemoMenuDialogSavesOnlyAfterAChangeAndOldMemosKeepTheirKeys) {
  WriteMemoData("MemoData.dat", {Memo("a", 100, 50), Memo("b", 100, 300)});
  const std::string stored = testing::ReadHostFile(ProgramFolder() / "MemoData.dat");
  TMainForm& f = Start();
  TMemoForm& old = *f.MemoList[0];
  old.SetBounds(140, 60, old.Width(), old.Height());
  old.Item("MemoEdit");
  desk.SetModalScript(
      "ショートカットの割り当て（メモ上右クリックメニュー）",
      [&](platform::sim::SimWindow& w) { Sim(*Dialog<TSetKeyOnMemoDlg>(w).OKBtn).UserClick(); });
  f.SetShortCutKeyOnMemoClick(nullptr);
  EXPECT_EQ(testing::ReadHostFile(ProgramFolder() / "MemoData.dat"), stored);

  desk.SetModalScript(
      "ショートカットの割り当て（メモ上右クリックメニュー）", [&](platform::sim::SimWindow& w) {
        auto& d = Dialog<TSetKeyOnMemoDlg>(w);
        const int edit = IndexOf(*d.lbMenu, "メモの編集(&E)       Ctrl+E");
        ASSERT_GE(edit, 0);
        Sim(*d.lbMenu).UserClickItem(edit);
        Sim(*d.edNewKey).UserType("Ctrl+D");
        Sim(*d.ApplyBtn).UserClick();
        EXPECT_EQ(d.lbMenu->Items()[static_cast<std::size_t>(edit)], "メモの編集(&E)       Ctrl+D");
        EXPECT_EQ(d.lbMenu->ItemIndex(), edit);
        EXPECT_TRUE(d.Changed);
        EXPECT_EQ(old.Item("MemoEdit")->GetShortCut(), ui::ScCtrl | 'E');
        Sim(*d.OKBtn).UserClick();
      });
  f.SetShortCutKeyOnMemoClick(nullptr);
  EXPECT_EQ(f.CurrentMemo, nullptr);
  EXPECT_TRUE(Holds(KeyFile("KeyListOnMemo.ini"), "MemoEdit=Ctrl+D"));
  // Saving all memos makes every window again from the file: they take the new key.
  const MemoFileContents saved =
      ReadMemoFile(testing::ReadHostFile(ProgramFolder() / "MemoData.dat"));
  ASSERT_EQ(saved.Records.size(), 2u);
  EXPECT_EQ(saved.Records[0].Left, 140);
  EXPECT_EQ(saved.Records[1].Text, "b");
  EXPECT_EQ(f.MemoList[0]->Item("MemoEdit")->GetShortCut(), ui::ScCtrl | 'D');
}

}  // namespace
}  // namespace quillpad
