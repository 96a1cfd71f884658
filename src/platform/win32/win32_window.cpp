#include "platform/win32/win32_window.h"

#include <commctrl.h>
#include <richedit.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <exception>
#include <unordered_map>

#include "base/bmp_image.h"
#include "base/encoding.h"
#include "base/text.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_canvas.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_window_system.h"

namespace quillpad::platform::win32 {

namespace {

// Window to peer, kept in the process: every message looks its window up, and a window
// property costs a round trip to the window server under Wine. All windows live on one thread.
std::unordered_map<HWND, Win32Window*>& Peers() {
  static std::unordered_map<HWND, Win32Window*> peers;
  return peers;
}

void Attach(HWND hwnd, Win32Window* peer) { Peers()[hwnd] = peer; }
void Detach(HWND hwnd) { Peers().erase(hwnd); }

MouseButton ButtonOf(UINT msg) {
  switch (msg) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
      return MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      return MouseButton::Middle;
    default:
      return MouseButton::Left;
  }
}

unsigned MouseShift(WPARAM wParam) {
  unsigned shift = 0;
  if (wParam & MK_SHIFT) shift |= SsShift;
  if (wParam & MK_CONTROL) shift |= SsCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= SsAlt;
  return shift;
}

LPCWSTR CursorId(CursorKind kind) {
  switch (kind) {
    case CursorKind::IBeam:
      return IDC_IBEAM;
    case CursorKind::Hand:
      return IDC_HAND;
    case CursorKind::SizeAll:
      return IDC_SIZEALL;
    case CursorKind::SizeWE:
      return IDC_SIZEWE;
    case CursorKind::SizeNS:
      return IDC_SIZENS;
    case CursorKind::Cross:
      return IDC_CROSS;
    case CursorKind::Wait:
      return IDC_WAIT;
    case CursorKind::Arrow:
      break;
  }
  return IDC_ARROW;
}

SYSTEMTIME ToSystemTime(DateTime value) {
  int y, m, d, h, n, s, ms;
  DecodeDate(value, y, m, d);
  DecodeTime(value, h, n, s, ms);
  SYSTEMTIME t{};
  t.wYear = static_cast<WORD>(y);
  t.wMonth = static_cast<WORD>(m);
  t.wDay = static_cast<WORD>(d);
  t.wHour = static_cast<WORD>(h);
  t.wMinute = static_cast<WORD>(n);
  t.wSecond = static_cast<WORD>(s);
  t.wMilliseconds = static_cast<WORD>(ms);
  t.wDayOfWeek = static_cast<WORD>(DayOfWeek(value) - 1);
  return t;
}

}  // namespace

HMENU BuildMenu(const std::vector<MenuItemSpec>& items, bool popup) {
  HMENU menu = popup ? CreatePopupMenu() : CreateMenu();
  UINT position = 0;
  for (const auto& item : items) {
    if (!item.Visible) continue;
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    std::wstring caption;
    if (item.Caption == "-") {
      info.fMask = MIIM_FTYPE;
      info.fType = MFT_SEPARATOR;
    } else {
      caption = Wide(item.Caption);
      if (!item.ShortCutText.empty()) caption += L"\t" + Wide(item.ShortCutText);
      info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_ID | MIIM_STATE;
      info.fType = item.RadioItem ? MFT_RADIOCHECK : MFT_STRING;
      info.dwTypeData = caption.data();
      info.wID = static_cast<UINT>(item.Id);
      info.fState = (item.Checked ? MFS_CHECKED : 0) | (item.Enabled ? 0 : MFS_DISABLED) |
                    (item.Default ? MFS_DEFAULT : 0);
      if (!item.Children.empty()) {
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = BuildMenu(item.Children, true);
      }
    }
    InsertMenuItemW(menu, position++, TRUE, &info);
  }
  return menu;
}

Win32Window::Win32Window(Win32WindowSystem& system, WindowClass cls, Win32Window* parent,
                         WindowEvents& events, const WindowStyle* style)
    : system_(system), cls_(cls), events_(events) {
  if (cls_ != WindowClass::Form) {
    // A control without a parent still needs one; the hidden utility window keeps it out of sight.
    // Its raw handle: a child can be made before its parent is placed.
    parentHwnd_ = parent ? parent->hwnd_ : system.System().UtilityWindow();
    formHwnd_ = parent ? parent->formHwnd_ : nullptr;
  }
  if (style) {
    style_ = *style;
  } else {
    style_.Border = cls_ == WindowClass::Form ? BorderStyle::Sizeable : BorderStyle::None;
  }
  Create();
  if (cls_ == WindowClass::Form) formHwnd_ = hwnd_;
  system_.Register(this);
}

Win32Window::~Win32Window() {
  system_.Unregister(this);
  if (hwnd_) {
    // Detach first: nothing said during destruction reaches a toolkit object that is going away.
    Detach(hwnd_);
    if (oldProc_) SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc_));
    DestroyWindow(hwnd_);
  }
  if (toolTip_) DestroyWindow(toolTip_);
  if (backgroundBrush_) DeleteObject(backgroundBrush_);
}

Win32Window* Win32Window::FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  const auto found = Peers().find(hwnd);
  return found == Peers().end() ? nullptr : found->second;
}

bool Win32Window::IsCustom() const {
  return cls_ == WindowClass::Form || cls_ == WindowClass::Panel || cls_ == WindowClass::PaintBox;
}

bool Win32Window::HasFrame() const {
  constexpr LONG_PTR kFrame = WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_HSCROLL | WS_VSCROLL;
  constexpr LONG_PTR kEdges =
      WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME;
  return (GetWindowLongPtrW(hwnd_, GWL_STYLE) & kFrame) ||
         (GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & kEdges) || GetMenu(hwnd_);
}

bool Win32Window::IsTextControl() const {
  return cls_ == WindowClass::Edit || cls_ == WindowClass::Memo || cls_ == WindowClass::RichEdit;
}

