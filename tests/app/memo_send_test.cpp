// Memo text and the editor's text sent to other programs: pasted into the window used before,
// opened by the shell, typed into a login form; the memo files stay as they were.
#include <gtest/gtest.h>

#include "app/main_form_fixture.h"
#include "memo/memo_form.h"
#include "memo/memo_record.h"
#include "memo/send_text.h"
#include "platform/sim/sim_desktop_windows.h"

namespace quillpad::testing {
namespace {

using platform::WindowHandle;
using platform::sim::ForeignWindow;

class MemoSendTest : public MainFormTest {
 protected:
  platform::sim::SimDesktopWindows& others() { return desk.Others(); }
  // The records the running program holds, to compare with the file after it stops.
  std::vector<MemoRecord> Held(TMainForm& f) {
    std::vector<MemoRecord> records;
    for (const TMemoForm* memo : f.MemoList) records.push_back(memo->Record());
    return records;
  }
  std::vector<MemoRecord> Stored() {
    return ReadMemoFile(ReadHostFile(ProgramFolder() / "MemoData.dat")).Records;
  }
  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : desk.MessageBoxes()) texts.push_back(box.Text);
    return texts;
  }
  // Another program's window at r with the given child controls (their texts), stacked
  // left to right in Z order.
  WindowHandle AddProgram(platform::Rect r, const std::vector<std::string>& controls,
                          unsigned style = platform::WsVisible | platform::WsMinimizeBox) {
    const WindowHandle top = others().AddForeignWindow({0, "program", style, r, {}, 0});
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const int left = r.Left + 10 + static_cast<int>(i) * 60;
      children.push_back(others().AddForeignWindow(
          {top, controls[i], platform::WsVisible, {left, r.Top + 10, left + 50, r.Top + 30}, {}, 0}));
    }
    return top;
  }
  std::vector<WindowHandle> children;
};

TEST(ApplicationTargets, LinesThatNameSomethingToOpen) {
  const auto exists = [](const std::string& p) { return p == "C:\\memo\\list.txt"; };
  const std::vector<std::string> targets = ApplicationTargets(
      "  https://example.jp/@team  \r\nC:\\memo\\list.txt\r\nan ordinary sentence.\r\n"
      "taro.yamada@example.jp\r\nMAILTO:HANAKO@EXAMPLE.JP\r\n\r\nC:\\memo\\gone.txt\r\n"
      "\x83\x81\x81[\x83\x8b@\x97\xe1.jp",
      exists);
  EXPECT_EQ(targets, (std::vector<std::string>{
                         "https://example.jp/@team", "C:\\memo\\list.txt",
                         "mailto:taro.yamada@example.jp", "MAILTO:HANAKO@EXAMPLE.JP",
                         "mailto:\x83\x81\x81[\x83\x8b@\x97\xe1.jp"}));
}

// The window used before is the first visible one with a minimize box below our hidden main
// window; Ctrl+V goes to its focused control; the trimmed selection, else the whole text.
TEST_F(MemoSendTest, EditorTextIsPastedIntoTheFocusedControlOfThePreviousWindow) {
  WriteMemoData("MemoData.dat", {Memo("one", 10, 10)});
  TMainForm& f = Start();
  const std::vector<MemoRecord> before = Stored();
  AddProgram({300, 300, 500, 400}, {"dialog"}, platform::WsVisible);  // no minimize box
  const WindowHandle editor = AddProgram({100, 100, 400, 300}, {"", ""});
  others().SetForeignFocus(editor, children[2]);
  f.ShowMemoClick(nullptr);
  Editor().UserType("  alpha beta  \r\ngamma ");
  f.RichEdit1->SetSelStart(0);
  f.RichEdit1->SetSelLength(8);
  f.SendToActiveInputClick(nullptr);
  EXPECT_EQ(others().Foreign(children[2]).Text, "alpha");
  EXPECT_EQ(desk.GetText(), "alpha");
  ASSERT_EQ(others().KeysSent().size(), 4u);
  const std::pair<int, bool> strokes[] = {{17, false}, {86, false}, {86, true}, {17, true}};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(others().KeysSent()[i].VirtualKey, strokes[i].first);
    EXPECT_EQ(others().KeysSent()[i].Up, strokes[i].second);
    EXPECT_EQ(others().KeysSent()[i].Foreground, editor);
  }
  EXPECT_EQ(others().ForeignForeground(), editor);

  f.RichEdit1->SetSelLength(0);
  f.SendToActiveInputClick(nullptr);
  EXPECT_EQ(others().Foreign(children[2]).Text, "alpha" "alpha beta  \r\ngamma");

  // Without the other program's focus nothing is pasted; the clipboard keeps the text.
  others().SetAttachFails(true);
  TMemoForm& memo = *f.MemoList[0];
  memo.SendMemoToActiveWindowClick();
  EXPECT_EQ(desk.GetText(), "one");
  EXPECT_EQ(others().Foreign(children[2]).Text, "alpha" "alpha beta  \r\ngamma");
  EXPECT_EQ(others().KeysSent().size(), 8u);
  EXPECT_EQ(Stored(), before);
}

