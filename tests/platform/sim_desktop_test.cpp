#include "platform/sim/sim_desktop.h"

#include "support/sim_fixture.h"

namespace quillpad::testing {
namespace {

using namespace platform;
using platform::sim::SimUnexpected;

class SimDesktopTest : public SimTest {};

TEST_F(SimDesktopTest, TimersFireOneTickAtATimeInTimeOrder) {
  std::vector<std::string> ticks;
  const DateTime start = desk.Now();
  auto stamp = [&](const char* name) {
    return [&, name] {
      ticks.push_back(std::string(name) + "@" + std::to_string(desk.Now().Ms - start.Ms));
    };
  };
  desk.StartTimer(1000, stamp("slow"));
  desk.StartTimer(400, stamp("fast"));
  desk.Advance(999);
  EXPECT_EQ(ticks, (std::vector<std::string>{"fast@400", "fast@800"}));
  desk.Advance(1);
  desk.Advance(1400);
  EXPECT_EQ(ticks, (std::vector<std::string>{"fast@400", "fast@800", "slow@1000", "fast@1200",
                                             "fast@1600", "slow@2000", "fast@2000", "fast@2400"}));
  EXPECT_EQ(desk.Now().Ms - start.Ms, 2400);
}

TEST_F(SimDesktopTest, ATimerStoppedInItsOwnTickFiresNoMore) {
  int count = 0;
  int id = 0;
  id = desk.StartTimer(200, [&] {
    if (++count == 3) desk.StopTimer(id);
  });
  desk.Advance(5000);
  EXPECT_EQ(count, 3);
  EXPECT_FALSE(desk.TimerActive(id));
  EXPECT_EQ(desk.ActiveTimerCount(), 0);
}

TEST_F(SimDesktopTest, TheClockMovesOnlyWhenTheTestMovesIt) {
  desk.SetNow(EncodeDateTime(2026, 12, 31, 23, 59, 59));
  EXPECT_EQ(FormatDateTime(desk.ShortDateFormat() + " " + desk.LongTimeFormat(), desk.Now()),
            "2026/12/31 23:59:59");
  desk.Advance(1000);
  EXPECT_EQ(FormatDateTime("yyyy/mm/dd h:nn:ss", desk.Now()), "2027/01/01 0:00:00");
}

TEST_F(SimDesktopTest, IdleRunsUntilDone) {
  int calls = 0;
  desk.SetIdleHandler([&] { return ++calls >= 3; });
  EXPECT_EQ(desk.RunIdle(), 3);
  failOnUnexpected = false;
  desk.SetIdleHandler([] { return false; });
  desk.RunIdle();
  EXPECT_EQ(unexpected.size(), 1u);
}

TEST_F(SimDesktopTest, MessageLoopRunsQueuedUserActionsUntilQuit) {
  std::vector<std::string> log;
  desk.QueueLoopAction([&] { log.push_back("click"); });
  desk.QueueLoopAction([&] {
    log.push_back("exit");
    desk.Quit(7);
  });
  const int code = desk.RunMessageLoop([&] {
    log.push_back("idle");
    return true;
  });
  EXPECT_EQ(code, 7);
  EXPECT_EQ(log, (std::vector<std::string>{"idle", "click", "idle", "exit", "idle"}));
}

TEST_F(SimDesktopTest, MessageBoxesTakeQueuedAnswersAndAreLogged) {
  desk.ExpectMessageBox(IdNo);
  EXPECT_EQ(desk.MessageBox("保存しますか", "Quillpad", MbYesNoCancel | MbIconQuestion), IdNo);
  ASSERT_EQ(desk.MessageBoxes().size(), 1u);
  EXPECT_EQ(desk.MessageBoxes()[0].Text, "保存しますか");
  EXPECT_EQ(desk.MessageBoxes()[0].Flags, MbYesNoCancel | MbIconQuestion);
  EXPECT_EQ(desk.MessageBoxes()[0].Answer, IdNo);
  desk.ExpectMessageBox(IdYes, "読み込み専用モードです");
  failOnUnexpected = false;
  EXPECT_EQ(desk.MessageBox("実行できませんでした", "Quillpad", MbOk), IdYes);
  EXPECT_EQ(unexpected.size(), 1u);  // the answer was meant for another box
}

TEST_F(SimDesktopTest, AnUnansweredBoxIsReportedInUtf8AndAnsweredLikeEscape) {
  failOnUnexpected = false;
  EXPECT_EQ(desk.MessageBox("消しますか", "Quillpad", MbYesNo), IdNo);
  EXPECT_EQ(desk.MessageBox("x", "Quillpad", MbYesNoCancel), IdCancel);
  ASSERT_EQ(unexpected.size(), 2u);
  EXPECT_NE(unexpected[0].find(reinterpret_cast<const char*>(u8"消しますか")), std::string::npos);
  desk.OnUnexpected = nullptr;
  EXPECT_THROW(desk.MessageBox("x", "Quillpad", MbOk), SimUnexpected);
}

TEST_F(SimDesktopTest, ErrorsEscapingAHandlerReachTheErrorBox) {
  desk.ExpectErrorBox();
  desk.Dispatch([] { throw std::runtime_error("boom"); });
  EXPECT_EQ(desk.ErrorBoxes(), (std::vector<std::string>{"boom"}));
  failOnUnexpected = false;
  desk.StartTimer(10, [] { throw std::runtime_error("tick"); });
  desk.Advance(10);  // not expected: reported, and the clock still moves
  EXPECT_EQ(unexpected.size(), 1u);
  EXPECT_EQ(desk.ErrorBoxes().size(), 2u);
}

TEST_F(SimDesktopTest, FileDialogsAnswerFromTheQueue) {
  desk.ExpectOpenFile({true, {"C:\\a.txt", "C:\\b.txt"}, 2});
  desk.ExpectSaveFile({false, {}, 0});
  FileDialogOptions open;
  open.Title = "開く";
  open.AllowMultiSelect = true;
  ASSERT_TRUE(desk.OpenFileDialog(open));
  EXPECT_EQ(open.FileName, "C:\\a.txt");
  EXPECT_EQ(open.FileNames.size(), 2u);
  EXPECT_EQ(open.FilterIndex, 2);
  FileDialogOptions save;
  save.FileName = "Memo.txt";
  EXPECT_FALSE(desk.SaveFileDialog(save));
  EXPECT_EQ(save.FileName, "Memo.txt");
  ASSERT_EQ(desk.FileDialogs().size(), 2u);
  EXPECT_EQ(desk.FileDialogs()[0].Options.Title, "開く");
  EXPECT_TRUE(desk.FileDialogs()[1].Save);
  EXPECT_TRUE(desk.AllAnswersUsed());
}

TEST_F(SimDesktopTest, TrayIconIsLoggedAndReceivesMouseMessages) {
  auto tray = desk.CreateTrayIcon();
  std::vector<unsigned> messages;
  tray->OnCallback = [&](unsigned message, Point) { messages.push_back(message); };
  EXPECT_FALSE(tray->Modify("early"));
  EXPECT_TRUE(tray->Add("Quillpad"));
  EXPECT_TRUE(tray->Modify("総メモ数=0 in カテゴリ０"));
  EXPECT_EQ(desk.TrayTip(), "総メモ数=0 in カテゴリ０");
  desk.TrayMouse(513);
  desk.TrayMouse(515);
  EXPECT_EQ(messages, (std::vector<unsigned>{513, 515}));
  EXPECT_TRUE(tray->Delete());
  EXPECT_FALSE(desk.TrayIconShown());
  ASSERT_EQ(desk.TrayLog().size(), 4u);
  EXPECT_EQ(desk.TrayLog()[3].Op, platform::sim::TrayOp::Delete);
}

TEST_F(SimDesktopTest, OutsideCallsAreLogged) {
  EXPECT_TRUE(desk.ShellOpen("http://example.invalid/"));
  desk.SetShellOpenResult(false);
  EXPECT_FALSE(desk.ShellOpen("C:\\x.exe"));
  EXPECT_EQ(desk.ShellOpens().size(), 2u);
  EXPECT_FALSE(desk.ShowHelp("C:\\Quillpad\\Quillpad.hlp"));  // no such file
  EXPECT_EQ(desk.HelpCalls().size(), 1u);
  EXPECT_TRUE(desk.AcquireInstanceLock("Quillpad"));
  EXPECT_FALSE(desk.AcquireInstanceLock("Quillpad"));
  desk.SetText("clip");
  EXPECT_TRUE(desk.GetClipboard().HasText());
  EXPECT_EQ(desk.GetClipboard().GetText(), "clip");
}

}  // namespace
}  // namespace quillpad::testing
