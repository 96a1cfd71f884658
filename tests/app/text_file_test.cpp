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

}  // namespace
}  // namespace quillpad
