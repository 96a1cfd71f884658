#include "ui/control.h"

#include <algorithm>
#include <cstdlib>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/menu_item.h"

namespace quillpad::ui {

// Forwards the peer's reports to the control (kept apart so the control's own event members
// can carry the familiar names).
class ControlEvents : public platform::WindowEvents {
 public:
  explicit ControlEvents(Control& c) : c_(c) {}
  Control& Owner() { return c_; }
  // A peer may report while it is being created, before the control holds it: such reports
  // describe nothing the control has set yet, so they are dropped.
  bool ready_ = false;
  void OnPaint(platform::Canvas& canvas) override {
    if (ready_) c_.DoPaint(canvas);
  }
  void OnMoved(const Rect& r) override {
    if (ready_) c_.DoMoved(r);
  }
  void OnResized(const Rect& r) override {
    if (ready_) c_.DoResized(r);
  }
  void OnActivate(bool active) override {
    if (ready_) c_.DoActivate(active);
  }
  int OnHitTest(Point screen) override { return ready_ ? c_.DoHitTest(screen) : platform::HtDefault; }
  bool OnCloseQuery() override { return ready_ ? c_.DoCloseQuery() : true; }
  void OnClose() override {
    if (ready_) c_.DoClose();
  }
  bool OnQueryEndSession() override { return ready_ ? c_.DoQueryEndSession() : true; }
  void OnShowChanged(bool visible) override {
    if (ready_) c_.DoShowChanged(visible);
  }
  void OnChange() override {
    if (ready_) c_.DoChange();
  }
  void OnSelectionChange() override {
    if (ready_) c_.DoSelectionChange();
  }
  void OnClick(int index) override {
    if (ready_) c_.DoClick(index);
  }
  void OnDblClick() override {
    if (ready_) c_.DoDblClick();
  }
  void OnMouseDown(MouseButton b, Point p, unsigned s) override {
    if (ready_) c_.DoMouseDown(b, p, s);
  }
  void OnMouseMove(Point p, unsigned s) override {
    if (ready_) c_.DoMouseMove(p, s);
  }
  void OnMouseUp(MouseButton b, Point p, unsigned s) override {
    if (ready_) c_.DoMouseUp(b, p, s);
  }
  void OnNcLeftButtonUp() override {
    if (ready_) c_.DoNcLeftButtonUp();
  }
  bool OnKeyDown(int key, unsigned shift) override { return ready_ ? c_.DoKeyDown(key, shift) : false; }
  void OnDropFiles(const std::vector<std::string>& paths, Point) override {
    if (ready_) c_.DoDropFiles(paths);
  }
  void OnMenuCommand(int id) override {
    if (ready_) c_.DoMenuCommand(id);
  }
  void OnContextMenu(Point screen) override {
    if (ready_) c_.DoContextMenu(screen);
  }
  void OnDateChange() override {
    if (ready_) c_.DoDateChange();
  }
  void OnDateCloseUp() override {
    if (ready_) c_.DoDateCloseUp();
  }
  void OnDrawItem(int index, platform::Canvas& canvas, const Rect& r, bool selected) override {
    if (ready_) c_.DoDrawItem(index, canvas, r, selected);
  }

