// Native windows as the component toolkit (ui/) sees them. A ui control keeps its own state and
// mirrors it into one Window peer; what the user does comes back through WindowEvents. The
// backend translates and decides nothing: every rule lives above this interface.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/date_time.h"
#include "platform/types.h"

namespace quillpad::platform {

enum class WindowClass {
  Form,       // top-level window; borders and caption from WindowStyle
  Panel,      // plain container, optionally painted by OnPaint
  PaintBox,   // child painted entirely by OnPaint (memo faces, calendar, splitters)
  Label,
  Button,
  CheckBox,
  Edit,       // one line
  Memo,       // multi-line plain text (read-only one-line results pane, dialog memos)
  RichEdit,   // the editor: plain text, both scroll bars, no word wrap, tabs accepted
  ListBox,
  ToolBar,
  StatusBar,
  DatePicker,
  TabControl,   // the tab strip of a page control; tab captions as items, the shown one as index
  GroupBox,     // a frame with a caption around other controls
  RadioButton,  // one choice of a group; the ui sets the mark
  UpDown,       // a pair of arrow buttons; OnClick(0) for up (right), OnClick(1) for down (left)
};

enum class BorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWindow };

struct WindowStyle {
  BorderStyle Border = BorderStyle::Sizeable;
  bool Caption = true;
  bool SystemMenu = true;
  bool MinimizeBox = true;
  bool MaximizeBox = true;
  bool ToolWindowExStyle = false;  // no task bar button
  bool AcceptFiles = false;
  bool ShowInactive = false;       // forms: shown on top without taking the activation
  bool MultiSelect = false;        // list boxes
  bool ReadOnly = false;           // edits
  bool WordWrap = false;
  bool ScrollBars = true;          // memos: a one-line pane has no room for them
  bool Flat = false;               // tool bars
  bool DefaultButton = false;      // buttons: drawn as the one Enter presses
  int Arrow = 0;                   // buttons: 1 up, 2 down, drawn as a triangle, not as text
  bool Transparent = false;        // labels: the parent's background shows around the text
  bool OwnerDraw = false;          // list boxes: items of their own heights, drawn by OnDrawItem
  bool Horizontal = false;         // up-downs: left and right arrows
  friend bool operator==(const WindowStyle&, const WindowStyle&) = default;
};

enum FontStyleBits : unsigned { FsBold = 1, FsItalic = 2, FsUnderline = 4, FsStrikeOut = 8 };

struct FontSpec {
  std::string Name = "ＭＳ Ｐゴシック";
  int Height = -12;  // negative: character height in pixels
  Color TextColor = 0x000000;
  int Charset = 128;
  unsigned Style = 0;  // FontStyleBits
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// Drawing on a window during OnPaint, or on an off-screen bitmap. Coordinates are client pixels.
class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void FillRect(const Rect& r, Color color) = 0;
  virtual void FrameRect(const Rect& r, Color color) = 0;
  virtual void Line(Point from, Point to, Color color) = 0;
  // Inverts the pixels of a one-pixel frame just inside r (a selection drawn over a picture).
  virtual void InvertFrame(const Rect& r) = 0;
  // Text with the font's colour; transparent background unless opaque.
  virtual void TextOut(Point at, std::string_view text, const FontSpec& font, bool opaque = false,
                       Color background = 0) = 0;
  virtual Size TextExtent(std::string_view text, const FontSpec& font) = 0;
  virtual Size CanvasSize() = 0;
  // A BMP file image stretched into dest; bytes that are no sound BMP draw nothing.
  virtual void DrawBitmap(const Rect& dest, std::string_view bmpFile) = 0;
  // The program's own icon at the size of dest (the About box).
  virtual void DrawProgramIcon(const Rect& dest) = 0;
  // The desktop's wallpaper as it lies under the window, so the window looks transparent.
  virtual void PaintDesktop() = 0;
};

