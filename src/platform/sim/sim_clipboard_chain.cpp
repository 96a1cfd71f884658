#include "platform/sim/sim_clipboard_chain.h"

namespace quillpad::platform::sim {

WindowHandle SimClipboardChain::Join(WindowHandle window, ClipboardViewer* ours) {
  const WindowHandle before = first_;
  first_ = window;
  joined_[window] = true;
  if (ours) ours_[window] = ours;
  Send(window, Message::Draw, 0, 0);
  return before;
}

void SimClipboardChain::Leave(WindowHandle window, WindowHandle next) {
  joined_.erase(window);
  ours_.erase(window);
  if (first_ == window) {
    first_ = next;
  } else {
    Send(first_, Message::Change, window, next);
  }
}

bool SimClipboardChain::InChain(WindowHandle window) const { return joined_.count(window) > 0; }

int SimClipboardChain::DrawsReceived(WindowHandle other) const {
  const auto it = others_.find(other);
  return it == others_.end() ? 0 : it->second.Draws;
}

void SimClipboardChain::Send(WindowHandle to, Message message, WindowHandle removed,
                             WindowHandle after) {
  if (!to) return;
  if (!InChain(to) || depth_ > 64) {  // a loop in the chain is a fault too
    ++stray_;
    return;
  }
  ++depth_;
  if (const auto ours = ours_.find(to); ours != ours_.end()) {
    if (message == Message::Draw) {
      ours->second->OnDrawClipboard();
    } else {
      ours->second->OnChangeClipboardChain(removed, after);
    }
  } else if (auto other = others_.find(to); other != others_.end()) {
    Other& viewer = other->second;
    if (message == Message::Draw) {
      ++viewer.Draws;
      Send(viewer.Next, message, 0, 0);
    } else if (removed == viewer.Next) {
      viewer.Next = after;
    } else {
      Send(viewer.Next, message, removed, after);
    }
  }
  --depth_;
}

}  // namespace quillpad::platform::sim
