// The options dialog: its tool list rules, what an OK stores and changes, and Cancel.
#include <gtest/gtest.h>

#include "app/main_form_fixture.h"
#include "app/option_dlg.h"
#include "clipboard/clipboard_form.h"
#include "memo/memo_form.h"

namespace quillpad {
namespace {

using platform::sim::SimWindow;

class OptionDialogTest : public testing::MainFormTest {
 protected:
  static TOptionDlg& Dialog(SimWindow& w) {
    return *dynamic_cast<TOptionDlg*>(ui::Control::FromEvents(w.Events()));
  }
  // Runs the dialog from the menu with this script inside it.
  void RunOptions(TMainForm& f, std::function<void(TOptionDlg&)> script) {
    desk.SetModalScript("オプション設定", [script](SimWindow& w) { script(Dialog(w)); });
    f.Item("SetOption")->Click();
  }
  void Register(TOptionDlg& d, const std::string& text) {
    d.edTool->SetText(text);
    Sim(*d.ToolRegBtn).UserClick();
  }
  std::string Read(const std::filesystem::path& p) { return testing::ReadHostFile(p); }
};

TEST_F(OptionDialogTest, ToolListRulesAndOkWritesTheSortedList) {
  std::filesystem::create_directories(ProgramFolder() / "Tools");
  testing::WriteHostFile(ProgramFolder() / "Tools" / "Editor.exe", "MZ");
  testing::WriteHostFile(ProgramFolder() / "ToolList.txt", "mailto:me@example.com\r\n");
  TMainForm& f = Start();
  RunOptions(f, [&](TOptionDlg& d) {
    EXPECT_EQ(d.pcOption->ActivePage(), d.RegisterSheet);
    EXPECT_FALSE(d.ToolDelBtn->Enabled());
    Register(d, "HTTP://EXAMPLE.COM/");  // the prefix test lowers the text first
    EXPECT_EQ(d.edTool->Text(), "");
    Register(d, "http");  // names nothing, but carries the prefix
    Register(d, "C:\\Quillpad\\Tools\\Editor.exe");
    Register(d, "C:\\Quillpad\\Tools");
    desk.ExpectMessageBox(platform::IdOk, "登録済みです");
    Register(d, "c:\\quillpad\\tools\\EDITOR.EXE");
    EXPECT_EQ(d.edTool->Text(), "c:\\quillpad\\tools\\EDITOR.EXE");  // kept for correcting
    desk.ExpectMessageBox(platform::IdOk, "参照ファイルが存在しません");
    Register(d, "C:\\Quillpad\\Tools\\missing.exe");
    ASSERT_EQ(d.lbTool->Count(), 5);
    // Selecting shows the entry and enables deleting; only Yes deletes.
    Sim(*d.lbTool).UserClickItem(0);
    EXPECT_TRUE(d.ToolDelBtn->Enabled());
    EXPECT_EQ(d.edTool->Text(), "C:\\Quillpad\\Tools");
    desk.ExpectMessageBox(platform::IdNo, "C:\\Quillpad\\Toolsを登録リストから削除しますか");
    Sim(*d.ToolDelBtn).UserClick();
    EXPECT_EQ(d.lbTool->Count(), 5);
    desk.ExpectMessageBox(platform::IdYes);
    Sim(*d.lbTool).UserKey(0x2E);  // Delete
    EXPECT_EQ(d.lbTool->Count(), 4);
    EXPECT_FALSE(d.ToolDelBtn->Enabled());
    // Drops count only while the register page shows; held entries are not added twice.
    d.pcOption->SetActivePageIndex(1);
    Sim(d).UserDropFiles({"C:\\Quillpad\\Tools"});
    EXPECT_EQ(d.lbTool->Count(), 4);
    Sim(*d.pcOption).UserClickItem(0);
    Sim(d).UserDropFiles({"C:\\Quillpad\\Tools", "HTTP://example.com/"});
    EXPECT_EQ(d.lbTool->Count(), 5);
    Sim(*d.OKBtn).UserClick();
  });
  EXPECT_TRUE(desk.AllAnswersUsed());
  EXPECT_EQ(Read(ProgramFolder() / "ToolList.txt"),
            "C:\\Quillpad\\Tools\r\nC:\\Quillpad\\Tools\\Editor.exe\r\nhttp\r\n"
            "HTTP://EXAMPLE.COM/\r\nmailto:me@example.com\r\n");
  ui::MenuItem* tools = f.Item("RegisteredTool1");
  ASSERT_EQ(tools->Count(), 5);
  EXPECT_EQ(tools->Items(1)->Caption(), "Editor.exe");
  EXPECT_EQ(tools->Items(4)->Tag, 4);
}

TEST_F(OptionDialogTest, PagesShowTheSettingsAndOkStoresThem) {
  WriteIni(
      "[FORM]\r\niTaskTrayDblClick=7\r\nasTextDir=C:\\Texts\r\nasJPEGDir=C:\\Jpeg\r\n"
      "[ClipboardForm]\r\niMaxCount=300\r\n");
  TMainForm& f = Start();
  f.ShowClipboardViewerClick(nullptr);
  f.asTextDir = "C:\\LastUsed";  // the run's own folder is not what the dialog shows
  RunOptions(f, [&](TOptionDlg& d) {
    EXPECT_EQ(d.Left(), (1024 - d.Width()) / 2);
    EXPECT_TRUE(d.OKBtn->Default());
    EXPECT_TRUE(d.CancelBtn->Cancel);
    const char* const pages[] = {"登録",     "タスクトレイ",           "メモ上の操作",
                                 "フォルダ", "クリップボードビューア", "その他"};
    ASSERT_EQ(d.pcOption->PageCount(), 6);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(d.pcOption->Page(i)->Caption(), pages[i]);
    EXPECT_EQ(Sim(*d.pcOption).Items().size(), 6u);
    EXPECT_EQ(d.rgTaskTrayDblClick->ItemIndex(), 7);
    EXPECT_EQ(d.rgTaskTrayClick->Button(9)->Caption(), "メモサイズの切替");
    EXPECT_EQ(d.rgMemoDblClick->Count(), 7);
    EXPECT_EQ(d.rgDragDrop->Button(2)->Caption(), "リストへ登録");
    EXPECT_EQ(d.rgAfterSizeChange->ItemIndex(), 3);
    EXPECT_TRUE(Sim(*d.rgAfterSizeChange->Button(3)).Checked());
    EXPECT_EQ(d.edTextDir->Text(), "C:\\Texts");
    EXPECT_EQ(d.edJPEGDir->Text(), "C:\\Jpeg");
    EXPECT_EQ(d.csMaxCount->Value(), 300);
    EXPECT_EQ(d.csNeglectRowCount->Value(), 20);  // the design value
    EXPECT_EQ(d.edHeight->Text(), "25");
    // The arrows step within the range, and a click sizes the sample.
    Sim(*d.csMaxCount->Arrows()).UserClickArrow(true);
    EXPECT_EQ(d.csMaxCount->Value(), 310);
    d.csNeglectRowCount->Field()->SetText("99999");
    EXPECT_EQ(d.csNeglectRowCount->Value(), 10000);
    d.edHeight->SetText("10");
    Sim(*d.udHeight).UserClickArrow(false);
    EXPECT_EQ(d.udHeight->Position(), 10);
    EXPECT_EQ(d.DemoPanel->Height(), 10);
    Sim(*d.udWidth).UserClickArrow(true);
    EXPECT_EQ(d.DemoPanel->Width(), 101);
    EXPECT_TRUE(Sim(*d.udWidth).Style().Horizontal);
    // The folder browser is owned by the dialog; a cancel keeps the field.
    desk.ExpectFolderBrowse(std::nullopt);
    Sim(*d.LZHRefBtn).UserClick();
    desk.ExpectFolderBrowse("C:\\Archives");
    Sim(*d.LZHRefBtn).UserClick();
    EXPECT_EQ(d.edLZHDir->Text(), "C:\\Archives");
    desk.ExpectOpenFile({true, {"C:\\Tools\\view.exe"}});
    Sim(*d.ViewerRefBtn).UserClick();
    Sim(*d.rgMemoDblClick->Button(6)).UserClick();
    Sim(*d.ckSeparateNumber).UserClick();
    d.edMemoFile[1]->SetText("仕事");
    Sim(*d.OKBtn).UserClick();
  });
  EXPECT_TRUE(desk.AllAnswersUsed());
  EXPECT_EQ(desk.FolderBrowses().back(), "書庫のデフォルトフォルダ選択：");
  EXPECT_EQ(desk.FileDialogs().back().Options.Title, "登録するアプリケーションを選択");
  EXPECT_EQ(f.iMemoDblClick, 6);
  EXPECT_FALSE(f.bSeparateNumber);
  EXPECT_EQ(f.iDefaultHeight, 10);
  EXPECT_EQ(f.iDefaultWidth, 101);
  EXPECT_EQ(f.asViewer, "C:\\Tools\\view.exe");
  EXPECT_EQ(f.Item("MemoFile1")->Caption(), "仕事");
  const std::string ini = ReadIni();
  EXPECT_TRUE(Holds(ini, "iMaxCount=310"));
  EXPECT_TRUE(Holds(ini, "iNeglectRowCount=10000"));
  EXPECT_TRUE(Holds(ini, "asLZHDir=C:\\Archives"));
  EXPECT_TRUE(Holds(ini, "asJPEGDir=C:\\Jpeg"));
  EXPECT_EQ(f.ClipboardForm->History.MaxCount, 310);
  EXPECT_EQ(f.ClipboardForm->History.NeglectRowCount, 10000);
  // The exit writes the dialog's folders, not the run's older ones.
  Stop();
  EXPECT_TRUE(Holds(ReadIni(), "asTextDir=C:\\Texts"));
}

TEST_F(OptionDialogTest, CancelKeepsSettingsButRereadsTheDisplayName) {
  TMainForm& f = Start();
  f.Item("MemoFile0")->SetCaption("私用");
  RunOptions(f, [&](TOptionDlg& d) {
    Sim(*d.rgTaskTrayClick->Button(0)).UserClick();
    d.edWorkDir->SetText(ProgramFolder().parent_path().string());
    Sim(*d.CancelBtn).UserClick();
  });
  EXPECT_EQ(f.iTaskTrayClick, 2);
  EXPECT_EQ(f.CurMemoFileDisplayName, "私用");
  EXPECT_NE(desk.TrayTip().find("私用"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(ProgramFolder() / "ToolList.txt"));
}

class WorkFolderTest : public OptionDialogTest {
 protected:
  WorkFolderTest() {
    std::filesystem::create_directories(temp.Path() / "Shared");
    WriteMemoData("MemoData.dat", {Memo("here", 10, 10)});
    testing::WriteHostFile(temp.Path() / "Shared" / "MemoData.dat",
                           WriteMemoFile({Memo("shared a", 10, 10), Memo("shared b", 10, 60)}));
  }
  void ChangeTo(TMainForm& f, const std::string& folder, bool readOnly = false) {
    RunOptions(f, [&](TOptionDlg& d) {
      d.edWorkDir->SetText(folder);
      if (readOnly) Sim(*d.ckReadOnly).UserClick();
      Sim(*d.OKBtn).UserClick();
    });
  }
};

TEST_F(WorkFolderTest, SameTextDoesNothingAndATrailingBackslashReloadsAfterTheQuestion) {
  TMainForm& f = Start();
  ChangeTo(f, "C:\\Quillpad");  // no question is queued: none may come
  EXPECT_EQ(f.MemoCount(), 1);
  ChangeTo(f, "C:\\Quillpad\\Nowhere");  // not a folder: ignored
  EXPECT_EQ(f.WorkDir, "C:\\Quillpad");
  desk.ExpectMessageBox(platform::IdNo,
                        "ワークフォルダーを変更する前に現在のメモファイルを上書き保存しますか？");
  const std::string before = Read(ProgramFolder() / "MemoData.dat");
  f.MemoList[0]->Hide();  // a change that No must not write
  ChangeTo(f, "C:\\Quillpad\\");
  EXPECT_EQ(desk.MessageBoxes().back().Flags, platform::MbYesNo | platform::MbIconWarning);
  EXPECT_EQ(Read(ProgramFolder() / "MemoData.dat"), before);
  EXPECT_EQ(f.WorkDir, "C:\\Quillpad\\");
  ASSERT_EQ(f.MemoCount(), 1);
  EXPECT_TRUE(f.MemoList[0]->Visible());  // loaded again from the file
  // Yes writes into the old folder, then the new folder's file is loaded.
  f.MemoList[0]->Hide();
  desk.ExpectMessageBox(platform::IdYes);
  ChangeTo(f, "C:\\Shared");
  EXPECT_FALSE(ReadMemoFile(Read(ProgramFolder() / "MemoData.dat")).Records[0].Visible);
  ASSERT_EQ(f.MemoCount(), 2);
  EXPECT_EQ(f.MemoList[1]->Record().Text, "shared b");
  EXPECT_EQ(f.CurrentMemo, nullptr);
  EXPECT_TRUE(desk.AllAnswersUsed());
}

TEST_F(WorkFolderTest, ReadOnlyWithAChangeAsksNothingAndWritesNothing) {
  TMainForm& f = Start();
  const std::string before = Read(ProgramFolder() / "MemoData.dat");
  f.MemoList[0]->Hide();
  ChangeTo(f, "C:\\Shared", true);
  EXPECT_TRUE(desk.MessageBoxes().empty());
  EXPECT_EQ(f.MemoCount(), 2);
  Stop();
  EXPECT_EQ(Read(ProgramFolder() / "MemoData.dat"), before);
  EXPECT_EQ(ReadMemoFile(Read(temp.Path() / "Shared" / "MemoData.dat")).Records.size(), 2u);
}

TEST_F(WorkFolderTest, AFailedSaveKeepsTheMemosAndTheFolder) {
  TMainForm& f = Start();
  const std::string before = Read(ProgramFolder() / "MemoData.dat");
  using Fault = platform::sim::SimFileSystem::Fault;
  desk.SimFiles().SetFault(
      Fault{platform::sim::SimFileSystem::FaultOp::Rename, "MemoData.dat", {}});
  desk.ExpectMessageBox(platform::IdYes);
  desk.ExpectErrorBox();
  ChangeTo(f, "C:\\Shared");
  desk.SimFiles().SetFault(std::nullopt);
  EXPECT_EQ(desk.ErrorBoxes().size(), 1u);
  EXPECT_EQ(f.WorkDir, "C:\\Quillpad");
  ASSERT_EQ(f.MemoCount(), 1);
  EXPECT_EQ(f.MemoList[0]->Record().Text, "here");
  EXPECT_EQ(Read(ProgramFolder() / "MemoData.dat"), before);
}

TEST_F(OptionDialogTest, ADamagedToolListKeepsItsBytesBeforeTheFirstRewrite) {
  const std::string damaged = std::string("C:\\a\r\nC:\\b\0x\r\n\x82", 14);
  testing::WriteHostFile(ProgramFolder() / "ToolList.txt", damaged);
  TMainForm& f = Start();
  EXPECT_EQ(f.ToolList, std::vector<std::string>{"C:\\a"});
  RunOptions(f, [&](TOptionDlg& d) { Sim(*d.OKBtn).UserClick(); });
  EXPECT_EQ(Read(ProgramFolder() / "ToolList.txt.damaged"), damaged);
  EXPECT_EQ(Read(ProgramFolder() / "ToolList.txt"), "C:\\a\r\n");
}

TEST_F(OptionDialogTest, FilesDroppedOnAMemoInToolModeAreRegisteredAndWritten) {
  std::filesystem::create_directories(ProgramFolder() / "Drop");
  WriteMemoData("MemoData.dat", {Memo("a", 100, 50)});
  WriteIni("[FORM]\r\niDragDrop=2\r\n");
  testing::WriteHostFile(ProgramFolder() / "ToolList.txt", "mailto:x\r\nhttp://z\r\n");
  TMainForm& f = Start();
  TMemoForm& memo = *f.MemoList[0];
  Sim(memo).UserDropFiles({"C:\\Quillpad\\Drop", "HTTP://Z"});
  EXPECT_EQ(Read(ProgramFolder() / "ToolList.txt"),
            "C:\\Quillpad\\Drop\r\nhttp://z\r\nmailto:x\r\n");
  EXPECT_EQ(f.Item("RegisteredTool1")->Count(), 3);
  EXPECT_EQ(memo.Left(), 100);  // no arrangement follows
}

TEST_F(OptionDialogTest, ScreenSaverCommandsReachTheSystem) {
  TMainForm& f = Start();
  f.Item("ExecScreenSaver")->Click();
  f.Item("ActivateScreenSaver1")->Click();
  f.Item("DeactivateScreenSaver")->Click();
  f.RunTrayAction(5);
  EXPECT_EQ(desk.ScreenSaverLog(), (std::vector<std::string>{"start", "on", "off", "start"}));
}

}  // namespace
}  // namespace quillpad
