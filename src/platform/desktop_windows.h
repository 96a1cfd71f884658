// Windows of any program on the desktop, ours included, by their system handle: the Z-order
// walk, the foreground, another thread's focus, key strokes and window texts that sending text
// to other programs needs.
#pragma once

#include <cstdint>
#include <string>

#include "platform/types.h"

namespace quillpad::platform {

class Window;

using WindowHandle = std::uintptr_t;  // 0: none

// Style bits of a window (GWL_STYLE).
enum : unsigned { WsMinimizeBox = 0x00020000u, WsVisible = 0x10000000u };

class DesktopWindows {
 public:
  virtual ~DesktopWindows() = default;
  virtual WindowHandle HandleOf(Window& window) = 0;
  // The window after this one in Z order (GW_HWNDNEXT): the next sibling of a child window.
  virtual WindowHandle Next(WindowHandle window) = 0;
  virtual unsigned Style(WindowHandle window) = 0;
  virtual WindowHandle Foreground() = 0;
  virtual void SetForeground(WindowHandle window) = 0;
  // The control with the keyboard focus in the foreground window's thread: our input is attached
  // to that thread for the question, or, when that fails, asked unattached.
  virtual WindowHandle FocusOfForeground() = 0;
  // A key press or release as the keyboard makes it (keybd_event).
  virtual void SendKey(int virtualKey, bool up) = 0;
  // Lets pending messages run, so that a window brought forward has really become active.
  virtual void ProcessMessages() = 0;
  virtual WindowHandle WindowAt(Point screen) = 0;
  virtual std::string Text(WindowHandle window, int maxChars) = 0;  // CP932
  virtual void SetText(WindowHandle window, const std::string& text) = 0;  // WM_SETTEXT
};

}  // namespace quillpad::platform
