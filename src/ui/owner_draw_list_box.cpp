#include "ui/owner_draw_list_box.h"

#include <algorithm>
#include <cstdlib>

#include "ui/form.h"
#include "ui/short_cut.h"

namespace quillpad::ui {

OwnerDrawListBox::OwnerDrawListBox(Component* owner, Control* parent)
    : Control(owner, parent, platform::WindowClass::PaintBox) {
  SetColor(ClWindow);
}

void OwnerDrawListBox::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  heights_.clear();
  for (int i = 0; i < Count(); ++i) {
    const int h = OnMeasureItem ? OnMeasureItem(i) : std::abs(Font().Height) + 2;
    heights_.push_back(std::max(1, h));
  }
  itemIndex_ = -1;
  top_ = std::min(top_, std::max(0, Count() - 1));
  Invalidate();
}

void OwnerDrawListBox::SetItemIndex(int index) {
  itemIndex_ = index >= 0 && index < Count() ? index : -1;
  ScrollIntoView();
  Invalidate();
}

void OwnerDrawListBox::ScrollIntoView() {
  if (itemIndex_ < 0) return;
  if (itemIndex_ < top_) {
    top_ = itemIndex_;
    return;
  }
  // Down until the selected item's bottom edge is inside, but never past it.
  const int height = ClientHeight();
  while (top_ < itemIndex_) {
    int bottom = 0;
    for (int i = top_; i <= itemIndex_; ++i) bottom += heights_[static_cast<std::size_t>(i)];
    if (bottom <= height) break;
    ++top_;
  }
}

Rect OwnerDrawListBox::ItemRect(int index) const {
  if (index < top_ || index >= Count()) return {};
  int y = 0;
  for (int i = top_; i < index; ++i) y += heights_[static_cast<std::size_t>(i)];
  return {0, y, ClientWidth(), y + heights_[static_cast<std::size_t>(index)]};
}

int OwnerDrawListBox::ItemAtPos(Point p) const {
  int y = 0;
  for (int i = top_; i < Count(); ++i) {
    y += heights_[static_cast<std::size_t>(i)];
    if (p.Y < y) return i;
  }
  return -1;
}

bool OwnerDrawListBox::NavigationKey(int key) {
  if (Count() == 0) return false;
  int index = itemIndex_;
  switch (key) {
    case VkUp: index = std::max(0, index - 1); break;
    case VkDown: index = std::min(Count() - 1, index + 1); break;
    case VkHome: index = 0; break;
    case VkEnd: index = Count() - 1; break;
    default: return false;
  }
  SetItemIndex(index);
  return true;
}

void OwnerDrawListBox::DoPaint(platform::Canvas& canvas) {
  const Size size = canvas.CanvasSize();
  int y = 0;
  for (int i = top_; i < Count() && y < size.Height; ++i) {
    const Rect r = ItemRect(i);
    if (OnDrawItem) OnDrawItem(canvas, i, r, i == itemIndex_);
    // The selection shows as a frame, so the owner's colours stay visible.
    if (i == itemIndex_) canvas.FrameRect(r, 0x000000);
    y = r.Bottom;
  }
  if (y < size.Height) canvas.FillRect({0, y, size.Width, size.Height}, GetColor());
  Control::DoPaint(canvas);
}

void OwnerDrawListBox::DoMouseDown(MouseButton button, Point p, unsigned shift) {
  Control::DoMouseDown(button, p, shift);
  // The second press of a double click arrives after the double click, which may have closed
  // the window or ended its modal state.
  const Form* form = ParentForm();
  const bool closing = form && (!form->Visible() || (form->Modal() && form->ModalResult() != MrNone));
  if (button != MouseButton::Left || closing) return;
  const int index = ItemAtPos(p);
  if (index < 0) return;
  SetItemIndex(index);
  dragging_ = true;
  Peer()->SetMouseCapture(true);
  if (OnItemPress) OnItemPress(index);
}

void OwnerDrawListBox::DoMouseUp(MouseButton button, Point p, unsigned shift) {
  if (button == MouseButton::Left && dragging_) {
    dragging_ = false;
    Peer()->SetMouseCapture(false);
    const Size size = ClientSize();
    const bool overList = p.X >= 0 && p.Y >= 0 && p.X < size.Width && p.Y < size.Height;
    if (overList && itemIndex_ >= 0 && OnDragDrop) {
      const int to = ItemAtPos(p);
      OnDragDrop(itemIndex_, to < 0 ? Count() - 1 : to);
    }
  }
  Control::DoMouseUp(button, p, shift);
}

}  // namespace quillpad::ui