DWORD Win32Window::ControlStyle() const {
  DWORD s = WS_CHILD | WS_CLIPSIBLINGS;
  switch (cls_) {
    case WindowClass::Panel:
    case WindowClass::PaintBox:
      return s | WS_CLIPCHILDREN;
    case WindowClass::Label:
      // SS_NOTIFY: a label takes its own mouse messages, so it can be clicked, show a tool tip
      // and open its pop-up menu (the calendar's day numbers).
      return s | SS_LEFT | SS_NOTIFY;
    case WindowClass::Button:
      if (style_.Arrow) return s | BS_OWNERDRAW;
      return s | WS_TABSTOP | (style_.DefaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    case WindowClass::CheckBox:
      return s | WS_TABSTOP | BS_CHECKBOX;  // the toolkit sets the mark
    case WindowClass::Edit:
      return s | WS_TABSTOP | ES_AUTOHSCROLL | (style_.ReadOnly ? ES_READONLY : 0);
    case WindowClass::Memo:
      return s | WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL |
             (style_.WordWrap ? 0 : ES_AUTOHSCROLL) |
             (style_.ScrollBars ? (WS_VSCROLL | (style_.WordWrap ? 0 : WS_HSCROLL)) : 0) |
             (style_.ReadOnly ? ES_READONLY : 0);
    case WindowClass::RichEdit:
      return s | WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | ES_AUTOHSCROLL |
             WS_VSCROLL | WS_HSCROLL | ES_NOHIDESEL | (style_.ReadOnly ? ES_READONLY : 0);
    case WindowClass::ListBox:
      return s | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
             (style_.MultiSelect ? LBS_EXTENDEDSEL : 0) |
             (style_.OwnerDraw ? LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS : 0);
    case WindowClass::ToolBar:
      return s | TBSTYLE_TOOLTIPS | TBSTYLE_LIST | CCS_NORESIZE | CCS_NOPARENTALIGN |
             CCS_NODIVIDER | (style_.Flat ? TBSTYLE_FLAT : 0);
    case WindowClass::StatusBar:
      return s | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
    case WindowClass::DatePicker:
      return s | WS_TABSTOP | DTS_SHORTDATEFORMAT;
    case WindowClass::TabControl:
      return s | WS_TABSTOP | WS_CLIPCHILDREN;
    case WindowClass::GroupBox:
      return s | BS_GROUPBOX;
    case WindowClass::RadioButton:
      return s | WS_TABSTOP | BS_RADIOBUTTON;  // the toolkit sets the mark
    case WindowClass::UpDown:
      return s | (style_.Horizontal ? UDS_HORZ : 0);
    case WindowClass::Form:
      break;
  }
  return s;
}

void Win32Window::Create() {
  HINSTANCE instance = system_.System().Instance();
  if (cls_ == WindowClass::Form) {
    // Owned by the hidden application window, so no form of the tray program gets a task bar
    // button of its own.
    // Made with its frame at once: a restyle afterwards is another round trip under Wine.
    DWORD style, ex;
    FormStyleBits(style, ex);
    hwnd_ = CreateWindowExW(ex, kFormClass, L"", style, 0, 0, 320, 240,
                            system_.System().UtilityWindow(), nullptr, instance, this);
    return;
  }
  controlId_ = system_.NextControlId();
  const auto menuId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId_));
  if (IsCustom()) {
    hwnd_ = CreateWindowExW(0, kPanelClass, L"", ControlStyle() | WS_VISIBLE, 0, 0, 0, 0,
                            parentHwnd_, menuId, instance, this);
    return;
  }
  const wchar_t* className = L"STATIC";
  DWORD exStyle = 0;
  switch (cls_) {
    case WindowClass::Button:
    case WindowClass::CheckBox:
    case WindowClass::GroupBox:
    case WindowClass::RadioButton:
      className = L"BUTTON";
      break;
    case WindowClass::TabControl:
      className = WC_TABCONTROLW;
      break;
    case WindowClass::UpDown:
      className = UPDOWN_CLASSW;
      break;
    case WindowClass::Edit:
    case WindowClass::Memo:
      className = L"EDIT";
      exStyle = WS_EX_CLIENTEDGE;
      break;
    case WindowClass::RichEdit:
      className = MSFTEDIT_CLASS;
      exStyle = WS_EX_CLIENTEDGE;
      break;
    case WindowClass::ListBox:
      className = L"LISTBOX";
      exStyle = WS_EX_CLIENTEDGE;
      break;
    case WindowClass::ToolBar:
      className = TOOLBARCLASSNAMEW;
      break;
    case WindowClass::StatusBar:
      className = STATUSCLASSNAMEW;
      break;
    case WindowClass::DatePicker:
      className = DATETIMEPICK_CLASSW;
      break;
    default:
      break;
  }
  hwnd_ = CreateWindowExW(exStyle, className, L"", ControlStyle() | WS_VISIBLE, 0, 0, 0, 0,
                          parentHwnd_, menuId, instance, nullptr);
  if (!hwnd_) return;
  Attach(hwnd_, this);
  oldProc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32Window::ControlProc)));
  SendMessageW(hwnd_, WM_SETFONT,
               reinterpret_cast<WPARAM>(CachedFont(hasFont_ ? font_ : FontSpec{})), FALSE);
  switch (cls_) {
    case WindowClass::RichEdit:
      // Plain text with multi-level undo; must be set while the control is still empty.
      SendMessageW(hwnd_, EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO | TM_MULTICODEPAGE, 0);
      SendMessageW(hwnd_, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
      SendMessageW(hwnd_, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE);
      SendMessageW(hwnd_, EM_SETTARGETDEVICE, 0, style_.WordWrap ? 0 : 1);
      break;
    case WindowClass::Edit:
    case WindowClass::Memo:
      SendMessageW(hwnd_, EM_SETLIMITTEXT, 0, 0);
      break;
    case WindowClass::ToolBar:
      SendMessageW(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
      SendMessageW(hwnd_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
      // A program without tool pictures shows captions.
      if (HIMAGELIST images = system_.ToolImages()) {
        SendMessageW(hwnd_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
        SendMessageW(hwnd_, TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 16));
      } else {
        SendMessageW(hwnd_, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
      }
      break;
    default:
      break;
  }
}

// Some styles only take effect when the control is made (list box selection mode, memo wrapping):
// make it again with its contents.
void Win32Window::Recreate() {
  const Rect bounds = Bounds();
  const bool visible = IsVisible();
  const bool enabled = IsWindowEnabled(hwnd_);
  const std::string text = IsTextControl() ? Text() : std::string();
  Detach(hwnd_);
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc_));
  DestroyWindow(hwnd_);
  hwnd_ = nullptr;
  oldProc_ = nullptr;
  Create();
  SetBounds(bounds);
  if (!visible) ShowWindow(hwnd_, SW_HIDE);
  EnableWindow(hwnd_, enabled);
  if (IsTextControl()) {
    ++silentChange_;
    SetWindowTextW(hwnd_, Wide(text).c_str());
    --silentChange_;
  }
  if (cls_ == WindowClass::ListBox) {
    const auto items = items_;
    SetItems(items);
  }
  if (cls_ == WindowClass::UpDown) SetUpDown(upDown_[0], upDown_[1], upDown_[2]);
}

void Win32Window::FormStyleBits(DWORD& style, DWORD& ex) const {
  style = WS_CLIPCHILDREN;
  ex = 0;
  switch (style_.Border) {
    case BorderStyle::None:
      break;
    case BorderStyle::Single:
      style |= WS_CAPTION;
      break;
    case BorderStyle::Sizeable:
      style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case BorderStyle::Dialog:
      style |= WS_CAPTION;
      ex |= WS_EX_DLGMODALFRAME;
      break;
    case BorderStyle::ToolWindow:
      style |= WS_CAPTION;
      ex |= WS_EX_TOOLWINDOW;
      break;
    case BorderStyle::SizeToolWindow:
      style |= WS_CAPTION | WS_THICKFRAME;
      ex |= WS_EX_TOOLWINDOW;
      break;
  }
  if (style_.Border != BorderStyle::None) {
    if (!style_.Caption) style &= ~WS_DLGFRAME;  // keeps the border line, drops the title bar
    if (style_.Caption && style_.SystemMenu) {
      style |= WS_SYSMENU;
      if (style_.MinimizeBox) style |= WS_MINIMIZEBOX;
      if (style_.MaximizeBox) style |= WS_MAXIMIZEBOX;
    }
  }
  if ((style & WS_CAPTION) != WS_CAPTION) style |= WS_POPUP;
  if (style_.ToolWindowExStyle) ex |= WS_EX_TOOLWINDOW;
  if (style_.AcceptFiles) ex |= WS_EX_ACCEPTFILES;
}

void Win32Window::ApplyFormStyle() {
  DWORD style, ex;
  FormStyleBits(style, ex);
  const LONG_PTR current = GetWindowLongPtrW(hwnd_, GWL_STYLE);
  style |= static_cast<DWORD>(current & (WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE));
  // A menu bar's height depends on its width: only the system can say what the frame is then.
  const bool hold = Holdable(style) && !GetMenu(hwnd_);
  // What was held goes first, under the style it was asked for with.
  if (!hold && (hasHeldBounds_ || frameHeld_)) ApplyPlacement(nullptr, SWP_NOZORDER);
  SetWindowLongPtrW(hwnd_, GWL_STYLE, static_cast<LONG_PTR>(style));
  SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, static_cast<LONG_PTR>(ex));
  frameHeld_ = true;
  if (!hold) ApplyPlacement(nullptr, SWP_NOZORDER);
}

HWND Win32Window::Handle() {
  ApplyMenuBar();
  if (hasHeldBounds_ || frameHeld_) ApplyPlacement(nullptr, SWP_NOZORDER);
  return hwnd_;
}

// Only a hidden pop-up without a sizing border: the system fits the size of any other window
// to its tracking limits, which the toolkit must learn when it asks for the size, not at the show.
bool Win32Window::Holdable(LONG_PTR style) const {
  return cls_ == WindowClass::Form && (style & (WS_VISIBLE | WS_THICKFRAME | WS_POPUP)) == WS_POPUP;
}

