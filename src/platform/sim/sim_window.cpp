#include "platform/sim/sim_window.h"

#include <algorithm>

#include "base/bmp_image.h"
#include "base/encoding.h"
#include "base/text.h"
#include "platform/menu_caption.h"
#include "platform/sim/sim_canvas.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_metrics.h"

namespace quillpad::platform::sim {

const MenuItemSpec* FindMenuPath(const std::vector<MenuItemSpec>& items, const std::string& path,
                                 std::string* failure) {
  const std::vector<MenuItemSpec>* level = &items;
  const MenuItemSpec* found = nullptr;
  std::size_t start = 0;
  while (true) {
    std::size_t sep = FindText(path, " > ", start);
    const std::string part = Trim(std::string_view(path).substr(
        start, sep == std::string::npos ? std::string::npos : sep - start));
    found = nullptr;
    for (const MenuItemSpec& item : *level) {
      if (MenuCaptionMatches(item.Caption, part)) {
        found = &item;
        break;
      }
    }
    if (!found || !found->Visible || !found->Enabled) {
      if (failure)
        *failure = "no visible enabled menu item \"" + Cp932ToUtf8(part) + "\" in \"" +
                   Cp932ToUtf8(path) + "\"";
      return nullptr;
    }
    if (sep == std::string::npos) return found;
    level = &found->Children;
    start = sep + 3;
  }
}

SimWindow::SimWindow(SimDesktop& desktop, WindowClass cls, SimWindow* parent, WindowEvents& events)
    : desktop_(desktop), class_(cls), parent_(parent), events_(events) {
  if (parent_) {
    parent_->children_.push_back(this);
    visible_ = true;  // children show with their parent unless hidden
  } else {
    desktop_.zOrder_.push_back(this);
  }
  desktop_.created_.push_back(cls);
}

SimWindow::~SimWindow() {
  for (SimWindow* child : children_) child->parent_ = nullptr;
  if (parent_) std::erase(parent_->children_, this);
  std::erase(desktop_.zOrder_, this);
  if (desktop_.foreground_ == this) desktop_.foreground_ = nullptr;
  if (desktop_.focus_ == this) desktop_.focus_ = nullptr;
  if (desktop_.capture_ == this) desktop_.capture_ = nullptr;
}

bool SimWindow::IsTextControl() const {
  return class_ == WindowClass::Edit || class_ == WindowClass::Memo ||
         class_ == WindowClass::RichEdit;
}

void SimWindow::SetBounds(const Rect& bounds) {
  const Rect old = bounds_;
  bounds_ = bounds;
  if (bounds_.Right < bounds_.Left) bounds_.Right = bounds_.Left;
  if (bounds_.Bottom < bounds_.Top) bounds_.Bottom = bounds_.Top;
  if (bounds_ != old) ++placements_;
  if (old.Left != bounds_.Left || old.Top != bounds_.Top) events_.OnMoved(bounds_);
  if (old.Width() != bounds_.Width() || old.Height() != bounds_.Height())
    events_.OnResized(bounds_);
}

Size SimWindow::NonClientExtent() {
  return FrameExtent(class_, parent_ == nullptr, style_, hasMenu_);
}

Size SimWindow::ClientSize() {
  const Size frame = NonClientExtent();
  return {std::max(0, bounds_.Width() - frame.Width), std::max(0, bounds_.Height() - frame.Height)};
}

void SimWindow::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  if (visible && !parent_) BringToFront();
  if (!visible) {
    if (desktop_.foreground_ == this) desktop_.foreground_ = nullptr;
    if (desktop_.focus_ == this) desktop_.focus_ = nullptr;
  }
  events_.OnShowChanged(visible);
}

void SimWindow::SetText(const std::string& text) {
  if (!IsTextControl()) {
    text_ = text;
    return;
  }
  // Setting a text control's text is a fresh start: no undo, not modified, caret at the start.
  text_ = text;
  undo_.clear();
  modified_ = false;
  selStart_ = 0;
  selLength_ = 0;
  events_.OnChange();
  events_.OnSelectionChange();
}

void SimWindow::SetTopmost(bool topmost) {
  topmost_ = topmost;
  if (parent_ == nullptr) BringToFront();
}

void SimWindow::BringToFront() {
  if (parent_) {
    auto& siblings = parent_->children_;
    std::erase(siblings, this);
    siblings.push_back(this);  // children: last is on top
    return;
  }
  auto& z = desktop_.zOrder_;
  std::erase(z, this);
  // The topmost band stays above the rest.
  auto at = topmost_ ? z.begin()
                     : std::find_if(z.begin(), z.end(), [](SimWindow* w) { return !w->topmost_; });
  z.insert(at, this);
}