struct MenuItemSpec {
  int Id = 0;               // reported by OnMenuCommand / TrackPopupMenu
  std::string Caption;      // "&" marks the access key; "-" is a separator
  std::string ShortCutText; // shown right-aligned ("Ctrl+N"); the ui handles the keys itself
  bool Checked = false;
  bool RadioItem = false;
  bool Enabled = true;
  bool Visible = true;
  bool Default = false;
  std::vector<MenuItemSpec> Children;
};

struct ToolButtonSpec {
  std::string Caption;     // short text, drawn on the button only when it has no image
  int ImageIndex = -1;     // picture of the backend's tool image list; -1: the caption instead
  std::string Hint;        // tool tip (the short part of a hint)
  bool Separator = false;
  bool Check = false;      // stays down when clicked
  bool Down = false;
  bool Enabled = true;
  bool DropDown = false;   // has a drop-down arrow; OnClick reports -(index+1) for the arrow
  int Width = 0;           // a caption button's fixed width in pixels; 0: sized by the system
};

enum class CursorKind { Arrow, IBeam, Hand, SizeAll, SizeWE, SizeNS, Cross, Wait };

// Hit-test answers (the values of the Windows HT constants).
enum HitTest : int {
  HtDefault = -100,  // let the system decide
  HtClient = 1, HtCaption = 2, HtLeft = 10, HtRight = 11, HtTop = 12, HtTopLeft = 13,
  HtTopRight = 14, HtBottom = 15, HtBottomLeft = 16, HtBottomRight = 17,
};

enum ShiftBits : unsigned { SsShift = 1, SsCtrl = 2, SsAlt = 4 };

// What a peer reports. Every method has a harmless default.
class WindowEvents {
 public:
  virtual ~WindowEvents() = default;
  virtual void OnPaint(Canvas&) {}
  virtual void OnMoved(const Rect& /*bounds*/) {}     // top-level: screen; child: parent client
  virtual void OnResized(const Rect& /*bounds*/) {}
  virtual void OnActivate(bool /*active*/) {}
  virtual bool OnCloseQuery() { return true; }         // false keeps the window open
  virtual void OnClose() {}
  virtual bool OnQueryEndSession() { return true; }  // the logon is ending; false objects
  virtual void OnShowChanged(bool /*visible*/) {}
  virtual void OnChange() {}                           // edit text changed (by user or program)
  virtual void OnSelectionChange() {}                  // caret/selection or list selection
  virtual void OnClick(int /*index*/) {}               // button; tool bar button index; list item
  virtual void OnDblClick() {}
  virtual void OnMouseDown(MouseButton, Point /*client*/, unsigned /*shift*/) {}
  virtual void OnMouseMove(Point /*client*/, unsigned /*shift*/) {}
  virtual void OnMouseUp(MouseButton, Point /*client*/, unsigned /*shift*/) {}
  virtual bool OnKeyDown(int /*virtualKey*/, unsigned /*shift*/) { return false; }  // true: eaten
  virtual int OnHitTest(Point /*screen*/) { return HtDefault; }
  virtual void OnNcLeftButtonUp() {}  // a drag by the frame or the caption ended
  virtual void OnDropFiles(const std::vector<std::string>& /*paths*/, Point /*client*/) {}
  virtual void OnMenuCommand(int /*id*/) {}
  virtual void OnContextMenu(Point /*screen*/) {}
  virtual void OnDateChange() {}
  virtual void OnDateCloseUp() {}
  // Owner-drawn list boxes: item index in r (client pixels) on the canvas.
  virtual void OnDrawItem(int /*index*/, Canvas&, const Rect& /*r*/, bool /*selected*/) {}
};

class Window {
 public:
  virtual ~Window() = default;
  virtual WindowClass Class() const = 0;

