#include "ui/tool_bar.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/menu_item.h"

namespace quillpad::ui {

ToolButton::ToolButton(Component* owner, ToolBar* bar, ToolButtonStyle style)
    : Component(owner), bar_(bar), style_(style) {
  bar_->buttons_.push_back(this);
  Changed();
}

ToolButton::~ToolButton() {
  if (bar_) {
    std::erase(bar_->buttons_, this);
    bar_->ButtonsChanged();
  }
}

int ToolButton::Index() const {
  const auto& all = bar_->buttons_;
  return static_cast<int>(std::find(all.begin(), all.end(), this) - all.begin());
}

void ToolButton::Changed() {
  if (bar_) bar_->ButtonsChanged();
}

void ToolButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  Changed();
}

void ToolButton::SetHint(const std::string& hint) {
  hint_ = hint;
  Changed();
}

void ToolButton::SetDown(bool down) {
  down_ = down;
  Changed();
}

void ToolButton::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Changed();
}

void ToolButton::SetImageIndex(int index) {
  imageIndex_ = index;
  Changed();
}

void ToolButton::Click() {
  if (!enabled_ || style_ == ToolButtonStyle::Separator) return;
  if (style_ == ToolButtonStyle::Check) SetDown(!down_);
  if (OnClick) OnClick();
}

platform::ToolButtonSpec ToolButton::PeerItem() const {
  platform::ToolButtonSpec out;
  out.Caption = caption_;
  out.ImageIndex = imageIndex_;
  out.Hint = GetShortHint(hint_);
  out.Separator = style_ == ToolButtonStyle::Separator;
  out.Check = style_ == ToolButtonStyle::Check;
  out.Down = down_;
  out.Enabled = enabled_;
  out.DropDown = style_ == ToolButtonStyle::DropDown;
  if (bar_ && bar_->showCaptions_ && !out.Separator)
    out.Width = bar_->buttonWidth_ + (out.DropDown ? ToolBar::kDropDownArrow : 0);
  return out;
}

ToolBar::ToolBar(Component* owner, Control* parent)
    : Control(owner, parent, platform::WindowClass::ToolBar) {
  SetHeight(buttonHeight_ + 2);
}

ToolBar::~ToolBar() {
  // Buttons may outlive the bar (they belong to the form): cut them loose.
  for (ToolButton* b : buttons_) b->bar_ = nullptr;
}

void ToolBar::HoldUpdates(bool hold) {
  held_ = hold;
  if (!hold && changedWhileHeld_) ButtonsChanged();
}

void ToolBar::ButtonsChanged() {
  changedWhileHeld_ = held_;
  if (held_) return;
  std::vector<platform::ToolButtonSpec> items;
  for (const ToolButton* b : buttons_) items.push_back(b->PeerItem());
  P().SetButtons(items);
}

void ToolBar::SetButtonSize(int width, int height) {
  buttonWidth_ = width;
  buttonHeight_ = height;
  SetHeight(height + 2);
  ButtonsChanged();
}

void ToolBar::SetShowCaptions(bool on) {
  showCaptions_ = on;
  ButtonsChanged();
}

Rect ToolBar::ButtonRect(int index) const {
  int x = 0;
  for (int i = 0; i < ButtonCount(); ++i) {
    const ToolButton* b = buttons_[static_cast<std::size_t>(i)];
    int w = buttonWidth_;
    if (b->style_ == ToolButtonStyle::Separator) w = kSeparatorWidth;
    if (b->style_ == ToolButtonStyle::DropDown) w += kDropDownArrow;
    if (i == index) return {x, 0, x + w, buttonHeight_};
    x += w;
  }
  return {};
}

int ToolBar::ButtonAt(Point p) const {
  for (int i = 0; i < ButtonCount(); ++i) {
    const Rect r = ButtonRect(i);
    if (p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom) {
      return buttons_[static_cast<std::size_t>(i)]->style_ == ToolButtonStyle::Separator ? -1 : i;
    }
  }
  return -1;
}

void ToolBar::SetFlat(bool flat) {
  flat_ = flat;
  platform::WindowStyle style;
  style.Border = platform::BorderStyle::None;
  style.Caption = false;
  style.Flat = flat;
  P().SetStyle(style);
}

void ToolBar::DoClick(int index) {
  if (index >= 0) {
    if (index >= ButtonCount()) return;
    ToolButton* b = Buttons(index);
    // A drop-down button with no command of its own opens its menu from its face as well.
    if (b->OnClick || !b->DropdownMenu) {
      b->Click();
      return;
    }
    index = -index - 1;
  }
  // The drop-down arrow: the button's menu below it.
  const int button = -index - 1;
  if (button >= ButtonCount()) return;
  ToolButton* b = Buttons(button);
  if (!b->enabled_ || !b->DropdownMenu) return;
  const Rect r = ButtonRect(button);
  const Point at = ClientToScreen({r.Left, r.Bottom});
  b->DropdownMenu->Popup(at.X, at.Y, this);
}

void ToolBar::DoMouseMove(Point p, unsigned shift) {
  const int index = ButtonAt(p);
  if (index < 0) {
    Control::DoMouseMove(p, shift);
    return;
  }
  // A button without a hint of its own shows the bar's.
  if (Buttons(index)->hint_.empty()) {
    Control::DoMouseMove(p, shift);
    return;
  }
  Application::Instance().SetHint(Buttons(index)->hint_);
  if (OnMouseMove) OnMouseMove(shift, p.X, p.Y);
}

bool ToolBar::DragOver(Control* source, Point p) {
  const int index = ButtonAt(p);
  if (index < 0) return Control::DragOver(source, p);
  ToolButton* b = Buttons(index);
  bool accept = b->enabled_ && b->OnDragOver;
  if (accept) b->OnDragOver(source, accept);
  return accept;
}

void ToolBar::DragDrop(Control* source, Point p) {
  const int index = ButtonAt(p);
  if (index < 0) return Control::DragDrop(source, p);
  if (ToolButton* b = Buttons(index); b->OnDragDrop) b->OnDragDrop(source);
}

}  // namespace quillpad::ui
