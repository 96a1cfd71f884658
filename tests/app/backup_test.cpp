#include "app/backup.h"

#include <gtest/gtest.h>

#include "app/main_form_fixture.h"
#include "memo/memo_form.h"

namespace quillpad {
namespace {

using platform::LibraryCall;

TEST(ArchiverCommandLineTest, FileAndFolderSources) {
  EXPECT_EQ(ArchiverCommandLine("C:\\docs\\a b.txt", "D:\\x.lzh"),
            "u \"D:\\x.lzh\" \"C:\\docs\\\" \"a b.txt\" -d1");
  EXPECT_EQ(ArchiverCommandLine("C:\\docs\\sub\\", "D:\\x.lzh"), "u \"D:\\x.lzh\" \"C:\\docs\\sub\\\"  -d1");
  // "表" is 95 5C: its trail byte is no folder separator.
  EXPECT_EQ(ArchiverCommandLine("C:\\表", "D:\\x.lzh"), "u \"D:\\x.lzh\" \"C:\\\" \"表\" -d1");
  EXPECT_EQ(ArchiverCommandLine("name", "x.lzh"), "u \"x.lzh\" \"\\\" \"name\" -d1");
}

class BackupTest : public testing::MainFormTest {
 protected:
  std::string Host(const std::string& name) { return testing::ReadHostFile(ProgramFolder() / name); }
};

TEST_F(BackupTest, ABackupIsMadeOnceAndReplacedOnlyOnYes) {
  WriteMemoData("MemoData.dat", {Memo("one", 10, 10)});
  TMainForm& f = Start();
  desk.ExpectMessageBox(platform::IdOk, "コピー～MemoData.datを作成しました");
  f.MakeBackUpClick(nullptr);
  const std::string first = Host("コピー～MemoData.dat");
  EXPECT_EQ(first, Host("MemoData.dat"));
  EXPECT_EQ(ReadMemoFile(first).Records.at(0).Text, "one");

  f.RichEdit1->SetText("two");
  f.ShowNewMemoClick(nullptr);
  desk.ExpectMessageBox(platform::IdNo, "コピー～MemoData.datは存在します。上書きしますか？");
  f.MakeBackUpClick(nullptr);
  EXPECT_EQ(Host("コピー～MemoData.dat"), first);
  EXPECT_EQ(desk.MessageBoxes().back().Flags, platform::MbYesNoCancel | platform::MbIconQuestion);

  // A failed overwrite keeps the old copy whole and says so.
  desk.SimFiles().SetFault({{platform::sim::SimFileSystem::FaultOp::Write, "コピー～MemoData.dat", 5}});
  desk.ExpectMessageBox(platform::IdYes);
  desk.ExpectMessageBox(platform::IdOk, "バックアップ作成に失敗しました");
  f.MakeBackUpClick(nullptr);
  EXPECT_EQ(Host("コピー～MemoData.dat"), first);
  desk.SimFiles().SetFault(std::nullopt);

  desk.ExpectMessageBox(platform::IdYes);
  f.MakeBackUpClick(nullptr);
  EXPECT_EQ(ReadMemoFile(Host("コピー～MemoData.dat")).Records.size(), 2u);

  // Another category has a copy of its own; read-only mode makes none.
  f.MemoFile0Click(f.Item("MemoFile1"));
  desk.ExpectMessageBox(platform::IdOk, "コピー～MemoData1.datを作成しました");
  f.MakeBackUpClick(nullptr);
  f.bReadOnly = true;
  desk.ExpectMessageBox(platform::IdOk, "読み込み専用モードです");
  f.MakeBackUpClick(nullptr);
  EXPECT_TRUE(desk.AllAnswersUsed());
  EXPECT_EQ(ReadMemoFile(Host("MemoData.dat")).Records.size(), 2u);
}

TEST_F(BackupTest, FilesDroppedInArchiveModeGoIntoTheChosenArchive) {
  WriteMemoData("MemoData.dat", {Memo("one", 10, 10), Memo("two", 10, 60)});
  TMainForm& f = Start();
  f.iDragDrop = 0;
  TMemoForm& memo = *f.MemoList[1];
  // Without the library: one message per dropped path, no explorer.
  desk.ExpectSaveFile({true, {"C:\\Quillpad\\arc\\a.lzh"}});
  desk.ExpectMessageBox(platform::IdOk, "Unlha32.dll が組込まれていません。");
  desk.ExpectMessageBox(platform::IdOk, "Unlha32.dll が組込まれていません。");
  Sim(memo).UserDropFiles({"C:\\x\\1.txt", "C:\\x\\sub"});
  const platform::FileDialogOptions& dialog = desk.FileDialogs().back().Options;
  EXPECT_EQ(dialog.Title, "LZH書庫の指定");
  EXPECT_EQ(dialog.Filter, "lzhﾌｧｲﾙ (*.lzh)|*.lzh");
  EXPECT_EQ(dialog.DefaultExt, "lzh");
  EXPECT_TRUE(dialog.OverwritePrompt);
  EXPECT_EQ(dialog.InitialDir, "C:\\Quillpad");
  EXPECT_EQ(f.asLZHDir, "C:\\Quillpad\\arc");
  EXPECT_EQ(desk.Foreground(), &Sim(memo));
  EXPECT_TRUE(desk.ProgramRuns().empty());

  // With it: each path in its own command; the explorer opens the archive's folder.
  std::filesystem::create_directories(ProgramFolder() / "arc");
  desk.SetArchiverLibrary(LibraryCall::Called, [&](const std::string&) {
    testing::WriteHostFile(ProgramFolder() / "arc" / "a.lzh", "-lh5-");
  });
  desk.ExpectSaveFile({true, {"C:\\Quillpad\\arc\\a.lzh"}});
  Sim(memo).UserDropFiles({"C:\\x\\1.txt", "C:\\x\\sub"});
  EXPECT_EQ(desk.FileDialogs().back().Options.InitialDir, "C:\\Quillpad\\arc");
  EXPECT_EQ(desk.ArchiverCommands(),
            (std::vector<std::string>{"u \"C:\\Quillpad\\arc\\a.lzh\" \"C:\\x\\\" \"1.txt\" -d1",
                                      "u \"C:\\Quillpad\\arc\\a.lzh\" \"C:\\x\\\" \"sub\" -d1"}));
  ASSERT_EQ(desk.ProgramRuns().size(), 1u);
  EXPECT_EQ(desk.ProgramRuns()[0].CommandLine, "explorer.exe /E,\"C:\\Quillpad\\arc\"");
  EXPECT_EQ(desk.ProgramRuns()[0].ShowState, 5);

  // A library without its entry, or a cancelled dialog: silence.
  desk.SetArchiverLibrary(LibraryCall::NoEntry);
  std::filesystem::remove(ProgramFolder() / "arc" / "a.lzh");
  desk.ExpectSaveFile({true, {"C:\\Quillpad\\arc\\a.lzh"}});
  Sim(memo).UserDropFiles({"C:\\x\\1.txt"});
  desk.ExpectSaveFile({false, {}});
  Sim(memo).UserDropFiles({"C:\\x\\1.txt"});
  EXPECT_EQ(desk.LibraryLoads(), 5);
  EXPECT_TRUE(desk.AllAnswersUsed());
  Stop();
  const MemoFileContents memos = ReadMemoFile(Host("MemoData.dat"));
  ASSERT_EQ(memos.Records.size(), 2u);
  EXPECT_EQ(memos.Records[0].Text, "one");
  EXPECT_EQ(memos.Records[1].Text, "two");
}

}  // namespace
}  // namespace quillpad
