#include <gtest/gtest.h>

#include "app/main_form_fixture.h"
#include "memo/memo_form.h"
#include "memo/memo_record.h"

namespace quillpad {
namespace {

class MemoSteppingTest : public testing::MainFormTest {
 protected:
  static MemoRecord Memo(const std::string& text, MemoKind kind = MemoKind::mkNormal) {
    MemoRecord r;
    r.Text = text;
    r.Kind = kind;
    r.Visible = true;
    return r;
  }
  TMainForm& StartWith(const std::vector<MemoRecord>& records) {
    testing::WriteHostFile(ProgramFolder() / "MemoData.dat", WriteMemoFile(records));
    return Start();
  }
  std::string Current(TMainForm& f) { return f.CurrentMemo ? f.CurrentMemo->MemoText() : "(none)"; }
};

TEST_F(MemoSteppingTest, NextAndPreviousPassOverPicturesAndWrap) {
  TMainForm& f = StartWith({Memo("A"), Memo("", MemoKind::mkImage), Memo("C")});
  f.EditNextMemoClick(nullptr);
  EXPECT_EQ(Current(f), "A");  // no current memo: the first
  EXPECT_EQ(f.RichEdit1->Text(), "A");
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ(f.Caption(), "Quillpad - カテゴリ０ ： メモ #1/3 編集中...");
  f.EditNextMemoClick(nullptr);
  EXPECT_EQ(Current(f), "C");  // the picture is passed over
  f.EditNextMemoClick(nullptr);
  EXPECT_EQ(Current(f), "A");  // wraps
  f.EditPreviousMemoClick(nullptr);
  EXPECT_EQ(Current(f), "C");
  f.EditPreviousMemoClick(nullptr);
  EXPECT_EQ(Current(f), "A");
}

TEST_F(MemoSteppingTest, OnlyPicturesEndWithinOnePassAndLoadNothing) {
  TMainForm& f = StartWith({Memo("", MemoKind::mkImage), Memo("", MemoKind::mkImage)});
  f.EditNextMemoClick(nullptr);
  f.EditPreviousMemoClick(nullptr);
  EXPECT_EQ(f.CurrentMemo, nullptr);
  EXPECT_EQ(f.RichEdit1->Text(), "");
  EXPECT_FALSE(f.Visible());
}

TEST_F(MemoSteppingTest, ListingShowsEveryTextWithAnEmptyLineAfterIt) {
  TMainForm& f = StartWith({Memo("one\r\ntwo"), Memo("", MemoKind::mkImage), Memo("three")});
  f.Show();
  f.ListAllMemoClick(nullptr);
  EXPECT_EQ(f.RichEdit1->Text(), "one\r\ntwo\r\n\r\nthree\r\n");
  EXPECT_EQ(f.Caption(), "Quillpad - カテゴリ０のメモ一覧");
  EXPECT_EQ(f.RichEdit1->SelStart(), 0);
  EXPECT_EQ(f.CurrentMemo, nullptr);
}

TEST_F(MemoSteppingTest, ClipboardTextBecomesAMemoAtEitherEnd) {
  TMainForm& f = StartWith({Memo("old")});
  desk.SetText("from the clipboard");
  f.ClipNewMemoAtEndClick(nullptr);
  ASSERT_EQ(f.MemoCount(), 2);
  EXPECT_EQ(f.MemoList[1]->MemoText(), "from the clipboard");
  f.ClipNewMemoAtStartClick(nullptr);
  ASSERT_EQ(f.MemoCount(), 3);
  EXPECT_EQ(f.MemoList[0]->MemoText(), "from the clipboard");
  EXPECT_EQ(f.MemoList[0]->Top(), 0);
  EXPECT_TRUE(f.MemoList[0]->Visible());
}

TEST_F(MemoSteppingTest, AnEmptyClipboardOrACancelLeavesNoEmptyMemo) {
  TMainForm& f = StartWith({Memo("old")});
  f.ClipNewMemoAtStartClick(nullptr);
  f.ClipNewMemoAtEndClick(nullptr);
  EXPECT_EQ(f.MemoCount(), 1);
  desk.SetText("x");
  f.NewMemoClick(nullptr);
  Editor().UserType("unsaved");
  desk.ExpectMessageBox(platform::IdCancel);
  f.ClipNewMemoAtStartClick(nullptr);
  EXPECT_EQ(f.MemoCount(), 1);
  EXPECT_EQ(f.RichEdit1->Text(), "unsaved");
}

TEST_F(MemoSteppingTest, FontColourAndBorderOfTheNextMemo) {
  TMainForm& f = Start();
  platform::FontSpec font = f.FontDialog1Font;
  font.Height = -20;
  desk.ExpectFontDialog(font);
  f.SetFontClick(nullptr);
  EXPECT_EQ(f.RichEdit1->Font().Height, -20);
  desk.ExpectColorDialog(0x123456);
  f.SetColorClick(nullptr);
  EXPECT_EQ(f.RichEdit1->GetColor(), 0x123456u);
  EXPECT_EQ(ReadMemoColorFile(testing::ReadHostFile(ProgramFolder() / "MemoColor.dat")), 0x123456);
  desk.ExpectColorDialog(std::nullopt);  // cancelled: nothing changes
  f.SetColorClick(nullptr);
  EXPECT_EQ(f.RichEdit1->GetColor(), 0x123456u);
  f.ShowBorderClick(nullptr);
  EXPECT_FALSE(f.Item("ShowBorder")->Checked());
  EXPECT_FALSE(f.Button("ShowBorderBtn")->Down());
  f.NewMemoClick(nullptr);
  desk.ExpectFontDialog(font);
  f.SetFontClick(nullptr);
  Editor().UserType("x");
  f.ShowNewMemoClick(nullptr);
  const MemoRecord r = f.MemoList.back()->Record();
  EXPECT_EQ(r.BorderStyle, MemoBorder::None);
  EXPECT_EQ(r.Font.Height, -20);
}

}  // namespace
}  // namespace quillpad

namespace quillpad {
namespace {

TEST_F(MemoSteppingTest, SaveAtEditWritesTheFileOnceTheCommandHasReturned) {
  WriteIni("[FORM]\r\nbSaveMemoAtEdit=1\r\n");
  TMainForm& f = Start();
  f.NewMemoClick(nullptr);
  Editor().UserType("kept at once");
  f.ShowNewMemoClick(nullptr);
  EXPECT_FALSE(std::filesystem::exists(ProgramFolder() / "MemoData.dat"));
  desk.RunIdle();
  const MemoFileContents saved = ReadMemoFile(testing::ReadHostFile(ProgramFolder() / "MemoData.dat"));
  ASSERT_EQ(saved.Records.size(), 1u);
  EXPECT_EQ(saved.Records[0].Text, "kept at once");
  EXPECT_EQ(f.MemoCount(), 1);  // the windows came back from the file
}

}  // namespace
}  // namespace quillpad