void SimWindow::SetForeground() {
  SimWindow* top = this;
  while (top->parent_) top = top->parent_;
  SimWindow* old = desktop_.foreground_;
  desktop_.desktopWindows_.OursBecameForeground();
  top->BringToFront();
  if (old == top) return;
  desktop_.foreground_ = top;
  if (old) old->events_.OnActivate(false);
  top->events_.OnActivate(true);
}

void SimWindow::SetFocus() {
  desktop_.focus_ = this;
}
bool SimWindow::HasFocus() {
  return desktop_.focus_ == this;
}

void SimWindow::SetMouseCapture(bool capture) {
  if (capture) {
    desktop_.capture_ = this;
  } else if (desktop_.capture_ == this) {
    desktop_.capture_ = nullptr;
  }
}

std::string SimWindow::CaptureClient() {
  const Size client = ClientSize();
  const Color color = (background_ & 0xFF000000u) ? 0xFFFFFFu : background_;
  return SolidBmpFile(client.Width, client.Height, color);
}

void SimWindow::SetMenuBar(const std::vector<MenuItemSpec>* items) {
  hasMenu_ = items != nullptr;
  menu_ = items ? *items : std::vector<MenuItemSpec>{};
}

void SimWindow::SetSelection(int start, int length) {
  const int size = static_cast<int>(text_.size());
  if (start < 0) start = size;  // as the controls do with -1
  start = std::clamp(start, 0, size);
  if (length < 0) length = size - start;
  length = std::clamp(length, 0, size - start);
  selStart_ = start;
  selLength_ = length;
  events_.OnSelectionChange();
}

void SimWindow::GetSelection(int& start, int& length) {
  start = selStart_;
  length = selLength_;
}

void SimWindow::ReplaceText(std::size_t start, std::size_t length, const std::string& text,
                            bool raise) {
  undo_.push_back({text_, selStart_, selLength_});
  text_.replace(start, length, text);
  selStart_ = static_cast<int>(start + text.size());
  selLength_ = 0;
  modified_ = true;
  if (raise) {
    events_.OnChange();
    events_.OnSelectionChange();
  }
}

void SimWindow::ReplaceSelection(const std::string& text) {
  ReplaceText(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_), text,
              true);
}

void SimWindow::Undo() {
  if (undo_.empty()) return;
  const Snapshot s = undo_.back();
  undo_.pop_back();
  text_ = s.Text;
  selStart_ = s.Start;
  selLength_ = s.Length;
  modified_ = true;
  events_.OnChange();
  events_.OnSelectionChange();
}

void SimWindow::Cut() {
  if (selLength_ == 0 || style_.ReadOnly) return;
  Copy();
  ReplaceSelection("");
}

void SimWindow::Copy() {
  if (selLength_ == 0) return;
  desktop_.SetText(
      text_.substr(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_)));
}

void SimWindow::Paste() {
  if (style_.ReadOnly || !desktop_.HasText()) return;
  ReplaceSelection(desktop_.GetText());
}

void SimWindow::SendKeyDown(int virtualKey) {
  if (events_.OnKeyDown(virtualKey, 0)) return;
  constexpr int kBack = 0x08, kDelete = 0x2E;
  if (!IsTextControl() || style_.ReadOnly || (virtualKey != kBack && virtualKey != kDelete)) return;
  if (selLength_ > 0) return ReplaceSelection("");
  const auto caret = static_cast<std::size_t>(selStart_);
  std::size_t from = caret, to = caret;
  if (virtualKey == kBack) {
    if (caret == 0) return;
    if (caret >= 2 && text_.compare(caret - 2, 2, "\r\n") == 0) {
      from = caret - 2;
    } else {
      // A trail byte is never a line feed, so the line's start is a character boundary.
      const std::size_t lf = text_.rfind('\n', caret - 1);
      for (std::size_t i = lf == std::string::npos ? 0 : lf + 1; i < caret; i += CharLength(text_, i))
        from = i;
      if (from == caret) from = caret - 1;  // a lone line feed
    }
  } else {
    if (caret >= text_.size()) return;
    to = caret + (text_.compare(caret, 2, "\r\n") == 0 ? 2 : CharLength(text_, caret));
  }
  ReplaceText(from, to - from, "", true);
}

void SimWindow::SendChar(int code) {
  if (!IsTextControl() || style_.ReadOnly) return;
  if (code == '\r') {
    if (class_ != WindowClass::Edit) ReplaceSelection("\r\n");
  } else if (code >= 0x20 && code < 0x7F) {
    ReplaceSelection(std::string(1, static_cast<char>(code)));
  }
}

