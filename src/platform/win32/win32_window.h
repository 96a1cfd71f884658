// One native window behind one ui control. It mirrors what the toolkit sets and reports what the
// user does; it keeps no rules of its own.
//
// Window classes, for drivers that look windows up: forms are "QuillpadForm" (title = caption),
// panels and paint boxes "QuillpadPanel"; the controls use the system classes ("STATIC",
// "BUTTON", "EDIT", "RICHEDIT50W", "LISTBOX", "ToolbarWindow32", "msctls_statusbar32",
// "SysDateTimePick32").
#pragma once

#include <string>
#include <vector>

#include "platform/win32/wide.h"
#include "platform/window.h"

namespace quillpad::platform::win32 {

class Win32WindowSystem;

inline constexpr wchar_t kFormClass[] = L"QuillpadForm";
inline constexpr wchar_t kPanelClass[] = L"QuillpadPanel";
// Tool bar buttons carry command ids from here up, in button order.
inline constexpr int kToolButtonBase = 1000;

class Win32Window : public Window {
 public:
  Win32Window(Win32WindowSystem& system, WindowClass cls, Win32Window* parent, WindowEvents& events,
              const WindowStyle* style = nullptr);
  ~Win32Window() override;
  Win32Window(const Win32Window&) = delete;
  Win32Window& operator=(const Win32Window&) = delete;

  static Win32Window* FromHandle(HWND hwnd);
  // Window procedure of the custom classes (forms, panels, paint boxes).
  static LRESULT CALLBACK CustomProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  // The native window with every held placement applied: whoever asks may talk to it directly.
  HWND Handle();
  HWND FormHandle() const { return formHwnd_; }
  WindowEvents& Events() { return events_; }

  WindowClass Class() const override { return cls_; }
  void SetBounds(const Rect& bounds) override;
  Rect Bounds() override;
  Size ClientSize() override;
  Size NonClientExtent() override;
  void SetStyle(const WindowStyle& style) override;
  void SetVisible(bool visible) override;
  bool IsVisible() override;
  void SetEnabled(bool enabled) override;
  void SetText(const std::string& text) override;
  std::string Text() override;
  void SetFont(const FontSpec& font) override;
  void SetBackground(Color color) override;
  void SetCursor(CursorKind cursor) override;
  void SetToolTip(const std::string& text) override;
  void SetTopmost(bool topmost) override;
  void BringToFront() override;
  void SetForeground() override;
  void SetFocus() override;
  bool HasFocus() override;
  void Invalidate() override;
  void SetMouseCapture(bool capture) override;
  void SetMenuBar(const std::vector<MenuItemSpec>* items) override;
  std::string CaptureClient() override;

  void SetSelection(int start, int length) override;
  void GetSelection(int& start, int& length) override;
  void ReplaceSelection(const std::string& text) override;
  bool CanUndo() override;
  void Undo() override;
  void ClearUndo() override;
  void SetModified(bool modified) override;
  bool Modified() override;
  void ScrollToCaret() override;
  void Cut() override;
  void Copy() override;
  void Paste() override;
  void SendKeyDown(int virtualKey) override;
  void SendChar(int code) override;

  // List boxes; a check box also answers ItemSelected(0) with its mark.
  void SetItems(const std::vector<std::string>& items) override;
  void SetItemSelected(int index, bool selected) override;
  bool ItemSelected(int index) override;
  int ItemIndex() override;
  void SetItemIndex(int index) override;
  void SetItemHeights(const std::vector<int>& heights) override { itemHeights_ = heights; }
  int ItemAtPoint(Point client) override;

  void SetPanels(const std::vector<int>& widths) override;
  void SetPanelText(int index, const std::string& text) override;
  void SetButtons(const std::vector<ToolButtonSpec>& buttons) override;
  void SetDate(DateTime date) override;
  DateTime Date() override;
  void SetChecked(bool checked) override;
  void SetUpDown(int min, int max, int position) override;

  // Tool bars: the tool tip window that asks for hints, and the hint for a command id.
  HWND ToolTipWindow() const;
  const std::wstring* HintFor(int commandId) const;