// Text controls excepted: they lay their text out for the size they have.
bool Win32Window::WaitsForForm() const {
  return cls_ != WindowClass::Form && !IsTextControl() && formHwnd_ &&
         !(GetWindowLongPtrW(formHwnd_, GWL_STYLE) & WS_VISIBLE);
}

Size Win32Window::StyleExtent() const {
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
  const BOOL menu = cls_ == WindowClass::Form && (menuPending_ || GetMenu(hwnd_));
  RECT r{};
  AdjustWindowRectEx(&r, style, menu, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
  Size extent{r.right - r.left, r.bottom - r.top};
  if (style & WS_VSCROLL) extent.Width += GetSystemMetrics(SM_CXVSCROLL);
  if (style & WS_HSCROLL) extent.Height += GetSystemMetrics(SM_CYHSCROLL);
  return extent;
}

// One call for the held place, the held frame change and whatever the caller adds (showing,
// z-order). Cleared first: the system's move and size reports read the bounds back.
void Win32Window::ApplyPlacement(HWND insertAfter, UINT flags) {
  const Rect b = heldBounds_;
  flags |= SWP_NOACTIVATE;
  if (!hasHeldBounds_) flags |= SWP_NOMOVE | SWP_NOSIZE;
  if (frameHeld_) flags |= SWP_FRAMECHANGED;
  hasHeldBounds_ = false;
  frameHeld_ = false;
  SetWindowPos(hwnd_, insertAfter, b.Left, b.Top, b.Width(), b.Height(), flags);
}

// The setters below skip what would not change: a memo-file switch restyles hundreds of windows,
// and under Wine every native call is a round trip to the server.
void Win32Window::SetStyle(const WindowStyle& style) {
  if (hwnd_ && style == style_) {
    // Asked again, as after a move: only a window that lost the registration takes it again.
    if (style.AcceptFiles && !(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & WS_EX_ACCEPTFILES))
      DragAcceptFiles(hwnd_, TRUE);
    return;
  }
  const WindowStyle old = style_;
  style_ = style;
  if (!hwnd_) return;
  if (cls_ == WindowClass::Form) {
    // Dropped files need no new frame: DragAcceptFiles below is all they take.
    WindowStyle frame = old;
    frame.AcceptFiles = style.AcceptFiles;
    if (!(frame == style)) ApplyFormStyle();
  } else if ((cls_ == WindowClass::UpDown && old.Horizontal != style.Horizontal) ||
             (cls_ == WindowClass::ListBox &&
              (old.MultiSelect != style.MultiSelect || old.OwnerDraw != style.OwnerDraw)) ||
             (cls_ == WindowClass::Memo &&
              (old.WordWrap != style.WordWrap || old.ScrollBars != style.ScrollBars))) {
    Recreate();
  } else {
    if (IsTextControl() && old.ReadOnly != style.ReadOnly)
      SendMessageW(hwnd_, EM_SETREADONLY, style.ReadOnly, 0);
    if (IsRichEdit() && old.WordWrap != style.WordWrap)
      SendMessageW(hwnd_, EM_SETTARGETDEVICE, 0, style.WordWrap ? 0 : 1);
    if (cls_ == WindowClass::Button &&
        (old.DefaultButton != style.DefaultButton || old.Arrow != style.Arrow)) {
      const DWORD type = style.Arrow           ? BS_OWNERDRAW
                         : style.DefaultButton ? BS_DEFPUSHBUTTON
                                               : BS_PUSHBUTTON;
      SendMessageW(hwnd_, BM_SETSTYLE, type, TRUE);
    }
    if (cls_ == WindowClass::Label && old.Transparent != style.Transparent)
      InvalidateRect(hwnd_, nullptr, TRUE);
    if (cls_ == WindowClass::ToolBar && old.Flat != style.Flat) {
      LONG_PTR s = GetWindowLongPtrW(hwnd_, GWL_STYLE);
      s = style.Flat ? (s | TBSTYLE_FLAT) : (s & ~static_cast<LONG_PTR>(TBSTYLE_FLAT));
      SetWindowLongPtrW(hwnd_, GWL_STYLE, s);
      InvalidateRect(hwnd_, nullptr, TRUE);
    }
  }
  if (old.AcceptFiles != style.AcceptFiles) DragAcceptFiles(hwnd_, style.AcceptFiles);
}

void Win32Window::SetBounds(const Rect& b) {
  if (!hwnd_ || Bounds() == b) return;
  const bool waits = WaitsForForm();
  if (waits && !hasHeldBounds_) system_.HoldPlacement(this);
  heldBounds_ = b;
  hasHeldBounds_ = true;
  if (!waits && !Holdable(GetWindowLongPtrW(hwnd_, GWL_STYLE)))
    ApplyPlacement(nullptr, SWP_NOZORDER);
}

Rect Win32Window::Bounds() {
  RECT r{};
  if (!hwnd_) return {};
  if (hasHeldBounds_) return heldBounds_;
  GetWindowRect(hwnd_, &r);
  if (cls_ != WindowClass::Form)
    MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right, r.bottom};
}

Size Win32Window::ClientSize() {
  RECT r{};
  if (!hwnd_) return {};
  if (hasHeldBounds_ || frameHeld_ || menuPending_) {
    const Rect b = Bounds();
    const Size frame = NonClientExtent();
    return {std::max(0, b.Width() - frame.Width), std::max(0, b.Height() - frame.Height)};
  }
  GetClientRect(hwnd_, &r);
  return {r.right, r.bottom};
}

Size Win32Window::NonClientExtent() {
  RECT w{}, c{};
  if (!hwnd_) return {};
  // A window never placed yet has no frame the system could tell.
  if (frameHeld_ || hasHeldBounds_ || menuPending_) return StyleExtent();
  GetWindowRect(hwnd_, &w);
  GetClientRect(hwnd_, &c);
  return {(w.right - w.left) - c.right, (w.bottom - w.top) - c.bottom};
}

void Win32Window::SetVisible(bool visible) {
  if (!hwnd_) return;
  if (visible) ApplyMenuBar();
  if (!visible || !style_.ShowInactive) {
    if (visible && (hasHeldBounds_ || frameHeld_)) ApplyPlacement(nullptr, SWP_NOZORDER);
    ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
    return;
  }
  // On top, as a shown window that took the activation would be; place, frame and show in one
  // call, a third of what moving and showing apart cost under Wine.
  ApplyPlacement(HWND_TOP, SWP_SHOWWINDOW);
}

bool Win32Window::IsVisible() {
  // The window's own flag: a child of a hidden form still counts as shown.
  return hwnd_ && (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE);
}

void Win32Window::SetEnabled(bool enabled) {
  if (hwnd_) EnableWindow(hwnd_, enabled);
}

void Win32Window::FireEdited() {
  events_.OnChange();
  events_.OnSelectionChange();
}

void Win32Window::SetText(const std::string& text) {
  if (!hwnd_) return;
  if (cls_ == WindowClass::StatusBar) {
    SendMessageW(hwnd_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
    return;
  }
  if (!IsTextControl()) {
    SetWindowTextW(hwnd_, Wide(text).c_str());
    return;
  }
  // New text is a fresh start: no undo, not modified, caret at the start. The native controls
  // differ in what they notify for it, so it is reported here, once.
  ++silentChange_;
  SetWindowTextW(hwnd_, Wide(text).c_str());
  SendMessageW(hwnd_, EM_EMPTYUNDOBUFFER, 0, 0);
  SendMessageW(hwnd_, EM_SETMODIFY, FALSE, 0);
  SendMessageW(hwnd_, EM_SETSEL, 0, 0);
  --silentChange_;
  FireEdited();
}

std::wstring Win32Window::RawText() {
  if (!hwnd_) return {};
  if (IsRichEdit()) {
    GETTEXTLENGTHEX lengthEx{GTL_NUMCHARS | GTL_PRECISE, 1200};
    const auto n = SendMessageW(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthEx), 0);
    std::wstring buffer(static_cast<std::size_t>(std::max<LRESULT>(n, 0)) + 1, L'\0');
    GETTEXTEX getEx{};
    getEx.cb = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    getEx.flags = GT_DEFAULT;
    getEx.codepage = 1200;
    const auto got = SendMessageW(hwnd_, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&getEx),
                                  reinterpret_cast<LPARAM>(buffer.data()));
    buffer.resize(static_cast<std::size_t>(std::max<LRESULT>(got, 0)));
    return buffer;
  }
  const int n = GetWindowTextLengthW(hwnd_);
  std::wstring buffer(static_cast<std::size_t>(n) + 1, L'\0');
  const int got = GetWindowTextW(hwnd_, buffer.data(), n + 1);
  buffer.resize(static_cast<std::size_t>(std::max(got, 0)));
  return buffer;
}

