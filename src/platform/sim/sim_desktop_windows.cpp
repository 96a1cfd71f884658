#include "platform/sim/sim_desktop_windows.h"

#include <algorithm>

#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_window.h"

namespace quillpad::platform::sim {

namespace {
bool Contains(const Rect& r, Point p) {
  return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}
SimWindow* Ours(WindowHandle window) { return reinterpret_cast<SimWindow*>(window); }
WindowHandle HandleOfSim(SimWindow* window) { return reinterpret_cast<WindowHandle>(window); }
}  // namespace

WindowHandle SimDesktopWindows::AddForeignWindow(ForeignWindow window) {
  const WindowHandle handle = nextHandle_++;
  if (window.Parent) {
    at(window.Parent).Children.push_back(handle);
  } else {
    topLevel_.push_back(handle);
  }
  windows_[handle] = std::move(window);
  return handle;
}

void SimDesktopWindows::RemoveForeignWindow(WindowHandle topLevel) {
  std::erase(topLevel_, topLevel);
  for (WindowHandle child : at(topLevel).Children) windows_.erase(child);
  windows_.erase(topLevel);
  if (foreground_ == topLevel) foreground_ = 0;
}

WindowHandle SimDesktopWindows::HandleOf(Window& window) {
  return HandleOfSim(&SimDesktop::Sim(&window));
}

WindowHandle SimDesktopWindows::Next(WindowHandle window) {
  if (IsForeign(window)) {
    const ForeignWindow& w = at(window);
    const std::vector<WindowHandle>& siblings = w.Parent ? at(w.Parent).Children : topLevel_;
    const auto it = std::find(siblings.begin(), siblings.end(), window);
    return it != siblings.end() && it + 1 != siblings.end() ? *(it + 1) : 0;
  }
  // Ours: top-level windows in Z order, then the other programs' below them.
  const std::vector<SimWindow*> ours = desktop_.ZOrder();
  const auto it = std::find(ours.begin(), ours.end(), Ours(window));
  if (it == ours.end()) return 0;
  if (it + 1 != ours.end()) return HandleOfSim(*(it + 1));
  return topLevel_.empty() ? 0 : topLevel_.front();
}

unsigned SimDesktopWindows::Style(WindowHandle window) {
  if (IsForeign(window)) return at(window).Style;
  SimWindow* w = Ours(window);
  const bool framed = w->IsTopLevel() && w->Style().Border != BorderStyle::None &&
                      w->Style().Caption && w->Style().MinimizeBox;
  return (w->IsVisible() ? WsVisible : 0u) | (framed ? WsMinimizeBox : 0u);
}

WindowHandle SimDesktopWindows::Foreground() {
  if (foreground_) return foreground_;
  return desktop_.Foreground() ? HandleOfSim(desktop_.Foreground()) : 0;
}

void SimDesktopWindows::SetForeground(WindowHandle window) {
  if (!window) return;
  if (!IsForeign(window)) {
    Ours(window)->SetForeground();
    return;
  }
  WindowHandle top = window;
  while (at(top).Parent) top = at(top).Parent;
  if (top != window) at(top).Focus = window;
  // The other program comes in front of its fellows; ours lose the activation.
  topLevel_.erase(std::find(topLevel_.begin(), topLevel_.end(), top));
  topLevel_.insert(topLevel_.begin(), top);
  foreground_ = top;
  desktop_.LoseForeground();
}

WindowHandle SimDesktopWindows::FocusOfForeground() {
  if (!foreground_) return desktop_.Focus() ? HandleOfSim(desktop_.Focus()) : 0;
  // Unattached, another thread's focus is not ours to see.
  return attachFails_ ? 0 : at(foreground_).Focus;
}

void SimDesktopWindows::SendKey(int virtualKey, bool up) {
  keys_.push_back({virtualKey, up, Foreground()});
  if (virtualKey == 17) ctrlDown_ = !up;
  if (virtualKey != 'V' || up || !ctrlDown_ || !foreground_) return;
  const WindowHandle focus = at(foreground_).Focus;
  if (focus && desktop_.HasText()) at(focus).Text += desktop_.GetText();
}

WindowHandle SimDesktopWindows::DeepestAt(WindowHandle window, Point screen) const {
  for (WindowHandle child : windows_.at(window).Children) {
    if (Contains(windows_.at(child).Bounds, screen)) return DeepestAt(child, screen);
  }
  return window;
}

WindowHandle SimDesktopWindows::WindowAt(Point screen) {
  for (SimWindow* w : desktop_.ZOrder()) {
    if (w->IsVisible() && Contains(w->Bounds(), screen)) return HandleOfSim(w);
  }
  for (WindowHandle top : topLevel_) {
    if ((at(top).Style & WsVisible) && Contains(at(top).Bounds, screen)) return DeepestAt(top, screen);
  }
  return 0;
}

Rect SimDesktopWindows::BoundsOf(WindowHandle window) {
  if (!window) return {};
  if (IsForeign(window)) return at(window).Bounds;
  SimWindow* w = Ours(window);
  if (w->IsTopLevel()) return w->Bounds();
  // A child's bounds are in its parent's client area, which lies inside the parent's frame:
  // borders on every side, the caption and menu bar on top (sim_metrics.h).
  Rect r = w->Bounds();
  for (SimWindow* p = w->Parent(); p; p = p->Parent()) {
    const Rect outer = p->Bounds();
    const Size frame = p->NonClientExtent();
    const int dx = outer.Left + frame.Width / 2;
    const int dy = outer.Top + frame.Height - frame.Width / 2;
    r = {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
  }
  return r;
}

std::string SimDesktopWindows::Text(WindowHandle window, int maxChars) {
  const std::string text = IsForeign(window) ? at(window).Text : Ours(window)->Text();
  return text.substr(0, static_cast<std::size_t>(std::max(maxChars, 0)));
}

void SimDesktopWindows::SetText(WindowHandle window, const std::string& text) {
  if (IsForeign(window)) {
    at(window).Text = text;
  } else {
    Ours(window)->SetText(text);
  }
}

}  // namespace quillpad::platform::sim
