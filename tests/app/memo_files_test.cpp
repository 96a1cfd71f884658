#include <gtest/gtest.h>

#include "app/main_form_fixture.h"
#include "memo/marquee_control.h"
#include "memo/memo_form.h"
#include "memo/memo_record.h"
#include "ui/short_cut.h"

namespace quillpad {
namespace {

using testing::MainFormTest;

class MemoFilesTest : public MainFormTest {
 protected:
  std::string ReadMemoData(const std::string& name) { return testing::ReadHostFile(ProgramFolder() / name); }
  // Types a memo into the editor and stores it as a new memo.
  TMemoForm* StoreNew(TMainForm& f, const std::string& text) {
    f.NewMemoClick(nullptr);
    Editor().UserType(text);
    f.ShowNewMemoClick(nullptr);
    return f.MemoList.empty() ? nullptr : f.MemoList.back();
  }
};

TEST_F(MemoFilesTest, MemosComeBackWhereTheyWereAndAreWrittenAtExit) {
  const std::vector<MemoRecord> records{Memo("買い物", 100, 50), Memo("会議 10:00\r\n資料", -5, 700)};
  WriteMemoData("MemoData.dat", records);
  TMainForm& f = Start();
  ASSERT_EQ(f.MemoCount(), 2);
  EXPECT_EQ(f.MemoList[0]->MemoText(), "買い物");
  EXPECT_EQ(f.MemoList[0]->Left(), 100);
  EXPECT_TRUE(f.MemoList[0]->Visible());
  // A memo partly off the screen comes back inside the work area.
  EXPECT_EQ(f.MemoList[1]->Left(), 0);
  EXPECT_LE(f.MemoList[1]->BoundsRect().Bottom, 738);
  EXPECT_EQ(desk.TrayTip(), "総メモ数=2 in カテゴリ０");
  std::vector<MemoRecord> expected;
  for (TMemoForm* memo : f.MemoList) expected.push_back(memo->Record());
  Stop();
  EXPECT_EQ(ReadMemoData("MemoData.dat"), WriteMemoFile(expected));
  const MemoFileContents back = ReadMemoFile(ReadMemoData("MemoData.dat"));
  ASSERT_EQ(back.Records.size(), 2u);
  EXPECT_EQ(back.Records[1].Left, 0);
  EXPECT_EQ(back.Records[1].Text, "会議 10:00\r\n資料");
}

TEST_F(MemoFilesTest, HiddenMemosStayHiddenWhileMemosAreOff) {
  WriteMemoData("MemoData.dat", {Memo("a", 10, 10)});
  WriteIni("[FORM]\r\nbShowMemo=0\r\n");
  TMainForm& f = Start();
  ASSERT_EQ(f.MemoCount(), 1);
  EXPECT_FALSE(f.MemoList[0]->Visible());
  f.ShowAllMemoClick(nullptr);
  EXPECT_TRUE(f.MemoList[0]->Visible());
  EXPECT_TRUE(f.bShowMemo);
}

TEST_F(MemoFilesTest, DamagedFileLoadsItsCompleteRecordsAndIsKeptAsACopy) {
  const std::string whole = WriteMemoFile({Memo("one", 10, 10), Memo("two", 10, 60)});
  const std::string damaged = whole.substr(0, whole.size() - 7);
  testing::WriteHostFile(ProgramFolder() / "MemoData.dat", damaged);
  TMainForm& f = Start();
  ASSERT_EQ(f.MemoCount(), 1);
  EXPECT_EQ(f.MemoList[0]->MemoText(), "one");
  EXPECT_EQ(ReadMemoData("MemoData.dat.damaged"), damaged);
  Stop();
  EXPECT_EQ(ReadMemoFile(ReadMemoData("MemoData.dat")).Records.size(), 1u);
  EXPECT_EQ(ReadMemoData("MemoData.dat.damaged"), damaged);  // the copy survives the save
}

TEST_F(MemoFilesTest, ReadOnlyModeNeverWritesMemoFiles) {
  WriteMemoData("MemoData.dat", {Memo("a", 10, 10)});
  WriteIni("[FORM]\r\nbReadOnly=1\r\n");
  const std::string before = ReadMemoData("MemoData.dat");
  TMainForm& f = Start();
  f.MemoList[0]->SetBounds(300, 300, 50, 50);
  desk.ExpectMessageBox(platform::IdOk);
  f.SaveAllMemoClick(nullptr);
  EXPECT_EQ(desk.MessageBoxes().back().Text, "読み込み専用モードです");
  f.ChangeMemoFileClick(nullptr);
  EXPECT_EQ(f.CurMemoFileName, "MemoData1.dat");
  EXPECT_FALSE(std::filesystem::exists(ProgramFolder() / "MemoData1.dat"));
  Stop();
  EXPECT_EQ(ReadMemoData("MemoData.dat"), before);
}

TEST_F(MemoFilesTest, FailedWriteKeepsTheMemosAndTheOldFile) {
  WriteMemoData("MemoData.dat", {Memo("keep me", 10, 10)});
  const std::string before = ReadMemoData("MemoData.dat");
  TMainForm& f = Start();
  // A full disk.
  desk.SimFiles().FailWrites(true);
  desk.ExpectErrorBox();
  desk.Dispatch([&] { f.SaveAllMemoClick(nullptr); });
  ASSERT_EQ(desk.ErrorBoxes().size(), 1u);
  EXPECT_EQ(f.MemoCount(), 1);
  EXPECT_EQ(ReadMemoData("MemoData.dat"), before);
  // Closing does not lose them either: the program stays open until the file can be written.
  // The settings that could not be written are reported too.
  desk.ExpectErrorBox();
  desk.ExpectErrorBox();
  EXPECT_FALSE(f.Close());
  EXPECT_NE(desk.ErrorBoxes()[1].find("Quillpad.ini"), std::string::npos);
  EXPECT_EQ(f.MemoCount(), 1);
  desk.SimFiles().FailWrites(false);
  Stop();
  EXPECT_EQ(ReadMemoFile(ReadMemoData("MemoData.dat")).Records.size(), 1u);
}

TEST_F(MemoFilesTest, IdleSweepRemovesEveryFlaggedMemoOnce) {
  WriteMemoData("MemoData.dat", {Memo("a", 10, 10), Memo("b", 10, 60), Memo("c", 10, 110), Memo("d", 10, 160)});
  TMainForm& f = Start();
  f.CurrentMemo = f.MemoList[1];
  f.MarkDeleted(f.MemoList[1]);
  f.MarkDeleted(f.MemoList[3]);
  EXPECT_EQ(f.MemoCount(), 4);
  EXPECT_FALSE(f.MemoList[1]->Visible());
  desk.RunIdle();
  ASSERT_EQ(f.MemoCount(), 2);
  EXPECT_EQ(f.MemoList[0]->MemoText(), "a");
  EXPECT_EQ(f.MemoList[1]->MemoText(), "c");
  EXPECT_EQ(f.CurrentMemo, nullptr);
  EXPECT_EQ(desk.TrayTip(), "総メモ数=2 in カテゴリ０");
}

TEST_F(MemoFilesTest, MovingAMemoAppendsExactlyOneRecordToTheOtherFile) {
  WriteMemoData("MemoData.dat", {Memo("a", 10, 10), Memo("b", 10, 60)});
  WriteMemoData("MemoData2.dat", {Memo("x", 10, 10)});
  const std::string other = ReadMemoData("MemoData2.dat");
  TMainForm& f = Start();
  TMemoForm* b = f.MemoList[1];
  f.AppendMemoToCategory(b, 0);  // the current file: nothing happens
  EXPECT_FALSE(b->DeletedFlag);
  const MemoRecord moved = b->Record();
  f.AppendMemoToCategory(b, 2);
  EXPECT_EQ(ReadMemoData("MemoData2.dat"), other + WriteMemoRecord(moved));
  desk.RunIdle();
  EXPECT_EQ(f.MemoCount(), 1);
}

TEST_F(MemoFilesTest, CyclingMemoFilesSavesEachBeforeLeavingIt) {
  TMainForm& f = Start();
  StoreNew(f, "zero");
  EXPECT_EQ(f.CurMemoFileName, "MemoData.dat");
  f.ChangeMemoFileClick(nullptr);
  EXPECT_EQ(f.CurMemoFileName, "MemoData1.dat");
  EXPECT_EQ(f.MemoCount(), 0);
  EXPECT_EQ(ReadMemoFile(ReadMemoData("MemoData.dat")).Records.at(0).Text, "zero");
  StoreNew(f, "one");
  f.ChangeMemoFileClick(nullptr);
  f.ChangeMemoFileClick(nullptr);
  EXPECT_EQ(f.CurMemoFileName, "MemoData.dat");
  ASSERT_EQ(f.MemoCount(), 1);
  EXPECT_EQ(f.MemoList[0]->MemoText(), "zero");
  EXPECT_EQ(ReadMemoFile(ReadMemoData("MemoData1.dat")).Records.at(0).Text, "one");
  EXPECT_TRUE(std::filesystem::exists(ProgramFolder() / "MemoData2.dat"));
  EXPECT_EQ(f.Caption(), "Quillpad - カテゴリ０ ： 新規メモ");
}

// A switch restyles the windows it has: the new file's memos show in the old windows, surplus
// windows go, missing ones are made, and nothing of the old memos stays on a reused window.
TEST_F(MemoFilesTest, SwitchingFilesReusesTheMemoWindows) {
  MemoRecord ticker = Memo("ticker", 10, 10);
  ticker.Kind = MemoKind::mkMarquee;
  ticker.StayOnTop = true;
  WriteMemoData("MemoData.dat", {ticker, Memo("b", 10, 60), Memo("c", 10, 110)});
  MemoRecord hidden = Memo("hidden", 300, 300);
  hidden.Visible = false;
  MemoRecord x = Memo("x", 200, 20);
  x.ClientWidth = 150;
  x.ClientHeight = 70;
  WriteMemoData("MemoData1.dat", {x, hidden});
  TMainForm& f = Start();
  const std::vector<TMemoForm*> before = f.MemoList;
  // A borderless memo's window is made in its style: nothing to restyle at the load.
  EXPECT_EQ(Sim(*before[1]).Restyles(), 0);
  EXPECT_TRUE(Sim(*before[1]).Style().ShowInactive && Sim(*before[1]).Style().AcceptFiles);
  const int placed = Sim(*before[0]).Placements();
  f.ChangeMemoFileClick(nullptr);
  ASSERT_EQ(f.MemoCount(), 2);
  EXPECT_EQ(f.MemoList[0], before[0]);
  EXPECT_EQ(f.MemoList[1], before[1]);
  EXPECT_TRUE(f.SpareMemos.empty());
  TMemoForm& reused = *f.MemoList[0];
  EXPECT_EQ(reused.MemoText(), "x");
  EXPECT_EQ(reused.Marquee(), nullptr);
  EXPECT_FALSE(reused.StayOnTop() || reused.DeletedFlag);
  EXPECT_EQ(reused.BoundsRect(), (platform::Rect{200, 20, 350, 90}));
  EXPECT_EQ(Sim(reused).Placements(), placed + 1);  // moved and sized at once: one repaint
  EXPECT_FALSE(f.MemoList[1]->Visible());
  // Back to three: the two windows and one new.
  f.ChangeMemoFileClick(nullptr);
  f.ChangeMemoFileClick(nullptr);
  ASSERT_EQ(f.MemoCount(), 3);
  EXPECT_EQ(f.MemoList[0]->MemoText(), "ticker");
  EXPECT_NE(f.MemoList[0]->Marquee(), nullptr);
  EXPECT_TRUE(f.MemoList[0]->StayOnTop());
  EXPECT_TRUE(f.MemoList[1]->Visible());
  Stop();
  // Written back when it was left: the same memos, the hidden one still hidden.
  const MemoFileContents back = ReadMemoFile(ReadMemoData("MemoData1.dat"));
  ASSERT_EQ(back.Records.size(), 2u);
  EXPECT_EQ(back.Records[0].Text, "x");
  EXPECT_EQ(back.Records[1].Text, "hidden");
  EXPECT_FALSE(back.Records[1].Visible);
  EXPECT_EQ(ReadMemoFile(ReadMemoData("MemoData.dat")).Records.size(), 3u);
}

TEST_F(MemoFilesTest, F4WithUnsavedTextStoresItInTheFileItLeaves) {
  WriteMemoData("MemoData.dat", {Memo("a", 100, 50)});
  TMainForm& f = Start();
  f.NewMemoClick(nullptr);
  Editor().UserType("draft");
  desk.ExpectMessageBox(platform::IdYes);  // store it first
  EXPECT_TRUE(Editor().UserKey(ui::VkF1 + 3));
  EXPECT_EQ(f.CurMemoFileName, "MemoData1.dat");
  EXPECT_EQ(f.MemoCount(), 0);
  const MemoFileContents left = ReadMemoFile(ReadMemoData("MemoData.dat"));
  ASSERT_EQ(left.Records.size(), 2u);
  EXPECT_EQ(left.Records[1].Text, "draft");
  EXPECT_EQ(f.RichEdit1->Text(), "");
  EXPECT_TRUE(desk.AllAnswersUsed());
}

TEST_F(MemoFilesTest, ChoosingTheCurrentFileSavesAndReloadsNothing) {
  WriteMemoData("MemoData.dat", {Memo("a", 100, 50)});
  TMainForm& f = Start();
  TMemoForm* memo = f.MemoList[0];
  memo->SetBounds(300, 200, memo->Width(), memo->Height());
  const std::string before = ReadMemoData("MemoData.dat");
  f.MemoFile0Click(f.Item("MemoFile0"));
  ASSERT_EQ(f.MemoCount(), 1);
  EXPECT_EQ(f.MemoList[0], memo);  // the same window, not a reloaded one
  EXPECT_EQ(ReadMemoData("MemoData.dat"), before);
  EXPECT_EQ(f.Caption(), "Quillpad - カテゴリ０ ： 新規メモ");
}

TEST_F(MemoFilesTest, StoredMemosLineUpFromTheTopRightCorner) {
  TMainForm& f = Start();
  TMemoForm* first = StoreNew(f, "abc");
  ASSERT_NE(first, nullptr);
  EXPECT_FALSE(f.Visible());
  EXPECT_TRUE(first->Visible());
  EXPECT_EQ(first->MemoText(), "abc");
  EXPECT_EQ(first->StampText(), "2026/12/07 9:05:03");
  // 3 characters of the 12-pixel default font: 18 pixels wide, one 12-pixel line.
  EXPECT_EQ(first->ClientWidth(), 18 + 8);
  EXPECT_EQ(first->ClientHeight(), 12 + 8);
  EXPECT_EQ(first->BoundsRect().Right, 1024);
  EXPECT_EQ(first->Top(), 0);
  TMemoForm* second = StoreNew(f, "a\r\nlonger line");
  EXPECT_EQ(second->BoundsRect().Right, first->BoundsRect().Right);
  EXPECT_EQ(second->Top(), first->BoundsRect().Bottom + 1);
  EXPECT_EQ(second->ClientHeight(), 2 * 12 + 8);
  EXPECT_EQ(desk.TrayTip(), "総メモ数=2 in カテゴリ０");
}

TEST_F(MemoFilesTest, DefaultSizeAndOverWideLines) {
  WriteIni("[FORM]\r\nbDefaultSize=1\r\niDefaultWidth=120\r\niDefaultHeight=40\r\n");
  TMainForm& f = Start();
  TMemoForm* memo = StoreNew(f, std::string(500, 'w'));
  EXPECT_EQ(memo->ClientWidth(), 120);
  EXPECT_EQ(memo->ClientHeight(), 40);
  f.bDefaultSize = false;
  memo = StoreNew(f, std::string(500, 'w'));
  EXPECT_EQ(memo->ClientWidth(), 1024 - 8);
}

TEST_F(MemoFilesTest, BlankOnlyOverwriteChangesNothing) {
  WriteMemoData("MemoData.dat", {Memo("keep", 10, 10)});
  TMainForm& f = Start();
  f.CurrentMemo = f.MemoList[0];
  f.Show();
  f.RichEdit1->SetText(" \r\n\t\r\n");
  f.ShowMemoClick(nullptr);
  EXPECT_EQ(f.MemoCount(), 1);
  EXPECT_EQ(f.MemoList[0]->MemoText(), "keep");
  EXPECT_FALSE(f.Visible());
  EXPECT_EQ(f.CurrentMemo, nullptr);
}

TEST_F(MemoFilesTest, DefaultStyleComesFromTheStyleFilesAndKeys) {
  FontSpec font = DefaultMemoFont();
  font.Name = "ＭＳ ゴシック";
  font.Height = -16;
  testing::WriteHostFile(ProgramFolder() / "MemoFont.dat", WriteMemoFontFile(font));
  WriteIni("[FORM]\r\nbShowBorder=0\r\nbBgGradation=1\r\nasDefaultColor=clNavy\r\n");
  TMainForm& f = Start();
  EXPECT_EQ(f.RichEdit1->Font().Name, "ＭＳ ゴシック");
  EXPECT_EQ(f.RichEdit1->GetColor(), 0x800000u);
  TMemoForm* memo = StoreNew(f, "x");
  const MemoRecord r = memo->Record();
  EXPECT_EQ(r.Font.Height, -16);
  EXPECT_EQ(r.Kind, MemoKind::mkGradation);
  EXPECT_EQ(r.BorderStyle, MemoBorder::None);
  EXPECT_EQ(r.Color, 0x800000);
}

}  // namespace
}  // namespace quillpad