std::string Win32Window::Text() {
  if (!hwnd_) return {};
  std::wstring raw = RawText();
  if (IsRichEdit()) {
    // The control ends paragraphs with a bare CR; our texts use CR LF.
    std::wstring crlf;
    crlf.reserve(raw.size() + raw.size() / 16);
    for (std::size_t i = 0; i < raw.size(); ++i) {
      crlf += raw[i];
      if (raw[i] == L'\r' && (i + 1 >= raw.size() || raw[i + 1] != L'\n')) crlf += L'\n';
    }
    raw.swap(crlf);
  }
  return Narrow(raw);
}

// Byte offset into Text() -> character position in the control.
int Win32Window::ByteToChar(int byteOffset) {
  const std::string text = Text();
  std::size_t b =
      static_cast<std::size_t>(std::clamp(byteOffset, 0, static_cast<int>(text.size())));
  if (b < text.size() && IsTrailByteAt(text, b)) --b;  // never inside a double-byte character
  const std::string_view prefix(text.data(), b);
  int chars = static_cast<int>(Cp932ToUtf16(prefix).size());
  if (IsRichEdit()) {
    // CR LF is one character there.
    for (std::size_t i = 0; i + 1 < prefix.size(); ++i) {
      if (prefix[i] == '\r' && prefix[i + 1] == '\n') --chars;
    }
  }
  return chars;
}

int Win32Window::CharToByte(const std::wstring& raw, int charPos) {
  const std::size_t p =
      static_cast<std::size_t>(std::clamp(charPos, 0, static_cast<int>(raw.size())));
  const std::wstring_view prefix(raw.data(), p);
  int bytes = static_cast<int>(Narrow(prefix).size());
  if (IsRichEdit()) bytes += static_cast<int>(std::count(prefix.begin(), prefix.end(), L'\r'));
  return bytes;
}

void Win32Window::SetSelection(int start, int length) {
  if (!hwnd_ || !IsTextControl()) return;
  const int from = ByteToChar(start);
  const int to = ByteToChar(start + std::max(length, 0));
  if (IsRichEdit()) {
    CHARRANGE range{from, to};
    SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  } else {
    SendMessageW(hwnd_, EM_SETSEL, static_cast<WPARAM>(from), to);
  }
}

void Win32Window::GetSelection(int& start, int& length) {
  start = length = 0;
  if (!hwnd_ || !IsTextControl()) return;
  DWORD from = 0, to = 0;
  if (IsRichEdit()) {
    CHARRANGE range{};
    SendMessageW(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    from = static_cast<DWORD>(range.cpMin);
    to = static_cast<DWORD>(range.cpMax);
  } else {
    SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
  }
  const std::wstring raw = RawText();
  start = CharToByte(raw, static_cast<int>(from));
  length = CharToByte(raw, static_cast<int>(to)) - start;
}

void Win32Window::ReplaceSelection(const std::string& text) {
  if (!hwnd_ || !IsTextControl()) return;
  ++silentChange_;
  SendMessageW(hwnd_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Wide(text).c_str()));
  --silentChange_;
  FireEdited();
}

// Through the control's own procedure as a key would arrive: the control edits, and reports the
// change as after typing.
void Win32Window::SendKeyDown(int virtualKey) {
  if (hwnd_) SendMessageW(hwnd_, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1);
}
void Win32Window::SendChar(int code) {
  if (hwnd_) SendMessageW(hwnd_, WM_CHAR, static_cast<WPARAM>(code), 1);
}

bool Win32Window::CanUndo() {
  return hwnd_ && SendMessageW(hwnd_, EM_CANUNDO, 0, 0);
}
void Win32Window::Undo() {
  if (hwnd_) SendMessageW(hwnd_, EM_UNDO, 0, 0);
}
void Win32Window::ClearUndo() {
  if (hwnd_) SendMessageW(hwnd_, EM_EMPTYUNDOBUFFER, 0, 0);
}
void Win32Window::SetModified(bool modified) {
  if (hwnd_) SendMessageW(hwnd_, EM_SETMODIFY, modified, 0);
}
bool Win32Window::Modified() {
  return hwnd_ && SendMessageW(hwnd_, EM_GETMODIFY, 0, 0);
}
void Win32Window::ScrollToCaret() {
  if (hwnd_) SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0);
}
void Win32Window::Cut() {
  if (hwnd_) SendMessageW(hwnd_, WM_CUT, 0, 0);
}
void Win32Window::Copy() {
  if (hwnd_) SendMessageW(hwnd_, WM_COPY, 0, 0);
}
void Win32Window::Paste() {
  if (hwnd_) SendMessageW(hwnd_, WM_PASTE, 0, 0);
}

void Win32Window::SetFont(const FontSpec& font) {
  if (hasFont_ && font == font_) return;
  hasFont_ = true;
  font_ = font;
  if (!hwnd_) return;
  if (!IsCustom())
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(CachedFont(font)), TRUE);
  if (IsRichEdit()) ApplyRichEditColours();
  if (Seen()) InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32Window::ApplyRichEditColours() {
  CHARFORMAT2W format{};
  format.cbSize = sizeof(format);
  format.dwMask = CFM_COLOR;
  format.crTextColor = ToColorRef(hasFont_ ? font_.TextColor : 0);
  SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
  SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  if (hasBackground_) SendMessageW(hwnd_, EM_SETBKGNDCOLOR, 0, ToColorRef(background_));
}

