#include <gtest/gtest.h>

#include "app/main_form_fixture.h"
#include "base/bmp_image.h"
#include "memo/memo_form.h"
#include "memo/memo_list_form.h"

namespace quillpad {
namespace {

using platform::sim::SimWindow;
using Texts = std::vector<std::string>;

class MemoListTest : public testing::MainFormTest {
 protected:
  // Opens the organiser from the tool bar; the script acts in it, then its close button ends it.
  void Organise(TMainForm& f, const std::function<void(TMemoListForm&)>& script) {
    desk.SetModalScript("MemoListForm", [&](SimWindow& w) {
      auto& o = dynamic_cast<TMemoListForm&>(*ui::Control::FromEvents(w.Events()));
      script(o);
      Sim(*o.ToolBar1).UserClickButton(o.ExitBtn->Index());
    });
    Sim(*f.tbMain).UserClickButton(f.Button("MemoListEditBtn")->Index());
  }
  platform::Point Item(TMemoListForm& o, int index) {
    return {20, Sim(*o.MemoListBox).ItemRect(index).Top + 2};
  }
  // Item from dragged onto a category button (the list holds the mouse meanwhile).
  void DragToCategory(TMemoListForm& o, int from, int category) {
    const platform::Rect b = o.ToolBar2->ButtonRect(category);
    const platform::Point at = o.ToolBar2->ClientToScreen({b.Left + 10, b.Top + 10});
    Sim(*o.MemoListBox).UserDrag(Item(o, from), o.MemoListBox->ScreenToClient(at));
  }
  static Texts TextsOf(const std::vector<TMemoForm*>& memos) {
    Texts texts;
    for (const TMemoForm* m : memos) texts.push_back(m->MemoText());
    return texts;
  }
};

TEST_F(MemoListTest, DraggingTheFirstMemoBelowTheLastMovesItToTheEnd) {
  MemoRecord picture = Memo("", 400, 300);
  picture.Kind = MemoKind::mkImage;
  picture.Picture = SolidBmpFile(40, 150, 0x0000FF);
  picture.ClientHeight = 150;
  WriteMemoData("MemoData.dat", {Memo("a", 100, 50), Memo("b1\r\nb2", 100, 100), picture});
  TMainForm& f = Start();
  const platform::Rect firstPlace = f.MemoList[0]->BoundsRect();
  Organise(f, [&](TMemoListForm& o) {
    EXPECT_EQ(o.StatusBar1->PanelText(0), "総メモ数= 3");
    // Two 12-pixel lines and the inset; a picture 150 high shows its top 100 rows.
    EXPECT_EQ(o.MemoListBox->ItemHeight(1), 2 * 12 + 10);
    EXPECT_EQ(o.MemoListBox->ItemHeight(2), 100);
    SimWindow& list = Sim(*o.MemoListBox);
    list.UserMouseMove(Item(o, 0));
    EXPECT_EQ(o.StatusBar1->PanelText(1), "Drag & Dropでメモの順番変更");
    list.UserDrag(Item(o, 0), Item(o, 0));  // a press without moving drops nothing
    EXPECT_EQ(o.MemoListBox->Hint(), "メモ#1|メモ#1 選択中。Drag & Dropでメモの順番変更");
    list.UserDrag(Item(o, 0), {20, o.MemoListBox->ClientHeight() - 2});
    EXPECT_EQ(o.MemoListBox->Items(), (Texts{"b1\r\nb2", "", "a"}));
    EXPECT_EQ(o.MemoListBox->ItemIndex(), 2);
  });
  EXPECT_EQ(TextsOf(f.MemoList), (Texts{"b1\r\nb2", "", "a"}));
  EXPECT_EQ(f.MemoList[2]->BoundsRect(), firstPlace);  // the window stays where it was
  // The main window's status bar has its hints back.
  Sim(*f.tbMain).UserMouseMove({3, 3});
  EXPECT_EQ(f.StatusBar1->PanelText(2), "デスクトップメモに上書き表示");
}

TEST_F(MemoListTest, DeletingTheLastItemSelectsTheNewLastAndTheOnlyOneLeavesNone) {
  WriteMemoData("MemoData.dat", {Memo("a", 100, 50), Memo("b", 100, 100)});
  TMainForm& f = Start();
  f.CurrentMemo = f.MemoList[1];
  Organise(f, [&](TMemoListForm& o) {
    auto remove = [&] { Sim(*o.ToolBar1).UserClickButton(o.DeleteBtn->Index()); };
    remove();
    EXPECT_EQ(o.StatusBar1->PanelText(1), "メモを選択してください");
    Sim(*o.MemoListBox).UserClickItem(1);
    remove();
    EXPECT_EQ(TextsOf(f.MemoList), (Texts{"a"}));  // at once, not at the next idle turn
    EXPECT_EQ(f.CurrentMemo, nullptr);
    EXPECT_EQ(o.MemoListBox->ItemIndex(), 0);
    remove();
    EXPECT_EQ(f.MemoCount(), 0);
    EXPECT_EQ(o.MemoListBox->ItemIndex(), -1);
    EXPECT_EQ(o.StatusBar1->PanelText(0), "総メモ数= 0");
  });
}

// The memos the drops did not target keep their records, in both files.
TEST_F(MemoListTest, ADropOnAnotherCategorysButtonMovesTheMemoToItsFileButNotInReadOnlyMode) {
  WriteMemoData("MemoData.dat", {Memo("a", 100, 50), Memo("b", 100, 100), Memo("c", 100, 150)});
  WriteMemoData("MemoData1.dat", {Memo("x", 300, 50)});
  TMainForm& f = Start();
  f.bReadOnly = true;
  Organise(f, [&](TMemoListForm& o) {
    EXPECT_FALSE(o.MemoFileBtns[0]->Enabled());  // the current category
    EXPECT_TRUE(o.MemoFileBtns[1]->Enabled() && o.MemoFileBtns[2]->Enabled());
    for (int category : {0, 1, 2}) DragToCategory(o, 1, category);
    EXPECT_EQ(o.MemoListBox->Count(), 3);
    f.bReadOnly = false;
    DragToCategory(o, 1, 0);
    // A memo whose record did not reach the other file stays here.
    desk.SimFiles().SetFault(platform::sim::SimFileSystem::Fault{
        platform::sim::SimFileSystem::FaultOp::Write, "MemoData2.dat", {}});
    desk.ExpectErrorBox();
    DragToCategory(o, 1, 2);
    desk.SimFiles().SetFault(std::nullopt);
    EXPECT_EQ(o.MemoListBox->Count(), 3);
    DragToCategory(o, 1, 1);
    EXPECT_EQ(o.MemoListBox->Items(), (Texts{"a", "c"}));
    EXPECT_EQ(o.MemoListBox->ItemIndex(), 1);
    Sim(*o.ToolBar2).UserClickButton(o.MemoFileBtns[1]->Index());
    EXPECT_EQ(o.Caption(), "メモリストの整理 - カテゴリ１");
    EXPECT_EQ(o.MemoListBox->Items(), (Texts{"x", "b"}));
    EXPECT_FALSE(o.MemoFileBtns[1]->Enabled());
  });
  Stop();
  auto records = [&](const char* name) {
    Texts texts;
    for (const MemoRecord& r : ReadMemoFile(testing::ReadHostFile(ProgramFolder() / name)).Records)
      texts.push_back(r.Text + "@" + std::to_string(r.Top) + " " + r.StampText);
    return texts;
  };
  const std::string stamp = " 2026/12/01 8:00:00";
  EXPECT_EQ(records("MemoData.dat"), (Texts{"a@50" + stamp, "c@150" + stamp}));
  EXPECT_EQ(records("MemoData1.dat"), (Texts{"x@50" + stamp, "b@100" + stamp}));
  EXPECT_FALSE(std::filesystem::exists(ProgramFolder() / "MemoData2.dat"));
}

}  // namespace
}  // namespace quillpad
