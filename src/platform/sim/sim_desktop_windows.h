// Other programs' windows on the simulated desktop, in Z order below ours, each with its child
// controls, texts and a focused control; key strokes are logged, and Ctrl+V pastes the clipboard's
// text into the focused control of the foreground program, as an edit box would.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/desktop_windows.h"

namespace quillpad::platform::sim {

class SimDesktop;

struct ForeignWindow {
  WindowHandle Parent = 0;  // 0: a top-level window
  std::string Text;
  unsigned Style = WsVisible | WsMinimizeBox;
  Rect Bounds;  // screen coordinates
  std::vector<WindowHandle> Children;
  WindowHandle Focus = 0;  // top-level windows: the control with the focus
};

struct KeyRecord {
  int VirtualKey = 0;
  bool Up = false;
  WindowHandle Foreground = 0;
};

class SimDesktopWindows : public DesktopWindows {
 public:
  explicit SimDesktopWindows(SimDesktop& desktop) : desktop_(desktop) {}

  // --- Set-up and what a test may look at ----------------------------------------------------
  // A window of another program: top-level ones go below every window there is, children after
  // their siblings. Focus: the control that has the focus in a top-level window.
  WindowHandle AddForeignWindow(ForeignWindow window);
  // A top-level window closes; when it was in front, ours are next.
  void RemoveForeignWindow(WindowHandle topLevel);
  void SetForeignFocus(WindowHandle topLevel, WindowHandle control) { at(topLevel).Focus = control; }
  // Attaching to the other program's input fails (GetFocus then answers unattached: nothing).
  void SetAttachFails(bool fails) { attachFails_ = fails; }
  const ForeignWindow& Foreign(WindowHandle window) const { return windows_.at(window); }
  const std::vector<KeyRecord>& KeysSent() const { return keys_; }
  int MessagePumps() const { return pumps_; }
  WindowHandle ForeignForeground() const { return foreground_; }
  void OursBecameForeground() { foreground_ = 0; }
  // Screen rectangle of any window, ours or another program's; empty for none.
  Rect BoundsOf(WindowHandle window);

  // --- DesktopWindows --------------------------------------------------------------------------
  WindowHandle HandleOf(Window& window) override;
  WindowHandle Next(WindowHandle window) override;
  unsigned Style(WindowHandle window) override;
  WindowHandle Foreground() override;
  void SetForeground(WindowHandle window) override;
  WindowHandle FocusOfForeground() override;
  void SendKey(int virtualKey, bool up) override;
  void ProcessMessages() override { ++pumps_; }
  WindowHandle WindowAt(Point screen) override;
  std::string Text(WindowHandle window, int maxChars) override;
  void SetText(WindowHandle window, const std::string& text) override;

 private:
  ForeignWindow& at(WindowHandle window) { return windows_.at(window); }
  bool IsForeign(WindowHandle window) const { return windows_.count(window) > 0; }
  WindowHandle DeepestAt(WindowHandle window, Point screen) const;

  SimDesktop& desktop_;
  std::map<WindowHandle, ForeignWindow> windows_;
  std::vector<WindowHandle> topLevel_;  // front to back
  WindowHandle foreground_ = 0;          // a foreign window in front of ours
  WindowHandle nextHandle_ = 0x100;
  bool attachFails_ = false;
  bool ctrlDown_ = false;
  std::vector<KeyRecord> keys_;
  int pumps_ = 0;
};

}  // namespace quillpad::platform::sim