void Win32Window::SetBackground(Color color) {
  if (hasBackground_ && color == background_) return;
  hasBackground_ = true;
  background_ = color;
  if (backgroundBrush_) DeleteObject(backgroundBrush_);
  backgroundBrush_ = CreateSolidBrush(ToColorRef(color));
  if (!hwnd_) return;
  if (IsRichEdit()) ApplyRichEditColours();
  if (Seen()) InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32Window::SetCursor(CursorKind cursor) {
  cursor_ = LoadCursorW(nullptr, CursorId(cursor));
}

namespace {
// The tip of a window: a form's own, a control's through its parent.
TOOLINFOW ToolInfo(HWND hwnd, bool form, std::wstring& text) {
  TOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = form ? hwnd : GetParent(hwnd);
  info.uId = reinterpret_cast<UINT_PTR>(hwnd);
  info.lpszText = text.data();
  return info;
}
}  // namespace

// The tip window is made on the first mouse move over the window (HoverToolTip): most hints are
// never hovered in a run, and under Wine each tip window is a window of the X server.
void Win32Window::SetToolTip(const std::string& text) {
  if (!hwnd_) return;
  std::wstring wide = Wide(text);
  if (wide == toolTipText_) return;
  toolTipText_ = std::move(wide);
  if (!toolTip_) return;
  TOOLINFOW info = ToolInfo(hwnd_, cls_ == WindowClass::Form, toolTipText_);
  if (toolTipText_.empty()) {
    SendMessageW(toolTip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    DestroyWindow(toolTip_);
    toolTip_ = nullptr;
  } else {
    SendMessageW(toolTip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
  }
}

void Win32Window::HoverToolTip(WPARAM wParam, LPARAM lParam) {
  if (toolTip_ || toolTipText_.empty()) return;
  toolTip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                             system_.System().Instance(), nullptr);
  TOOLINFOW info = ToolInfo(hwnd_, cls_ == WindowClass::Form, toolTipText_);
  SendMessageW(toolTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  // The tip sees the moves that follow through its subclass; this one it is told of.
  MSG move{};
  move.hwnd = hwnd_;
  move.message = WM_MOUSEMOVE;
  move.wParam = wParam;
  move.lParam = lParam;
  SendMessageW(toolTip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
}

void Win32Window::SetTopmost(bool topmost) {
  if (hwnd_ && ((GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) == topmost) return;
  if (hwnd_)
    SetWindowPos(hwnd_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Window::BringToFront() {
  if (hwnd_) SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Window::SetForeground() {
  if (hwnd_) SetForegroundWindow(GetAncestor(hwnd_, GA_ROOT));
}

void Win32Window::SetFocus() {
  if (hwnd_) ::SetFocus(hwnd_);
}

bool Win32Window::HasFocus() {
  return hwnd_ && GetFocus() == hwnd_;
}

// A window out of sight is painted whole when it comes into sight: marking it is a round trip
// for nothing, hundreds of times over while memos load hidden.
bool Win32Window::Seen() const {
  return hwnd_ && IsWindowVisible(hwnd_);
}

void Win32Window::Invalidate() {
  if (!Seen()) return;
  if (IsCustom()) {
    // See-through children draw this window's painting behind them: they repaint with it.
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
  } else {
    InvalidateRect(hwnd_, nullptr, TRUE);
  }
}

void Win32Window::SetMouseCapture(bool capture) {
  heldByToolkit_ = capture;
  if (!hwnd_) return;
  if (capture) {
    SetCapture(hwnd_);
  } else if (GetCapture() == hwnd_) {
    ReleaseCapture();
  }
}

namespace {

// Menus with the same items in the same places: only captions and marks may differ.
bool SameMenuShape(const std::vector<MenuItemSpec>& a, const std::vector<MenuItemSpec>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].Visible != b[i].Visible || a[i].Id != b[i].Id ||
        (a[i].Caption == "-") != (b[i].Caption == "-") ||
        a[i].Children.empty() != b[i].Children.empty() ||
        !SameMenuShape(a[i].Children, b[i].Children))
      return false;
  }
  return true;
}

// Brings the items of a menu of the same shape up to date; true when a caption of this level
// changed (the menu bar must then be drawn again).
bool UpdateMenu(HMENU menu, const std::vector<MenuItemSpec>& old,
                const std::vector<MenuItemSpec>& now) {
  bool captionChanged = false;
  UINT position = 0;
  for (std::size_t i = 0; i < now.size(); ++i) {
    const MenuItemSpec& o = old[i];
    const MenuItemSpec& n = now[i];
    if (!n.Visible) continue;
    const UINT at = position++;
    if (n.Caption == "-") continue;
    if (!n.Children.empty()) {
      if (HMENU sub = GetSubMenu(menu, static_cast<int>(at)))
        UpdateMenu(sub, o.Children, n.Children);
    }
    if (o.Caption == n.Caption && o.ShortCutText == n.ShortCutText && o.Checked == n.Checked &&
        o.RadioItem == n.RadioItem && o.Enabled == n.Enabled && o.Default == n.Default)
      continue;
    std::wstring caption = Wide(n.Caption);
    if (!n.ShortCutText.empty()) caption += L"\t" + Wide(n.ShortCutText);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_STATE;
    info.fType = n.RadioItem ? MFT_RADIOCHECK : MFT_STRING;
    info.dwTypeData = caption.data();
    info.fState = (n.Checked ? MFS_CHECKED : 0) | (n.Enabled ? 0 : MFS_DISABLED) |
                  (n.Default ? MFS_DEFAULT : 0);
    SetMenuItemInfoW(menu, at, TRUE, &info);
    if (o.Caption != n.Caption || o.ShortCutText != n.ShortCutText || o.Enabled != n.Enabled)
      captionChanged = true;
  }
  return captionChanged;
}

}  // namespace

std::string Win32Window::CaptureClient() {
  RECT client{};
  GetClientRect(Handle(), &client);  // with any held size applied
  const int w = client.right, h = client.bottom;
  if (w <= 0 || h <= 0) return {};
  // Copied from the window's own device context rather than asked for with PrintWindow: under
  // Wine PrintWindow only sends WM_PRINT, whose default handling leaves the children out, and our
  // own windows paint in WM_PAINT, so only backgrounds would come. The copy reads what the
  // window's surface holds: pending paints of the window and its children are done first. Under
  // Wine, parts covered by other windows are not painted there; a hidden window has nothing.
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  // Not clipped to exclude the children: their pixels are part of the picture.
  HDC windowDc = GetDCEx(hwnd_, nullptr, DCX_CACHE);
  std::string file = CopyToBmpFile(windowDc, {0, 0, w, h});
  ReleaseDC(hwnd_, windowDc);
  return file;
}

// The toolkit pushes the whole menu after every change of one item (a check mark, a caption):
// a menu of the same shape is updated in place instead of made again.
void Win32Window::SetMenuBar(const std::vector<MenuItemSpec>* items) {
  if (!hwnd_ || cls_ != WindowClass::Form) return;
  HMENU old = GetMenu(hwnd_);
  // A hidden form's first menu bar waits for the show: the form's build changes it many times,
  // and a window that starts in the tray may never be shown.
  if (items && !old && !IsVisible()) {
    hasMenuBar_ = true;
    menuBar_ = *items;
    menuPending_ = true;
    return;
  }
  menuPending_ = false;
  if (items && old && hasMenuBar_ && SameMenuShape(menuBar_, *items)) {
    if (UpdateMenu(old, menuBar_, *items)) DrawMenuBar(hwnd_);
    menuBar_ = *items;
    return;
  }
  hasMenuBar_ = items != nullptr;
  menuBar_ = items ? *items : std::vector<MenuItemSpec>{};
  SetMenu(hwnd_, items ? BuildMenu(*items, false) : nullptr);
  if (old) DestroyMenu(old);
  DrawMenuBar(hwnd_);
}

void Win32Window::ApplyMenuBar() {
  if (!menuPending_) return;
  menuPending_ = false;
  SetMenu(hwnd_, BuildMenu(menuBar_, false));
}

// --- list boxes and check boxes ---

void Win32Window::SetItems(const std::vector<std::string>& items) {
  if (cls_ == WindowClass::TabControl) return SetTabs(items);
  if (cls_ != WindowClass::ListBox) return;
  items_ = items;
  if (!hwnd_) return;
  SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0);
  for (const auto& item : items)
    SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
  SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

int Win32Window::ItemAtPoint(Point client) {
  if (!hwnd_ || cls_ != WindowClass::ListBox) return -1;
  RECT r{};
  GetClientRect(hwnd_, &r);
  if (client.X < 0 || client.Y < 0 || client.X >= r.right || client.Y >= r.bottom) return -1;
  const LRESULT hit = SendMessageW(hwnd_, LB_ITEMFROMPOINT, 0, MAKELPARAM(client.X, client.Y));
  return HIWORD(hit) ? -1 : static_cast<int>(LOWORD(hit));
}

void Win32Window::SetItemSelected(int index, bool selected) {
  if (!hwnd_) return;
  if (cls_ == WindowClass::ListBox) {
    if (style_.MultiSelect) {
      SendMessageW(hwnd_, LB_SETSEL, selected, index);
    } else {
      SendMessageW(hwnd_, LB_SETCURSEL,
                   selected ? static_cast<WPARAM>(index) : static_cast<WPARAM>(-1), 0);
    }
  }
}

bool Win32Window::ItemSelected(int index) {
  if (!hwnd_) return false;
  if (cls_ == WindowClass::CheckBox) return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
  if (cls_ == WindowClass::ListBox)
    return SendMessageW(hwnd_, LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
  return false;
}

void Win32Window::SetTabs(const std::vector<std::string>& captions) {
  if (!hwnd_) return;
  SendMessageW(hwnd_, TCM_DELETEALLITEMS, 0, 0);
  for (std::size_t i = 0; i < captions.size(); ++i) {
    std::wstring text = Wide(captions[i]);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(hwnd_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
}

void Win32Window::SetUpDown(int min, int max, int position) {
  upDown_[0] = min;
  upDown_[1] = max;
  upDown_[2] = position;
  if (!hwnd_ || cls_ != WindowClass::UpDown) return;
  SendMessageW(hwnd_, UDM_SETRANGE32, static_cast<WPARAM>(min), static_cast<LPARAM>(max));
  SendMessageW(hwnd_, UDM_SETPOS32, 0, static_cast<LPARAM>(position));
}

int Win32Window::ItemIndex() {
  if (hwnd_ && cls_ == WindowClass::TabControl)
    return static_cast<int>(SendMessageW(hwnd_, TCM_GETCURSEL, 0, 0));
  if (!hwnd_ || cls_ != WindowClass::ListBox) return -1;
  if (style_.MultiSelect) {
    if (SendMessageW(hwnd_, LB_GETCOUNT, 0, 0) <= 0) return -1;
    return static_cast<int>(SendMessageW(hwnd_, LB_GETCARETINDEX, 0, 0));
  }
  return static_cast<int>(SendMessageW(hwnd_, LB_GETCURSEL, 0, 0));
}

void Win32Window::SetItemIndex(int index) {
  if (hwnd_ && cls_ == WindowClass::TabControl) {
    SendMessageW(hwnd_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    return;
  }
  if (!hwnd_ || cls_ != WindowClass::ListBox) return;
  if (style_.MultiSelect) {
    SendMessageW(hwnd_, LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
  } else {
    SendMessageW(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
}

void Win32Window::SetChecked(bool checked) {
  if (hwnd_ && (cls_ == WindowClass::CheckBox || cls_ == WindowClass::RadioButton))
    SendMessageW(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// --- status bars, tool bars, date pickers ---

void Win32Window::SetPanels(const std::vector<int>& widths) {
  if (!hwnd_ || cls_ != WindowClass::StatusBar) return;
  std::vector<int> edges;
  int right = 0;
  for (int w : widths) {
    if (w < 0) {
      edges.push_back(-1);
      break;
    }
    right += w;
    edges.push_back(right);
  }
  if (edges.empty()) edges.push_back(-1);
  SendMessageW(hwnd_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void Win32Window::SetPanelText(int index, const std::string& text) {
  if (!hwnd_ || cls_ != WindowClass::StatusBar) return;
  SendMessageW(hwnd_, SB_SETTEXTW, static_cast<WPARAM>(index & 0xFF),
               reinterpret_cast<LPARAM>(Wide(text).c_str()));
}

namespace {

// Buttons of the same kind; caption, state (down, enabled) and hint aside.
bool SameShape(const ToolButtonSpec& a, const ToolButtonSpec& b) {
  return a.Separator == b.Separator && a.Check == b.Check && a.DropDown == b.DropDown &&
         a.ImageIndex == b.ImageIndex && a.Width == b.Width;
}

BYTE ButtonState(const ToolButtonSpec& b) {
  return static_cast<BYTE>((b.Enabled ? TBSTATE_ENABLED : 0) | (b.Down ? TBSTATE_CHECKED : 0));
}

}  // namespace

// Only what changed goes to the control: every insertion or removal makes it measure and lay out
// all its buttons again, and the toolkit pushes the whole list after each change of one button.
void Win32Window::SetButtons(const std::vector<ToolButtonSpec>& buttons) {
  if (!hwnd_ || cls_ != WindowClass::ToolBar) return;
  std::size_t kept = 0;
  while (kept < buttons.size() && kept < buttons_.size() &&
         SameShape(buttons[kept], buttons_[kept]))
    ++kept;
  for (auto n = static_cast<std::size_t>(SendMessageW(hwnd_, TB_BUTTONCOUNT, 0, 0)); n > kept; --n)
    SendMessageW(hwnd_, TB_DELETEBUTTON, n - 1, 0);
  for (std::size_t i = 0; i < kept; ++i) {
    if (buttons[i].Caption != buttons_[i].Caption && !buttons[i].Separator &&
        buttons[i].ImageIndex < 0) {
      std::wstring text = Wide(buttons[i].Caption);
      TBBUTTONINFOW info{};
      info.cbSize = sizeof(info);
      info.dwMask = TBIF_TEXT;
      info.pszText = text.data();
      SendMessageW(hwnd_, TB_SETBUTTONINFOW, kToolButtonBase + static_cast<int>(i),
                   reinterpret_cast<LPARAM>(&info));
    }
    if (ButtonState(buttons[i]) != ButtonState(buttons_[i]))
      SendMessageW(hwnd_, TB_SETSTATE, kToolButtonBase + static_cast<int>(i),
                   MAKELPARAM(ButtonState(buttons[i]), 0));
  }
  buttons_ = buttons;
  buttonTexts_.clear();
  buttonHints_.clear();
  for (const auto& b : buttons) {
    buttonTexts_.push_back(Wide(b.Caption));
    buttonHints_.push_back(Wide(b.Hint));
  }
  if (kept == buttons.size()) return;
  std::vector<TBBUTTON> native(buttons.size() - kept);
  for (std::size_t i = kept; i < buttons.size(); ++i) {
    const auto& b = buttons[i];
    TBBUTTON& t = native[i - kept];
    t.idCommand = kToolButtonBase + static_cast<int>(i);
    if (b.Separator) {
      t.fsStyle = BTNS_SEP;
      t.iBitmap = 6;
      continue;
    }
    t.fsStyle = static_cast<BYTE>((b.Width > 0 ? 0 : BTNS_AUTOSIZE) | (b.Check ? BTNS_CHECK : 0) |
                                  (b.DropDown ? BTNS_DROPDOWN : 0));
    t.fsState = ButtonState(b);
    // With a picture the caption stays out (it is the hint): captions overflow the window.
    const bool picture = b.ImageIndex >= 0 && SendMessageW(hwnd_, TB_GETIMAGELIST, 0, 0) != 0;
    t.iBitmap = picture ? b.ImageIndex : I_IMAGENONE;
    if (!picture) {
      t.fsStyle |= BTNS_SHOWTEXT;
      t.iString = reinterpret_cast<INT_PTR>(buttonTexts_[i].c_str());
    }
  }
  SendMessageW(hwnd_, TB_ADDBUTTONSW, native.size(), reinterpret_cast<LPARAM>(native.data()));
  // Fixed widths, as the toolkit lays the buttons out.
  for (std::size_t i = kept; i < buttons.size(); ++i) {
    if (buttons[i].Width <= 0 || buttons[i].Separator) continue;
    TBBUTTONINFOW info{};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_SIZE;
    info.cx = static_cast<WORD>(buttons[i].Width);
    SendMessageW(hwnd_, TB_SETBUTTONINFOW, kToolButtonBase + static_cast<int>(i),
                 reinterpret_cast<LPARAM>(&info));
  }
}

HWND Win32Window::ToolTipWindow() const {
  if (!hwnd_ || cls_ != WindowClass::ToolBar) return nullptr;
  return reinterpret_cast<HWND>(SendMessageW(hwnd_, TB_GETTOOLTIPS, 0, 0));
}

const std::wstring* Win32Window::HintFor(int commandId) const {
  const int index = commandId - kToolButtonBase;
  if (index < 0 || index >= static_cast<int>(buttonHints_.size())) return nullptr;
  return &buttonHints_[static_cast<std::size_t>(index)];
}

void Win32Window::SetDate(DateTime date) {
  if (!hwnd_ || cls_ != WindowClass::DatePicker) return;
  SYSTEMTIME t = ToSystemTime(date);
  SendMessageW(hwnd_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&t));
}

DateTime Win32Window::Date() {
  if (!hwnd_ || cls_ != WindowClass::DatePicker) return {};
  SYSTEMTIME t{};
  if (SendMessageW(hwnd_, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t)) != GDT_VALID)
    return {};
  return EncodeDateTime(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
}

// --- messages ---

LRESULT Win32Window::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  return oldProc_ ? CallWindowProcW(oldProc_, hwnd_, msg, wParam, lParam)
                  : DefWindowProcW(hwnd_, msg, wParam, lParam);
}

LRESULT Win32Window::Route(Win32Window* self, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCDESTROY) {
    Detach(hwnd);
    const WNDPROC old = self->oldProc_;
    self->hwnd_ = nullptr;
    self->oldProc_ = nullptr;
    return old ? CallWindowProcW(old, hwnd, msg, wParam, lParam)
               : DefWindowProcW(hwnd, msg, wParam, lParam);
  }
  // A handler may destroy this peer (and its window); nothing after it touches self.
  Win32System& system = self->system_.System();
  const WNDPROC old = self->oldProc_;
  LRESULT result = 0;
  try {
    if (self->Handle(msg, wParam, lParam, result)) return result;
  } catch (const std::exception& e) {
    // Errors never cross the system's frames; they are reported here and the window goes on.
    system.ShowError(e.what());
    return 0;
  }
  if (FromHandle(hwnd) != self) return 0;  // gone, or recreated under a new handle
  return old ? CallWindowProcW(old, hwnd, msg, wParam, lParam)
             : DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK Win32Window::CustomProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* self =
        static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    Attach(hwnd, self);
  }
  Win32Window* self = FromHandle(hwnd);
  if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
  return Route(self, hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK Win32Window::ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Win32Window* self = FromHandle(hwnd);
  if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
  return Route(self, hwnd, msg, wParam, lParam);
}

void Win32Window::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT client{};
  GetClientRect(hwnd_, &client);
  const int w = std::max<int>(client.right, 1), h = std::max<int>(client.bottom, 1);
  // Drawn off-screen and copied in one go, so repainting memos and the calendar never flickers.
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, w, h);
  HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
  POINT origin{0, 0};
  ClientToScreen(hwnd_, &origin);
  Win32Canvas canvas(memory, {w, h}, {origin.x, origin.y});
  canvas.FillRect({0, 0, w, h}, PaintedBackground());
  std::exception_ptr error;
  try {
    events_.OnPaint(canvas);
  } catch (...) {
    error = std::current_exception();
  }
  BitBlt(dc, 0, 0, w, h, memory, 0, 0, SRCCOPY);
  SelectObject(memory, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
  EndPaint(hwnd_, &ps);
  if (error) std::rethrow_exception(error);
}

void Win32Window::PaintBehind(HWND child, HDC dc) {
  RECT client{};
  GetClientRect(hwnd_, &client);
  POINT at{0, 0};
  MapWindowPoints(child, hwnd_, &at, 1);
  POINT screen{0, 0};
  ClientToScreen(child, &screen);
  POINT old;
  SetViewportOrgEx(dc, -at.x, -at.y, &old);
  // The canvas's screen origin is the child's: the wallpaper is laid out from the DC's corner.
  Win32Canvas canvas(dc, {client.right, client.bottom}, {screen.x, screen.y});
  canvas.FillRect({0, 0, client.right, client.bottom}, PaintedBackground());
  try {
    events_.OnPaint(canvas);
  } catch (...) {
    // The window's own paint reports it; a label's background is no place to stop.
  }
  SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

void Win32Window::DrawArrowButton(const DRAWITEMSTRUCT& item, int arrow) {
  RECT r = item.rcItem;
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  DrawFrameControl(item.hDC, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  // A triangle as wide as the face allows, centred; pressed, it moves down and right by one.
  const int w = r.right - r.left, h = r.bottom - r.top;
  const int half = std::max(1, std::min((w - 4) / 2, h - 4));
  const int cx = r.left + w / 2 + (pushed ? 1 : 0);
  const int cy = r.top + h / 2 + (pushed ? 1 : 0);
  const int tip = arrow == 1 ? cy - half / 2 : cy + half / 2;
  const int base = arrow == 1 ? tip + half : tip - half;
  const POINT points[3] = {{cx, tip}, {cx - half, base}, {cx + half, base}};
  HBRUSH brush = CreateSolidBrush(GetSysColor(COLOR_BTNTEXT));
  HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNTEXT));
  HGDIOBJ oldBrush = SelectObject(item.hDC, brush);
  HGDIOBJ oldPen = SelectObject(item.hDC, pen);
  Polygon(item.hDC, points, 3);
  SelectObject(item.hDC, oldBrush);
  SelectObject(item.hDC, oldPen);
  DeleteObject(brush);
  DeleteObject(pen);
}

// The item's drawing stays inside its rectangle.
void Win32Window::DrawItem(const DRAWITEMSTRUCT& item) {
  RECT client{};
  GetClientRect(hwnd_, &client);
  const int saved = SaveDC(item.hDC);
  IntersectClipRect(item.hDC, item.rcItem.left, item.rcItem.top, item.rcItem.right,
                    item.rcItem.bottom);
  POINT origin{0, 0};
  ClientToScreen(hwnd_, &origin);
  Win32Canvas canvas(item.hDC, {client.right, client.bottom}, {origin.x, origin.y});
  const Rect r{item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
  events_.OnDrawItem(static_cast<int>(item.itemID), canvas, r,
                     (item.itemState & ODS_SELECTED) != 0);
  RestoreDC(item.hDC, saved);
}

void Win32Window::HandleCommandFromChild(int code, int id) {
  switch (cls_) {
    case WindowClass::Button:
    case WindowClass::CheckBox:
    case WindowClass::RadioButton:
      if (code == BN_CLICKED) events_.OnClick(0);
      break;
    case WindowClass::Label:
      if (code == STN_CLICKED) events_.OnClick(0);
      break;
    case WindowClass::Edit:
    case WindowClass::Memo:
    case WindowClass::RichEdit:
      if (code == EN_CHANGE && silentChange_ == 0) events_.OnChange();
      break;
    case WindowClass::ListBox:
      if (code == LBN_SELCHANGE) {
        events_.OnSelectionChange();
        events_.OnClick(ItemIndex());
      } else if (code == LBN_DBLCLK) {
        events_.OnDblClick();
      }
      break;
    case WindowClass::ToolBar:
      if (code == BN_CLICKED && id >= kToolButtonBase) events_.OnClick(id - kToolButtonBase);
      break;
    default:
      break;
  }
}

bool Win32Window::HandleNotifyFromChild(NMHDR* header, LRESULT& result) {
  switch (cls_) {
    case WindowClass::RichEdit:
      if (header->code == EN_SELCHANGE && silentChange_ == 0) events_.OnSelectionChange();
      return false;
    case WindowClass::ToolBar:
      if (header->code == TBN_DROPDOWN) {
        const auto* tb = reinterpret_cast<NMTOOLBARW*>(header);
        events_.OnClick(-(tb->iItem - kToolButtonBase + 1));
        result = TBDDRET_DEFAULT;
        return true;
      }
      return false;
    case WindowClass::DatePicker:
      if (header->code == DTN_DATETIMECHANGE) events_.OnDateChange();
      if (header->code == DTN_CLOSEUP) events_.OnDateCloseUp();
      return false;
    case WindowClass::TabControl:
      if (header->code == TCN_SELCHANGE) events_.OnSelectionChange();
      return false;
    case WindowClass::UpDown:
      if (header->code == UDN_DELTAPOS) {
        // The toolkit moves the position itself; the control's own step is refused.
        const auto* change = reinterpret_cast<NMUPDOWN*>(header);
        if (change->iDelta != 0) events_.OnClick(change->iDelta > 0 ? 0 : 1);
        result = 1;
        return true;
      }
      return false;
    default:
      return false;
  }
}

bool Win32Window::Handle(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND:
      if (lParam != 0) {
        // Notifications of a child control come to its parent: hand them to the child's peer.
        if (Win32Window* child = FromHandle(reinterpret_cast<HWND>(lParam));
            child && child != this) {
          child->HandleCommandFromChild(HIWORD(wParam), LOWORD(wParam));
          result = 0;
          return true;
        }
        return false;
      }
      if (HIWORD(wParam) == 0 && IsCustom()) {
        events_.OnMenuCommand(LOWORD(wParam));
        result = 0;
        return true;
      }
      return false;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header->code == TTN_GETDISPINFOW) {
        if (Win32Window* bar = system_.ToolBarOfToolTip(header->hwndFrom)) {
          auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
          if (const std::wstring* hint = bar->HintFor(static_cast<int>(header->idFrom))) {
            info->lpszText = const_cast<wchar_t*>(hint->c_str());
          }
          result = 0;
          return true;
        }
      }
      if (Win32Window* child = FromHandle(header->hwndFrom); child && child != this) {
        result = 0;
        return child->HandleNotifyFromChild(header, result);
      }
      return false;
    }
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      Win32Window* child = item->CtlType == ODT_LISTBOX
                               ? FromHandle(GetDlgItem(hwnd_, static_cast<int>(item->CtlID)))
                               : nullptr;
      if (!child || child->cls_ != WindowClass::ListBox) return false;
      if (item->itemID < child->itemHeights_.size())
        item->itemHeight = static_cast<UINT>(child->itemHeights_[item->itemID]);
      result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      Win32Window* child = FromHandle(item->hwndItem);
      if (item->CtlType == ODT_LISTBOX && child && child->cls_ == WindowClass::ListBox) {
        if (item->itemID != static_cast<UINT>(-1)) child->DrawItem(*item);
        result = TRUE;
        return true;
      }
      if (item->CtlType != ODT_BUTTON || !child || !child->style_.Arrow) return false;
      DrawArrowButton(*item, child->style_.Arrow);
      result = TRUE;
      return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: {
      Win32Window* child = FromHandle(reinterpret_cast<HWND>(lParam));
      if (msg == WM_CTLCOLORSTATIC && child && child->style_.Transparent && IsCustom()) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        PaintBehind(child->hwnd_, dc);
        SetBkMode(dc, TRANSPARENT);
        if (child->hasFont_) SetTextColor(dc, ToColorRef(child->font_.TextColor));
        result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        return true;
      }
      if (!child || (!child->hasBackground_ && !child->hasFont_)) return false;
      HDC dc = reinterpret_cast<HDC>(wParam);
      if (child->hasFont_) SetTextColor(dc, ToColorRef(child->font_.TextColor));
      if (!child->hasBackground_) {
        result = DefaultProc(msg, wParam, lParam);
        return true;
      }
      SetBkColor(dc, ToColorRef(child->background_));
      result = reinterpret_cast<LRESULT>(child->backgroundBrush_);
      return true;
    }
    case WM_PAINT:
      if (!IsCustom()) return false;
      Paint();
      result = 0;
      return true;
    case WM_ERASEBKGND: {
      if (cls_ == WindowClass::GroupBox) {
        // The frame control draws only its line and caption; what showed there before would
        // stay inside it.
        RECT client{};
        GetClientRect(hwnd_, &client);
        HBRUSH brush = CreateSolidBrush(ToColorRef(PaintedBackground()));
        ::FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
        DeleteObject(brush);
        result = 1;
        return true;
      }
      if (!IsCustom()) return false;
      // Our own WM_PAINT fills everything; but tool bars and other see-through children ask
      // their parent to erase under them with their own device context.
      HDC dc = reinterpret_cast<HDC>(wParam);
      if (WindowFromDC(dc) != hwnd_) {
        RECT clip{};
        GetClipBox(dc, &clip);
        HBRUSH brush = CreateSolidBrush(ToColorRef(PaintedBackground()));
        ::FillRect(dc, &clip, brush);
        DeleteObject(brush);
      }
      result = 1;
      return true;
    }
    case WM_NCPAINT:
      // A frameless form has nothing outside its client. Under Wine the default handler also
      // tells the desktop, which lays out its whole task bar again: once per memo shown.
      if (cls_ == WindowClass::Form && !HasFrame()) {
        result = 0;
        return true;
      }
      return false;
    case WM_SETCURSOR:
      if (cursor_ && reinterpret_cast<HWND>(wParam) == hwnd_ && LOWORD(lParam) == HTCLIENT) {
        ::SetCursor(cursor_);
        result = TRUE;
        return true;
      }
      return false;
    case WM_NCHITTEST: {
      const int answer = events_.OnHitTest({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      if (answer == HtDefault) return false;
      result = answer;
      return true;
    }
    case WM_WINDOWPOSCHANGING:
      // The controls first, so that the form comes up with them in place.
      if (cls_ == WindowClass::Form &&
          (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW))
        system_.PlaceHeldControls(hwnd_);
      return false;
    case WM_MOVE:
      events_.OnMoved(Bounds());
      return false;
    case WM_SIZE:
      events_.OnResized(Bounds());
      return false;
    case WM_ACTIVATE:
      events_.OnActivate(LOWORD(wParam) != WA_INACTIVE);
      return false;
    case WM_SHOWWINDOW:
      // lParam 0: ShowWindow itself, not an owner being minimised or restored.
      if (lParam == 0) events_.OnShowChanged(wParam != 0);
      return false;
    case WM_CLOSE:
      // The toolkit decides whether closing hides or destroys; the native window stays.
      if (events_.OnCloseQuery()) events_.OnClose();
      result = 0;
      return true;
    case WM_QUERYENDSESSION:
      if (cls_ != WindowClass::Form) return false;
      result = events_.OnQueryEndSession() ? TRUE : FALSE;
      return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      events_.OnMouseDown(ButtonOf(msg), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)},
                          MouseShift(wParam));
      return false;
    case WM_NCLBUTTONUP:
    case WM_EXITSIZEMOVE:
      // The system's move loop swallows the button-up that ends a drag; its end stands for it.
      events_.OnNcLeftButtonUp();
      return false;
    case WM_NCLBUTTONDBLCLK:
      // Top-level windows that answer "caption" to be dragged get their double clicks here;
      // a child's scroll bars are no place for one.
      if (!(GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_CHILD)) events_.OnDblClick();
      return false;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      if (msg == WM_LBUTTONDBLCLK && cls_ != WindowClass::ListBox) events_.OnDblClick();
      events_.OnMouseDown(ButtonOf(msg), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)},
                          MouseShift(wParam));
      return false;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      events_.OnMouseUp(ButtonOf(msg), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)},
                        MouseShift(wParam));
      return false;
    case WM_MOUSEMOVE:
      HoverToolTip(wParam, lParam);
      events_.OnMouseMove({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, MouseShift(wParam));
      // While the toolkit holds the mouse (a drag), the list does not track a selection.
      if (heldByToolkit_ && cls_ == WindowClass::ListBox) {
        result = 0;
        return true;
      }
      return false;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd_) heldByToolkit_ = false;
      return false;
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) != hwnd_) return false;
      events_.OnContextMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      result = 0;
      return true;
    case WM_DRAWCLIPBOARD:
    case WM_CHANGECBCHAIN:
      result = 0;
      return system_.System().NativeClipboard().DispatchViewerMessage(hwnd_, msg, wParam, lParam);
    case WM_DROPFILES: {
      auto drop = reinterpret_cast<HDROP>(wParam);
      std::vector<std::string> paths;
      POINT at{};
      try {
        const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
          const UINT n = DragQueryFileW(drop, i, nullptr, 0);
          std::wstring path(n + 1, L'\0');
          DragQueryFileW(drop, i, path.data(), n + 1);
          path.resize(n);
          paths.push_back(Narrow(path));
        }
        DragQueryPoint(drop, &at);
      } catch (...) {
        DragFinish(drop);
        throw;
      }
      DragFinish(drop);  // released before the handler runs: it may show dialogs for a while
      events_.OnDropFiles(paths, {at.x, at.y});
      result = 0;
      return true;
    }
    default:
      return false;
  }
}

}  // namespace quillpad::platform::win32
