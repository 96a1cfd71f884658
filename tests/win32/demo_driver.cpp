// Drives Quillpad.exe as a first-time user would, for scripts/run's picture: a tray click, a short
// note stored as a desktop memo, another tray click and a small sheet whose result shows in the
// results pane. The program keeps running when the driver ends.
//   demo_driver.exe QUILLPAD_EXE
// clang-format off
#include "e2e_support.h"  // <windows.h> before the shell header
#include <shellapi.h>
// clang-format on

using namespace quillpad::e2e;

namespace {

HWND Editor(HWND main) {
  const auto editors = ChildWindows(main, L"RICHEDIT");
  return editors.empty() ? nullptr : editors[0];
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 2) {
    std::printf("usage: demo_driver QUILLPAD_EXE\n");
    return 2;
  }
  const std::wstring exe = argv[1];
  Process app;
  Check(Start(app, exe, exe.substr(0, exe.find_last_of(L'\\'))), "Quillpad starts");
  WaitForInputIdle(app.Info.hProcess, 20000);
  const DWORD pid = app.Info.dwProcessId;
  HWND main = MainWindow(pid);
  WaitFor([&] { return !ProcessWindows(pid, L"QuillpadTray").empty(); });
  Check(main != nullptr, "the main window exists");
  if (!main) return 1;

  TrayClick(pid);
  Check(WaitFor([&] { return IsWindowVisible(main) != 0; }), "a tray click shows the editor");
  Type(Editor(main), L"買い物\r牛乳と卵");
  const auto toolBars = ChildWindows(main, L"ToolbarWindow32");
  if (!toolBars.empty()) ClickToolButton(toolBars[0], 1);  // store as a new desktop memo
  Check(WaitFor([&] { return !IsWindowVisible(main); }), "storing hides the editor");

  TrayClick(pid);
  Check(WaitFor([&] { return IsWindowVisible(main) != 0; }), "the editor shows again");
  Type(Editor(main), L"a=3*4;\ra/5");
  HWND pane = ResultsPane(main);
  Check(pane && WaitFor([&] { return TextOf(pane) == L"2.4"; }), "the results pane shows 2.4");
  return failures ? 1 : 0;
}