void SimWindow::SetItems(const std::vector<std::string>& items) {
  items_ = items;
  selected_.clear();
  itemIndex_ = -1;
}

void SimWindow::SetItemSelected(int index, bool selected) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  if (selected) {
    selected_.insert(index);
  } else {
    selected_.erase(index);
  }
}

void SimWindow::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
  itemIndex_ = index;
  if (!style_.MultiSelect) {
    selected_.clear();
    if (index >= 0) selected_.insert(index);
  }
}

void SimWindow::SetPanels(const std::vector<int>& widths) {
  panelWidths_ = widths;
  panelTexts_.resize(widths.size());
}

void SimWindow::SetPanelText(int index, const std::string& text) {
  if (index < 0) return;
  if (static_cast<std::size_t>(index) >= panelTexts_.size())
    panelTexts_.resize(static_cast<std::size_t>(index) + 1);
  panelTexts_[static_cast<std::size_t>(index)] = text;
}

std::string SimWindow::PanelText(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= panelTexts_.size()) return {};
  return panelTexts_[static_cast<std::size_t>(index)];
}

std::vector<std::string> SimWindow::Paint() {
  SimCanvas canvas(ClientSize());
  events_.OnPaint(canvas);
  return canvas.Ops();
}

Rect SimWindow::ItemRect(int index) {
  const int line = font_.Height < 0 ? -font_.Height : font_.Height;
  int top = 0;
  for (int i = 0; i <= index && i < static_cast<int>(items_.size()); ++i) {
    const bool own = style_.OwnerDraw && i < static_cast<int>(itemHeights_.size());
    const int h = own ? itemHeights_[static_cast<std::size_t>(i)] : line;
    if (i == index) return {0, top, ClientSize().Width, top + h};
    top += h;
  }
  return {};
}

int SimWindow::ItemAtPoint(Point client) {
  if (client.X < 0 || client.X >= ClientSize().Width) return -1;
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    const Rect r = ItemRect(i);
    if (client.Y >= r.Top && client.Y < r.Bottom) return i;
  }
  return -1;
}

std::vector<std::string> SimWindow::PaintItem(int index) {
  SimCanvas canvas(ClientSize());
  if (style_.OwnerDraw && index >= 0 && index < static_cast<int>(items_.size()))
    events_.OnDrawItem(index, canvas, ItemRect(index), selected_.count(index) > 0);
  return canvas.Ops();
}

SimWindow* SimWindow::FindChild(const std::string& text) {
  for (SimWindow* child : children_) {
    if (child->text_ == text) return child;
    if (SimWindow* found = child->FindChild(text)) return found;
  }
  return nullptr;
}

// --- The user ---------------------------------------------------------------------------------

void SimWindow::UserType(std::string_view text) {
  if (!IsTextControl() || style_.ReadOnly || !enabled_) return;
  desktop_.Dispatch([&] {
    // One typing run is one undo step, as in the edit controls.
    const std::size_t undoDepth = undo_.size();
    for (std::size_t i = 0; i < text.size();) {
      std::string unit;
      if (text[i] == '\r' || text[i] == '\n') {
        i += (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        if (class_ == WindowClass::Edit) continue;  // Enter inserts nothing in a one-line field
        unit = "\r\n";
      } else {
        const std::size_t len = CharLength(text, i);
        unit = std::string(text.substr(i, len));
        i += len;
      }
      ReplaceText(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_), unit,
                  true);
    }
    if (undo_.size() > undoDepth + 1) undo_.resize(undoDepth + 1);
  });
}

bool SimWindow::UserKey(int virtualKey, unsigned shift) {
  bool eaten = false;
  desktop_.Dispatch([&] { eaten = events_.OnKeyDown(virtualKey, shift); });
  return eaten;
}

void SimWindow::UserSelect(int start, int length) {
  desktop_.Dispatch([&] { SetSelection(start, length); });
}

void SimWindow::UserClick() {
  if (!enabled_) return desktop_.Unexpected("click on a disabled window");
  desktop_.Dispatch([&] { events_.OnClick(0); });
}

void SimWindow::UserClickArrow(bool up) {
  if (class_ != WindowClass::UpDown) return desktop_.Unexpected("arrow click on no up-down");
  if (!enabled_) return desktop_.Unexpected("click on a disabled window");
  desktop_.Dispatch([&] { events_.OnClick(up ? 0 : 1); });
}

void SimWindow::UserDblClick() {
  desktop_.Dispatch([&] { events_.OnDblClick(); });
}

