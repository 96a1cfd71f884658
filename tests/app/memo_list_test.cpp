#include <gtest/gtest.h>

#include <functional>

#include "app/main_form_fixture.h"
#include "base/bmp_image.h"
#include "memo/memo_form.h"
#include "memo/memo_list_form.h"

namespace quillpad {
namespace {

using platform::sim::SimWindow;

class MemoListTest : public testing::MainFormTest {
 protected:
  // Opens the organiser from the tool bar; the script acts in it, then its close button ends it.
  void Organise(TMainForm& f, const std::function<void(TMemoListForm&)>& script) {
    bool ran = false;
    desk.SetModalScript("MemoListForm", [&](SimWindow& w) {
      auto& o = dynamic_cast<TMemoListForm&>(*ui::Control::FromEvents(w.Events()));
      script(o);
      Sim(*o.ToolBar1).UserClickButton(o.ExitBtn->Index());
      ran = true;
    });
    Sim(*f.tbMain).UserClickButton(f.Button("MemoListEditBtn")->Index());
    EXPECT_TRUE(ran);
  }
  platform::Point ItemMiddle(TMemoListForm& o, int index) {
    const platform::Rect r = Sim(*o.MemoListBox).ItemRect(index);
    return {r.Left + 20, (r.Top + r.Bottom) / 2};
  }
  // A drag of item from onto a category button, in the list's coordinates as the mouse is held.
  void DragToCategory(TMemoListForm& o, int from, int category) {
    const platform::Rect b = o.ToolBar2->ButtonRect(category);
    const platform::Point screen = o.ToolBar2->ClientToScreen({b.Left + 10, b.Top + 10});
    Sim(*o.MemoListBox).UserDrag(ItemMiddle(o, from), o.MemoListBox->ScreenToClient(screen));
  }
  static std::vector<std::string> Texts(const TMainForm& f) {
    std::vector<std::string> texts;
    for (const TMemoForm* m : f.MemoList) texts.push_back(m->MemoText());
    return texts;
  }
  using Texts_t = std::vector<std::string>;
};

TEST_F(MemoListTest, DraggingTheFirstMemoBelowTheLastMovesItToTheEnd) {
  MemoRecord picture = Memo("", 400, 300);
  picture.Kind = MemoKind::mkImage;
  picture.Picture = SolidBmpFile(40, 150, 0x0000FF);
  picture.ClientWidth = 40;
  picture.ClientHeight = 150;
  MemoRecord two = Memo("b1\r\nb2", 100, 100);
  two.Color = 0x00FF00;
  WriteMemoData("MemoData.dat", {Memo("a", 100, 50), two, picture});
  TMainForm& f = Start();
  f.bShowMemoAsHint = false;
  const platform::Rect firstPlace = f.MemoList[0]->BoundsRect();
  int arranged = 0;
  f.Item("RightJustify")->OnClick = [&] { ++arranged; };
  Organise(f, [&](TMemoListForm& o) {
    SimWindow& list = Sim(*o.MemoListBox);
    EXPECT_EQ(o.Caption(), "メモリストの整理 - カテゴリ０");
    EXPECT_EQ(o.StatusBar1->PanelText(0), "総メモ数= 3");
    // Two 12-pixel lines and the inset; a picture 150 high shows its top 100 rows.
    EXPECT_EQ(o.MemoListBox->ItemHeight(1), 2 * 12 + 10);
    EXPECT_EQ(o.MemoListBox->ItemHeight(2), 100);
    const int top = list.ItemRect(1).Top;
    const auto drawn = list.PaintItem(1);
    ASSERT_GE(drawn.size(), 3u);
    EXPECT_EQ(drawn[0], "FillRect 0," + std::to_string(top) + "," + std::to_string(list.ItemRect(1).Right) +
                            "," + std::to_string(top + 34) + " $0000FF00");
    EXPECT_EQ(drawn[1], "TextOut 5," + std::to_string(top + 5) + " $00FFFFFF b1");
    EXPECT_EQ(drawn[2], "TextOut 5," + std::to_string(top + 17) + " $00FFFFFF b2");
    const int pictureTop = list.ItemRect(2).Top;
    EXPECT_EQ(list.PaintItem(2)[1], "DrawBitmap 0," + std::to_string(pictureTop) + ",40," +
                                        std::to_string(pictureTop + 150) + " " +
                                        std::to_string(picture.Picture.size()) + " bytes");

    // The hint goes to the organiser's status bar; a press on an item names it.
    list.UserMouseMove(ItemMiddle(o, 0));
    EXPECT_EQ(o.StatusBar1->PanelText(1), "Drag & Dropでメモの順番変更");
    list.UserDrag(ItemMiddle(o, 0), {20, o.MemoListBox->ClientHeight() - 2});
    EXPECT_EQ(o.MemoListBox->Hint(), "メモ#1|メモ#1 選択中。Drag & Dropでメモの順番変更");
    EXPECT_EQ(o.MemoListBox->Items(), (Texts_t{"b1\r\nb2", "", "a"}));
    EXPECT_EQ(o.MemoListBox->ItemIndex(), 2);

    // A press without moving drops nothing.
    list.UserDrag(ItemMiddle(o, 0), ItemMiddle(o, 0));
    EXPECT_EQ(o.MemoListBox->Items(), (Texts_t{"b1\r\nb2", "", "a"}));

    desk.ExpectPopupChoice("右揃え");
    Sim(*o.ToolBar1).UserClickButton(o.JustifyBtn->Index());
  });
  EXPECT_EQ(arranged, 1);
  EXPECT_EQ(Texts(f), (Texts_t{"b1\r\nb2", "", "a"}));
  // The windows stay where they were; their numbers follow the list.
  EXPECT_EQ(f.MemoList[2]->BoundsRect(), firstPlace);
  f.MemoList[2]->UpdateActivation();
  EXPECT_EQ(f.MemoList[2]->Hint().rfind("メモ #3/3 in ", 0), 0u);
  // The main window's status bar has its hints back.
  Sim(*f.tbMain).UserMouseMove({3, 3});
  EXPECT_EQ(f.StatusBar1->PanelText(2), "デスクトップメモに上書き表示");
}

TEST_F(MemoListTest, DeletingTheLastItemSelectsTheNewLastAndTheOnlyOneLeavesNone) {
  WriteMemoData("MemoData.dat", {Memo("a", 100, 50), Memo("b", 100, 100)});
  TMainForm& f = Start();
  f.CurrentMemo = f.MemoList[1];
  Organise(f, [&](TMemoListForm& o) {
    SimWindow& bar = Sim(*o.ToolBar1);
    bar.UserClickButton(o.DeleteBtn->Index());
    EXPECT_EQ(o.StatusBar1->PanelText(1), "メモを選択してください");
    EXPECT_EQ(f.MemoCount(), 2);

    Sim(*o.MemoListBox).UserClickItem(1);
    bar.UserClickButton(o.DeleteBtn->Index());
    EXPECT_EQ(Texts(f), (Texts_t{"a"}));  // gone at once, not at the next idle turn
    EXPECT_EQ(f.CurrentMemo, nullptr);
    EXPECT_EQ(o.MemoListBox->ItemIndex(), 0);
    EXPECT_EQ(desk.TrayTip(), "総メモ数=1 in カテゴリ０");

    bar.UserClickButton(o.DeleteBtn->Index());
    EXPECT_EQ(f.MemoCount(), 0);
    EXPECT_EQ(o.MemoListBox->Count(), 0);
    EXPECT_EQ(o.MemoListBox->ItemIndex(), -1);
    EXPECT_EQ(o.StatusBar1->PanelText(0), "総メモ数= 0");
  });
  EXPECT_TRUE(desk.MessageBoxes().empty());
}

TEST_F(MemoListTest, InReadOnlyModeNoCategoryButtonTakesADrop) {
  WriteMemoData("MemoData.dat", {Memo("a", 100, 50), Memo("b", 100, 100)});
  WriteIni("[FORM]\r\nbReadOnly=1\r\niCurMemoFile=1\r\n");
  TMainForm& f = Start();
  Organise(f, [&](TMemoListForm& o) {
    EXPECT_TRUE(o.MemoFileBtns[0]->Enabled());
    EXPECT_FALSE(o.MemoFileBtns[1]->Enabled());  // the current category
    EXPECT_TRUE(o.MemoFileBtns[2]->Enabled());
    for (int category : {0, 1, 2}) DragToCategory(o, 0, category);
    EXPECT_EQ(o.MemoListBox->Count(), f.MemoCount());
  });
  EXPECT_FALSE(std::filesystem::exists(ProgramFolder() / "MemoData.dat.tmp"));
  const std::string before = testing::ReadHostFile(ProgramFolder() / "MemoData.dat");
  Stop();
  EXPECT_EQ(testing::ReadHostFile(ProgramFolder() / "MemoData.dat"), before);
  EXPECT_FALSE(std::filesystem::exists(ProgramFolder() / "MemoData2.dat"));
}

// A memo dropped on another category's button leaves this list and joins that file; the
// button then switches to the category. The memos the drop did not target keep their records.
TEST_F(MemoListTest, ADropOnACategoryButtonMovesTheMemoToItsFile) {
  const std::vector<MemoRecord> current{Memo("a", 100, 50), Memo("b", 100, 100), Memo("c", 100, 150)};
  WriteMemoData("MemoData.dat", current);
  WriteMemoData("MemoData1.dat", {Memo("x", 300, 50)});
  TMainForm& f = Start();
  Organise(f, [&](TMemoListForm& o) {
    // Its own category's button takes nothing.
    DragToCategory(o, 1, 0);
    EXPECT_EQ(o.MemoListBox->Count(), 3);
    // A memo whose record did not reach the other file stays here.
    desk.SimFiles().SetFault(platform::sim::SimFileSystem::Fault{
        platform::sim::SimFileSystem::FaultOp::Write, "MemoData2.dat", {}});
    desk.ExpectErrorBox();
    DragToCategory(o, 1, 2);
    desk.SimFiles().SetFault(std::nullopt);
    EXPECT_EQ(desk.ErrorBoxes().size(), 1u);
    EXPECT_EQ(o.MemoListBox->Count(), 3);
    EXPECT_TRUE(f.MemoList[1]->Visible());
    DragToCategory(o, 1, 1);
    EXPECT_EQ(o.MemoListBox->Items(), (Texts_t{"a", "c"}));
    EXPECT_EQ(o.MemoListBox->ItemIndex(), 1);
    EXPECT_EQ(Texts(f), (Texts_t{"a", "c"}));

    Sim(*o.ToolBar2).UserClickButton(o.MemoFileBtns[1]->Index());
    EXPECT_EQ(o.Caption(), "メモリストの整理 - カテゴリ１");
    EXPECT_EQ(o.MemoListBox->Items(), (Texts_t{"x", "b"}));
    EXPECT_FALSE(o.MemoFileBtns[1]->Enabled());
    EXPECT_TRUE(o.MemoFileBtns[0]->Enabled());
  });
  Stop();
  const auto zero = ReadMemoFile(testing::ReadHostFile(ProgramFolder() / "MemoData.dat")).Records;
  ASSERT_EQ(zero.size(), 2u);
  for (std::size_t i : {0u, 1u}) {
    const MemoRecord& want = current[i == 0 ? 0 : 2];
    EXPECT_EQ(zero[i].Text, want.Text);
    EXPECT_EQ(zero[i].Left, want.Left);
    EXPECT_EQ(zero[i].Top, want.Top);
    EXPECT_EQ(zero[i].StampText, want.StampText);
  }
  const std::string one = testing::ReadHostFile(ProgramFolder() / "MemoData1.dat");
  const auto ones = ReadMemoFile(one).Records;
  ASSERT_EQ(ones.size(), 2u);
  EXPECT_EQ(ones[0].Text, "x");
  EXPECT_EQ(ones[0].StampText, "2026/12/01 8:00:00");
  EXPECT_EQ(ones[1].Text, "b");
  EXPECT_EQ(ones[1].Top, 100);
  EXPECT_FALSE(std::filesystem::exists(ProgramFolder() / "MemoData2.dat"));
}

}  // namespace
}  // namespace quillpad
