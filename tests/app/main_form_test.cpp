#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "app/main_form_fixture.h"
#include "tray/task_bar.h"
#include "ui/short_cut.h"

namespace quillpad {
namespace {

using testing::MainFormTest;

TEST_F(MainFormTest, FirstStartSitsHiddenInTheTray) {
  TMainForm& f = Start();
  EXPECT_FALSE(f.Visible());
  EXPECT_EQ(f.Caption(), "Quillpad - カテゴリ０ ： 新規メモ");
  EXPECT_EQ(f.ProgramDir, "C:\\Quillpad");
  EXPECT_EQ(f.WorkDir, "C:\\Quillpad");
  EXPECT_TRUE(desk.TrayIconShown());
  EXPECT_EQ(desk.TrayTip(), "総メモ数=0 in カテゴリ０");
  EXPECT_TRUE(std::filesystem::is_directory(ProgramFolder() / "ScheduleMemo"));
  EXPECT_FALSE(std::filesystem::exists(ProgramFolder() / "Quillpad.ini"));  // nothing written yet
  EXPECT_EQ(f.StatusBar1->PanelCount(), 3);
  EXPECT_EQ(f.StatusBar1->PanelWidth(0), 120);
  EXPECT_EQ(f.DayBoundary, EncodeDate(2026, 12, 8));
  EXPECT_EQ(f.RichEdit1->Font().Name, "ＭＳ Ｐゴシック");
  EXPECT_EQ(f.RichEdit1->GetColor(), 0x008000u);
  // Made in their final style: a restyle of either would make its native control twice.
  EXPECT_EQ(Sim(*f.OutputMemo).Restyles(), 0);
  EXPECT_TRUE(Sim(*f.OutputMemo).Style().ReadOnly && !Sim(*f.OutputMemo).Style().ScrollBars);
  EXPECT_EQ(Sim(*f.ScheduleMemoListBox).Restyles(), 0);
  EXPECT_TRUE(Sim(*f.ScheduleMemoListBox).Style().MultiSelect);
  // The bars are built before the editor: it is laid out once, in its final place.
  EXPECT_EQ(Sim(*f.RichEdit1).Placements(), 1);
}

// The build puts 28 pictures into the tool image list, one per button of both bars in order.
TEST_F(MainFormTest, EveryToolButtonShowsItsOwnPicture) {
  TMainForm& f = Start();
  std::vector<int> images;
  for (ui::ToolBar* bar : {f.tbMain, f.tbEdit}) {
    for (int i = 0; i < bar->ButtonCount(); ++i) {
      if (bar->Buttons(i)->Style() != ui::ToolButtonStyle::Separator)
        images.push_back(bar->Buttons(i)->PeerItem().ImageIndex);
    }
  }
  std::vector<int> expected(28);
  std::iota(expected.begin(), expected.end(), 0);
  EXPECT_EQ(images, expected);
}

TEST_F(MainFormTest, ExitWritesTheSettingsWithTheProgramFolderAsWorkFolder) {
  Start();
  form->Close();
  form.reset();
  const std::string ini = ReadIni();
  EXPECT_EQ(ini.rfind("[FORM]\r\niTaskTrayClick=2\r\n", 0), 0u);
  EXPECT_TRUE(Holds(ini, "asWorkDir=C:\\Quillpad"));
  EXPECT_TRUE(Holds(ini, "asDefaultColor=clGreen"));
  EXPECT_TRUE(app.Terminated());
}

TEST_F(MainFormTest, RemovedWorkFolderFallsBackToTheProgramFolder) {
  WriteIni("[FORM]\r\nasWorkDir=C:\\Gone\r\n");
  TMainForm& f = Start();
  EXPECT_EQ(f.WorkDir, "C:\\Quillpad");
  Stop();
  EXPECT_TRUE(Holds(ReadIni(), "asWorkDir=C:\\Quillpad"));
}

TEST_F(MainFormTest, MemoFileCaptionsShowEverywhere) {
  WriteIni("[FORM]\r\niCurMemoFile=1\r\nasMemoFile1=仕事\r\n");
  TMainForm& f = Start();
  EXPECT_EQ(f.Item("MemoFile1")->Caption(), "仕事");
  EXPECT_TRUE(f.Item("MemoFile1")->Checked());
  EXPECT_FALSE(f.Item("MemoFile0")->Checked());
  EXPECT_EQ(f.CurMemoFileName, "MemoData1.dat");
  EXPECT_EQ(f.Caption(), "Quillpad - 仕事 ： 新規メモ");
  EXPECT_EQ(desk.TrayTip(), "総メモ数=0 in 仕事");
}

TEST_F(MainFormTest, HandEditedBackgroundKeysMarkOnlyGradation) {
  WriteIni("[FORM]\r\nbBgNormal=1\r\nbBgGradation=1\r\n");
  TMainForm& f = Start();
  EXPECT_FALSE(f.Item("BgNormal")->Checked());
  EXPECT_TRUE(f.Item("BgGradation")->Checked());
  Stop();
  EXPECT_TRUE(Holds(ReadIni(), "bBgNormal=0"));
  EXPECT_TRUE(Holds(ReadIni(), "bBgGradation=1"));
}

TEST_F(MainFormTest, ProgramInADriveRootHasNoTrailingBackslash) {
  desk.SetExecutablePath("C:\\Quillpad.exe");
  TMainForm& f = Start();
  EXPECT_EQ(f.ProgramDir, "C:");
  Stop();
  EXPECT_TRUE(std::filesystem::exists(temp.Path() / "Quillpad.ini"));
  EXPECT_TRUE(Holds(testing::ReadHostFile(temp.Path() / "Quillpad.ini"), "asWorkDir=C:"));
}

TEST_F(MainFormTest, TrayLeftClickMakesANewMemoAndRightClickOnlyOpensTheMenu) {
  TMainForm& f = Start();
  desk.ExpectPopupChoice("");
  desk.TrayMouse(TmRightDown);
  desk.TrayMouse(TmRightUp);
  EXPECT_FALSE(f.Visible());
  EXPECT_EQ(desk.Popups().size(), 1u);

  desk.TrayMouse(TmLeftDown);
  desk.TrayMouse(TmLeftUp);
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ(desk.Foreground(), &Sim(f));
  // Centred on the full screen, at least the fitted minimum size.
  EXPECT_GE(f.ClientWidth(), 430);
  EXPECT_GE(f.ClientHeight(), 250);
  EXPECT_EQ(f.Left(), 1024 / 2 - f.Width() / 2);
}

TEST_F(MainFormTest, DoubleClickRunsTheClickActionThenTheDoubleClickAction) {
  WriteIni("[FORM]\r\niTaskTrayClick=3\r\niTaskTrayDblClick=2\r\niTaskTrayRDblClick=3\r\n");
  TMainForm& f = Start();
  desk.TrayMouse(TmLeftDown);  // action 3: memos hidden
  EXPECT_FALSE(f.bShowMemo);
  desk.TrayMouse(TmLeftUp);
  desk.TrayMouse(TmLeftDblClk);  // action 2: the editor shows
  EXPECT_TRUE(f.Visible());
  desk.TrayMouse(TmRightDblClk);  // action 3 again: memos shown
  EXPECT_TRUE(f.bShowMemo);
  desk.TrayMouse(TmMiddleDown);  // only the left button has a click action
  EXPECT_TRUE(f.bShowMemo);
}

TEST_F(MainFormTest, TypingASheetShowsTheLastResult) {
  TMainForm& f = Start();
  f.NewMemoClick(nullptr);
  Editor().UserType("a=3*4;\r\na/5");
  EXPECT_EQ(f.OutputMemo->Text(), "2.4");
  EXPECT_EQ(f.StatusBar1->PanelText(1), "変更あり");
  EXPECT_TRUE(f.RichEdit1->Modified());
  Editor().UserType(";\r\n1234567*");
  EXPECT_EQ(f.OutputMemo->Text(), "");  // unfinished
  Editor().UserType("1");
  EXPECT_EQ(f.OutputMemo->Text(), "1,234,567");
  f.bSeparateNumber = false;
  Editor().UserType(" ");
  EXPECT_EQ(f.OutputMemo->Text(), "1234567");
}

TEST_F(MainFormTest, EmptyEditorClearsThePaneWithoutMarkingItModified) {
  TMainForm& f = Start();
  f.NewMemoClick(nullptr);
  Editor().UserType("1+2");
  EXPECT_EQ(f.OutputMemo->Text(), "3");
  f.SetEditorModified(false);
  f.RichEdit1->Clear();
  EXPECT_EQ(f.OutputMemo->Text(), "");
  EXPECT_FALSE(f.RichEdit1->Modified());
  EXPECT_EQ(f.StatusBar1->PanelText(1), "");
}

TEST_F(MainFormTest, EvaluatorErrorGoesToTheErrorBoxAndLeavesThePane) {
  TMainForm& f = Start();
  f.NewMemoClick(nullptr);
  Editor().UserType("2*3");
  f.SetEditorModified(false);
  desk.ExpectErrorBox();
  desk.Dispatch([&] { f.RichEdit1->SetSelText("*1e400"); });  // pasted in one change
  ASSERT_EQ(desk.ErrorBoxes().size(), 1u);
  EXPECT_EQ(desk.ErrorBoxes()[0], "浮動小数点数のオーバーフロー");
  EXPECT_EQ(f.OutputMemo->Text(), "6");
  EXPECT_EQ(f.StatusBar1->PanelText(1), "");
  // The next change calculates again.
  f.RichEdit1->SetText("2+2");
  EXPECT_EQ(f.OutputMemo->Text(), "4");
  EXPECT_EQ(f.StatusBar1->PanelText(1), "変更あり");
}

TEST_F(MainFormTest, CopyWithResultJoinsSheetAndResult) {
  TMainForm& f = Start();
  f.NewMemoClick(nullptr);
  Editor().UserType("1+2");
  f.CopyWithResultClick(nullptr);
  EXPECT_EQ(desk.GetText(), "1+2\r\n=3");
  f.Copy1Click(nullptr);
  EXPECT_EQ(desk.GetText(), "3");
}

TEST_F(MainFormTest, CaretPositionInStatusPanel) {
  TMainForm& f = Start();
  f.NewMemoClick(nullptr);
  Editor().UserType("ab\r\ncde");
  Editor().UserSelect(6, 0);
  EXPECT_EQ(f.StatusBar1->PanelText(0), "2行 3桁 計7文字");
}

TEST_F(MainFormTest, IdleHandlerClosesTheProgramWhenAsked) {
  TMainForm& f = Start();
  f.ExitRequested = true;
  f.IdleDone = false;
  desk.RunIdle();
  EXPECT_TRUE(app.Terminated());
  EXPECT_TRUE(std::filesystem::exists(ProgramFolder() / "Quillpad.ini"));
}

TEST_F(MainFormTest, LogonEndSavesTheSettingsAndKeepsRunning) {
  TMainForm& f = Start();
  f.NewMemoClick(nullptr);
  EXPECT_TRUE(Sim(f).UserQueryEndSession());
  EXPECT_TRUE(Holds(ReadIni(), "asWorkDir=C:\\Quillpad"));
  EXPECT_FALSE(app.Terminated());
  EXPECT_TRUE(f.Visible());
  // The window still works: typing still calculates.
  Editor().UserType("a=3*4;\r\na/5");
  EXPECT_EQ(f.OutputMemo->Text(), "2.4");
}

TEST_F(MainFormTest, DayBoundaryWaitsWithoutACalendar) {
  TMainForm& f = Start();
  desk.Advance(3LL * kMsPerDay);
  EXPECT_EQ(f.DayBoundary, EncodeDate(2026, 12, 8));
}

TEST_F(MainFormTest, PaneTogglesRememberTheirSizeInTheIniFile) {
  TMainForm& f = Start();
  ASSERT_TRUE(f.LeftPanel->Visible());
  f.LeftPanel->SetWidth(140);
  f.ShowLeftPanelClick(nullptr);
  EXPECT_FALSE(f.LeftPanel->Visible());
  EXPECT_FALSE(f.Item("ShowLeftPanel")->Checked());
  EXPECT_TRUE(Holds(ReadIni(), "iOldLeftPanelWidth=140"));
  f.ShowLeftPanelClick(nullptr);
  EXPECT_TRUE(f.LeftPanel->Visible());
  EXPECT_EQ(f.LeftPanel->Width(), 140);
  f.SimplestFormClick(nullptr);
  EXPECT_FALSE(f.LeftPanel->Visible());
  EXPECT_FALSE(f.OutputMemo->Visible());
  EXPECT_FALSE(f.CoolBar1->BandVisible(1));
  EXPECT_TRUE(f.CoolBar1->BandVisible(0));
  f.FullFormClick(nullptr);
  EXPECT_TRUE(f.LeftPanel->Visible() && f.OutputMemo->Visible() && f.CoolBar1->BandVisible(1));
  Stop();
  EXPECT_TRUE(Holds(ReadIni(), "iLeftPanelWidth=140"));
}

TEST_F(MainFormTest, HiddenPanesStayHiddenAtTheNextStart) {
  WriteIni("[FORM]\r\niLeftPanelWidth=0\r\niOutputMemoHeight=0\r\n");
  TMainForm& f = Start();
  EXPECT_FALSE(f.LeftPanel->Visible());
  EXPECT_FALSE(f.OutputMemo->Visible());
  EXPECT_FALSE(f.Item("ShowOutputMemo")->Checked());
  f.ShowOutputMemoClick(nullptr);
  EXPECT_EQ(f.OutputMemo->Height(), 20);  // iOldOutputMemoHeight's default
}

// A new sheet keeps its result on screen: the editor layout hides only the left pane.
TEST_F(MainFormTest, NewMemoKeepsTheResultsPaneBelowTheEditor) {
  TMainForm& f = Start();
  f.NewMemoClick(nullptr);
  EXPECT_FALSE(f.LeftPanel->Visible());
  ASSERT_TRUE(f.OutputMemo->Visible());
  EXPECT_TRUE(f.Item("ShowOutputMemo")->Checked());
  EXPECT_FALSE(f.OutputMemo->ScrollBars());
  const platform::Rect editor = f.RichEdit1->BoundsRect();
  const platform::Rect pane = f.OutputMemo->BoundsRect();
  EXPECT_EQ(pane.Height(), 20);
  EXPECT_GE(pane.Top, editor.Bottom);
  EXPECT_EQ(pane.Width(), f.EditorPanel->ClientWidth());
  Editor().UserType("a=3*4;\r\na/5");
  EXPECT_EQ(f.OutputMemo->Text(), "2.4");
}

// The About box shows the program's icon beside its title; Enter answers its OK button.
TEST_F(MainFormTest, AboutBoxShowsTheIconAndAnswersEnter) {
  TMainForm& f = Start();
  bool shown = false;
  desk.SetModalScript("AboutBox", [&](platform::sim::SimWindow& w) {
    shown = true;
    platform::sim::SimWindow* icon = nullptr;
    for (platform::sim::SimWindow* child : w.Children()) {
      if (ui::Control::FromEvents(child->Events())->Name == "ProgramIcon") icon = child;
    }
    ASSERT_NE(icon, nullptr);
    const std::vector<std::string> ops = icon->Paint();
    EXPECT_NE(std::find(ops.begin(), ops.end(), "DrawProgramIcon 0,0,32,32"), ops.end());
    w.UserKey(ui::VkReturn);
  });
  f.About1Click(nullptr);
  EXPECT_TRUE(shown);
  EXPECT_TRUE(desk.AllAnswersUsed());
}

TEST_F(MainFormTest, StayOnTopAndFlatButtons) {
  TMainForm& f = Start();
  f.MainFormStayOnTopClick(nullptr);
  EXPECT_TRUE(Sim(f).Topmost());
  f.MainFormStayOnTopClick(nullptr);
  EXPECT_FALSE(Sim(f).Topmost());
  EXPECT_FALSE(f.tbMain->Flat());  // the setting's default replaces the designed flat look
  f.ButtonFlatClick(nullptr);
  EXPECT_TRUE(f.tbMain->Flat() && f.tbEdit->Flat());
}

TEST_F(MainFormTest, FormSizeFitsTheTextAndStaysInTheWorkArea) {
  TMainForm& f = Start();
  f.SetFormSizeClick(nullptr);
  EXPECT_EQ(f.ClientWidth(), 430);
  EXPECT_EQ(f.ClientHeight(), 250);
  // 100 single-byte characters of a 12-pixel font are 600 pixels wide.
  f.RichEdit1->SetText(std::string(100, 'x'));
  f.SetBounds(900, 700, f.Width(), f.Height());
  f.SetFormSizeClick(nullptr);
  EXPECT_EQ(f.ClientWidth(), f.LeftPanel->Width() + 600 + 44);
  EXPECT_LE(f.BoundsRect().Right, 1024);
  EXPECT_LE(f.BoundsRect().Bottom, 738);
}

TEST_F(MainFormTest, DroppedFilesOpenTheLastFileOrReportFailure) {
  TMainForm& f = Start();
  std::filesystem::create_directories(temp.Path() / "dir");
  desk.ExpectMessageBox(platform::IdOk);
  Sim(f).UserDropFiles({"C:\\dir"});
  ASSERT_EQ(desk.MessageBoxes().size(), 1u);
  EXPECT_EQ(desk.MessageBoxes()[0].Text, "を開くことに失敗しました。");
  testing::WriteHostFile(temp.Path() / "a.txt", "first");
  testing::WriteHostFile(temp.Path() / "b.txt", "1+1");
  Sim(f).UserDropFiles({"C:\\a.txt", "C:\\b.txt", "C:\\dir"});
  EXPECT_EQ(f.RichEdit1->Text(), "1+1");
  EXPECT_EQ(f.Caption(), "Quillpad - b.txt");
  EXPECT_EQ(f.EditFileName, "C:\\b.txt");
  EXPECT_FALSE(f.RichEdit1->Modified());
}

TEST_F(MainFormTest, ShortcutsReachTheirMenuItems) {
  TMainForm& f = Start();
  EXPECT_EQ(f.Item("File1")->GetShortCut(), ui::TextToShortCut("F2"));
  EXPECT_EQ(f.Item("EditPreviousMemo")->GetShortCut(), ui::TextToShortCut("Ctrl+Shift+Tab"));
  EXPECT_EQ(f.Item("RightJustify")->GetShortCut(), ui::TextToShortCut("F12"));
  f.NewMemoClick(nullptr);
  Editor().UserType("abc");
  EXPECT_TRUE(Editor().UserKey('A', platform::SsCtrl));  // すべて選択(&A)
  EXPECT_EQ(f.RichEdit1->SelLength(), 3);
}

}  // namespace
}  // namespace quillpad