void SimWindow::UserNcLeftButtonUp() {
  desktop_.Dispatch([&] { events_.OnNcLeftButtonUp(); });
}

void SimWindow::UserClickItem(int index, bool doubleClick) {
  if (index < 0 || index >= static_cast<int>(items_.size())) {
    return desktop_.Unexpected("list item " + std::to_string(index) + " does not exist");
  }
  desktop_.Dispatch([&] {
    selected_.clear();
    selected_.insert(index);
    itemIndex_ = index;
    events_.OnSelectionChange();
    events_.OnClick(index);
    if (doubleClick) events_.OnDblClick();
  });
}

void SimWindow::UserClickButton(int index) {
  if (index < 0 || index >= static_cast<int>(buttons_.size()) ||
      buttons_[static_cast<std::size_t>(index)].Separator ||
      !buttons_[static_cast<std::size_t>(index)].Enabled) {
    return desktop_.Unexpected("tool button " + std::to_string(index) + " cannot be clicked");
  }
  desktop_.Dispatch([&] { events_.OnClick(index); });
}

void SimWindow::UserClickDropDown(int index) {
  if (index < 0 || index >= static_cast<int>(buttons_.size()) ||
      !buttons_[static_cast<std::size_t>(index)].DropDown) {
    return desktop_.Unexpected("tool button " + std::to_string(index) + " has no drop-down arrow");
  }
  desktop_.Dispatch([&] { events_.OnClick(-(index + 1)); });
}

bool SimWindow::UserChooseMenu(const std::string& captionPath) {
  std::string failure;
  const MenuItemSpec* item = hasMenu_ ? FindMenuPath(menu_, captionPath, &failure) : nullptr;
  if (!item) {
    desktop_.Unexpected(hasMenu_ ? failure : "the window has no menu bar");
    return false;
  }
  const int id = item->Id;
  desktop_.Dispatch([&] { events_.OnMenuCommand(id); });
  return true;
}

void SimWindow::UserContextMenu(Point screen) {
  desktop_.cursor_ = screen;
  desktop_.Dispatch([&] { events_.OnContextMenu(screen); });
}

int SimWindow::UserHitTest(Point screen) {
  desktop_.cursor_ = screen;
  int answer = HtDefault;
  desktop_.Dispatch([&] { answer = events_.OnHitTest(screen); });
  return answer;
}

void SimWindow::UserDropFiles(const std::vector<std::string>& paths, Point client) {
  if (!style_.AcceptFiles)
    return desktop_.Unexpected("files dropped on a window that does not accept them");
  desktop_.Dispatch([&] { events_.OnDropFiles(paths, client); });
}

void SimWindow::UserSetBounds(const Rect& bounds) {
  desktop_.Dispatch([&] { SetBounds(bounds); });
}

bool SimWindow::UserClose() {
  bool closed = false;
  desktop_.Dispatch([&] {
    if (!events_.OnCloseQuery()) return;
    events_.OnClose();
    closed = true;
  });
  return closed;
}

bool SimWindow::UserQueryEndSession() {
  bool canEnd = true;
  desktop_.Dispatch([&] { canEnd = events_.OnQueryEndSession(); });
  return canEnd;
}

void SimWindow::UserMouseMove(Point client, unsigned shift) {
  desktop_.Dispatch([&] { events_.OnMouseMove(client, shift); });
}

void SimWindow::UserMouseDown(MouseButton button, Point client, unsigned shift) {
  desktop_.Dispatch([&] {
    events_.OnMouseDown(button, client, shift);
    // As the native list: a left press selects the item under it, after the press is reported.
    if (class_ != WindowClass::ListBox || button != MouseButton::Left || style_.MultiSelect)
      return;
    const int index = ItemAtPoint(client);
    if (index < 0 || index == itemIndex_) return;
    selected_ = {index};
    itemIndex_ = index;
    events_.OnSelectionChange();
  });
}

void SimWindow::UserMouseUp(MouseButton button, Point client, unsigned shift) {
  desktop_.Dispatch([&] { events_.OnMouseUp(button, client, shift); });
}

void SimWindow::UserDrag(Point from, Point to) {
  UserMouseDown(MouseButton::Left, from);
  UserMouseMove(to, 0);
  UserMouseUp(MouseButton::Left, to);
}

void SimWindow::UserSetDate(DateTime date) {
  desktop_.Dispatch([&] {
    date_ = date;
    events_.OnDateChange();
    events_.OnDateCloseUp();
  });
}

void SimWindow::UserActivate() {
  desktop_.Dispatch([&] { SetForeground(); });
}

}  // namespace quillpad::platform::sim
