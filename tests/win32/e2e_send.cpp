// End-to-end check of sending a memo's text under Wine: this driver is the other program, with
// an edit box of its own. A stored memo double-clicked with the paste action puts its text into
// that edit box (read back here and seen in its pixels), the clipboard holds it, and
// MemoData.dat is unchanged at exit.
//   e2e_send.exe QUILLPAD_EXE
// clang-format off
#include "e2e_support.h"  // <windows.h> before the shell header
#include <shellapi.h>
// clang-format on

#include <thread>

#include "memo/memo_record.h"

using namespace quillpad::e2e;

namespace {

constexpr const char* kText = "send me 123";

HWND otherEdit = nullptr;

// As an editor does, the window hands its focus to the edit box whenever it is activated.
LRESULT CALLBACK OtherProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_SETFOCUS && otherEdit) {
    SetFocus(otherEdit);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// The other program: a framed window with one edit box, on a thread of its own so that it takes
// the keystrokes while the driver waits.
struct OtherProgram {
  HWND Window = nullptr;
  HWND Edit = nullptr;
  DWORD ThreadId = 0;
  std::thread Thread;

  void Run() {
    std::atomic<bool> ready{false};
    Thread = std::thread([this, &ready] {
      ThreadId = GetCurrentThreadId();
      WNDCLASSW cls{};
      cls.lpfnWndProc = OtherProc;
      cls.hInstance = GetModuleHandleW(nullptr);
      cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
      cls.lpszClassName = L"OtherProgram";
      RegisterClassW(&cls);
      Window = CreateWindowExW(0, L"OtherProgram", L"other program", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               420, 300, 400, 160, nullptr, nullptr, nullptr, nullptr);
      Edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                             WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 20, 30, 340, 40, Window,
                             nullptr, nullptr, nullptr);
      SendMessageW(Edit, WM_SETFONT,
                   reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), TRUE);
      otherEdit = Edit;
      SetForegroundWindow(Window);
      SetFocus(Edit);
      ready = true;
      MSG msg;
      while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
    });
    while (!ready) Sleep(10);
  }
  void Stop() {
    PostMessageW(Window, WM_CLOSE, 0, 0);
    PostThreadMessageW(ThreadId, WM_QUIT, 0, 0);
    Thread.join();
  }
};

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 2) {
    std::printf("usage: e2e_send QUILLPAD_EXE\n");
    return 2;
  }
  const std::wstring exe = argv[1];
  const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\'));
  quillpad::MemoRecord memo;
  memo.Text = kText;
  memo.Left = 40;
  memo.Top = 60;
  memo.ClientWidth = 160;
  memo.ClientHeight = 40;
  memo.BorderStyle = quillpad::MemoBorder::None;
  memo.Color = 0x008000;  // white text on green, as a new memo
  memo.Visible = true;
  memo.StampText = "2026/12/01 8:00:00";
  quillpad::MemoRecord other = memo;
  other.Text = "stays";
  other.Top = 200;
  const std::string stored = quillpad::WriteMemoFile({memo, other});
  Check(WriteFileBytes(folder + L"\\MemoData.dat", stored), "MemoData.dat written");
  Check(WriteFileBytes(folder + L"\\Quillpad.ini", "[FORM]\r\niMemoDblClick=1\r\n"),
        "Quillpad.ini written");

  // The other program is there before Quillpad starts: the window used before lies below
  // Quillpad's hidden main window.
  OtherProgram target;
  target.Run();
  const RECT editRect = ScreenClientRect(target.Edit);
  // The window paints on its own thread, some moments later on a busy machine.
  int before = -1;
  WaitFor([&] {
    before = Shot::Take().CountOther(editRect, GetSysColor(COLOR_WINDOW));
    return before < 4;
  });
  Check(before >= 0 && before < 4, "the edit box starts empty", std::to_string(before) + " pixels");

  Process app;
  HWND main = StartQuillpad(app, exe, folder);
  HWND memoWindow = nullptr;
  WaitFor([&] {
    for (HWND w : ProcessWindows(app.Info.dwProcessId, L"QuillpadForm")) {
      if (w != main && IsWindowVisible(w)) {
        RECT r{};
        GetWindowRect(w, &r);
        if (r.top < 150) memoWindow = w;
      }
    }
    return memoWindow != nullptr;
  });
  Check(memoWindow != nullptr, "the memo window shows");
  if (memoWindow) {
    PostMessageW(memoWindow, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    const bool pasted = WaitFor([&] { return TextOf(target.Edit) == L"send me 123"; });
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(target.ThreadId, &gui);
    Check(pasted, "the memo's text is in the other program's edit box",
          ToCp932(TextOf(target.Edit)) + " focus " + std::to_string(gui.hwndFocus == target.Edit) +
              " active " + std::to_string(gui.hwndActive == target.Window));
    Sleep(300);  // the edit box paints
    const Shot shot = Shot::Take();
    shot.Save(BesideSelf(L".bmp"));
    // Dark text on the edit box's white, where there was none.
    const int ink = shot.CountOther(editRect, GetSysColor(COLOR_WINDOW));
    Check(ink > 40, "the pasted text shows in the edit box", std::to_string(ink) + " pixels");
    RECT memoRect{};
    GetWindowRect(memoWindow, &memoRect);
    Check(shot.CountOther(memoRect, shot.Dominant(memoRect)) > 40, "the memo still shows its text");
    Check(GetForegroundWindow() == target.Window, "the other program is in front afterwards");
    std::string clip;
    if (OpenClipboard(nullptr)) {
      if (HANDLE h = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(h))) {
          clip = p;
          GlobalUnlock(h);
        }
      }
      CloseClipboard();
    }
    Check(clip == kText, "the clipboard holds the memo's text", clip);
  }

  PostMessageW(main, WM_CLOSE, 0, 0);
  Check(app.Wait() == 0, "the program ends with exit code 0");
  target.Stop();
  const quillpad::MemoFileContents back =
      quillpad::ReadMemoFile(ReadFileBytes(folder + L"\\MemoData.dat"));
  Check(back.Records.size() == 2 && back.Records[0].Text == kText &&
            back.Records[1].Text == "stays" && back.Records[1].Top == 200,
        "MemoData.dat still holds both memos unchanged");
  std::printf("%s\n", failures ? "e2e_send: FAILED" : "e2e_send: passed");
  return failures ? 1 : 0;
}
