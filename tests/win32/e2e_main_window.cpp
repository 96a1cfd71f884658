// End-to-end check of the main window under Wine: one instance only, the tray's new-memo action,
// the calculating editor, the settings written at exit, and the start-up time against an empty
// program built the same way.
//   e2e_main_window.exe QUILLPAD_EXE EMPTY_EXE
// clang-format off
#include "e2e_support.h"  // <windows.h> before the shell header
#include <shellapi.h>
// clang-format on

using namespace quillpad::e2e;

namespace {

// Milliseconds from process creation until its message loop first waits for input.
double TimeToIdle(Process& process, const std::wstring& exe, const std::wstring& folder,
                  const std::wstring& arguments = {}) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  if (!Start(process, exe, folder, arguments)) return -1;
  WaitForInputIdle(process.Info.hProcess, 20000);
  QueryPerformanceCounter(&end);
  return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

// Starts to idle, one run of each in turn so that both see the same machine: the editor
// yardstick, a first start in a fresh program folder, a start with the settings the folder has.
void TimeStartsSideBySide(const std::wstring& exe, const std::wstring& empty,
                          const std::wstring& folder) {
  constexpr int kRounds = 7;
  std::vector<double> yard, first, again;
  auto quit = [](Process& app) {
    if (HWND main = MainWindow(app.Info.dwProcessId)) PostMessageW(main, WM_CLOSE, 0, 0);
    return app.Wait() == 0;
  };
  bool ended = true;
  for (int round = 0; round < kRounds; ++round) {
    Process fair;
    yard.push_back(TimeToIdle(fair, empty, folder, L"--editor"));
    PostThreadMessageW(fair.Info.dwThreadId, WM_QUIT, 0, 0);
    fair.Wait();
    const std::wstring fresh = folder + L"\\first" + std::to_wstring(round);
    CreateDirectoryW(fresh.c_str(), nullptr);
    const std::wstring copy = fresh + L"\\Quillpad.exe";
    CopyFileW(exe.c_str(), copy.c_str(), FALSE);
    Process newcomer;
    first.push_back(TimeToIdle(newcomer, copy, fresh));
    ended = quit(newcomer) && ended;
    Process app;
    again.push_back(TimeToIdle(app, exe, folder));
    ended = quit(app) && ended;
  }
  Check(ended, "every timed start ends with exit code 0");
  // The ratios of each round's own starts: the machine's speed drifts from round to round.
  std::vector<double> firstRatio, againRatio;
  for (int round = 0; round < kRounds; ++round) {
    firstRatio.push_back(first[round] / yard[round]);
    againRatio.push_back(again[round] / yard[round]);
  }
  std::printf(
      "start-up to idle, medians of %d runs side by side: editor yardstick %.1f ms, first "
      "start %.1f ms (ratio %.2f), with a settings file %.1f ms (ratio %.2f)\n",
      kRounds, Median(yard), Median(first), Median(firstRatio), Median(again),
      Median(againRatio));
}

// What the window holds, for a failing run's log.
void DumpChildren(HWND parent) {
  for (HWND child : ChildWindows(parent, L"")) {
    RECT r;
    GetWindowRect(child, &r);
    std::printf("  child %ls visible=%d rect=%ld,%ld,%ld,%ld\n", ClassOf(child).c_str(),
                IsWindowVisible(child) ? 1 : 0, r.left, r.top, r.right, r.bottom);
  }
}

bool Holds(const std::string& text, const std::string& line) {
  return text.find(line + "\r\n") != std::string::npos;
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 3) {
    std::printf("usage: e2e_main_window QUILLPAD_EXE EMPTY_EXE\n");
    return 2;
  }
  const std::wstring exe = argv[1];
  const std::wstring empty = argv[2];
  const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\'));
  const std::wstring ini = folder + L"\\Quillpad.ini";
  const std::wstring shot =
      std::wstring(argv[0]).substr(0, std::wstring(argv[0]).size() - 4) + L".bmp";

