// The simulated peer: keeps every property in memory and lets a test act as the user on it.
// Program calls change state quietly except where Windows itself notifies: text changes raise
// OnChange, selection changes OnSelectionChange, and bound or visibility changes that really
// change something raise OnMoved / OnResized / OnShowChanged. The User* calls raise the events a
// real user's action raises; an error thrown by a handler goes to the general error box.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/window.h"

namespace quillpad::platform::sim {

class SimDesktop;

class SimWindow : public Window {
 public:
  SimWindow(SimDesktop& desktop, WindowClass cls, SimWindow* parent, WindowEvents& events);
  ~SimWindow() override;

  WindowClass Class() const override { return class_; }
  void SetBounds(const Rect& bounds) override;
  Rect Bounds() override { return bounds_; }
  // How often the window was moved or sized: each placement is a native round trip.
  int Placements() const { return placements_; }
  Size ClientSize() override;
  Size NonClientExtent() override;
  void SetStyle(const WindowStyle& style) override {
    if (style != style_) ++restyles_;
    style_ = style;
  }
  // How often the style changed after the window was made: each is a native round trip.
  int Restyles() const { return restyles_; }
  void SetVisible(bool visible) override;
  bool IsVisible() override { return visible_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  void SetText(const std::string& text) override;
  std::string Text() override { return text_; }
  void SetFont(const FontSpec& font) override { font_ = font; }
  void SetBackground(Color color) override { background_ = color; }
  void SetCursor(CursorKind cursor) override { cursor_ = cursor; }
  void SetToolTip(const std::string& text) override { toolTip_ = text; }
  void SetTopmost(bool topmost) override;
  void BringToFront() override;
  void SetForeground() override;
  void SetFocus() override;
  bool HasFocus() override;
  void Invalidate() override { ++invalidations_; }
  void SetMouseCapture(bool capture) override;
  void SetMenuBar(const std::vector<MenuItemSpec>* items) override;
  // The simulated screen holds no pixels: a capture is the client area in its background colour
  // (a system colour counts as white).
  std::string CaptureClient() override;

  void SetSelection(int start, int length) override;
  void GetSelection(int& start, int& length) override;
  void ReplaceSelection(const std::string& text) override;
  bool CanUndo() override { return !undo_.empty(); }
  void Undo() override;
  void ClearUndo() override { undo_.clear(); }
  void SetModified(bool modified) override { modified_ = modified; }
  bool Modified() override { return modified_; }
  void ScrollToCaret() override { ++caretScrolls_; }
  void Cut() override;
  void Copy() override;
  void Paste() override;
  // Text controls answer backspace, delete, Enter and typed characters as the edit controls do;
  // any key reaches the key-down event first.
  void SendKeyDown(int virtualKey) override;
  void SendChar(int code) override;

  void SetItems(const std::vector<std::string>& items) override;
  void SetItemSelected(int index, bool selected) override;
  bool ItemSelected(int index) override { return selected_.count(index) > 0; }
  int ItemIndex() override { return itemIndex_; }
  void SetItemIndex(int index) override;
  void SetItemHeights(const std::vector<int>& heights) override { itemHeights_ = heights; }
  // Items stacked from the top (the simulated list never scrolls); a list that is not owner
  // drawn has items one line of its font high.
  int ItemAtPoint(Point client) override;

  void SetPanels(const std::vector<int>& widths) override;
  void SetPanelText(int index, const std::string& text) override;
  void SetButtons(const std::vector<ToolButtonSpec>& buttons) override { buttons_ = buttons; }
  void SetDate(DateTime date) override { date_ = date; }
  DateTime Date() override { return date_; }
  void SetChecked(bool checked) override { checked_ = checked; }
  void SetUpDown(int min, int max, int position) override {
    upDownMin_ = min;
    upDownMax_ = max;
    itemIndex_ = position;
  }

  // What a test may look at.
  WindowEvents& Events() { return events_; }
  SimWindow* Parent() const { return parent_; }
  const std::vector<SimWindow*>& Children() const { return children_; }
  bool IsTopLevel() const { return parent_ == nullptr; }
  bool IsEnabled() const { return enabled_; }
  const WindowStyle& Style() const { return style_; }
  const FontSpec& Font() const { return font_; }
  Color Background() const { return background_; }
  CursorKind Cursor() const { return cursor_; }
  const std::string& ToolTip() const { return toolTip_; }
  bool Topmost() const { return topmost_; }
  const std::vector<MenuItemSpec>* MenuBar() const { return hasMenu_ ? &menu_ : nullptr; }
  const std::vector<std::string>& Items() const { return items_; }
  const std::vector<int>& PanelWidths() const { return panelWidths_; }
  std::string PanelText(int index) const;
  const std::vector<ToolButtonSpec>& Buttons() const { return buttons_; }
  int CaretScrolls() const { return caretScrolls_; }
  bool Checked() const { return checked_; }
  // Up-downs: the range and position the peer was given.
  int UpDownMin() const { return upDownMin_; }
  int UpDownMax() const { return upDownMax_; }
  int UpDownPosition() const { return itemIndex_; }
  int Invalidations() const { return invalidations_; }
  // Runs OnPaint on a recording canvas of the client size and returns what was drawn.
  std::vector<std::string> Paint();
  // Owner-drawn list boxes: what the list draws for one item, in its place.
  std::vector<std::string> PaintItem(int index);
  Rect ItemRect(int index);
  // A child (at any depth) whose text is this, or null.
  SimWindow* FindChild(const std::string& text);

  // The user's actions.
  void UserType(std::string_view text);              // "\n" or "\r\n" types Enter
  bool UserKey(int virtualKey, unsigned shift = 0);  // answers whether a handler ate the key
  void UserSelect(int start, int length);
  void UserClick();  // buttons, check boxes, labels, panels
  void UserDblClick();
  void UserNcLeftButtonUp();  // the end of a drag by the frame or the caption
  void UserClickItem(int index, bool doubleClick = false);  // list boxes: select only this one
  void UserClickButton(int index);                          // tool bars
  void UserClickArrow(bool up);  // up-downs: the up (right) or the down (left) arrow
  void UserClickDropDown(int index);                        // the arrow of a drop-down tool button
  bool UserChooseMenu(const std::string& captionPath);  // menu bar; "ファイル(&F) > 開く(&O)"
  void UserContextMenu(Point screen);
  // What the window answers the system's hit test at a screen point (the cursor moves there).
  int UserHitTest(Point screen);
  void UserDropFiles(const std::vector<std::string>& paths, Point client = {});
  void UserSetBounds(const Rect& bounds);  // moving or sizing with the mouse
  bool UserClose();                        // the close box; true when it closed
  bool UserQueryEndSession();              // the logon is ending; the window's answer
  void UserMouseMove(Point client, unsigned shift = 0);
  void UserMouseDown(MouseButton button, Point client, unsigned shift = 0);
  void UserMouseUp(MouseButton button, Point client, unsigned shift = 0);
  void UserDrag(Point from, Point to);  // left button down, move, up
  void UserSetDate(DateTime date);      // picking in the drop-down calendar
  void UserActivate();                  // clicking into a top-level window

 private:
  friend class SimWindowSystem;
  struct Snapshot {
    std::string Text;
    int Start = 0;
    int Length = 0;
  };
  bool IsTextControl() const;
  void ReplaceText(std::size_t start, std::size_t length, const std::string& text, bool raise);

  SimDesktop& desktop_;
  WindowClass class_;
  SimWindow* parent_;
  WindowEvents& events_;
  std::vector<SimWindow*> children_;
  Rect bounds_;
  int placements_ = 0;
  int restyles_ = 0;
  WindowStyle style_;
  bool visible_ = false;
  bool enabled_ = true;
  bool topmost_ = false;
  std::string text_;
  FontSpec font_;
  Color background_ = 0x80000005;  // the system window colour
  CursorKind cursor_ = CursorKind::Arrow;
  std::string toolTip_;
  bool hasMenu_ = false;
  std::vector<MenuItemSpec> menu_;
  int selStart_ = 0;
  int selLength_ = 0;
  std::vector<Snapshot> undo_;
  bool modified_ = false;
  int caretScrolls_ = 0;
  int invalidations_ = 0;
  std::vector<std::string> items_;
  std::vector<int> itemHeights_;
  std::set<int> selected_;
  int itemIndex_ = -1;
  std::vector<int> panelWidths_;
  std::vector<std::string> panelTexts_;
  std::vector<ToolButtonSpec> buttons_;
  DateTime date_;
  bool checked_ = false;
  int upDownMin_ = 0;
  int upDownMax_ = 0;
};

// An item by caption path ("ファイル(&F) > 開く(&O)", parts as platform/menu_caption.h matches
// them); null (with the reason) when it is missing, hidden or disabled.
const MenuItemSpec* FindMenuPath(const std::vector<MenuItemSpec>& items, const std::string& path,
                                 std::string* failure);

}  // namespace quillpad::platform::sim
