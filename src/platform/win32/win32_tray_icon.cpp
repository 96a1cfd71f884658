#include "platform/win32/win32_tray_icon.h"

#include <shellapi.h>

#include <algorithm>

#include "platform/win32/wide.h"
#include "platform/win32/win32_system.h"

namespace quillpad::platform::win32 {

Win32TrayIcon::Win32TrayIcon(Win32System& system) : system_(system) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = Proc;
  wc.hInstance = system.Instance();
  wc.lpszClassName = kTrayWindowClass;
  RegisterClassExW(&wc);  // fails harmlessly when already registered
  hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW, kTrayWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                          nullptr, system.Instance(), this);
  // The program's own icon (resource 1) in the small size the notification area draws.
  icon_ = static_cast<HICON>(LoadImageW(system.Instance(), MAKEINTRESOURCEW(1), IMAGE_ICON,
                                        GetSystemMetrics(SM_CXSMICON),
                                        GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
  if (!icon_) icon_ = LoadIconW(nullptr, IDI_APPLICATION);
}

Win32TrayIcon::~Win32TrayIcon() {
  if (added_) Delete();
  if (hwnd_) DestroyWindow(hwnd_);
}

NOTIFYICONDATAW Win32TrayIcon::Record(const std::string& tip) const {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = hwnd_;
  data.uID = 1;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kTrayCallbackMessage;
  data.hIcon = icon_;
  const std::wstring w = Wide(tip);
  const std::size_t n = std::min<std::size_t>(w.size(), std::size(data.szTip) - 1);
  std::copy(w.begin(), w.begin() + static_cast<std::ptrdiff_t>(n), data.szTip);
  data.szTip[n] = L'\0';
  return data;
}

bool Win32TrayIcon::Add(const std::string& tip) {
  NOTIFYICONDATAW data = Record(tip);
  const bool ok = Shell_NotifyIconW(NIM_ADD, &data);
  if (ok) added_ = true;
  return ok;
}

bool Win32TrayIcon::Modify(const std::string& tip) {
  NOTIFYICONDATAW data = Record(tip);
  return Shell_NotifyIconW(NIM_MODIFY, &data);
}

bool Win32TrayIcon::Delete() {
  NOTIFYICONDATAW data = Record({});
  added_ = false;
  return Shell_NotifyIconW(NIM_DELETE, &data);
}

LRESULT CALLBACK Win32TrayIcon::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32TrayIcon*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self && msg == kTrayCallbackMessage) {
    // The position first: a handler that shows a menu wants the point of the click.
    POINT p{};
    GetCursorPos(&p);
    if (self->OnCallback) {
      const auto callback = self->OnCallback;
      const auto mouse = static_cast<unsigned>(lParam);
      self->system_.Guard([&] { callback(mouse, Point{p.x, p.y}); });
    }
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

std::unique_ptr<TrayIcon> Win32System::CreateTrayIcon() {
  return std::make_unique<Win32TrayIcon>(*this);
}

}  // namespace quillpad::platform::win32
