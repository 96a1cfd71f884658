#include <gtest/gtest.h>

#include "app/main_form_fixture.h"
#include "memo/memo_form.h"

namespace quillpad {
namespace {

class TextFileTest : public testing::MainFormTest {};

TEST_F(TextFileTest, OpeningAFileLoadsItAndRemembersItsFolder) {
  std::filesystem::create_directories(ProgramFolder() / "a");
  testing::WriteHostFile(ProgramFolder() / "a" / "b.txt", "one\ntwo\r\n");
  TMainForm& f = Start();
  desk.ExpectOpenFile({true, {"C:\\Quillpad\\a\\b.txt"}});
  f.TextOpenClick(nullptr);
  const platform::sim::FileDialogRecord& first = desk.FileDialogs().back();
  EXPECT_EQ(first.Options.Title, "テキストファイルを開く");
  EXPECT_EQ(first.Options.Filter, "ﾃｷｽﾄﾌｧｲﾙ(*.txt)|*.txt|すべてのﾌｧｲﾙ(*.*)|*.*");
  EXPECT_EQ(first.Options.FileName, "Memo.txt");
  EXPECT_EQ(first.Options.InitialDir, "C:\\Quillpad\\DesktopMemo");
  EXPECT_TRUE(std::filesystem::is_directory(ProgramFolder() / "DesktopMemo"));
  EXPECT_EQ(f.RichEdit1->Text(), "one\r\ntwo");
  EXPECT_FALSE(f.RichEdit1->Modified());
  EXPECT_EQ(f.Caption(), "Quillpad - b.txt");
  EXPECT_EQ(f.asTextDir, "C:\\Quillpad\\a");

  desk.ExpectOpenFile({false, {}});
  f.TextOpenClick(nullptr);
  EXPECT_EQ(desk.FileDialogs().back().Options.InitialDir, "C:\\Quillpad\\a");
  EXPECT_EQ(f.RichEdit1->Text(), "one\r\ntwo");
}

TEST_F(TextFileTest, UnsavedTextIsAskedForAndAMissingFileLeavesTheEditor) {
  TMainForm& f = Start();
  f.NewMemoClick(nullptr);
  Editor().UserType("draft");
  desk.ExpectMessageBox(platform::IdCancel);
  f.TextOpenClick(nullptr);
  EXPECT_TRUE(desk.FileDialogs().empty());
  EXPECT_EQ(f.RichEdit1->Text(), "draft");

  f.SetEditorModified(false);
  desk.ExpectOpenFile({true, {"C:\\Quillpad\\gone.txt"}});
  desk.ExpectErrorBox();
  desk.Dispatch([&] { f.TextOpenClick(nullptr); });
  EXPECT_EQ(f.RichEdit1->Text(), "draft");
  EXPECT_TRUE(desk.AllAnswersUsed());
}

TEST_F(TextFileTest, OpenAndShowMakesANewMemoEvenFromACancelledOpen) {
  testing::WriteHostFile(ProgramFolder() / "n.txt", "note");
  TMainForm& f = Start();
  desk.ExpectOpenFile({true, {"C:\\Quillpad\\n.txt"}});
  f.TextOpenAndShowClick(nullptr);
  ASSERT_EQ(f.MemoCount(), 1);
  EXPECT_EQ(f.MemoList[0]->MemoText(), "note");
  EXPECT_TRUE(f.MemoList[0]->Visible());

  desk.ExpectOpenFile({false, {}});  // an empty editor stores nothing
  f.TextOpenAndShowClick(nullptr);
  EXPECT_EQ(f.MemoCount(), 1);

  f.RichEdit1->SetText("kept");
  desk.ExpectMessageBox(platform::IdCancel);  // the unsaved-text question cancels the open
  f.TextOpenAndShowClick(nullptr);
  ASSERT_EQ(f.MemoCount(), 2);
  EXPECT_EQ(f.MemoList[1]->MemoText(), "kept");
  EXPECT_TRUE(desk.AllAnswersUsed());
}

TEST_F(TextFileTest, SavingWritesTheLinesAndCutsTheTextFromItsMemo) {
  WriteMemoData("MemoData.dat", {Memo("one", 10, 10), Memo("two", 10, 60)});
  TMainForm& f = Start();
  f.OpenMemoInEditor(f.MemoList[0]);
  f.RichEdit1->Select(3, 0);
  Editor().UserType(" more\nline");
  desk.ExpectSaveFile({true, {"C:\\Quillpad\\DesktopMemo\\notes"}});
  f.TextSaveClick(nullptr);
  const platform::FileDialogOptions& dialog = desk.FileDialogs().back().Options;
  EXPECT_EQ(dialog.Title, "テキストの保存");
  EXPECT_EQ(dialog.Filter, "ﾃｷｽﾄﾌｧｲﾙ(*.txt),ﾛｸﾞﾌｧｲﾙ(*.log)|*.txt;*.log|すべてのﾌｧｲﾙ(*.*)|*.*");
  EXPECT_EQ(dialog.FileName, "Memo.txt");
  EXPECT_EQ(dialog.InitialDir, "C:\\Quillpad\\DesktopMemo");
  EXPECT_TRUE(dialog.OverwritePrompt);
  EXPECT_TRUE(dialog.DefaultExt.empty());
  EXPECT_EQ(testing::ReadHostFile(ProgramFolder() / "DesktopMemo" / "notes"), "one more\r\nline\r\n");
  EXPECT_EQ(f.Caption(), "Quillpad - notes");
  EXPECT_FALSE(f.RichEdit1->Modified());
  EXPECT_EQ(f.CurrentMemo, nullptr);

  // The next save starts beside the file; storing the text now makes a new memo.
  desk.ExpectSaveFile({false, {}});
  f.TextSaveClick(nullptr);
  EXPECT_EQ(desk.FileDialogs().back().Options.FileName, "C:\\Quillpad\\DesktopMemo\\notes");
  EXPECT_EQ(desk.FileDialogs().back().Options.InitialDir, "C:\\Quillpad\\DesktopMemo");
  f.ShowMemoClick(nullptr);
  Stop();
  const MemoFileContents memos = ReadMemoFile(testing::ReadHostFile(ProgramFolder() / "MemoData.dat"));
  ASSERT_EQ(memos.Records.size(), 3u);
  EXPECT_EQ(memos.Records[0].Text, "one");
  EXPECT_EQ(memos.Records[1].Text, "two");
  EXPECT_EQ(memos.Records[2].Text, "one more\r\nline");
}

TEST_F(TextFileTest, TheLogOpensFromTheProgramFolderAndShowsTheEditor) {
  std::filesystem::create_directories(ProgramFolder() / "DesktopMemo");
  testing::WriteHostFile(ProgramFolder() / "DesktopMemo" / "Quillpad.log", "entry\r\n");
  TMainForm& f = Start();
  f.asTextDir = "C:\\Quillpad";  // not where the log is looked for
  desk.ExpectOpenFile({false, {}});
  f.LogOpenClick(nullptr);
  EXPECT_FALSE(f.Visible());  // nothing loaded, nothing to show
  desk.ExpectOpenFile({true, {"C:\\Quillpad\\DesktopMemo\\Quillpad.log"}});
  f.LogOpenClick(nullptr);
  const platform::FileDialogOptions& dialog = desk.FileDialogs().back().Options;
  EXPECT_EQ(dialog.Title, "ログファイルを開く");
  EXPECT_EQ(dialog.Filter, "ﾛｸﾞﾌｧｲﾙ(*.log)|*.log");
  EXPECT_EQ(dialog.FileName, "Quillpad.log");
  EXPECT_EQ(dialog.InitialDir, "C:\\Quillpad\\DesktopMemo");
  EXPECT_EQ(f.RichEdit1->Text(), "entry");
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ(f.asTextDir, "C:\\Quillpad\\DesktopMemo");
}

TEST_F(TextFileTest, DatesReplaceTheSelectionAndPrintingTakesTheCaption) {
  TMainForm& f = Start();
  f.NewMemoClick(nullptr);
  Editor().UserType("[x]");
  f.RichEdit1->Select(1, 1);
  f.InsertDateTimeClick(nullptr);
  EXPECT_EQ(f.RichEdit1->Text(), "[2026/12/07 9:05:03]");
  desk.SetNow(EncodeDateTime(2026, 12, 8, 0, 0, 0));
  f.RichEdit1->SelectAll();
  f.InsertDateTimeClick(nullptr);  // exactly midnight: the date alone
  EXPECT_EQ(f.RichEdit1->Text(), "2026/12/08");
  f.InsertDateClick(nullptr);
  f.DateTimePicker1->SetDate(EncodeDate(2026, 12, 7));
  f.InsertSelectedDateClick(nullptr);
  EXPECT_EQ(f.RichEdit1->Text(), "2026/12/082026/12/0826/12/07");

  desk.ExpectPrintDialog(std::nullopt);
  f.PrintClick(nullptr);
  desk.ExpectPrintDialog(platform::Size{600, 600});
  f.PrintClick(nullptr);
  ASSERT_EQ(desk.Printed().size(), 1u);
  EXPECT_EQ(desk.Printed()[0].Title, f.Caption());
  EXPECT_EQ(desk.Printed()[0].RichText, "2026/12/082026/12/0826/12/07");
  EXPECT_TRUE(desk.Printed()[0].Finished);
  f.SetEditorModified(false);
}

}  // namespace
}  // namespace quillpad
