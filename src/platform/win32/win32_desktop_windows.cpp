#include "platform/win32/win32_desktop_windows.h"

#include <vector>

#include "platform/win32/win32_window.h"

namespace quillpad::platform::win32 {

namespace {
HWND H(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle W(HWND hwnd) { return reinterpret_cast<WindowHandle>(hwnd); }
}  // namespace

WindowHandle Win32DesktopWindows::HandleOf(Window& window) {
  return W(static_cast<Win32Window&>(window).Handle());
}

WindowHandle Win32DesktopWindows::Next(WindowHandle window) {
  return W(GetWindow(H(window), GW_HWNDNEXT));
}

unsigned Win32DesktopWindows::Style(WindowHandle window) {
  return static_cast<unsigned>(GetWindowLongW(H(window), GWL_STYLE));
}

WindowHandle Win32DesktopWindows::Foreground() {
  return W(GetForegroundWindow());
}

void Win32DesktopWindows::SetForeground(WindowHandle window) {
  HWND hwnd = H(window);
  if (!SetForegroundWindow(hwnd)) return;
  // Another program takes the activation on its own thread, a moment later; keys sent before
  // then would go to the window that was in front.
  HWND root = GetAncestor(hwnd, GA_ROOT);
  if (!root || GetWindowThreadProcessId(root, nullptr) == GetCurrentThreadId()) return;
  for (int i = 0; GetForegroundWindow() != root && i < 50; ++i) Sleep(10);
}

WindowHandle Win32DesktopWindows::FocusOfForeground() {
  HWND foreground = GetForegroundWindow();
  const DWORD theirs = foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0;
  const DWORD ours = GetCurrentThreadId();
  // GetFocus answers for the calling thread's input only: borrow theirs for the question.
  if (theirs && theirs != ours && AttachThreadInput(ours, theirs, TRUE)) {
    HWND focus = GetFocus();
    // A program just brought to the front takes its activation on its own thread: give it a
    // moment to put the focus back into its control.
    for (int i = 0; !focus && i < 50; ++i) {
      Sleep(10);
      focus = GetFocus();
    }
    AttachThreadInput(ours, theirs, FALSE);
    return W(focus);
  }
  return W(GetFocus());
}

void Win32DesktopWindows::SendKey(int virtualKey, bool up) {
  keybd_event(static_cast<BYTE>(virtualKey), 0, up ? KEYEVENTF_KEYUP : 0, 0);
}

void Win32DesktopWindows::ProcessMessages() {
  MSG msg;
  for (int i = 0; i < 1000 && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop that owns it
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

WindowHandle Win32DesktopWindows::WindowAt(Point screen) {
  return W(WindowFromPoint(POINT{screen.X, screen.Y}));
}

std::string Win32DesktopWindows::Text(WindowHandle window, int maxChars) {
  if (maxChars <= 0) return {};
  std::vector<wchar_t> buffer(static_cast<std::size_t>(maxChars) + 1, L'\0');
  const int n = GetWindowTextW(H(window), buffer.data(), maxChars + 1);
  return Narrow(std::wstring_view(buffer.data(), n > 0 ? static_cast<std::size_t>(n) : 0));
}

void Win32DesktopWindows::SetText(WindowHandle window, const std::string& text) {
  const std::wstring wide = Wide(text);
  SendMessageW(H(window), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

}  // namespace quillpad::platform::win32
