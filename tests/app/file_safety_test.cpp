// Files that cannot be read or are damaged keep their bytes, and a failing write never costs a
// memo.
#include <gtest/gtest.h>

#include "app/main_form_fixture.h"
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

}  // namespace
}  // namespace quillpad