namespace quillpad {
namespace {

TEST_F(MemoFilesTest, MarqueeMemosScrollAndKeepOnlyTheirRecord) {
  MemoRecord r = Memo("ニュース速報", 10, 10);
  r.Kind = MemoKind::mkMarquee;
  WriteMemoData("MemoData.dat", {r, Memo("plain", 10, 60)});
  TMainForm& f = Start();
  ASSERT_EQ(f.MemoCount(), 2);
  ASSERT_NE(f.MemoList[0]->Marquee(), nullptr);
  EXPECT_EQ(f.MemoList[1]->Marquee(), nullptr);
  EXPECT_TRUE(f.MemoList[0]->Marquee()->TimerRunning());
  EXPECT_EQ(f.MemoList[0]->Marquee()->GetText(), "ニュース速報");
  Stop();
  // The scrolling control is not part of the file.
  EXPECT_EQ(ReadMemoFile(ReadMemoData("MemoData.dat")).Records.at(0).Kind, MemoKind::mkMarquee);
  EXPECT_EQ(ReadMemoData("MemoData.dat").find("TMarquee"), std::string::npos);
}

}  // namespace
}  // namespace quillpad

namespace quillpad {
namespace {

TEST_F(MemoFilesTest, TemplatesAreHiddenAndWrittenBackToTheProgramFolder) {
  const std::vector<MemoRecord> templates{Memo("見出し", 0, 0), Memo("付箋", 0, 0)};
  WriteMemoData("StyleTemplate.dat", templates);
  TMainForm& f = Start();
  f.SaveTemplateList();  // nothing loaded: nothing written
  EXPECT_EQ(ReadMemoData("StyleTemplate.dat"), WriteMemoFile(templates));
  f.LoadTemplateList();
  ASSERT_EQ(f.TemplateList.size(), 2u);
  EXPECT_FALSE(f.TemplateList[0]->Visible());
  EXPECT_EQ(f.TemplateList[1]->MemoText(), "付箋");
  EXPECT_EQ(f.MemoCount(), 0);  // templates never join the memo list
  std::vector<MemoRecord> expected;
  for (TMemoForm* t : f.TemplateList) expected.push_back(t->Record());
  f.SaveTemplateList();
  EXPECT_TRUE(f.TemplateList.empty());
  EXPECT_EQ(ReadMemoData("StyleTemplate.dat"), WriteMemoFile(expected));
}

}  // namespace
}  // namespace quillpad