  // Top-level windows: screen coordinates; children: the parent's client coordinates.
  virtual void SetBounds(const Rect& bounds) = 0;
  virtual Rect Bounds() = 0;
  // Client area size for the window's current style and bounds.
  virtual Size ClientSize() = 0;
  // Frame thickness added to a client size: Left+Right and Top+Bottom (caption, menu, borders).
  virtual Size NonClientExtent() = 0;
  virtual void SetStyle(const WindowStyle& style) = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual bool IsVisible() = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual void SetText(const std::string& text) = 0;  // caption, label or edit text (CP932)
  virtual std::string Text() = 0;
  virtual void SetFont(const FontSpec& font) = 0;
  virtual void SetBackground(Color color) = 0;
  virtual void SetCursor(CursorKind cursor) = 0;
  virtual void SetToolTip(const std::string& text) = 0;
  virtual void SetTopmost(bool topmost) = 0;
  virtual void BringToFront() = 0;
  virtual void SetForeground() = 0;
  virtual void SetFocus() = 0;
  virtual bool HasFocus() = 0;
  virtual void Invalidate() = 0;
  virtual void SetMouseCapture(bool capture) = 0;
  virtual void SetMenuBar(const std::vector<MenuItemSpec>* items) = 0;  // Form; null removes it
  // What the client area shows now, children included, as a 24-bit BMP file image.
  virtual std::string CaptureClient() = 0;

  // Text controls (Edit, Memo, RichEdit). Positions are byte offsets into Text(), where lines
  // are separated by CR LF.
  virtual void SetSelection(int start, int length) = 0;
  virtual void GetSelection(int& start, int& length) = 0;
  virtual void ReplaceSelection(const std::string& text) = 0;
  virtual bool CanUndo() = 0;
  virtual void Undo() = 0;
  virtual void ClearUndo() = 0;
  virtual void SetModified(bool modified) = 0;
  virtual bool Modified() = 0;
  virtual void ScrollToCaret() = 0;
  virtual void Cut() = 0;
  virtual void Copy() = 0;
  virtual void Paste() = 0;
  // A key-down message and a character message, as the keyboard sends them to the control
  // (buttons that stand for keys).
  virtual void SendKeyDown(int virtualKey) = 0;
  virtual void SendChar(int code) = 0;

  // List boxes.
  virtual void SetItems(const std::vector<std::string>& items) = 0;
  virtual void SetItemSelected(int index, bool selected) = 0;
  virtual bool ItemSelected(int index) = 0;
  virtual int ItemIndex() = 0;  // focused item or -1
  virtual void SetItemIndex(int index) = 0;
  // Owner-drawn list boxes: each item's height, set before the items.
  virtual void SetItemHeights(const std::vector<int>& /*heights*/) {}
  // The item under a client point, -1 below the last one or outside.
  virtual int ItemAtPoint(Point /*client*/) { return -1; }

  // Status bars: panel widths in pixels (the last may be -1: to the right edge) and texts.
  virtual void SetPanels(const std::vector<int>& widths) = 0;
  virtual void SetPanelText(int index, const std::string& text) = 0;

  // Tool bars.
  virtual void SetButtons(const std::vector<ToolButtonSpec>& buttons) = 0;

  // Date pickers.
  virtual void SetDate(DateTime date) = 0;
  virtual DateTime Date() = 0;

  // Check boxes: the mark shown. A click is only reported (OnClick); the ui decides the mark.
  virtual void SetChecked(bool /*checked*/) {}

  // Up-downs: the range and the position the arrows show (the ui moves the position).
  virtual void SetUpDown(int /*min*/, int /*max*/, int /*position*/) {}
};


class WindowSystem {
 public:
  virtual ~WindowSystem() = default;
  // parent null: a top-level window. The events object outlives the window.
  // With a style, the window is made in it; without, in its class's default. A form that knows
  // its style beforehand is spared a restyle, a round trip under Wine.
  virtual std::unique_ptr<Window> CreateWindow(WindowClass cls, Window* parent, WindowEvents& events,
                                               const WindowStyle* style = nullptr) = 0;
  // Shows a pop-up menu at a screen point and waits; the chosen item's Id, or 0.
  virtual int TrackPopupMenu(const std::vector<MenuItemSpec>& items, Point screen, Window* owner) = 0;
  // Runs a nested message loop while the modal window is shown, until done() answers true.
  virtual void RunModal(Window& window, const std::function<bool()>& done) = 0;
  virtual Size TextExtent(std::string_view text, const FontSpec& font) = 0;
  virtual Window* ForegroundWindow() = 0;  // one of ours, or null
};

}  // namespace quillpad::platform
