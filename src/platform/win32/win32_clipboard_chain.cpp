// The clipboard viewer chain: the calls translated, the two messages handed to the viewer that
// joined with the window. Keeping the chain whole is the viewer's business.
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_window.h"

namespace quillpad::platform::win32 {

namespace {

HWND H(WindowHandle handle) { return reinterpret_cast<HWND>(handle); }

// A viewer of another program that hangs must not freeze this one: it gets two seconds.
void SendToViewer(WindowHandle next, UINT msg, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR answer = 0;
  if (next) SendMessageTimeoutW(H(next), msg, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &answer);
}
WindowHandle W(HWND hwnd) { return reinterpret_cast<WindowHandle>(hwnd); }

}  // namespace

WindowHandle Win32Clipboard::JoinViewerChain(Window& window, ClipboardViewer& viewer) {
  const HWND hwnd = static_cast<Win32Window&>(window).Handle();
  // The first WM_DRAWCLIPBOARD arrives during the call.
  viewers_[hwnd] = &viewer;
  return W(SetClipboardViewer(hwnd));
}

void Win32Clipboard::LeaveViewerChain(Window& window, WindowHandle next) {
  const HWND hwnd = static_cast<Win32Window&>(window).Handle();
  viewers_.erase(hwnd);
  ChangeClipboardChain(hwnd, H(next));
}

void Win32Clipboard::ForwardDrawClipboard(WindowHandle next) {
  SendToViewer(next, WM_DRAWCLIPBOARD, 0, 0);
}

void Win32Clipboard::ForwardChangeClipboardChain(WindowHandle next, WindowHandle removed,
                                                 WindowHandle after) {
  SendToViewer(next, WM_CHANGECBCHAIN, static_cast<WPARAM>(removed), static_cast<LPARAM>(after));
}

bool Win32Clipboard::DispatchViewerMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const auto it = viewers_.find(hwnd);
  if (it == viewers_.end()) return false;
  ClipboardViewer& viewer = *it->second;
  if (msg == WM_DRAWCLIPBOARD) {
    viewer.OnDrawClipboard();
  } else {
    viewer.OnChangeClipboardChain(static_cast<WindowHandle>(wParam),
                                  static_cast<WindowHandle>(lParam));
  }
  return true;
}

}  // namespace quillpad::platform::win32
