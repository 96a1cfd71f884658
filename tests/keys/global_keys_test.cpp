// System-wide hot keys: registered from KeyList.ini at start, refused keys named, set in their
// dialog, and the commands they run while another program has the focus.
#include <gtest/gtest.h>

#include "app/main_form_fixture.h"
#include "keys/global_key_dlg.h"
#include "keys/set_key_dlg.h"
#include "memo/memo_form.h"

namespace quillpad {
namespace {

using testing::MainFormTest;

constexpr unsigned kCtrlAlt = ui::ScCtrl | ui::ScAlt;

class GlobalKeysTest : public MainFormTest {
 protected:
  std::string KeyFile() { return testing::ReadHostFile(ProgramFolder() / "KeyList.ini"); }
};

TEST_F(GlobalKeysTest, KeysFromTheFileWorkWhileAnotherProgramHasTheFocus) {
  const MemoRecord kept = Memo("そのまま", 40, 40);
  WriteMemoData("MemoData.dat", {kept});
  testing::WriteHostFile(
      ProgramFolder() / "KeyList.ini",
      "[Key]\r\nSetOption=^q\r\n[GlobalKey]\r\nClipNewMemoAtEndClick=Ctrl+Alt+M\r\n"
      "ShowHideAllMemoClick=Ctrl+Alt+H\r\nNewMemoClick=\r\n");
  desk.OtherProgramHoldsHotKey(kCtrlAlt | 'H');
  // The refused key is named; the others still register.
  desk.ExpectMessageBox(platform::IdOk,
                        "次のホットキーは他のプログラムが使用中のため登録できませんでした:\r\n"
                        "Ctrl+Alt+H");
  TMainForm& f = Start();
  EXPECT_EQ(desk.MessageBoxes().size(), 1u);
  EXPECT_EQ(desk.RegisteredHotKeys(), (std::map<int, unsigned>{{1, kCtrlAlt | 'M'}}));
  EXPECT_EQ(f.Item("SetOption")->GetShortCut(), ui::ScCtrl | 'Q');

  desk.Others().AddForeignWindow({0, "editor", platform::WsVisible, {0, 0, 300, 200}, {}, 0});
  desk.LoseForeground();
  desk.OtherProgramCopies("牛乳\r\nパン", 0);
  EXPECT_FALSE(desk.UserPressesHotKey(kCtrlAlt | 'H'));
  ASSERT_TRUE(desk.UserPressesHotKey(kCtrlAlt | 'M'));
  desk.RunIdle();
  ASSERT_EQ(f.MemoCount(), 2);
  EXPECT_EQ(f.MemoList.back()->Record().Text, "牛乳\r\nパン");
  EXPECT_TRUE(f.MemoList.back()->Visible());
  Stop();
  const MemoFileContents saved =
      ReadMemoFile(testing::ReadHostFile(ProgramFolder() / "MemoData.dat"));
  ASSERT_EQ(saved.Records.size(), 2u);
  EXPECT_EQ(saved.Records[0].Text, kept.Text);
  EXPECT_EQ(saved.Records[0].StampText, kept.StampText);
  EXPECT_EQ(saved.Records[0].Left, kept.Left);
  EXPECT_EQ(saved.Records[1].Text, "牛乳\r\nパン");
}

TEST_F(GlobalKeysTest, TheDialogWritesItsOwnSectionAndRegistersAtOnce) {
  testing::WriteHostFile(
      ProgramFolder() / "KeyList.ini",
      "[Key]\r\nSetOption=^q\r\n[GlobalKey]\r\nClipNewMemoAtEndClick=Ctrl+Alt+M\r\n");
  TMainForm& f = Start();
  desk.SetModalScript("システム全体のホットキー", [&](platform::sim::SimWindow& w) {
    auto& d = dynamic_cast<TGlobalKeyDlg&>(*ui::Control::FromEvents(w.Events()));
    EXPECT_TRUE(d.ckUse[0]->Checked());
    EXPECT_EQ(d.hkKey[0]->Text(), "Ctrl+Alt+M");
    EXPECT_FALSE(d.ckUse[2]->Checked());
    Sim(*d.ckUse[0]).UserClick();
    Sim(*d.ckUse[2]).UserClick();
    Sim(*d.hkKey[2]).SetFocus();
    Sim(*d.hkKey[2]).UserKey('E', platform::SsCtrl | platform::SsShift);
    Sim(*d.OKBtn).UserClick();
  });
  desk.SetModalScript("ショートカットの割り当て", [&](platform::sim::SimWindow& w) {
    auto& d = dynamic_cast<TSetKeyDlg&>(*ui::Control::FromEvents(w.Events()));
    Sim(*d.GlobalKeyBtn).UserClick();
    Sim(*d.OKBtn).UserClick();
  });
  f.SetShortCutKeyClick(nullptr);
  EXPECT_EQ(KeyFile(),
            "[Key]\r\nSetOption=^q\r\n[GlobalKey]\r\nClipNewMemoAtEndClick=\r\n"
            "ShowHideAllMemoClick=\r\nNewMemoClick=Shift+Ctrl+E\r\n");
  EXPECT_EQ(desk.RegisteredHotKeys(),
            (std::map<int, unsigned>{{3, ui::ScShift | ui::ScCtrl | 'E'}}));
  f.MainFormHideClick(nullptr);
  ASSERT_TRUE(desk.UserPressesHotKey(ui::ScShift | ui::ScCtrl | 'E'));
  EXPECT_TRUE(f.Visible());
}

}  // namespace
}  // namespace quillpad
