// Every program's windows through their handles.
#pragma once

#include "platform/desktop_windows.h"
#include "platform/win32/wide.h"

namespace quillpad::platform::win32 {

class Win32DesktopWindows : public DesktopWindows {
 public:
  WindowHandle HandleOf(Window& window) override;
  WindowHandle Next(WindowHandle window) override;
  unsigned Style(WindowHandle window) override;
  WindowHandle Foreground() override;
  void SetForeground(WindowHandle window) override;
  WindowHandle FocusOfForeground() override;
  void SendKey(int virtualKey, bool up) override;
  void ProcessMessages() override;
  WindowHandle WindowAt(Point screen) override;
  std::string Text(WindowHandle window, int maxChars) override;
  void SetText(WindowHandle window, const std::string& text) override;
};

}  // namespace quillpad::platform::win32
