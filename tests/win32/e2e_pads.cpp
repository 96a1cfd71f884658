// End-to-end check of the calculator pads under Wine: the basic tool bar's calculator button
// opens the calculator beside the editor, its "Func" and "ABC" buttons open the glued function
// and letter pads, and mouse clicks on "1" "+" "2" type the sheet whose result shows. At exit the
// stored memo that the flow never touched is unchanged in MemoData.dat.
//   e2e_pads.exe QUILLPAD_EXE EMPTY_EXE
// clang-format off
#include "e2e_support.h"  // <windows.h> before the shell header
#include <commctrl.h>
#include <shellapi.h>
// clang-format on

#include "memo/memo_record.h"

using namespace quillpad::e2e;

namespace {

constexpr int kCalculatorButton = 13;  // of the basic tool bar, separators counted

std::string RectText(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

RECT WindowRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

HWND VisibleForm(DWORD pid, const std::wstring& caption) {
  for (HWND h : ProcessWindows(pid, L"QuillpadForm")) {
    if (TextOf(h) == caption && IsWindowVisible(h)) return h;
  }
  return nullptr;
}

HWND ButtonOf(HWND pad, const std::wstring& caption) {
  for (HWND b : ChildWindows(pad, L"Button")) {
    if (TextOf(b) == caption) return b;
  }
  return nullptr;
}

// The cursor over the middle of the button and the press and release there, as the messages of
// a user's click arrive at it.
void ClickWithMouse(HWND button) {
  RECT r{};
  GetClientRect(button, &r);
  const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
  POINT screen{x, y};
  ClientToScreen(button, &screen);
  SetCursorPos(screen.x, screen.y);
  PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  Sleep(150);
}

// A pad as the user sees it: mostly button face, with the dark strokes of the captions.
void CheckPadPixels(const Shot& shot, HWND pad, const char* what) {
  const RECT r = ScreenClientRect(pad);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  int faces = 0, dark = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      const COLORREF c = shot.At(x, y);
      faces += c == face;
      dark += GetRValue(c) + GetGValue(c) + GetBValue(c) < 200;
    }
  }
  const int area = (r.right - r.left) * (r.bottom - r.top);
  Check(area > 0 && faces * 2 > area && dark >= 40, what,
        RectText(r) + ": " + std::to_string(faces) + " face, " + std::to_string(dark) +
            " dark of " + std::to_string(area));
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 2) {
    std::printf("usage: e2e_pads QUILLPAD_EXE [EMPTY_EXE]\n");
    return 2;
  }
  const std::wstring exe = argv[1];
  const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\'));
  quillpad::MemoRecord kept;
  kept.Text = "keep me";
  kept.Left = 20;
  kept.Top = 640;
  kept.BorderStyle = quillpad::MemoBorder::None;
  kept.Visible = true;
  kept.StampText = "2026/12/01 8:00:00";
  Check(WriteFileBytes(folder + L"\\MemoData.dat", quillpad::WriteMemoFile({kept})),
        "MemoData.dat written");

  Process app;
  HWND main = StartQuillpad(app, exe, folder);
  if (!main) return 1;
  const DWORD pid = app.Info.dwProcessId;
  const auto toolBars = ChildWindows(main, L"ToolbarWindow32");
  Check(!toolBars.empty(), "the basic tool bar exists");
  if (toolBars.empty()) return 1;
  ClickToolButton(toolBars[0], kCalculatorButton);
  HWND calc = nullptr;
  Check(WaitFor([&] { return (calc = VisibleForm(pid, L"Calculator")) != nullptr; }),
        "the calculator button opens the pad");
  Check(IsWindowVisible(main) != FALSE, "the editor shows with it");
  if (!calc) return 1;
  const bool pressed = WaitFor(
      [&] {
        return (SendMessageW(toolBars[0], TB_GETSTATE, 1000 + kCalculatorButton, 0) &
                TBSTATE_CHECKED) != 0;
      },
      3000);
  Check(pressed, "the calculator button stays down while the pad is open");

  for (const wchar_t* caption : {L"Func", L"ABC"}) {
    HWND b = ButtonOf(calc, caption);
    Check(b != nullptr, "the calculator has its toggle button");
    if (b) ClickWithMouse(b);
  }
  HWND fn = nullptr, abc = nullptr;
  Check(WaitFor([&] {
          fn = VisibleForm(pid, L"Function");
          abc = VisibleForm(pid, L"Alphabet");
          return fn && abc;
        }),
        "Func and ABC open the function and letter pads");
  if (!fn || !abc) return 1;
  Check((GetWindowLongW(fn, GWL_STYLE) & WS_DLGFRAME) == 0 &&
            (GetWindowLongW(abc, GWL_STYLE) & WS_DLGFRAME) == 0,
        "the two sub-pads have no title bar");

  HWND editor = nullptr;
  for (HWND e : ChildWindows(main, L"RichEdit")) editor = e;
  Check(editor != nullptr, "the editor exists");
  for (const wchar_t* caption : {L"1", L"+", L"2"}) {
    HWND b = ButtonOf(calc, caption);
    Check(b != nullptr, "the calculator has its digit and sign buttons");
    if (b) ClickWithMouse(b);
  }
  HWND results = ResultsPane(main);
  Check(WaitFor([&] { return editor && TextOf(editor) == L"1+2"; }, 5000), "the clicks type 1+2",
        editor ? ToCp932(TextOf(editor)) : std::string());
  Check(WaitFor([&] { return results && TextOf(results) == L"3"; }, 5000),
        "the results pane reads 3");

  // Where the rules put them: beside the editor (shifted left together when the function pad
  // would pass the screen's edge), the function pad glued right with the bottoms level, the
  // letter pad glued below.
  const RECT m = WindowRect(main), c = WindowRect(calc), f = WindowRect(fn), a = WindowRect(abc);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const std::string places =
      RectText(m) + " / " + RectText(c) + " / " + RectText(f) + " / " + RectText(a);
  Check(c.left == m.right && c.top == m.top, "the calculator at the editor's right edge", places);
  Check(f.left == c.right && f.bottom == c.bottom && f.right <= work.right,
        "the function pad right of it, bottoms level, inside the screen", places);
  Check(a.left == c.left && a.top == c.bottom && a.bottom <= work.bottom, "the letter pad below it",
        places);

  Sleep(500);
  const Shot shot = Shot::Take();
  Check(shot.Save(BesideSelf(L".bmp")), "screenshot saved");
  CheckPadPixels(shot, calc, "the calculator shows its buttons");
  CheckPadPixels(shot, fn, "the function pad shows its buttons");
  CheckPadPixels(shot, abc, "the letter pad shows its buttons");
  if (results && editor) {
    // The pane's line and the sheet's first line hold text strokes on their backgrounds.
    const RECT pane = ScreenClientRect(results);
    const int inPane = shot.CountOther(pane, shot.Dominant(pane));
    Check(inPane >= 8, "the results pane shows the result", std::to_string(inPane) + " pixels");
    RECT line = ScreenClientRect(editor);
    line.bottom = std::min(line.bottom, line.top + 18);
    const int inLine = shot.CountOther(line, shot.Dominant(line));
    Check(inLine >= 20, "the editor's first line shows 1+2", std::to_string(inLine) + " pixels");
  }

  PostMessageW(main, WM_CLOSE, 0, 0);
  Check(app.Wait() == 0, "the program ends with exit code 0");
  const quillpad::MemoFileContents back =
      quillpad::ReadMemoFile(ReadFileBytes(folder + L"\\MemoData.dat"));
  Check(back.Records.size() == 1 && back.Records[0].Text == "keep me" &&
            back.Records[0].Left == 20 && back.Records[0].Top == 640,
        "the memo the flow did not touch is unchanged in MemoData.dat",
        "records: " + std::to_string(back.Records.size()));
  std::printf("%s\n", failures ? "e2e_pads: FAILED" : "e2e_pads: passed");
  return failures ? 1 : 0;
}
