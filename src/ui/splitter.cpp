#include "ui/splitter.h"

#include <algorithm>

namespace quillpad::ui {

Splitter::Splitter(Component* owner, Control* parent)
    : Control(owner, parent, platform::WindowClass::PaintBox) {
  SetAlign(Align::Left);
}

void Splitter::SetAlign(Align align) {
  const bool vertical = align == Align::Left || align == Align::Right;
  Control::SetAlign(align);
  if (vertical) {
    SetWidth(thickness_);
  } else {
    SetHeight(thickness_);
  }
  SetCursor(vertical ? platform::CursorKind::SizeWE : platform::CursorKind::SizeNS);
}

bool Splitter::Vertical() const {
  return GetAlign() == Align::Left || GetAlign() == Align::Right;
}

Control* Splitter::Target() const {
  if (!Parent()) return nullptr;
  for (Control* c : Parent()->Controls()) {
    if (c == this || !c->Visible() || c->GetAlign() != GetAlign()) continue;
    const Rect r = c->BoundsRect();
    switch (GetAlign()) {
      case Align::Left:
        if (r.Right == Left()) return c;
        break;
      case Align::Right:
        if (r.Left == BoundsRect().Right) return c;
        break;
      case Align::Top:
        if (r.Bottom == Top()) return c;
        break;
      case Align::Bottom:
        if (r.Top == BoundsRect().Bottom) return c;
        break;
      default:
        break;
    }
  }
  return nullptr;
}

void Splitter::MoveBy(int delta) {
  Control* target = Target();
  if (!target || delta == 0) return;
  const bool vertical = Vertical();
  const int oldSize = vertical ? target->Width() : target->Height();
  const bool grows = GetAlign() == Align::Left || GetAlign() == Align::Top;
  int size = oldSize + (grows ? delta : -delta);
  // The Client control gives up the room; it keeps MinSize too.
  int room = -1;
  for (Control* c : Parent()->Controls()) {
    if (c->Visible() && c->GetAlign() == Align::Client) room = vertical ? c->Width() : c->Height();
  }
  if (room >= 0) size = std::min(size, oldSize + room - minSize_);
  size = std::max(size, minSize_);
  if (size == oldSize) return;
  if (vertical) {
    target->SetWidth(size);
  } else {
    target->SetHeight(size);
  }
  if (OnMoved) OnMoved();
}

void Splitter::DoMouseDown(MouseButton button, Point p, unsigned shift) {
  Control::DoMouseDown(button, p, shift);
  if (button != MouseButton::Left) return;
  dragging_ = true;
  dragStart_ = p;
  P().SetMouseCapture(true);
}

void Splitter::DoMouseUp(MouseButton button, Point p, unsigned shift) {
  Control::DoMouseUp(button, p, shift);
  if (!dragging_ || button != MouseButton::Left) return;
  dragging_ = false;
  P().SetMouseCapture(false);
  MoveBy(Vertical() ? p.X - dragStart_.X : p.Y - dragStart_.Y);
}

}  // namespace quillpad::ui
