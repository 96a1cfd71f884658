// Style templates: adding them from the editor's style and from a memo, the template window, and
// StyleTemplate.dat on disk.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/main_form_fixture.h"
#include "memo/memo_form.h"
#include "memo/templates/style_template_form.h"

namespace quillpad {
namespace {

using platform::sim::SimFileSystem;
using platform::sim::SimWindow;

constexpr const char* kCaption = "メモスタイルのテンプレート";
constexpr const char* kStyleMenu = "ツール(&T) > メモのスタイル設定(&H) > ";

class StyleTemplateTest : public testing::MainFormTest {
 protected:
  static TStyleTemplateForm& Window(SimWindow& w) {
    return *dynamic_cast<TStyleTemplateForm*>(ui::Control::FromEvents(w.Events()));
  }
  std::vector<MemoRecord> Templates() {
    return ReadMemoFile(testing::ReadHostFile(ProgramFolder() / "StyleTemplate.dat")).Records;
  }
  void ChooseMemoMenu(TMemoForm& memo, const std::string& path) {
    desk.ExpectPopupChoice(path);
    Sim(memo).UserContextMenu({memo.Left() + 5, memo.Top() + 5});
  }
  static void Press(TStyleTemplateForm& t, int index) {
    const platform::Rect r = Sim(*t.StyleListBox).ItemRect(index);
    Sim(*t.StyleListBox).UserMouseDown(platform::MouseButton::Left, {r.Left + 10, r.Top + 3});
    Sim(*t.StyleListBox).UserMouseUp(platform::MouseButton::Left, {r.Left + 10, r.Top + 3});
  }
};

// From the main menu, from a memo's menu, the window's list and a drag, a memo restyled from a
// template; then the files on disk.
TEST_F(StyleTemplateTest, FlowRestylesOnlyTheTargetedMemoAndKeepsTheReorderedTemplates) {
  WriteMemoData("MemoData.dat", {Memo("one", 10, 10), Memo("two", 10, 60)});
  TMainForm& f = Start();
  const MemoRecord untouched = f.MemoList[1]->Record();
  const platform::FontSpec arial{"Arial", -16, 0x0000FF, 0, platform::FsBold};
  desk.ExpectFontDialog(arial);
  f.SetFontClick(nullptr);
  desk.ExpectColorDialog(0x123456);
  f.SetColorClick(nullptr);
  f.ShowBorderClick(nullptr);  // off
  ASSERT_TRUE(Sim(f).UserChooseMenu(std::string(kStyleMenu) + "Marquee 表示(&M)"));
  EXPECT_TRUE(f.Item("BgMarquee")->Checked());
  ASSERT_TRUE(Sim(f).UserChooseMenu(std::string(kStyleMenu) + "現在の設定をテンプレートに保存(&T)"));
  ASSERT_EQ(Templates().size(), 1u);  // the file is made with its first record
  EXPECT_EQ(Templates()[0].Text, "Arial,12ポイント,マーキー表示");

  // Unsaved editor text is asked about before the memo's style replaces the editor's.
  f.NewMemoClick(nullptr);
  Editor().UserType("draft");
  desk.ExpectMessageBox(platform::IdCancel);
  ChooseMemoMenu(*f.MemoList[1], "このメモのスタイルを(&T)... > テンプレートに保存(&T)");
  EXPECT_EQ(Templates().size(), 1u);
  EXPECT_EQ(f.RichEdit1->Text(), "draft");
  desk.ExpectMessageBox(platform::IdNo);
  ChooseMemoMenu(*f.MemoList[1], "このメモのスタイルを(&T)... > テンプレートに保存(&T)");
  ASSERT_EQ(Templates().size(), 2u);
  EXPECT_EQ(Templates()[1].Text, "ＭＳ Ｐゴシック,9ポイント");

  desk.SetModalScript(kCaption, [&](SimWindow& w) {
    TStyleTemplateForm& t = Window(w);
    EXPECT_EQ(t.StatusBar1->PanelText(0), "総ｽﾀｲﾙ数= 2");
    ASSERT_EQ(t.StyleListBox->Count(), 2);
    EXPECT_EQ(t.StyleListBox->ItemHeight(0), 23);
    const std::vector<std::string> ops = Sim(*t.StyleListBox).PaintItem(0);
    const int width = t.StyleListBox->ClientWidth();
    EXPECT_NE(std::find(ops.begin(), ops.end(), "FillRect 0,0," + std::to_string(width) + ",23 $00123456"), ops.end());
    EXPECT_NE(std::find(ops.begin(), ops.end(), "TextOut 5,5 $000000FF Arial,12ポイント,マーキー表示"), ops.end());
    // The first template dragged below the last row moves to the end.
    Sim(*t.StyleListBox).UserDrag({20, 5}, {20, 200});
    EXPECT_EQ(t.StyleListBox->Items()[1], "Arial,12ポイント,マーキー表示");
    EXPECT_EQ(t.StyleListBox->ItemIndex(), 1);
    EXPECT_EQ(t.StyleListBox->Hint(), "スタイル#1|スタイル#1 選択中。Drag & Dropでスタイルの順番変更");
    Sim(*t.StyleListBox).UserDblClick();
  });
  ChooseMemoMenu(*f.MemoList[0], "メモのスタイル変更(&S)... > テンプレートから選択");
  TMemoForm& one = *f.MemoList[0];
  EXPECT_EQ(one.Kind(), MemoKind::mkMarquee);
  EXPECT_NE(one.Marquee(), nullptr);
  EXPECT_EQ(one.Record().Font.Name, "Arial");

  Stop();
  const std::vector<MemoRecord> memos =
      ReadMemoFile(testing::ReadHostFile(ProgramFolder() / "MemoData.dat")).Records;
  ASSERT_EQ(memos.size(), 2u);
  EXPECT_EQ(memos[1], untouched);
  EXPECT_EQ(memos[0].Kind, MemoKind::mkMarquee);
  const std::vector<MemoRecord> templates = Templates();
  ASSERT_EQ(templates.size(), 2u);
  EXPECT_EQ(templates[0].Text, "ＭＳ Ｐゴシック,9ポイント");
  EXPECT_EQ(templates[1].Kind, MemoKind::mkMarquee);
}

// A damaged template file gives the templates before the damage; it is rewritten only once a
// verified copy of it exists, otherwise the window's changes go beside it.
TEST_F(StyleTemplateTest, DamagedFileKeepsItsTemplatesAndIsCopiedBeforeItIsWritten) {
  MemoRecord a = Memo("A b,24", 0, 0), b = Memo("B", 0, 0), c = Memo("C", 0, 0);
  const std::string whole = WriteMemoFile({a, b, c});
  const std::string damaged = whole.substr(0, whole.size() - 9);
  for (const bool copyFails : {false, true}) {
    SCOPED_TRACE(copyFails ? "no copy" : "copy");
    std::filesystem::remove_all(ProgramFolder());
    std::filesystem::create_directories(ProgramFolder());
    testing::WriteHostFile(ProgramFolder() / "StyleTemplate.dat", damaged);
    TMainForm& f = Start();
    const platform::FontSpec font = f.FontDialog1Font;
    if (copyFails) {
      desk.SimFiles().SetFault(SimFileSystem::Fault{SimFileSystem::FaultOp::Copy, "StyleTemplate.dat.damaged", 10});
      desk.ExpectErrorBox();
    }
    desk.SetModalScript(kCaption, [&](SimWindow& w) {
      TStyleTemplateForm& t = Window(w);
      ASSERT_EQ(t.StyleListBox->Count(), 2);
      EXPECT_EQ(t.StyleListBox->ItemHeight(0), 42);
      Sim(*t.ToolBar1).UserClickButton(t.DeleteBtn->Index());
      EXPECT_EQ(t.StatusBar1->PanelText(1), "スタイルを選択してください");
      Press(t, 1);
      Sim(*t.ToolBar1).UserClickButton(t.DeleteBtn->Index());
      EXPECT_EQ(t.StyleListBox->Count(), 1);
      EXPECT_EQ(t.StyleListBox->ItemIndex(), 0);  // the one before the deleted last
      EXPECT_EQ(t.StatusBar1->PanelText(0), "総ｽﾀｲﾙ数= 1");
      Sim(*t.ToolBar1).UserClickButton(t.ExitBtn->Index());
    });
    f.SetStyleFromTemplateClick(nullptr);
    desk.SimFiles().SetFault(std::nullopt);
    EXPECT_EQ(f.FontDialog1Font, font);  // closed without applying
    EXPECT_TRUE(f.Item("ShowBorder")->Checked());
    Stop();
    const std::string kept = copyFails ? "StyleTemplate.dat.new" : "StyleTemplate.dat";
    const auto written = ReadMemoFile(testing::ReadHostFile(ProgramFolder() / kept)).Records;
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].Text, "A b,24");
    if (copyFails) {
      EXPECT_EQ(testing::ReadHostFile(ProgramFolder() / "StyleTemplate.dat"), damaged);
    } else {
      EXPECT_EQ(testing::ReadHostFile(ProgramFolder() / "StyleTemplate.dat.damaged"), damaged);
    }
  }
}

}  // namespace
}  // namespace quillpad
