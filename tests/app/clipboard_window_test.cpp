// The clipboard history window as the main window owns it: what it records through the viewer
// chain, the chain kept whole when others join and leave, its commands, and its file and
// settings, damaged files included.
#include <gtest/gtest.h>

#include "app/main_form_fixture.h"
#include "clipboard/clipboard_form.h"
#include "memo/memo_form.h"
#include "platform/sim/sim_desktop_windows.h"

namespace quillpad::testing {
namespace {

using platform::WindowHandle;
using platform::sim::SimFileSystem;
using Lines = std::vector<std::string>;

class ClipboardWindowTest : public MainFormTest {
 protected:
  TClipboardForm& Open() {
    if (!form) Start();
    form->ShowClipboardViewerClick(nullptr);
    desk.RunIdle();
    return *form->ClipboardForm;
  }
  const Lines& Shown() { return Sim(*form->ClipboardForm->ClipboardListBox).Items(); }
  std::string Panel(int i) { return Sim(*form->ClipboardForm->StatusBar1).PanelText(i); }
  std::string History() { return ReadHostFile(ProgramFolder() / "ClipboardHistory.txt"); }
  void WriteHistory(const std::string& bytes) {
    WriteHostFile(ProgramFolder() / "ClipboardHistory.txt", bytes);
  }
  void Select(std::initializer_list<int> items) {
    for (int i : items) form->ClipboardForm->ClipboardListBox->SetSelected(i, true);
  }
  // A hidden viewer window of another program.
  WindowHandle OtherViewer() { return desk.Others().AddForeignWindow({0, "viewer", 0, {}, {}, 0}); }
};

TEST_F(ClipboardWindowTest, OpeningCapturesAndClosingSavesTheListAndSettings) {
  WriteHistory("old one\r\nold two\r\n");
  desk.OtherProgramCopies("  a\r\nb\r\nc\r\n", OtherViewer());
  TMainForm& f = Start();
  f.Item("ShowClipboardViewer")->Click();
  desk.RunIdle();
  TClipboardForm& c = *f.ClipboardForm;
  EXPECT_EQ(c.Caption(), "クリップボードビューア");
  EXPECT_EQ(Shown(), (Lines{"a", "b", "c", "old one", "old two"}));
  EXPECT_EQ(Panel(0), "5行");
  EXPECT_EQ(Panel(1), "最大500行");
  EXPECT_EQ(Panel(2), "20行以上のコピー無視");
  EXPECT_TRUE(f.Item("ShowClipboardViewer1")->Checked());
  EXPECT_TRUE(f.Button("ShowClipboardViewerBtn")->Down());

  // Closed from its title bar: the idle turn destroys it and clears the marks.
  ASSERT_TRUE(Sim(c).UserClose());
  desk.RunIdle();
  EXPECT_EQ(f.ClipboardForm, nullptr);
  EXPECT_FALSE(f.Item("ShowClipboardViewer")->Checked());
  EXPECT_EQ(desk.ViewerChain().First(), 0u);
  EXPECT_EQ(History(), "a\r\nb\r\nc\r\nold one\r\nold two\r\n");
  EXPECT_TRUE(Holds(ReadIni(), "[ClipboardForm]"));
  EXPECT_TRUE(Holds(ReadIni(), "iMaxCount=500"));
  EXPECT_TRUE(Holds(ReadIni(), "iCalendarWidth=308"));

  // Open at exit: open again at the next start.
  Open();
  Stop();
  EXPECT_TRUE(Holds(ReadIni(), "bShowClipboardViewer=1"));
  Start();
  ASSERT_NE(form->ClipboardForm, nullptr);
  EXPECT_TRUE(form->ClipboardForm->Visible());
}

TEST_F(ClipboardWindowTest, SettingsApplyBeforeTheFirstCaptureAndStayInRange) {
  std::string file;
  for (int i = 0; i < 800; ++i) file += "entry " + std::to_string(i) + "\r\n";
  WriteHistory(file);
  WriteIni("[ClipboardForm]\r\niMaxCount=1000\r\niNeglectRowCount=99999\r\nbSorted=1\r\n");
  desk.SetText("fresh");
  TClipboardForm& c = Open();
  EXPECT_EQ(c.History.Count(), 801);
  EXPECT_EQ(c.History.NeglectRowCount, 10000);
  EXPECT_TRUE(c.SortBtn->Down());
  EXPECT_EQ(Shown().front(), "entry 0");  // sorted after the capture
  form->ShowClipboardViewerClick(nullptr);
  WriteIni("[ClipboardForm]\r\niMaxCount=99999999\r\n");
  EXPECT_EQ(Open().History.MaxCount, 100000);
}

// Viewers of other programs before and after ours; each one leaving keeps every message going
// to windows that are still there.
TEST_F(ClipboardWindowTest, TheChainStaysWholeWhenViewersLeave) {
  platform::sim::SimClipboardChain& chain = desk.ViewerChain();
  const WindowHandle before = OtherViewer();
  chain.JoinOther(before);
  TClipboardForm& c = Open();
  EXPECT_EQ(c.NextViewer(), before);
  const WindowHandle after = OtherViewer();
  chain.JoinOther(after);

  desk.OtherProgramCopies("one", after);
  EXPECT_EQ(c.History.Entries().front(), "one");
  EXPECT_EQ(chain.DrawsReceived(before), 2);  // its join and this copy

  // The window before ours leaves: the notice comes through the later viewer.
  chain.LeaveOther(before);
  EXPECT_EQ(c.NextViewer(), 0u);
  desk.OtherProgramCopies("two", after);
  EXPECT_EQ(c.History.Entries().front(), "two");
  EXPECT_EQ(chain.DrawsReceived(before), 2);

  // Ours leaves: the later viewer now reaches nobody, and nothing reaches us.
  form->ShowClipboardViewerClick(nullptr);
  desk.OtherProgramCopies("three", after);
  EXPECT_EQ(chain.DrawsReceived(after), 4);
  EXPECT_EQ(chain.StrayMessages(), 0);
  EXPECT_FALSE(chain.InChain(before));
}

TEST_F(ClipboardWindowTest, CommandsActOnTheSelection) {
  WriteHistory("A\r\nb\r\na\r\n\r\nB\r\n");
  TClipboardForm& c = Open();
  // Nothing selected: nothing happens.
  c.CopyBtnClick();
  c.EditBtnClick();
  c.SendToActiveInputBtnClick();
  EXPECT_FALSE(desk.HasText());
  EXPECT_FALSE(form->Visible());

  Select({0, 1});
  c.CopyBtnClick();  // captured again at the top
  EXPECT_EQ(desk.GetText(), "A\r\nb\r\n");
  EXPECT_EQ(Shown(), (Lines{"A", "b", "A", "b", "a", "", "B"}));
  c.ReduceListBtnClick();
  EXPECT_EQ(Shown(), (Lines{"A", "b"}));
  EXPECT_EQ(Panel(0), "2行");

  Select({1});
  c.MakeMemoBtnClick();
  ASSERT_EQ(form->MemoCount(), 1);
  EXPECT_EQ(form->MemoList[0]->Record().Text, "b");

  Sim(*c.ClipboardListBox).UserClickItem(0);
  c.DeleteBtnClick();
  EXPECT_EQ(Shown(), (Lines{"b"}));
  c.ClearBtnClick();
  EXPECT_EQ(Panel(0), "0行");

  c.BringToFrontBtn->Click();
  EXPECT_TRUE(Sim(c).Topmost());
  Stop();
  EXPECT_EQ(History(), "");
  EXPECT_TRUE(Holds(ReadIni(), "bBringToFront=1"));
}

TEST_F(ClipboardWindowTest, AForeignOrDamagedHistoryIsCopiedBeforeItIsRewritten) {
  const std::string utf16("\xFF\xFE" "a\0\r\0\n\0b\0", 10);
  WriteHistory(utf16);
  Open();
  EXPECT_EQ(ReadHostFile(ProgramFolder() / "ClipboardHistory.txt.damaged"), utf16);
  Stop();
  EXPECT_NE(History(), utf16);

  // No copy can be made: the file keeps its bytes and the list goes beside it.
  WriteHistory(utf16);
  std::filesystem::remove(ProgramFolder() / "ClipboardHistory.txt.damaged");
  desk.SimFiles().SetFault(SimFileSystem::Fault{SimFileSystem::FaultOp::Copy, "ClipboardHistory.txt.damaged", {}});
  desk.ExpectErrorBox();
  desk.SetText("new");
  Open();
  desk.SimFiles().SetFault(std::nullopt);
  Stop();
  EXPECT_EQ(History(), utf16);
  EXPECT_EQ(ReadHostFile(ProgramFolder() / "ClipboardHistory.txt.new").substr(0, 5), "new\r\n");

}

TEST_F(ClipboardWindowTest, AnUnreadableHistoryKeepsItsBytesAndTheUserIsTold) {
  WriteHistory("kept\r\n");
  desk.SimFiles().SetFault(SimFileSystem::Fault{SimFileSystem::FaultOp::Read, "ClipboardHistory.txt", {}});
  desk.ExpectErrorBox();
  desk.SetText("new");
  Open();
  desk.SimFiles().SetFault(std::nullopt);
  Stop();
  EXPECT_EQ(desk.ErrorBoxes().size(), 1u);
  EXPECT_EQ(History(), "kept\r\n");
  EXPECT_EQ(ReadHostFile(ProgramFolder() / "ClipboardHistory.txt.new"), "new\r\n");
}

}  // namespace
}  // namespace quillpad::testing