 private:
  static LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  // Runs the message through Handle with errors reported; false: default processing.
  static LRESULT Route(Win32Window* self, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  bool Handle(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void HandleCommandFromChild(int code, int id);
  bool HandleNotifyFromChild(NMHDR* header, LRESULT& result);
  LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);
  void Paint();
  // What a custom window's paint starts from: its colour, or the face colour when it has none.
  Color PaintedBackground() const {
    return hasBackground_ ? background_ : (0x80000000u | COLOR_BTNFACE);
  }
  // This window's painting under a see-through child, into the child's device context.
  void PaintBehind(HWND child, HDC dc);
  static void DrawArrowButton(const DRAWITEMSTRUCT& item, int arrow);
  void DrawItem(const DRAWITEMSTRUCT& item);

  void Create();
  void Recreate();
  DWORD ControlStyle() const;
  // A form's native style and extended style for its border and options.
  void FormStyleBits(DWORD& style, DWORD& ex) const;
  void ApplyFormStyle();
  bool IsCustom() const;
  bool IsTextControl() const;
  bool HasFrame() const;  // anything drawn outside the client: borders, scroll bars, a menu bar
  bool IsRichEdit() const { return cls_ == WindowClass::RichEdit; }
  std::wstring RawText();
  int ByteToChar(int byteOffset);
  int CharToByte(const std::wstring& raw, int charPos);
  // A program's edit: native notifications are held back and reported once afterwards.
  void FireEdited();
  void HoverToolTip(WPARAM wParam, LPARAM lParam);
  void ApplyRichEditColours();
  bool Seen() const;  // shown, its parents too
  // A hidden form keeps its place and frame change here and hands them to the system with the
  // show: under Wine each move of a window is a round trip, and a memo load moves hundreds.
  bool Holdable(LONG_PTR style) const;
  // The controls of a hidden form wait for its show as well: a form is laid out several times
  // while it is built, and a window that starts in the tray may never be shown.
  bool WaitsForForm() const;
  void ApplyPlacement(HWND insertAfter, UINT flags);
  void ApplyMenuBar();
  // What the frame, edge and scroll bars will take once the system places the window.
  Size StyleExtent() const;

  Win32WindowSystem& system_;
  WindowClass cls_;
  WindowEvents& events_;
  HWND parentHwnd_ = nullptr;
  HWND formHwnd_ = nullptr;  // the top-level form a control is in
  HWND hwnd_ = nullptr;
  WNDPROC oldProc_ = nullptr;
  int controlId_ = 0;
  WindowStyle style_;
  bool hasHeldBounds_ = false;
  Rect heldBounds_;
  bool frameHeld_ = false;  // styles set, frame not yet worked out again by the system
  bool hasFont_ = false;
  FontSpec font_;
  bool hasBackground_ = false;
  Color background_ = 0;
  HBRUSH backgroundBrush_ = nullptr;
  HCURSOR cursor_ = nullptr;
  HWND toolTip_ = nullptr;
  std::wstring toolTipText_;
  int silentChange_ = 0;
  std::vector<std::string> items_;
  int upDown_[3] = {0, 0, 0};  // range and position, kept for a re-creation
  void SetTabs(const std::vector<std::string>& captions);
  std::vector<int> itemHeights_;  // owner-drawn list boxes, for WM_MEASUREITEM
  bool heldByToolkit_ = false;    // the toolkit captured the mouse
  std::vector<ToolButtonSpec> buttons_;  // as the control holds them
  bool hasMenuBar_ = false;
  bool menuPending_ = false;  // a hidden form's first menu bar, made at the show
  std::vector<MenuItemSpec> menuBar_;  // as the menu handle holds it
  std::vector<std::wstring> buttonTexts_;
  std::vector<std::wstring> buttonHints_;
};

// The menu handle for a tree of items (a menu bar or a pop-up menu); invisible items are left out.
HMENU BuildMenu(const std::vector<MenuItemSpec>& items, bool popup);

}  // namespace quillpad::platform::win32