 private:
  Control& c_;
};

namespace {

// The one drag of the run: the control pressed, where, and whether the mouse has left the spot.
struct DragState {
  Control* Source = nullptr;
  Point Start;
  bool Moved = false;
};
DragState drag;
// The system's default drag distance.
constexpr int kDragThreshold = 4;

}  // namespace

platform::WindowStyle FramedStyle() {
  platform::WindowStyle style;
  style.Border = platform::BorderStyle::Single;
  style.Caption = false;
  return style;
}

Control::Control(Component* owner, Control* parent, platform::WindowClass cls,
                 const platform::WindowStyle* style)
    : Component(owner),
      events_(std::make_unique<ControlEvents>(*this)),
      parent_(parent),
      visible_(parent != nullptr) {
  peer_ = Application::Instance().Windows().CreateWindow(cls, parent ? parent->Peer() : nullptr,
                                                         *events_, style);
  static_cast<ControlEvents&>(*events_).ready_ = true;
  if (parent_) parent_->controls_.push_back(this);
  peer_->SetVisible(visible_);
  peer_->SetFont(font_);
  peer_->SetBackground(color_);
}

Control::~Control() {
  if (drag.Source == this) drag = {};
  destroying_ = true;
  DestroyComponents();
  while (!controls_.empty()) delete controls_.back();
  if (parent_) {
    std::erase(parent_->controls_, this);
    if (!parent_->destroying_ && align_ != Align::None && visible_) parent_->Realign();
  }
  peer_.reset();
}

Control* Control::FromEvents(platform::WindowEvents& events) {
  auto* e = dynamic_cast<ControlEvents*>(&events);
  return e ? &e->Owner() : nullptr;
}

platform::WindowEvents& Control::Events() {
  return *events_;
}

Form* Control::ParentForm() {
  Control* c = this;
  while (c->parent_) c = c->parent_;
  return dynamic_cast<Form*>(c);
}

void Control::SetBounds(int left, int top, int width, int height) {
  const Rect r{left, top, left + std::max(0, width), top + std::max(0, height)};
  if (parent_ && align_ != Align::None) {
    // Docked: keep the size asked for and let the parent place it; report once.
    const Rect old = bounds_;
    bounds_ = r;
    quietPlace_ = true;
    parent_->Realign();
    quietPlace_ = false;
    peer_->SetBounds(bounds_);
    if (bounds_ != old) {
      BoundsChanged(bounds_.Width() != old.Width() || bounds_.Height() != old.Height(),
                    bounds_.Left != old.Left || bounds_.Top != old.Top);
    }
    return;
  }
  PlaceBounds(r);
}

void Control::PlaceBounds(const Rect& r) {
  if (quietPlace_) {
    bounds_ = r;
    return;
  }
  if (r == bounds_) return;
  const bool sized = r.Width() != bounds_.Width() || r.Height() != bounds_.Height();
  const bool moved = r.Left != bounds_.Left || r.Top != bounds_.Top;
  bounds_ = r;
  peer_->SetBounds(r);
  BoundsChanged(sized, moved);
}

void Control::BoundsChanged(bool sized, bool /*moved*/) {
  if (!sized) return;
  Realign();
  if (OnResize) OnResize();
}

Size Control::ClientSize() const {
  return peer_->ClientSize();
}

void Control::SetClientSize(int width, int height) {
  SetClientBounds(Left(), Top(), width, height);
}

void Control::SetClientBounds(int left, int top, int clientWidth, int clientHeight) {
  const Size frame = peer_->NonClientExtent();
  SetBounds(left, top, clientWidth + frame.Width, clientHeight + frame.Height);
}

Point Control::ClientToScreen(Point p) const {
  const Size frame = peer_->NonClientExtent();
  const int side = frame.Width / 2;
  const int top = frame.Height - side;
  Point out{p.X + bounds_.Left + side, p.Y + bounds_.Top + top};
  return parent_ ? parent_->ClientToScreen(out) : out;
}

void Control::SetAlign(Align align) {
  align_ = align;
  if (parent_) parent_->Realign();
}

Rect Control::DockArea() const {
  const Size client = ClientSize();
  return {0, 0, client.Width, client.Height};
}

void Control::Realign() {
  if (aligning_ || destroying_) return;
  aligning_ = true;
  Rect area = DockArea();
  for (Align pass : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client}) {
    for (Control* child : controls_) {
      if (child->align_ != pass || !child->visible_) continue;
      const int w = child->Width();
      const int h = child->Height();
      Rect r = area;
      switch (pass) {
        // A docked control keeps its own height or width even when the area is too small;
        // shrinking it here would lose its size for good.
        case Align::Top:
          r.Bottom = area.Top + h;
          area.Top = std::min(area.Bottom, r.Bottom);
          break;
        case Align::Bottom:
          r.Top = area.Bottom - h;
          area.Bottom = std::max(area.Top, r.Top);
          break;
        case Align::Left:
          r.Right = area.Left + w;
          area.Left = std::min(area.Right, r.Right);
          break;
        case Align::Right:
          r.Left = area.Right - w;
          area.Right = std::max(area.Left, r.Left);
          break;
        default:
          break;
      }
      child->PlaceBounds(r);
    }
  }
  aligning_ = false;
}

void Control::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  peer_->SetVisible(visible);
  if (parent_ && align_ != Align::None) parent_->Realign();
}

void Control::SetEnabled(bool enabled) {
  enabled_ = enabled;
  peer_->SetEnabled(enabled);
}

void Control::SetText(const std::string& text) {
  text_ = text;
  peer_->SetText(text);
}

void Control::SetHint(const std::string& hint) {
  hint_ = hint;
  peer_->SetToolTip(GetShortHint(hint));
}

void Control::SetFont(const FontSpec& font) {
  font_ = font;
  peer_->SetFont(font);
}

void Control::SetColor(Color color) {
  color_ = color;
  peer_->SetBackground(color);
}

