// The registered tools of ToolList.txt in the tray menu, their launch, and Explorer.
#include <gtest/gtest.h>

#include "app/main_form_fixture.h"

namespace quillpad {
namespace {

using testing::MainFormTest;

TEST_F(MainFormTest, ToolListFillsTheMenuInFileOrderAndLaunchesThroughTheShell) {
  testing::WriteHostFile(ProgramFolder() / "editor.exe", "MZ");
  std::string list = "C:\\Quillpad\\editor.exe\r\nhttp://example.com/\r\n\r\nC:\\Quillpad\r\n";
  list += std::string("C:\\bad\0name\r\n", 13);  // a NUL names nothing the shell can open
  testing::WriteHostFile(ProgramFolder() / "ToolList.txt", list);
  TMainForm& f = Start();
  ui::MenuItem* tools = f.Item("RegisteredTool1");
  ASSERT_EQ(tools->Count(), 3);
  EXPECT_EQ(tools->Items(0)->Caption(), "editor.exe");  // an existing file: its name alone
  EXPECT_EQ(tools->Items(1)->Caption(), "http://example.com/");
  EXPECT_EQ(tools->Items(2)->Caption(), "C:\\Quillpad");
  EXPECT_EQ(tools->Items(2)->Tag, 2);
  tools->Items(1)->Click();
  EXPECT_EQ(desk.ShellOpens().back(), "http://example.com/");
  desk.FailShellOpen("C:\\Quillpad");
  desk.ExpectMessageBox(platform::IdOk, "実行できませんでした");
  tools->Items(2)->Click();
  // Building again starts from an empty submenu.
  f.BuildToolMenu();
  EXPECT_EQ(tools->Count(), 3);
  f.Item("ExecExplorer1")->Click();
  ASSERT_EQ(desk.ProgramRuns().size(), 1u);
  EXPECT_EQ(desk.ProgramRuns()[0].CommandLine, "explorer.exe /E,\"C:\\Quillpad\"");
  EXPECT_EQ(desk.ProgramRuns()[0].ShowState, 5);
  EXPECT_TRUE(desk.AllAnswersUsed());
}

}  // namespace
}  // namespace quillpad