// Double-click actions 2 and 3: the clipboard, then the shell for every line naming something,
// with one message for each line the shell could not open.
TEST_F(MemoSendTest, DoubleClickCopiesOrOpensEachNamedLine) {
  WriteHostFile(ProgramFolder() / "list.txt", "x");
  WriteMemoData("MemoData.dat",
                {Memo("https://example.jp\r\nC:\\Quillpad\\list.txt\r\nno target\r\nhana@example.jp", 10, 10),
                 Memo("other", 10, 200)});
  // The first line is an address: a double click would open it, whatever the setting.
  WriteIni("[FORM]\r\niMemoDblClick=2\r\nbSendURLonDblClk=0\r\n");
  TMainForm& f = Start();
  const std::vector<MemoRecord> before = Held(f);
  TMemoForm& memo = *f.MemoList[0];
  Sim(memo).UserDblClick();
  EXPECT_EQ(desk.GetText(), memo.MemoText());
  f.iMemoDblClick = 3;
  desk.FailShellOpen("mailto:hana@example.jp");
  desk.ExpectMessageBox(platform::IdOk);
  Sim(memo).UserDblClick();
  EXPECT_EQ(desk.ShellOpens(), (std::vector<std::string>{"https://example.jp", "C:\\Quillpad\\list.txt",
                                                         "mailto:hana@example.jp"}));
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"mailto:hana@example.jp を実行できませんでした"}));
  Stop();
  EXPECT_EQ(Stored(), before);
}

// The batch login: only the memo and the instructions show; the click on the empty ID box types
// the ID there and the password into the next empty control; everything shows again after.
TEST_F(MemoSendTest, BatchLoginTypesIntoTheClickedFormAndLeavesTheFilesAlone) {
  WriteMemoData("MemoData.dat", {Memo("taro\r\nsecret", 10, 10), Memo("other", 10, 200),
                                 Memo("\r\n", 10, 400)});
  TMainForm& f = Start();
  const std::vector<MemoRecord> before = Held(f);
  const WindowHandle login = AddProgram({300, 300, 600, 400}, {"", "パスワード", ""});
  (void)login;
  TMemoForm& memo = *f.MemoList[0];
  TMemoForm& other = *f.MemoList[1];
  memo.SendMemoToPasswordClick();
  EXPECT_TRUE(memo.BatchLoginMode);
  EXPECT_FALSE(other.Visible());
  ASSERT_EQ(f.MemoList.size(), 4u);
  TMemoForm& instructions = *f.MemoList[0];
  EXPECT_EQ(instructions.MemoText(),
            "*** ユーザーIDとパスワードの一括入力モード ***\r\n"
            "空のユーザーID入力ボックスをクリックしてください。\r\n\r\n"
            "ユーザーID = taro\r\nパスワード = secret");
  EXPECT_TRUE(instructions.Visible());
  EXPECT_EQ(f.CurrentMemo, &instructions);
  EXPECT_EQ(desk.GetText(), "");
  EXPECT_EQ(desk.Capture(), &Sim(memo));

  desk.SetCursorPos({320, 320});  // the empty ID box
  Sim(memo).UserMouseDown(platform::MouseButton::Left, {5, 5});
  EXPECT_EQ(others().Foreign(children[0]).Text, "taro");
  EXPECT_EQ(others().Foreign(children[1]).Text, "パスワード");
  EXPECT_EQ(others().Foreign(children[2]).Text, "secret");
  EXPECT_FALSE(memo.BatchLoginMode);
  EXPECT_EQ(desk.Capture(), nullptr);
  EXPECT_TRUE(instructions.DeletedFlag);
  EXPECT_TRUE(other.Visible());
  EXPECT_TRUE(desk.MessageBoxes().empty());
  desk.RunIdle();
  EXPECT_EQ(f.MemoList.size(), 3u);

  // A click on a control that holds text writes nothing.
  memo.SendMemoToPasswordClick();
  desk.SetCursorPos({320, 320});
  desk.ExpectMessageBox(platform::IdOk);
  Sim(memo).UserMouseDown(platform::MouseButton::Left, {5, 5});
  EXPECT_EQ(others().Foreign(children[2]).Text, "secret");
  desk.RunIdle();
  // An empty first line and no second line: no ID and no password.
  desk.ExpectMessageBox(platform::IdOk);
  f.MemoList[2]->SendMemoToPasswordClick();
  EXPECT_FALSE(f.MemoList[2]->BatchLoginMode);
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"パスワードの書きこみに失敗しました",
                                                      "IDとパスワードが正しくありません。"}));
  desk.RunIdle();
  Stop();
  EXPECT_EQ(Stored(), before);
}

}  // namespace
}  // namespace quillpad::testing
