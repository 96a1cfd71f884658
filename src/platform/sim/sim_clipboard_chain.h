// The clipboard viewer chain of the simulated desktop: the first viewer, and for each window in
// the chain what it is. Our viewers are called back; other programs' viewers behave as a sound
// viewer does (pass every message on, keep the chain mended) and count what reached them. A
// message sent to a window that is not in the chain is counted as stray, so a viewer that keeps
// a departed window as its next one shows up.
#pragma once

#include <map>

#include "platform/system.h"

namespace quillpad::platform::sim {

class SimClipboardChain {
 public:
  // --- For the desktop ---------------------------------------------------------------------
  WindowHandle Join(WindowHandle window, ClipboardViewer* ours);
  void Leave(WindowHandle window, WindowHandle next);
  // The clipboard changed: WM_DRAWCLIPBOARD to the first viewer.
  void ClipboardChanged() { Send(first_, Message::Draw, 0, 0); }
  void ForwardDraw(WindowHandle next) { Send(next, Message::Draw, 0, 0); }
  void ForwardChange(WindowHandle next, WindowHandle removed, WindowHandle after) {
    Send(next, Message::Change, removed, after);
  }

  // --- For tests ---------------------------------------------------------------------------
  // Another program's viewer joins or leaves (it keeps the next window the join answered).
  void JoinOther(WindowHandle window) {
    others_[window] = Other{};
    const WindowHandle next = Join(window, nullptr);
    others_[window].Next = next;
  }
  void LeaveOther(WindowHandle window) { Leave(window, others_.at(window).Next); }
  WindowHandle First() const { return first_; }
  int DrawsReceived(WindowHandle other) const;
  int StrayMessages() const { return stray_; }
  bool InChain(WindowHandle window) const;

 private:
  enum class Message { Draw, Change };
  struct Other {
    WindowHandle Next = 0;
    int Draws = 0;
  };
  void Send(WindowHandle to, Message message, WindowHandle removed, WindowHandle after);

  WindowHandle first_ = 0;
  std::map<WindowHandle, ClipboardViewer*> ours_;
  std::map<WindowHandle, Other> others_;
  std::map<WindowHandle, bool> joined_;
  int stray_ = 0;
  int depth_ = 0;
};

}  // namespace quillpad::platform::sim
