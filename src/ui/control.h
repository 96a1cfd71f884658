// A visible component with one peer window. The control keeps its state (bounds, visibility,
// text, font, colour, hint) and mirrors it into the peer; what the user does comes back from the
// peer through Events() and reaches the std::function events below.
//
// Layout: children with an Align dock inside the parent's client area, in the order Top, Bottom,
// Left, Right, Client, each group in creation order (later Top controls sit below earlier ones,
// later Bottom controls above earlier ones). Hidden controls take no room.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/window.h"
#include "ui/component.h"

namespace quillpad::ui {

using platform::Color;
using platform::FontSpec;
using platform::MouseButton;
using platform::Point;
using platform::Rect;
using platform::Size;

class Form;
class PopupMenu;

enum class Align { None, Top, Bottom, Left, Right, Client };
// Automatic: a left press starts a drag of the control (it becomes one once the mouse moves a
// few pixels); the release drops it on the control of the same form under the mouse, when that
// control is enabled and accepts it in OnDragOver.
enum class DragMode { Manual, Automatic };

constexpr Color ClWindow = 0x80000005;
constexpr Color ClBtnFace = 0x8000000F;
constexpr Color ClHighlight = 0x8000000D;

// Edits and lists: a single border, no caption. Some of their options only take effect when the
// native control is made: a control given them in its style is not made twice.
platform::WindowStyle FramedStyle();

class Control : public Component {
 public:
  // With a style, the native window is made in it at once.
  Control(Component* owner, Control* parent, platform::WindowClass cls,
          const platform::WindowStyle* style = nullptr);
  ~Control() override;

  platform::Window* Peer() const { return peer_.get(); }
  // The control behind a peer's events object (tests reach controls from sim windows this way).
  static Control* FromEvents(platform::WindowEvents& events);
  platform::WindowEvents& Events();

  Control* Parent() const { return parent_; }
  const std::vector<Control*>& Controls() const { return controls_; }
  Form* ParentForm();

