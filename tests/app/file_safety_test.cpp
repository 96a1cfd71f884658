// Files that cannot be read or are damaged keep their bytes, and a failing write never costs a
// memo.
#include <gtest/gtest.h>

#include "base/bmp_image.h"
#include "app/main_form_fixture.h"
#include "app/option_dlg.h"
#include "calendar/calendar_form.h"
#include "clipboard/clipboard_form.h"
#include "memo/memo_form.h"
#include "memo/memo_record.h"

namespace quillpad {
namespace {

using platform::sim::SimFileSystem;
using testing::MainFormTest;

class FileSafetyTest : public MainFormTest {
 protected:
  std::string Read(const std::string& name) {
    return testing::ReadHostFile(ProgramFolder() / name);
  }
  bool Exists(const std::string& name) { return std::filesystem::exists(ProgramFolder() / name); }
  // A picture that differs by variant, so each write has new bytes.
  static void SetPicture(TMemoForm& memo, int v) {
    MemoRecord picture = memo.Record();
    picture.Kind = MemoKind::mkImage;
    picture.Picture = SolidBmpFile(16, 16, 0x204060 * static_cast<unsigned>(v + 1));
    memo.SetRecord(picture);
  }
  void StoreNew(TMainForm& f, const std::string& text) {
    f.NewMemoClick(nullptr);
    Editor().UserType(text);
    f.ShowNewMemoClick(nullptr);
  }
};

TEST_F(FileSafetyTest, UnreadableMemoFileIsNeverWrittenAndNewMemosGoBesideIt) {
  WriteMemoData("MemoData.dat", {Memo("one", 10, 10), Memo("two", 10, 60)});
  const std::string before = Read("MemoData.dat");
  desk.SimFiles().SetFault(SimFileSystem::Fault{SimFileSystem::FaultOp::Read, "MemoData.dat", {}});
  desk.ExpectErrorBox();
  TMainForm& f = Start();
  ASSERT_EQ(desk.ErrorBoxes().size(), 1u);
  EXPECT_NE(desk.ErrorBoxes()[0].find("MemoData.dat.new"), std::string::npos);
  StoreNew(f, "made meanwhile");
  Stop();
  EXPECT_EQ(Read("MemoData.dat"), before);
  const MemoFileContents beside = ReadMemoFile(Read("MemoData.dat.new"));
  ASSERT_EQ(beside.Records.size(), 1u);
  EXPECT_EQ(beside.Records[0].Text, "made meanwhile");
}

TEST_F(FileSafetyTest, DamagedFileStaysInPlaceWhenItsCopyCannotBeCompleted) {
  const std::string whole = WriteMemoFile({Memo("one", 10, 10), Memo("two", 10, 60)});
  const std::string damaged = whole.substr(0, whole.size() - 7);
  testing::WriteHostFile(ProgramFolder() / "MemoData.dat", damaged);
  // A nearly full disk: the recovery copy stops after a few bytes.
  desk.SimFiles().SetFault(
      SimFileSystem::Fault{SimFileSystem::FaultOp::Copy, "MemoData.dat.damaged", 10});
  desk.ExpectErrorBox();
  TMainForm& f = Start();
  ASSERT_EQ(f.MemoCount(), 1);
  desk.SimFiles().SetFault(std::nullopt);
  Stop();
  EXPECT_EQ(Read("MemoData.dat"), damaged);
  EXPECT_FALSE(Exists("MemoData.dat.damaged") && Read("MemoData.dat.damaged") != damaged);
}

TEST_F(FileSafetyTest, ReadOnlyStartsKeepOneCopyOfTheSameDamage) {
  const std::string whole = WriteMemoFile({Memo("one", 10, 10), Memo("two", 10, 60)});
  testing::WriteHostFile(ProgramFolder() / "MemoData.dat", whole.substr(0, whole.size() - 7));
  WriteIni("[FORM]\r\nbReadOnly=1\r\n");
  for (int run = 0; run < 3; ++run) {
    Start();
    Stop();
  }
  EXPECT_TRUE(Exists("MemoData.dat.damaged"));
  EXPECT_FALSE(Exists("MemoData.dat.damaged1"));
}

// Every failure point of the memo file's whole-file write: the old file stays whole, the user is
// told, no memo window goes, and the next save writes everything.
TEST_F(FileSafetyTest, EveryFailedMemoFileWriteKeepsTheOldFileAndTheMemos) {
  using Op = SimFileSystem::FaultOp;
  const std::vector<SimFileSystem::Fault> faults{{Op::Write, "MemoData.dat", {}},
                                                 {Op::Write, "MemoData.dat", 0},
                                                 {Op::Write, "MemoData.dat", 40},
                                                 {Op::Rename, "MemoData.dat", {}}};
  for (const SimFileSystem::Fault& fault : faults) {
    SCOPED_TRACE(static_cast<int>(fault.Op) * 1000 +
                 static_cast<int>(fault.StopAfter.value_or(999)));
    WriteMemoData("MemoData.dat", {Memo("keep me", 10, 10)});
    const std::string before = Read("MemoData.dat");
    TMainForm& f = Start();
    StoreNew(f, "second");
    desk.SimFiles().SetFault(fault);
    const std::size_t boxes = desk.ErrorBoxes().size();
    desk.ExpectErrorBox();
    desk.Dispatch([&] { f.SaveAllMemoClick(nullptr); });
    EXPECT_EQ(desk.ErrorBoxes().size(), boxes + 1);
    EXPECT_EQ(Read("MemoData.dat"), before);
    EXPECT_EQ(f.MemoCount(), 2);
    desk.SimFiles().SetFault(std::nullopt);
    Stop();
    const MemoFileContents after = ReadMemoFile(Read("MemoData.dat"));
    ASSERT_EQ(after.Records.size(), 2u);
    EXPECT_EQ(after.Records[0].Text, "keep me");
    EXPECT_EQ(after.Records[1].Text, "second");
  }
}

// Every other file the program writes, through every failure point: the old bytes stay, the user
// is told, no memo goes, and the same command without the fault writes the new bytes.
TEST_F(FileSafetyTest, EveryOtherFileKeepsItsOldBytesThroughAFailedWrite) {
  struct Writer {
    std::string Path;  // as the program names it
    std::function<void(TMainForm&, int variant)> Act;
  };
  const std::vector<Writer> writers{
      {"C:\\Quillpad\\MemoFont.dat",
       [](TMainForm& f, int v) {
         f.FontDialog1Font.Height = -10 - v;
         f.SaveDefaultStyle();
       }},
      {"C:\\Quillpad\\StyleTemplate.dat",
       [](TMainForm& f, int v) {
         f.FontDialog1Font.Height = -10 - v;
         f.SaveAsTemplateClick(nullptr);
       }},
      {"C:\\Quillpad\\MemoColor.dat",
       [this](TMainForm& f, int v) {
         desk.ExpectColorDialog(0x000100 * (v + 1));
         f.SetColorClick(nullptr);
       }},
      {"C:\\Quillpad\\Quillpad.ini",
       [](TMainForm& f, int v) {
         f.iDefaultWidth = 100 + v;
         f.SaveSettings();
       }},
      {"C:\\Quillpad\\ScheduleMemo\\20261207.txt",
       [this](TMainForm& f, int v) {
         if (v > 0) desk.ExpectMessageBox(platform::IdYes);  // overwrite the day's memo
         f.RichEdit1->SetText("plan " + std::to_string(v));
         f.SaveScheduleMemoClick(nullptr);
       }},
      {"C:\\Quillpad\\HolidayList.txt",
       [](TMainForm& f, int v) {
         f.CalendarForm->Rules = HolidayRules({"1,1,day " + std::to_string(v)});
         f.CalendarForm->SaveCalendarSettings();
       }},
      {"C:\\Quillpad\\CalendarStyle.dat",
       [](TMainForm& f, int v) {
         f.CalendarForm->Style.BaseFont.Height = -10 - v;
         f.CalendarForm->SaveCalendarSettings();
       }},
      {"C:\\Quillpad\\ClipboardHistory.txt",
       [](TMainForm& f, int v) {
         if (!f.ClipboardForm) f.ShowClipboardViewerClick(nullptr);
         f.ClipboardForm->History.Capture("copied " + std::to_string(v));
         f.ClipboardForm->SaveHistory();
       }},
      {"C:\\Quillpad\\DesktopMemo\\note.txt",
       [this](TMainForm& f, int v) {
         TMemoForm& memo = *f.MemoList[0];
         MemoRecord record = memo.Record();
         record.Text = "keep " + std::to_string(v);
         memo.SetRecord(record);
         desk.ExpectSaveFile({true, {"C:\\Quillpad\\DesktopMemo\\note.txt"}});
         memo.MemoSaveClick();
       }},
      {"C:\\Quillpad\\DesktopMemo\\notes",
       [this](TMainForm& f, int v) {
         f.RichEdit1->SetText("text " + std::to_string(v));
         desk.ExpectSaveFile({true, {"C:\\Quillpad\\DesktopMemo\\notes"}});
         f.TextSaveClick(nullptr);
       }},
      {"C:\\Quillpad\\tmp.bmp",
       [this](TMainForm& f, int v) {
         SetPicture(*f.MemoList[0], v);
         f.MemoList[0]->SendMemoToApplicationClick();
       }},
      {"C:\\Quillpad\\ToolList.txt",
       [this](TMainForm& f, int v) {
         desk.SetModalScript("オプション設定", [this, v](platform::sim::SimWindow& w) {
           auto& d = *dynamic_cast<TOptionDlg*>(ui::Control::FromEvents(w.Events()));
           d.edTool->SetText("http://example.com/" + std::to_string(v));
           Sim(*d.ToolRegBtn).UserClick();
           Sim(*d.OKBtn).UserClick();
         });
         f.SetOptionClick(nullptr);
       }},
      {"C:\\Quillpad\\KeyList.ini",
       [](TMainForm& f, int v) { f.WriteKeyText(false, "SetFont", "Ctrl+F" + std::to_string(v + 1)); }},
      {"C:\\Quillpad\\KeyListOnMemo.ini",
       [](TMainForm& f, int v) { f.WriteKeyText(true, "MemoEdit", "F" + std::to_string(v + 1)); }},
      {"C:\\Quillpad\\Bitmap\\saved.bmp",
       [this](TMainForm& f, int v) {
         SetPicture(*f.MemoList[0], v);
         desk.ExpectSaveFile({true, {"C:\\Quillpad\\Bitmap\\saved.bmp"}});
         f.MemoList[0]->MemoSaveClick();
       }},
      {"C:\\Quillpad\\JPEG\\saved.jpg",
       [this](TMainForm& f, int v) {
         SetPicture(*f.MemoList[0], v);
         desk.ExpectSaveFile({true, {"C:\\Quillpad\\JPEG\\saved.jpg"}});
         f.MemoList[0]->SaveToJPEGClick();
       }},
      {"C:\\Quillpad\\DesktopMemo\\Quillpad.log",
       [this](TMainForm& f, int v) {
         desk.ExpectSaveFile({true, {"C:\\Quillpad\\DesktopMemo\\Quillpad.log"}});
         if (v != 1) desk.ExpectMessageBox(platform::IdNo);  // keep the memo after its entry
         f.MemoList[0]->SaveDeleteClick();
       }},
  };
  using Op = SimFileSystem::FaultOp;
  platform::FileSystem& files = desk.Files();
  auto bytesOf = [&](const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(files.ReadFile(path, bytes)) << path;
    return bytes;
  };
  for (const Writer& writer : writers) {
    const std::string name = writer.Path.substr(writer.Path.rfind('\\') + 1);
    for (const SimFileSystem::Fault& fault : std::vector<SimFileSystem::Fault>{
             {Op::Write, name, {}}, {Op::Write, name, 3}, {Op::Rename, name, {}}}) {
      SCOPED_TRACE(name + " fault " + std::to_string(static_cast<int>(fault.Op)));
      std::filesystem::remove_all(ProgramFolder());
      std::filesystem::create_directories(ProgramFolder() / "DesktopMemo");
      WriteMemoData("MemoData.dat", {Memo("one", 10, 10), Memo("two", 10, 60)});
      TMainForm& f = Start();
      f.ShowCalendarClick(nullptr);
      ASSERT_NE(f.CalendarForm, nullptr);
      desk.Dispatch([&] { writer.Act(f, 0); });
      const std::string before = bytesOf(writer.Path);
      const std::size_t boxes = desk.ErrorBoxes().size();
      desk.SimFiles().SetFault(fault);
      desk.ExpectErrorBox();
      desk.Dispatch([&] { writer.Act(f, 1); });
      EXPECT_EQ(desk.ErrorBoxes().size(), boxes + 1);
      EXPECT_EQ(bytesOf(writer.Path), before);
      EXPECT_EQ(f.MemoCount(), 2);
      desk.SimFiles().SetFault(std::nullopt);
      desk.Dispatch([&] { writer.Act(f, 2); });
      EXPECT_EQ(desk.ErrorBoxes().size(), boxes + 1);
      EXPECT_NE(bytesOf(writer.Path), before);
      EXPECT_TRUE(desk.AllAnswersUsed());
      Stop();
      const MemoFileContents memos = ReadMemoFile(Read("MemoData.dat"));
      ASSERT_EQ(memos.Records.size(), 2u);
      EXPECT_EQ(memos.Records[1].Text, "two");
    }
  }
}

}  // namespace
}  // namespace quillpad