void Control::SetCursor(platform::CursorKind cursor) {
  if (cursor == cursor_) return;  // asking the system for a cursor is a round trip under Wine
  cursor_ = cursor;
  peer_->SetCursor(cursor);
}

// --- Peer reports ---------------------------------------------------------------------------

void Control::DoPaint(platform::Canvas& canvas) {
  if (OnPaint) OnPaint(canvas);
}

void Control::DoMoved(const Rect& r) {
  if (r.Left == bounds_.Left && r.Top == bounds_.Top) return;
  bounds_ = {r.Left, r.Top, r.Left + bounds_.Width(), r.Top + bounds_.Height()};
  BoundsChanged(false, true);
}

void Control::DoResized(const Rect& r) {
  if (r == bounds_) return;
  const bool sized = r.Width() != bounds_.Width() || r.Height() != bounds_.Height();
  const bool moved = r.Left != bounds_.Left || r.Top != bounds_.Top;
  bounds_ = r;
  BoundsChanged(sized, moved);
}

void Control::DoShowChanged(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  if (parent_ && align_ != Align::None) parent_->Realign();
}

void Control::DoClick(int /*index*/) {
  if (OnClick) OnClick();
}

void Control::DoDblClick() {
  if (OnDblClick) OnDblClick();
}

void Control::DoMouseDown(MouseButton button, Point p, unsigned shift) {
  if (OnMouseDown) OnMouseDown(button, shift, p.X, p.Y);
  if (button == MouseButton::Left && dragMode_ == DragMode::Automatic && !destroying_) {
    drag = {this, p, false};
    peer_->SetMouseCapture(true);
  }
}

bool Control::Dragging() const { return drag.Source == this && drag.Moved; }

Point Control::ScreenToClient(Point screen) const {
  const Point origin = ClientToScreen({0, 0});
  return {screen.X - origin.X, screen.Y - origin.Y};
}

Control* Control::ControlAtPos(Point screen) {
  const Point p = ScreenToClient(screen);
  const Size client = ClientSize();
  if (parent_ && (p.X < 0 || p.Y < 0 || p.X >= client.Width || p.Y >= client.Height))
    return nullptr;
  // Later children lie above earlier ones.
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    Control* child = *it;
    const Rect r = child->bounds_;
    if (!child->visible_ || p.X < r.Left || p.X >= r.Right || p.Y < r.Top || p.Y >= r.Bottom)
      continue;
    if (Control* found = child->ControlAtPos(screen)) return found;
  }
  return this;
}

bool Control::DragOver(Control* source, Point p) {
  bool accept = static_cast<bool>(OnDragOver);
  if (OnDragOver) OnDragOver(source, p.X, p.Y, accept);
  return accept;
}

void Control::DragDrop(Control* source, Point p) {
  if (OnDragDrop) OnDragDrop(source, p.X, p.Y);
}

void Control::DoMouseMove(Point p, unsigned shift) {
  if (drag.Source == this && !drag.Moved)
    drag.Moved = std::abs(p.X - drag.Start.X) >= kDragThreshold ||
                 std::abs(p.Y - drag.Start.Y) >= kDragThreshold;
  // The hint of the nearest control up the chain that has one.
  const Control* c = this;
  while (c && c->hint_.empty()) c = c->parent_;
  Application::Instance().SetHint(c ? c->hint_ : std::string());
  if (OnMouseMove) OnMouseMove(shift, p.X, p.Y);
}

void Control::DoMouseUp(MouseButton button, Point p, unsigned shift) {
  if (button == MouseButton::Left && drag.Source == this) {
    const bool moved = drag.Moved;
    drag = {};
    peer_->SetMouseCapture(false);
    Form* form = ParentForm();
    const Point screen = ClientToScreen(p);
    Control* target = moved && form ? form->ControlAtPos(screen) : nullptr;
    if (target && target->Enabled()) {
      const Point at = target->ScreenToClient(screen);
      if (target->DragOver(this, at)) target->DragDrop(this, at);
    }
  }
  if (OnMouseUp) OnMouseUp(button, shift, p.X, p.Y);
}

bool Control::DoKeyDown(int key, unsigned shift) {
  int k = key;
  if (OnKeyDown) OnKeyDown(k, shift);
  if (k == 0) return true;
  Form* form = ParentForm();
  return form && form->IsShortCut(k, shift);
}

void Control::DoContextMenu(Point screen) {
  if (popupMenu_) {
    popupMenu_->Popup(screen.X, screen.Y, this);
  } else if (parent_) {
    parent_->DoContextMenu(screen);
  }
}

}  // namespace quillpad::ui