  // Top-level controls: screen coordinates; children: the parent's client coordinates.
  Rect BoundsRect() const { return bounds_; }
  void SetBounds(int left, int top, int width, int height);
  void SetBoundsRect(const Rect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
  int Left() const { return bounds_.Left; }
  int Top() const { return bounds_.Top; }
  int Width() const { return bounds_.Width(); }
  int Height() const { return bounds_.Height(); }
  void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
  void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
  void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
  void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
  Size ClientSize() const;
  void SetClientSize(int width, int height);
  // A new place and client size in one move: a window moved and then sized repaints twice.
  void SetClientBounds(int left, int top, int clientWidth, int clientHeight);
  int ClientWidth() const { return ClientSize().Width; }
  int ClientHeight() const { return ClientSize().Height; }
  Point ClientToScreen(Point p) const;

  Align GetAlign() const { return align_; }
  virtual void SetAlign(Align align);
  // Docks the children again (after the client area changed).
  void Realign();

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // Caption of forms, labels and buttons; the text of edits (read from the peer there).
  virtual std::string Text() const { return text_; }
  virtual void SetText(const std::string& text);
  std::string Caption() const { return Text(); }
  void SetCaption(const std::string& caption) { SetText(caption); }

  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  const FontSpec& Font() const { return font_; }
  void SetFont(const FontSpec& font);
  Color GetColor() const { return color_; }
  void SetColor(Color color);
  platform::CursorKind Cursor() const { return cursor_; }
  void SetCursor(platform::CursorKind cursor);
  PopupMenu* GetPopupMenu() const { return popupMenu_; }
  void SetPopupMenu(PopupMenu* menu) { popupMenu_ = menu; }

  DragMode GetDragMode() const { return dragMode_; }
  void SetDragMode(DragMode mode) { dragMode_ = mode; }
  // A drag of this control is under way (past its first few pixels).
  bool Dragging() const;
  Point ScreenToClient(Point screen) const;
  // This control or its deepest visible child under a screen point; null outside it.
  Control* ControlAtPos(Point screen);

  void SetFocus() { peer_->SetFocus(); }
  bool Focused() const { return peer_->HasFocus(); }
  void Invalidate() { peer_->Invalidate(); }
  void BringToFront() { peer_->BringToFront(); }
  // Every mouse message, wherever on the screen, comes to this control until released.
  void SetMouseCapture(bool capture) { peer_->SetMouseCapture(capture); }

  std::function<void()> OnClick;
  std::function<void()> OnDblClick;
  std::function<void()> OnResize;
  std::function<void(MouseButton, unsigned shift, int x, int y)> OnMouseDown;
  std::function<void(unsigned shift, int x, int y)> OnMouseMove;
  std::function<void(MouseButton, unsigned shift, int x, int y)> OnMouseUp;
  // Set key to 0 to eat it; otherwise the form's shortcuts get it.
  std::function<void(int& key, unsigned shift)> OnKeyDown;
  std::function<void(platform::Canvas&)> OnPaint;
  // Non-client hit test at a screen point: a platform::HitTest value, HtDefault for the system's.
  std::function<int(Point screen)> OnHitTest;
  // A drag of source over this control at client x, y; accept starts true when the event is set.
  std::function<void(Control* source, int x, int y, bool& accept)> OnDragOver;
  std::function<void(Control* source, int x, int y)> OnDragDrop;

 protected:
  friend class ControlEvents;
  // What the peer reports; controls override the ones they use.
  virtual void DoPaint(platform::Canvas& canvas);
  virtual void DoMoved(const Rect& bounds);
  virtual void DoResized(const Rect& bounds);
  virtual void DoActivate(bool /*active*/) {}
  virtual bool DoCloseQuery() { return true; }
  virtual bool DoQueryEndSession() { return true; }
  virtual void DoClose() {}
  virtual void DoShowChanged(bool visible);
  virtual void DoChange() {}
  virtual void DoSelectionChange() {}
  virtual void DoClick(int index);
  virtual void DoDblClick();
  virtual void DoMouseDown(MouseButton button, Point p, unsigned shift);
  virtual void DoMouseMove(Point p, unsigned shift);
  virtual void DoMouseUp(MouseButton button, Point p, unsigned shift);
  virtual bool DoKeyDown(int key, unsigned shift);
  virtual void DoDropFiles(const std::vector<std::string>& /*paths*/) {}
  virtual void DoMenuCommand(int /*id*/) {}
  virtual void DoContextMenu(Point screen);
  // The answer to the system's hit test (platform::HitTest); HtDefault leaves it to the system.
  virtual int DoHitTest(Point screen) { return OnHitTest ? OnHitTest(screen) : platform::HtDefault; }
  virtual void DoDateChange() {}
  virtual void DoDateCloseUp() {}
  virtual void DoNcLeftButtonUp() {}
  virtual void DoDrawItem(int /*index*/, platform::Canvas&, const Rect&, bool /*selected*/) {}
  // Whether a drop of source at client point p would be taken here, and the drop itself.
  virtual bool DragOver(Control* source, Point p);
  virtual void DragDrop(Control* source, Point p);

  // Stores bounds and mirrors them without docking the siblings again.
  void PlaceBounds(const Rect& r);
  // The area children dock in (the client area less the control's own furniture).
  virtual Rect DockArea() const;
  virtual void BoundsChanged(bool sized, bool moved);
  platform::Window& P() const { return *peer_; }

  std::string text_;

 private:
  std::unique_ptr<platform::WindowEvents> events_;
  std::unique_ptr<platform::Window> peer_;
  Control* parent_;
  std::vector<Control*> controls_;
  Rect bounds_;
  Align align_ = Align::None;
  DragMode dragMode_ = DragMode::Manual;
  bool visible_;
  bool enabled_ = true;
  bool aligning_ = false;
  bool destroying_ = false;
  bool quietPlace_ = false;
  std::string hint_;
  FontSpec font_;
  Color color_ = ClBtnFace;
  platform::CursorKind cursor_ = platform::CursorKind::Arrow;
  PopupMenu* popupMenu_ = nullptr;
};

}  // namespace quillpad::ui
