// Schedule memos on the main window: saving, opening, listing and deleting the per-date files.
#include <gtest/gtest.h>

#include "app/main_form_fixture.h"
#include "base/encoding.h"

namespace quillpad {
namespace {

using testing::ReadHostFile;
using testing::WriteHostFile;

std::string U8(const char8_t* s) {
  return reinterpret_cast<const char*>(s);
}
std::string Sjis(const char8_t* s) {
  return Utf8ToCp932(U8(s));
}

class ScheduleMemoTest : public testing::MainFormTest {
 protected:
  std::filesystem::path MemoDir() { return ProgramFolder() / "ScheduleMemo"; }
  void WriteMemo(const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories(MemoDir());
    WriteHostFile(MemoDir() / name, bytes);
  }
  void Type(const std::string& text) {
    form->NewMemoClick(nullptr);
    Editor().UserType(text);
  }
};

TEST_F(ScheduleMemoTest, SavingAnEmptyEditorWritesNothingAndHides) {
  WriteMemo("20261207.txt", "old\r\n");
  TMainForm& f = Start();
  f.NewMemoClick(nullptr);
  ASSERT_TRUE(f.Visible());
  f.SaveScheduleMemoClick(nullptr);
  EXPECT_FALSE(f.Visible());
  EXPECT_EQ(ReadHostFile(MemoDir() / "20261207.txt"), "old\r\n");
  EXPECT_TRUE(desk.MessageBoxes().empty());
}

TEST_F(ScheduleMemoTest, SavingWritesTheTextAndLeavesANewEmptyMemo) {
  TMainForm& f = Start();
  Type("first\r\nsecond");
  Sim(*f.tbMain).UserClickButton(3);
  EXPECT_EQ(ReadHostFile(MemoDir() / "20261207.txt"), "first\r\nsecond");
  EXPECT_FALSE(f.Visible());
  EXPECT_EQ(f.RichEdit1->Text(), "");
  EXPECT_FALSE(f.RichEdit1->Modified());
  EXPECT_EQ(f.Caption(), Sjis(u8"Quillpad - カテゴリ０ ： 新規メモ"));
  ASSERT_EQ(f.ScheduleMemoListBox->Count(), 1);
  EXPECT_EQ(f.ScheduleMemoListBox->Items()[0], "20261207.txt");
  EXPECT_EQ(f.ScheduleMemoListBox->GetColor(), ui::ClWindow);
}

TEST_F(ScheduleMemoTest, OverwriteAnsweredNoOrCancelChangesNothing) {
  WriteMemo("20261207.txt", "old\r\n");
  TMainForm& f = Start();
  Type("new text");
  for (int answer : {platform::IdNo, platform::IdCancel}) {
    desk.ExpectMessageBox(answer, Sjis(u8"スケジュールメモ20261207.txtを上書きしますか？"));
    f.SaveScheduleMemoClick(nullptr);
    EXPECT_EQ(desk.MessageBoxes().back().Flags, platform::MbYesNoCancel | platform::MbIconWarning);
    EXPECT_EQ(desk.MessageBoxes().back().Caption, "Quillpad");
    EXPECT_EQ(ReadHostFile(MemoDir() / "20261207.txt"), "old\r\n");
    EXPECT_EQ(f.RichEdit1->Text(), "new text");
    EXPECT_TRUE(f.RichEdit1->Modified());
    EXPECT_TRUE(f.Visible());
  }
  desk.ExpectMessageBox(platform::IdYes);
  f.SaveScheduleMemoClick(nullptr);
  EXPECT_EQ(ReadHostFile(MemoDir() / "20261207.txt"), "new text");
}

TEST_F(ScheduleMemoTest, PickerKeepsTheTextWhileTheCalendarPathLoadsTheMemo) {
  WriteMemo("20240305.txt", "dentist");
  TMainForm& f = Start();
  Type("draft");
  f.RichEdit1->SetModified(false);
  Sim(*f.DateTimePicker1).UserSetDate(EncodeDate(2024, 3, 5));
  EXPECT_EQ(f.RichEdit1->Text(), "draft");
  EXPECT_EQ(f.Caption(), Sjis(u8"Quillpad - 2024年03月05日の新規メモ編集中..."));
  EXPECT_EQ(f.ScheduleMemoListBox->Mask(), "202403*.txt");
  ASSERT_EQ(f.ScheduleMemoListBox->Count(), 1);

  f.DateTimePicker1CloseUp(nullptr);
  EXPECT_EQ(f.RichEdit1->Text(), "dentist");
  EXPECT_EQ(f.Caption(), Sjis(u8"Quillpad - 20240305.txt ： 2024年03月05日のメモ編集中..."));
  EXPECT_EQ(f.EditFileName, "C:\\Quillpad\\ScheduleMemo\\20240305.txt");
}

TEST_F(ScheduleMemoTest, OpenShowsTheMemoOrANewOne) {
  WriteMemo("20261207.txt", "today");
  TMainForm& f = Start();
  f.OpenScheduleMemoClick(nullptr);
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ(f.RichEdit1->Text(), "today");
  EXPECT_EQ(f.Caption(), "Quillpad - 20261207.txt");
  f.DateTimePicker1->SetDate(EncodeDate(2026, 12, 8));
  f.OpenScheduleMemoClick(nullptr);
  EXPECT_EQ(f.RichEdit1->Text(), "");
  EXPECT_EQ(f.EditFileName, "Memo.txt");
}

TEST_F(ScheduleMemoTest, ListViewMakesOneLinePerMemo) {
  WriteMemo("20240305.txt", "a\r\n b \r\nc\r\n");
  WriteMemo("20240401.txt", "\t x\r\n");
  WriteMemo("20261201.txt", "");
  TMainForm& f = Start();
  f.ListAllScheduleMemoClick(nullptr);
  EXPECT_EQ(f.RichEdit1->Text(), "24/03/05 abc\r\n24/04/01 x\r\n26/12/01 \r\n");
  EXPECT_EQ(f.Caption(), Sjis(u8"Quillpad - すべての日付メモ一覧"));
  EXPECT_EQ(f.RichEdit1->SelStart(), 0);
  EXPECT_EQ(f.ScheduleMemoListBox->Count(), 3);
  EXPECT_EQ(f.Cursor(), platform::CursorKind::Arrow);

  // The list is editor text like any other: replacing it asks first.
  desk.ExpectMessageBox(platform::IdNo);
  f.ListMonthScheduleMemoClick(nullptr);
  EXPECT_EQ(f.RichEdit1->Text(), "26/12/01 \r\n");
  EXPECT_EQ(f.Caption(), Sjis(u8"Quillpad - 2026年12月の日付メモ一覧"));
}

TEST_F(ScheduleMemoTest, EmptyFolderGivesAnEmptyListAndTheButtonFaceColour) {
  TMainForm& f = Start();
  EXPECT_EQ(f.ScheduleMemoListBox->GetColor(), 0x80000001u);  // desktop colour at start-up only
  f.ListMonthScheduleMemoClick(nullptr);
  EXPECT_EQ(f.RichEdit1->Text(), "");
  EXPECT_EQ(f.ScheduleMemoListBox->GetColor(), ui::ClBtnFace);
}

TEST_F(ScheduleMemoTest, DeletingAsksForEachSelectedFile) {
  WriteMemo("20261201.txt", "one");
  WriteMemo("20261215.txt", "two");
  TMainForm& f = Start();
  ASSERT_EQ(f.ScheduleMemoListBox->Count(), 2);
  f.ScheduleMemoListBox->SetSelected(0, true);
  f.ScheduleMemoListBox->SetSelected(1, true);
  desk.ExpectMessageBox(platform::IdCancel,
                        "C:\\Quillpad\\ScheduleMemo\\20261201.txt" + Sjis(u8"を削除しますか？"));
  desk.ExpectMessageBox(platform::IdOk,
                        "C:\\Quillpad\\ScheduleMemo\\20261215.txt" + Sjis(u8"を削除しますか？"));
  f.FileDeleteClick(nullptr);
  EXPECT_EQ(desk.MessageBoxes()[0].Flags, platform::MbOkCancel | platform::MbIconWarning);
  EXPECT_TRUE(std::filesystem::exists(MemoDir() / "20261201.txt"));
  EXPECT_FALSE(std::filesystem::exists(MemoDir() / "20261215.txt"));
  ASSERT_EQ(f.ScheduleMemoListBox->Count(), 1);
  EXPECT_EQ(f.ScheduleMemoListBox->Items()[0], "20261201.txt");

  desk.ExpectMessageBox(platform::IdOk, Sjis(u8"ファイルを選択して下さい"));
  f.FileDeleteClick(nullptr);
}

TEST_F(ScheduleMemoTest, DoubleClickOpensAMemoAndFollowsItsDate) {
  WriteMemo("20261215.txt", "party");
  TMainForm& f = Start();
  desk.ExpectMessageBox(platform::IdOk, Sjis(u8"ﾌｧｲﾙを選択して下さい"));
  f.ScheduleMemoListBoxDblClick();
  Sim(*f.ScheduleMemoListBox).UserClickItem(0, true);
  EXPECT_EQ(f.RichEdit1->Text(), "party");
  EXPECT_EQ(f.DateTimePicker1->Date(), EncodeDate(2026, 12, 15));
  EXPECT_EQ(f.Caption(), Sjis(u8"Quillpad - 20261215.txt ： 2026年12月15日のメモ編集中..."));
}

TEST_F(ScheduleMemoTest, ANameThatIsNoDateStillOpensAndReportsTheError) {
  WriteMemo("20240305.txt", "dated");
  WriteMemo("notes.txt", "free text");
  TMainForm& f = Start();
  f.ListAllScheduleMemoClick(nullptr);
  // The heading takes what the short name has; nothing breaks.
  EXPECT_EQ(f.RichEdit1->Text(), "24/03/05 dated\r\nte/s./tx free text\r\n");
  desk.ExpectMessageBox(platform::IdNo);
  desk.ExpectErrorBox();
  Sim(*f.ScheduleMemoListBox).UserClickItem(1, true);
  EXPECT_EQ(desk.ErrorBoxes().size(), 1u);
  EXPECT_EQ(f.RichEdit1->Text(), "free text");
  EXPECT_EQ(f.DateTimePicker1->Date(), EncodeDate(2026, 12, 7));
  EXPECT_EQ(f.Caption(), Sjis(u8"Quillpad - notes.txt ： 2026年12月07日のメモ編集中..."));
}

TEST_F(ScheduleMemoTest, CalendarDeleteAsksWithTheDateAndReportsAMissingMemo) {
  WriteMemo("20261207.txt", "x");
  TMainForm& f = Start();
  desk.ExpectMessageBox(platform::IdCancel, Sjis(u8"2026/12/07の日付メモを削除しますか？"));
  f.DeleteCalendarDateMemo(EncodeDate(2026, 12, 7));
  EXPECT_TRUE(std::filesystem::exists(MemoDir() / "20261207.txt"));
  desk.ExpectMessageBox(platform::IdOk);
  f.DeleteCalendarDateMemo(EncodeDate(2026, 12, 7));
  EXPECT_FALSE(std::filesystem::exists(MemoDir() / "20261207.txt"));
  EXPECT_EQ(f.ScheduleMemoListBox->GetColor(), ui::ClBtnFace);
  desk.ExpectMessageBox(platform::IdOk, Sjis(u8"選択日の日付メモはありません"));
  f.DeleteCalendarDateMemo(EncodeDate(2026, 12, 7));
}

}  // namespace
}  // namespace quillpad
