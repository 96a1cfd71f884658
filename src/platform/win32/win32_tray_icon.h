// The notification-area icon with its own hidden window for the callback message.
#pragma once

// clang-format off
#include "platform/win32/wide.h"  // <windows.h> first
#include <shellapi.h>
// clang-format on

#include "platform/system.h"

namespace quillpad::platform::win32 {

class Win32System;

// Found by the e2e driver with FindWindowW(kTrayWindowClass, nullptr); the tray's callback
// message posted there acts as a click on the icon.
inline constexpr wchar_t kTrayWindowClass[] = L"QuillpadTray";
inline constexpr UINT kTrayCallbackMessage = WM_APP + 100;  // 0x8064

class Win32TrayIcon : public TrayIcon {
 public:
  explicit Win32TrayIcon(Win32System& system);
  ~Win32TrayIcon() override;
  Win32TrayIcon(const Win32TrayIcon&) = delete;
  Win32TrayIcon& operator=(const Win32TrayIcon&) = delete;

  bool Add(const std::string& tip) override;
  bool Modify(const std::string& tip) override;
  bool Delete() override;

  HWND WindowHandle() const { return hwnd_; }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  NOTIFYICONDATAW Record(const std::string& tip) const;

  Win32System& system_;
  HWND hwnd_ = nullptr;
  HICON icon_ = nullptr;
  bool added_ = false;
};

}  // namespace quillpad::platform::win32
