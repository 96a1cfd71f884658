// Icon and screen capture under Wine. This driver shows a window of its own, left half red and
// right half blue; the region command freezes the screen, a real mouse drag from bottom-right to
// top-left marks a part of that window with an inverted frame, and the new picture memo shows that
// part 3 pixels from where it was taken. Icon capture of three_icons.exe (magenta, cyan and
// yellow icons) makes three memos. A timed capture with a delay of 1 second shows its dialog, then
// the frozen screen again. Window capture outlines the window under the pointer and a click
// captures it. At exit MemoData.dat holds the stored memo unchanged and the six
// pictures.
//   e2e_capture.exe QUILLPAD_EXE
// clang-format off
#include "e2e_support.h"  // <windows.h> before the shell header
#include <shellapi.h>
// clang-format on

#include <thread>

#include "memo/memo_record.h"

using namespace quillpad::e2e;

namespace {

constexpr RECT kPainted{300, 200, 500, 320};  // red left of x 400, blue right of it
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

LRESULT CALLBACK PaintedProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    const int half = (kPainted.right - kPainted.left) / 2;
    RECT left{0, 0, half, kPainted.bottom - kPainted.top};
    RECT right{half, 0, 2 * half, kPainted.bottom - kPainted.top};
    HBRUSH red = CreateSolidBrush(kRed), blue = CreateSolidBrush(kBlue);
    FillRect(dc, &left, red);
    FillRect(dc, &right, blue);
    DeleteObject(red);
    DeleteObject(blue);
    EndPaint(hwnd, &ps);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// The painted window on a thread of its own, so it repaints while the driver waits.
struct PaintedWindow {
  HWND Window = nullptr;
  DWORD ThreadId = 0;
  std::thread Thread;
  void Run() {
    std::atomic<bool> ready{false};
    Thread = std::thread([this, &ready] {
      ThreadId = GetCurrentThreadId();
      WNDCLASSW cls{};
      cls.lpfnWndProc = PaintedProc;
      cls.hInstance = GetModuleHandleW(nullptr);
      cls.lpszClassName = L"PaintedWindow";
      RegisterClassW(&cls);
      Window = CreateWindowExW(0, L"PaintedWindow", L"painted", WS_POPUP | WS_VISIBLE,
                               kPainted.left, kPainted.top, kPainted.right - kPainted.left,
                               kPainted.bottom - kPainted.top, nullptr, nullptr, nullptr, nullptr);
      ready = true;
      MSG msg;
      while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    });
    while (!ready) Sleep(10);
  }
  void Stop() {
    if (!Thread.joinable()) return;
    PostThreadMessageW(ThreadId, WM_QUIT, 0, 0);
    Thread.join();
  }
};

// Visible memo windows of the program (every form but the main window), in no order.
std::vector<HWND> Memos(DWORD pid, HWND main) {
  std::vector<HWND> memos;
  for (HWND w : ProcessWindows(pid, L"QuillpadForm"))
    if (w != main && IsWindowVisible(w)) memos.push_back(w);
  return memos;
}

RECT WindowRectOf(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return r;
}

// A key with Ctrl held, pressed on the keyboard while the window is in front.
void PressCtrl(HWND window, BYTE key) {
  SetForegroundWindow(window);
  Sleep(300);
  keybd_event(VK_CONTROL, 0, 0, 0);
  keybd_event(key, 0, 0, 0);
  keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
  keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
}

// The mouse as the hardware moves it: absolute positions, the button events carrying theirs.
void Mouse(DWORD flags, int x, int y) {
  const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
  mouse_event(flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x * 65535 / (cx - 1),
              y * 65535 / (cy - 1), 0, 0);
  Sleep(40);
}

// The program's window with this outer rectangle, once it shows.
HWND WaitForWindowAt(DWORD pid, HWND main, const RECT& want) {
  HWND found = nullptr;
  WaitFor([&] {
    for (HWND w : Memos(pid, main)) {
      const RECT r = WindowRectOf(w);
      if (r.left == want.left && r.top == want.top &&
          (want.right < 0 || (r.right == want.right && r.bottom == want.bottom)))
        found = w;
    }
    return found != nullptr;
  });
  return found;
}

// Dark pixels (text) inside r.
int DarkPixels(const Shot& shot, const RECT& r) {
  int dark = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      const COLORREF c = shot.At(x, y);
      dark += GetRValue(c) + GetGValue(c) + GetBValue(c) < 200;
    }
  return dark;
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 2) {
    std::printf("usage: e2e_capture QUILLPAD_EXE\n");
    return 2;
  }
  const std::wstring exe = argv[1];
  const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\'));
  const std::wstring self = BesideSelf(L".exe");
  const std::wstring icons = self.substr(0, self.find_last_of(L'\\')) + L"\\three_icons.exe";

  quillpad::MemoRecord keep;
  keep.Text = "keep";
  keep.Left = 40;
  keep.Top = 500;
  keep.ClientWidth = 120;
  keep.ClientHeight = 40;
  keep.BorderStyle = quillpad::MemoBorder::None;
  keep.Color = 0x008000;
  keep.Visible = true;
  keep.StampText = "2026/12/01 8:00:00";
  Check(WriteFileBytes(folder + L"\\MemoData.dat", quillpad::WriteMemoFile({keep})),
        "MemoData.dat written");
  Check(WriteFileBytes(folder + L"\\KeyList.ini", "[Key]\r\nIconCapture=Ctrl+F7\r\n"),
        "KeyList.ini written");
  // Without a border a memo's window is exactly its picture.
  Check(WriteFileBytes(folder + L"\\Quillpad.ini", "[FORM]\r\nbShowBorder=0\r\n"),
        "Quillpad.ini written");

  PaintedWindow painted;
  painted.Run();
  // Every early end stops the window's thread first.
  struct Stopper {
    PaintedWindow& Window;
    ~Stopper() { Window.Stop(); }
  } stopper{painted};
  Process app;
  // The editor shown, so the main menu is there to find the commands in.
  HWND main = StartWithEditor(app, exe, folder);
  if (!main) return 1;
  const DWORD pid = app.Info.dwProcessId;
  HWND keepMemo = nullptr;
  WaitFor([&] {
    const auto memos = Memos(pid, main);
    if (memos.size() == 1) keepMemo = memos[0];
    return keepMemo != nullptr;
  });
  Check(keepMemo != nullptr, "the stored memo shows");
  Sleep(300);

  // Icon capture of a program with three icons, by the key KeyList.ini gives it.
  PressCtrl(main, VK_F7);
  HWND dialog = nullptr;
  WaitFor([&] {
    for (HWND w : ProcessWindows(pid, L"#32770"))
      if (IsWindowVisible(w)) dialog = w;
    return dialog != nullptr;
  });
  Check(dialog != nullptr && TextOf(dialog) == L"アイコン取得のファイルを指定",
        "the icon file dialog opens");
  if (!dialog) return 1;
  constexpr int kFileNameCombo = 0x47C;  // cmb13
  SetDlgItemTextW(dialog, kFileNameCombo, icons.c_str());
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
  std::vector<HWND> iconMemos;
  WaitFor([&] {
    iconMemos.clear();
    for (HWND w : Memos(pid, main)) {
      const RECT c = ScreenClientRect(w);
      if (c.right - c.left == 32 && c.bottom - c.top == 32) iconMemos.push_back(w);
    }
    return iconMemos.size() == 3;
  });
  Check(iconMemos.size() == 3, "three icons make three memos", std::to_string(iconMemos.size()));

  // Region capture with the memos hidden: its key, Ctrl+F1, in the editor. The editor is hidden
  // with the memos and stays hidden afterwards.
  PressCtrl(main, VK_F1);
  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  HWND frozen = WaitForWindowAt(pid, main, screen);
  Check(frozen != nullptr, "the frozen screen covers the whole screen");
  if (!frozen) return 1;
  Check(!IsWindowVisible(keepMemo), "the memo is hidden for the capture");
  Sleep(500);
  const Shot still = Shot::Take();
  const RECT keepRect{keep.Left, keep.Top, keep.Left + keep.ClientWidth, keep.Top + 40};
  Check(still.CountOther(keepRect, RGB(0, 128, 0)) == 120 * 40,
        "the frozen picture was taken without the memo");
  for (HWND icon : iconMemos) Check(!IsWindowVisible(icon), "the icon memos are hidden too");
  Check(still.At(350, 260) == kRed && still.At(450, 260) == kBlue,
        "the frozen screen shows the painted window");

  // Backwards: from bottom-right to top-left, across the colour boundary at x 400.
  Mouse(0, 410, 290);
  Mouse(MOUSEEVENTF_LEFTDOWN, 410, 290);
  for (int step = 1; step <= 5; ++step) Mouse(0, 410 - 20 * step, 290 - 16 * step);
  Sleep(300);
  const Shot dragging = Shot::Take();
  dragging.Save(BesideSelf(L"-frozen.bmp"));
  Check(dragging.At(360, 210) == RGB(0, 255, 255) && dragging.At(310, 250) == RGB(0, 255, 255),
        "the selection shows as an inverted frame",
        ColourText(dragging.At(360, 210)) + " " + ColourText(dragging.At(310, 250)));
  Check(dragging.At(360, 250) == kRed, "inside the frame the picture is unchanged");
  Mouse(MOUSEEVENTF_LEFTUP, 310, 210);

  HWND picture = WaitForWindowAt(pid, main, {313, 213, -1, -1});
  Check(picture != nullptr, "a picture memo appears 3 pixels in from the selection's corner");
  Check(WaitFor([&] { return IsWindowVisible(keepMemo) && !IsWindowVisible(frozen); }),
        "the frozen screen is gone and the memo is back");

  // A timed region capture: the dialog, a second's countdown memo, then the frozen screen again.
  TrayClick(pid);
  Check(WaitFor([&] { return IsWindowVisible(main) != 0; }), "a tray click shows the editor again");
  PressCtrl(main, VK_F3);
  HWND timer = WaitForCaption(pid, L"スクリーンキャプチャタイマーの設定");
  Check(timer != nullptr, "the timer dialog opens");
  if (!timer) return 1;
  const std::vector<HWND> edits = ChildWindows(timer, L"Edit");
  Check(edits.size() == 1 && TextOf(edits[0]) == L"7", "the delay starts at 7");
  if (edits.size() != 1) return 1;
  SendMessageW(edits[0], EM_SETSEL, 0, -1);
  Type(edits[0], L"1");
  Sleep(300);
  const Shot dialogShot = Shot::Take();
  dialogShot.Save(BesideSelf(L"-timer.bmp"));
  const RECT dialogClient = ScreenClientRect(timer);
  Check(DarkPixels(dialogShot, dialogClient) > 150, "the dialog shows its texts",
        std::to_string(DarkPixels(dialogShot, dialogClient)) + " dark pixels");
  HWND ok = nullptr;
  for (HWND b : ChildWindows(timer, L"Button"))
    if (TextOf(b) == L"OK") ok = b;
  Check(ok != nullptr, "the dialog has its OK button");
  if (!ok) return 1;
  SendMessageW(ok, BM_CLICK, 0, 0);
  HWND countdown = nullptr;
  WaitFor([&] {
    for (HWND w : Memos(pid, main)) {
      const RECT r = WindowRectOf(w);
      if (r.top == 0 && r.right == screen.right &&
          TextOf(w) != L"スクリーンキャプチャタイマーの設定")
        countdown = w;
    }
    return countdown != nullptr;
  });
  Check(countdown != nullptr, "the countdown memo shows at the top right");
  HWND second = WaitForWindowAt(pid, main, screen);
  Check(second != nullptr, "at the deadline the frozen screen comes");
  if (!second) return 1;
  Sleep(500);
  Mouse(0, 410, 230);
  Mouse(MOUSEEVENTF_LEFTDOWN, 410, 230);
  Mouse(0, 440, 250);
  Mouse(MOUSEEVENTF_LEFTUP, 470, 270);
  HWND timed = WaitForWindowAt(pid, main, {413, 233, 473, 273});
  Check(timed != nullptr, "the timed capture's memo lies over its spot");
  Check(WaitFor([&] { return Memos(pid, main).size() == 6; }), "the countdown memo is gone");

  // Window capture with the memos hidden, of the painted window moved to a free place: the
  // pointer rests on it, it is outlined, and a click anywhere captures it.
  constexpr int kMovedLeft = 600, kMovedTop = 400;
  SetWindowPos(painted.Window, HWND_TOP, kMovedLeft, kMovedTop, 0, 0, SWP_NOSIZE);
  TrayClick(pid);
  Check(WaitFor([&] { return IsWindowVisible(main) != 0; }), "a tray click shows the editor again");
  PressCtrl(main, VK_F2);
  HWND question = nullptr;
  WaitFor([&] {
    for (HWND w : ProcessWindows(pid, L"#32770"))
      if (IsWindowVisible(w)) question = w;
    return question != nullptr;
  });
  Check(question != nullptr, "window capture asks first");
  if (!question) return 1;
  SendMessageW(question, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(question, IDYES)));
  Check(WaitFor(
            [&] { return !IsWindowVisible(keepMemo) && WindowRectOf(main).left >= screen.right; }),
        "the memos are hidden and the main window waits beyond the right edge");
  Mouse(0, kMovedLeft + 50, kMovedTop + 60);
  Sleep(800);  // a few picking ticks
  const Shot outlined = Shot::Take();
  outlined.Save(BesideSelf(L"-window.bmp"));
  Check(outlined.At(kMovedLeft + 1, kMovedTop + 60) == RGB(0, 255, 255) &&
            outlined.At(kMovedLeft + 198, kMovedTop + 60) == RGB(255, 255, 0),
        "the window under the pointer is outlined in inverted colours",
        ColourText(outlined.At(kMovedLeft + 1, kMovedTop + 60)) + " " +
            ColourText(outlined.At(kMovedLeft + 198, kMovedTop + 60)));
  Check(outlined.At(kMovedLeft + 50, kMovedTop + 60) == kRed, "inside the outline it is unchanged");
  Mouse(MOUSEEVENTF_LEFTDOWN, kMovedLeft + 50, kMovedTop + 60);
  Mouse(MOUSEEVENTF_LEFTUP, kMovedLeft + 50, kMovedTop + 60);
  HWND windowMemo = WaitForWindowAt(pid, main, {kMovedLeft + 3, kMovedTop + 3, -1, -1});
  Check(windowMemo != nullptr, "the window's picture memo lies 3 pixels in from its corner");
  Check(WaitFor([&] { return Memos(pid, main).size() == 7 && IsWindowVisible(keepMemo); }),
        "the memos are shown again");

  // The painted window goes, so what shows there now is the memo's own picture.
  ShowWindow(painted.Window, SW_HIDE);
  Sleep(800);
  const Shot shot = Shot::Take();
  Check(shot.Save(BesideSelf(L".bmp")), "screenshot saved");
  if (picture) {
    const RECT c = ScreenClientRect(picture);
    Check(c.right - c.left == 100 && c.bottom - c.top == 80, "the memo is the selection's size",
          std::to_string(c.left) + "," + std::to_string(c.top) + "," + std::to_string(c.right) +
              "," + std::to_string(c.bottom));
    const int midY = (c.top + c.bottom) / 2;
    Check(shot.At(c.left + 3, midY) == kRed && shot.At(c.left + 85, midY) == kRed &&
              shot.At(c.left + 95, midY) == kBlue,
          "the memo shows red up to the boundary and blue after it",
          ColourText(shot.At(c.left + 3, midY)) + " " + ColourText(shot.At(c.left + 95, midY)));
    RECT redPart{c.left, c.top, c.left + 90, c.bottom};
    Check(shot.CountOther(redPart, kRed) == 0, "the red part is whole");
  }
  if (timed) {
    const RECT c = ScreenClientRect(timed);
    Check(shot.CountOther(c, kBlue) == 0, "the timed capture shows the blue part");
  }
  if (windowMemo) {
    // Repainted before the copy: no trace of the outline at the edges.
    const RECT c = ScreenClientRect(windowMemo);
    RECT left{c.left, c.top, c.left + 100, c.bottom}, right{c.left + 100, c.top, c.right, c.bottom};
    Check(c.right - c.left == 200 && c.bottom - c.top == 120 && shot.CountOther(left, kRed) == 0 &&
              shot.CountOther(right, kBlue) == 0,
          "the window's memo shows the window without its outline");
  }
  std::sort(iconMemos.begin(), iconMemos.end(),
            [](HWND a, HWND b) { return WindowRectOf(a).top < WindowRectOf(b).top; });
  const COLORREF iconColours[] = {RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 0)};
  for (std::size_t i = 0; i < iconMemos.size() && i < 3; ++i) {
    const COLORREF seen = shot.Dominant(ScreenClientRect(iconMemos[i]));
    Check(seen == iconColours[i], "an icon memo shows its icon in index order", ColourText(seen));
  }

  PostMessageW(main, WM_CLOSE, 0, 0);
  Check(app.Wait() == 0, "the program ends with exit code 0");
  const quillpad::MemoFileContents back =
      quillpad::ReadMemoFile(ReadFileBytes(folder + L"\\MemoData.dat"));
  Check(back.Records.size() == 7, "MemoData.dat holds seven memos",
        std::to_string(back.Records.size()));
  if (back.Records.size() == 7) {
    const quillpad::MemoRecord& first = back.Records[0];
    Check(first.Text == "keep" && first.Left == 40 && first.Top == 500 && first.Visible &&
              first.Color == keep.Color,
          "the stored memo is unchanged");
    const quillpad::MemoRecord& region = back.Records[4];
    Check(region.Kind == quillpad::MemoKind::mkImage && region.Left == 313 && region.Top == 213 &&
              region.ClientWidth == 100 && region.ClientHeight == 80,
          "the region's picture memo is stored where it was shown",
          std::to_string(region.Left) + "," + std::to_string(region.Top) + " " +
              std::to_string(region.ClientWidth) + "x" + std::to_string(region.ClientHeight));
    for (int i = 1; i < 4; ++i)
      Check(
          back.Records[i].Kind == quillpad::MemoKind::mkImage && back.Records[i].ClientWidth == 32,
          "an icon's picture memo is stored");
  }
  std::printf("%s\n", failures ? "e2e_capture: FAILED" : "e2e_capture: passed");
  return failures ? 1 : 0;
}