  Process blank;
  const double emptyMs = TimeToIdle(blank, empty, folder);
  PostThreadMessageW(blank.Info.dwThreadId, WM_QUIT, 0, 0);
  blank.Wait();
  // The fair yardstick: the same system libraries and a shown window with a rich edit.
  Process fair;
  const double fairMs = TimeToIdle(fair, empty, folder, L"--editor");
  PostThreadMessageW(fair.Info.dwThreadId, WM_QUIT, 0, 0);
  fair.Wait();

  RECT memoRect{};
  // First run in an empty program folder.
  {
    Process app;
    const double firstMs = TimeToIdle(app, exe, folder);
    HWND main = MainWindow(app.Info.dwProcessId);
    Check(main != nullptr, "the main window exists");
    Check(main && !IsWindowVisible(main), "the main window starts hidden");
    Check(!ProcessWindows(app.Info.dwProcessId, L"QuillpadTray").empty(),
          "the tray icon's window exists");

    Process second;
    Check(Start(second, exe, folder) && second.Wait() == 1,
          "a second start ends at once with exit code 1");

    TrayClick(app.Info.dwProcessId);
    Check(WaitFor([&] { return main && IsWindowVisible(main); }),
          "a tray click shows the editor (new memo)");
    const auto editors = ChildWindows(main, L"RICHEDIT");
    Check(!editors.empty(), "the editor is a rich edit control");
    if (editors.empty()) DumpChildren(main);
    HWND pane = ResultsPane(main);
    Check(pane != nullptr, "the results pane exists");
    if (!editors.empty()) {
      Type(editors[0], L"a=3*4;\ra/5");
      Check(SendMessageW(editors[0], EM_GETLINECOUNT, 0, 0) == 2, "the sheet has two lines");
    }
    Check(pane && WaitFor([&] { return TextOf(pane) == L"2.4"; }),
          "the results pane's text is 2.4");
    // What the user sees: the pane below the editor, tall enough for its line, with the
    // digits drawn in it; the editor on the default memo colour.
    if (pane && !editors.empty()) {
      Sleep(300);
      const Shot sheet = Shot::Take();
      sheet.Save(BesideSelf(L"-sheet.bmp"));
      const RECT paneRect = ScreenClientRect(pane);
      const RECT editorRect = ScreenClientRect(editors[0]);
      Check(IsWindowVisible(pane) != FALSE, "the results pane is visible");
      Check(paneRect.bottom - paneRect.top >= 12 && paneRect.top >= editorRect.bottom,
            "the results pane has room for its line below the editor",
            std::to_string(paneRect.bottom - paneRect.top) + " px high");
      POINT middle{(paneRect.left + paneRect.right) / 2, (paneRect.top + paneRect.bottom) / 2};
      Check(WindowFromPoint(middle) == pane, "nothing covers the results pane");
      const COLORREF paneBack = sheet.Dominant(paneRect);
      const int digits = sheet.CountOther(paneRect, paneBack);
      Check(digits >= 15 && digits < (paneRect.right - paneRect.left) * 8,
            "the results pane shows text on its background",
            std::to_string(digits) + " pixels on " + ColourText(paneBack));
      Check(sheet.Dominant(editorRect) == RGB(0, 128, 0),
            "the editor shows the default memo colour", ColourText(sheet.Dominant(editorRect)));
    }
    // Store the sheet as a new desktop memo: the second button of the basic tool bar. (Wine
    // keeps menus inside their process, so the driver cannot walk the menu bar.)
    const auto toolBars = ChildWindows(main, L"ToolbarWindow32");
    Check(!toolBars.empty(), "the basic tool bar exists");
    if (!toolBars.empty()) {
      // The first button (0,0)-(23,22) of each bar shows a picture, not only the face colour.
      Check(SaveScreenshot(BesideSelf(L"-toolbars.bmp")), "tool bar screenshot saved");
      HDC screen = GetDC(nullptr);
      for (HWND bar : toolBars) {
        POINT at{0, 0};
        ClientToScreen(bar, &at);
        int picture = 0;
        for (int y = 3; y < 19; ++y) {
          for (int x = 3; x < 20; ++x) {
            if (GetPixel(screen, at.x + x, at.y + y) != GetSysColor(COLOR_BTNFACE)) ++picture;
          }
        }
        Check(picture >= 40, "a tool button shows a picture", std::to_string(picture) + " pixels");
      }
      ReleaseDC(nullptr, screen);
      ClickToolButton(toolBars[0], 1);
    }
    Check(WaitFor([&] { return !IsWindowVisible(main); }), "storing hides the editor");
    HWND memo = nullptr;
    WaitFor([&] {
      for (HWND w : ProcessWindows(app.Info.dwProcessId, L"QuillpadForm")) {
        if (w != main && IsWindowVisible(w)) memo = w;
      }
      return memo != nullptr;
    });
    Check(memo != nullptr, "a memo window shows on the desktop");
    if (memo) GetWindowRect(memo, &memoRect);
    Check(memoRect.right == GetSystemMetrics(SM_CXFULLSCREEN),
          "the first memo stands at the right edge");
    Sleep(300);
    const Shot desktop = Shot::Take();
    Check(desktop.Save(shot), "screenshot saved");
    if (memo) {
      const RECT client = ScreenClientRect(memo);
      Check(desktop.Dominant(client) == RGB(0, 128, 0), "the memo shows its green background",
            ColourText(desktop.Dominant(client)));
      Check(desktop.CountOther(client, RGB(0, 128, 0)) >= 20, "the memo shows its text");
    }

    PostMessageW(main, WM_CLOSE, 0, 0);
    Check(app.Wait() == 0, "the program ends with exit code 0 when its window closes");
    const std::string text = ReadFileBytes(ini);
    Check(text.rfind("[FORM]\r\n", 0) == 0, "Quillpad.ini starts with the FORM section");
    Check(Holds(text, "iTaskTrayClick=2") && Holds(text, "bSeparateNumber=1") &&
              Holds(text, "asLogFile=Quillpad.log"),
          "Quillpad.ini holds the written keys");
    Check(Holds(text, "asWorkDir=" + ToCp932(folder)), "asWorkDir is the program folder");
    const std::string memos = ReadFileBytes(folder + L"\\MemoData.dat");
    Check(memos.rfind("TPF0\x09TMemoForm", 0) == 0 &&
              memos.find("a=3*4;\r\na/5") != std::string::npos,
          "MemoData.dat holds the memo");
    std::printf("start-up to idle: empty program %.1f ms, first start %.1f ms (ratio %.2f)\n",
                emptyMs, firstMs, firstMs / emptyMs);
    std::printf("start-up to idle: editor yardstick %.1f ms, first start %.1f ms (ratio %.2f)\n",
                fairMs, firstMs, firstMs / fairMs);

    // Second run with the settings of the first, and another tray click action.
    std::string edited = text;
    edited.replace(edited.find("iTaskTrayClick=2"), 16, "iTaskTrayClick=3");
    WriteFileBytes(ini, edited);
  }
  {
    Process app;
    const double againMs = TimeToIdle(app, exe, folder);
    HWND main = MainWindow(app.Info.dwProcessId);
    HWND memo = nullptr;
    for (HWND w : ProcessWindows(app.Info.dwProcessId, L"QuillpadForm")) {
      if (w != main && IsWindowVisible(w)) memo = w;
    }
    RECT again{};
    if (memo) GetWindowRect(memo, &again);
    Check(memo && EqualRect(&again, &memoRect), "the memo shows again at the same place");
    TrayClick(app.Info.dwProcessId);
    Sleep(200);
    Check(main && !IsWindowVisible(main),
          "with iTaskTrayClick=3 a tray click toggles the memos, not the editor");
    PostMessageW(main, WM_CLOSE, 0, 0);
    Check(app.Wait() == 0, "the second run ends with exit code 0");
    const std::string text = ReadFileBytes(ini);
    Check(Holds(text, "bShowMemo=0") && Holds(text, "iTaskTrayClick=3"),
          "the toggled memo state is written at exit");
    std::printf("start-up to idle with a settings file: %.1f ms (ratio %.2f)\n", againMs,
                againMs / emptyMs);
    std::printf("start-up to idle with a settings file: editor yardstick %.1f ms (ratio %.2f)\n",
                fairMs, againMs / fairMs);
  }
  TimeStartsSideBySide(exe, empty, folder);
  std::printf("%s\n", failures ? "e2e_main_window: FAILED" : "e2e_main_window: passed");
  return failures ? 1 : 0;
}
