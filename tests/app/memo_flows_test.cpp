// Whole user flows around the memo being edited: whatever else comes into the editor, or
// arrives meanwhile, the memo file on disk keeps every memo the flow did not aim at.
#include <gtest/gtest.h>

#include "app/main_form_fixture.h"
#include "calendar/calendar_form.h"
#include "memo/memo_form.h"
#include "ui/short_cut.h"

namespace quillpad {
namespace {

using testing::ReadHostFile;
using testing::WriteHostFile;

class MemoFlowsTest : public testing::MainFormTest {
 protected:
  TMainForm& StartWithTwo() {
    WriteMemoData("MemoData.dat", {Memo("first", 100, 50), Memo("second", 100, 300)});
    TMainForm& f = Start();
    for (TMemoForm* memo : f.MemoList) before.push_back(memo->Record());
    return f;
  }
  // Ctrl+Tab from a fresh editor: the first memo.
  void StepToFirst() {
    ASSERT_TRUE(Editor().UserKey(ui::VkTab, platform::SsCtrl));
    ASSERT_EQ(form->CurrentMemo, form->MemoList[0]);
  }
  void Store() { ASSERT_TRUE(Editor().UserKey('H', platform::SsCtrl)); }
  std::string MemoFile() { return ReadHostFile(ProgramFolder() / "MemoData.dat"); }
  // The file holds the two memos as they were, then the records of these texts.
  void ExpectFileKeepsBothAndAdds(const std::vector<std::string>& added) {
    const std::string bytes = MemoFile();
    const MemoFileContents back = ReadMemoFile(bytes);
    ASSERT_EQ(back.Records.size(), 2 + added.size());
    std::vector<MemoRecord> expected = before;
    for (std::size_t i = 0; i < added.size(); ++i) {
      EXPECT_EQ(back.Records[2 + i].Text, added[i]);
      expected.push_back(back.Records[2 + i]);
    }
    EXPECT_EQ(bytes, WriteMemoFile(expected));
  }
  std::vector<MemoRecord> before;
};

TEST_F(MemoFlowsTest, NewMemoAfterSteppingStoresANewMemo) {
  StartWithTwo();
  StepToFirst();
  ASSERT_TRUE(Editor().UserKey('N', platform::SsCtrl));
  Editor().UserType("third");
  Store();
  Stop();
  ExpectFileKeepsBothAndAdds({"third"});
}

TEST_F(MemoFlowsTest, OtherTextInTheEditorNeverOverwritesTheSteppedMemo) {
  std::filesystem::create_directories(ProgramFolder() / "ScheduleMemo");
  WriteHostFile(ProgramFolder() / "ScheduleMemo" / "20261209.txt", "dentist");
  WriteHostFile(ProgramFolder() / "note.txt", "from a file");
  TMainForm& f = StartWithTwo();
  f.ShowCalendarClick(nullptr);
  desk.RunIdle();
  ASSERT_NE(f.CalendarForm, nullptr);
  const std::string note = "C:\\Quillpad\\note.txt";
  const std::function<void()> paths[] = {
      [&] { Sim(*f.CalendarForm->DayLabel(9)).UserClick(); },
      [&] { Sim(*f.DateTimePicker1).UserSetDate(EncodeDate(2026, 12, 9)); },
      [&] { f.OpenScheduleMemoClick(nullptr); },
      [&] { Sim(*f.ScheduleMemoListBox).UserClickItem(0, true); },
      [&] { f.ListMonthScheduleMemoClick(nullptr); },
      [&] {
        desk.ExpectOpenFile({true, {note}});
        f.TextOpenClick(nullptr);
      },
      [&] { Sim(f).UserDropFiles({note}); },
      [&] { f.ListAllMemoClick(nullptr); },
  };
  std::vector<std::string> added;
  for (const auto& path : paths) {
    StepToFirst();
    path();
    added.push_back(f.RichEdit1->Text());
    Store();
    ASSERT_EQ(f.MemoList[0]->MemoText(), "first") << "after path " << added.size();
  }
  Stop();
  ExpectFileKeepsBothAndAdds(added);
}

TEST_F(MemoFlowsTest, LogoffWritesTheFileAndChangesNothingOnTheDesktop) {
  TMainForm& f = StartWithTwo();
  const std::vector<TMemoForm*> windows = f.MemoList;
  StepToFirst();
  Editor().UserSelect(5, 0);
  Editor().UserType(" edited");
  EXPECT_TRUE(Sim(f).UserQueryEndSession());
  EXPECT_EQ(MemoFile(), WriteMemoFile(before));
  EXPECT_EQ(f.MemoList, windows);
  EXPECT_EQ(f.CurrentMemo, windows[0]);
  // A logoff while the second memo asks about its deletion; Yes then deletes it as usual.
  desk.ExpectMessageBox(platform::IdYes, "選択したメモを削除しますか？",
                        [&] { EXPECT_TRUE(Sim(f).UserQueryEndSession()); });
  windows[1]->NoSaveDeleteClick();
  EXPECT_EQ(MemoFile(), WriteMemoFile(before));
  Store();
  desk.RunIdle();
  ASSERT_EQ(f.MemoList, std::vector<TMemoForm*>{windows[0]});
  Stop();
  const MemoFileContents back = ReadMemoFile(MemoFile());
  ASSERT_EQ(back.Records.size(), 1u);
  EXPECT_EQ(back.Records[0].Text, "first edited");
}

}  // namespace
}  // namespace quillpad
