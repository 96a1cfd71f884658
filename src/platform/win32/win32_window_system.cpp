#include "platform/win32/win32_window_system.h"

#include <algorithm>

#include "platform/win32/wide.h"
#include "platform/win32/win32_canvas.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_tray_icon.h"
#include "platform/win32/win32_window.h"

namespace quillpad::platform::win32 {

namespace {

void RegisterCustomClasses(HINSTANCE instance, WNDPROC proc) {
  HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  if (!icon) icon = LoadIconW(nullptr, IDI_APPLICATION);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = icon;
  wc.lpszClassName = kFormClass;
  RegisterClassExW(&wc);
  wc.hIcon = nullptr;
  wc.lpszClassName = kPanelClass;
  RegisterClassExW(&wc);
}

struct DisableState {
  HWND Keep;
  std::vector<HWND> Disabled;
};

BOOL CALLBACK DisableOthers(HWND hwnd, LPARAM param) {
  auto* state = reinterpret_cast<DisableState*>(param);
  if (hwnd != state->Keep && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
    EnableWindow(hwnd, FALSE);
    state->Disabled.push_back(hwnd);
  }
  return TRUE;
}

}  // namespace

Win32WindowSystem::Win32WindowSystem(Win32System& system) : system_(system) {
  // Msftedit.dll provides the rich edit class of the editor.
  richEditLibrary_ = LoadLibraryW(L"Msftedit.dll");
  RegisterCustomClasses(system.Instance(), &Win32Window::CustomProc);
}

Win32WindowSystem::~Win32WindowSystem() {
  // Peers are owned by the toolkit; the library stays until the process ends so none outlives it.
  // The pictures go with the last tool bar: a tool bar does not destroy the list it was given.
  if (toolImages_) ImageList_Destroy(toolImages_);
}

HIMAGELIST Win32WindowSystem::ToolImages() {
  if (!toolImagesLoaded_) {
    toolImagesLoaded_ = true;
    // Bitmap resource 2, magenta see-through.
    toolImages_ = ImageList_LoadImageW(system_.Instance(), MAKEINTRESOURCEW(2), 16, 0,
                                       RGB(255, 0, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION);
  }
  return toolImages_;
}

std::unique_ptr<Window> Win32WindowSystem::CreateWindow(WindowClass cls, Window* parent,
                                                        WindowEvents& events,
                                                        const WindowStyle* style) {
  return std::make_unique<Win32Window>(*this, cls, static_cast<Win32Window*>(parent), events,
                                       style);
}

void Win32WindowSystem::Unregister(Win32Window* window) {
  std::erase(live_, window);
  std::erase(held_, window);
}

void Win32WindowSystem::HoldPlacement(Win32Window* control) {
  if (std::find(held_.begin(), held_.end(), control) == held_.end()) held_.push_back(control);
}

void Win32WindowSystem::PlaceHeldControls(HWND form) {
  // A placement may lay out other controls of the form, which wait again: until none is left.
  for (;;) {
    std::vector<Win32Window*> due;
    std::erase_if(held_, [&](Win32Window* w) {
      if (w->FormHandle() != form) return false;
      due.push_back(w);
      return true;
    });
    if (due.empty()) return;
    for (Win32Window* w : due) w->Handle();
  }
}

Win32Window* Win32WindowSystem::ToolBarOfToolTip(HWND toolTip) {
  for (Win32Window* w : live_) {
    if (w->Class() == WindowClass::ToolBar && w->ToolTipWindow() == toolTip) return w;
  }
  return nullptr;
}

bool Win32WindowSystem::OfferKey(const MSG& msg) {
  if (!msg.hwnd) return false;
  Win32Window* form = Win32Window::FromHandle(GetAncestor(msg.hwnd, GA_ROOT));
  if (!form || form->Class() != WindowClass::Form) return false;
  return form->Events().OnKeyDown(static_cast<int>(msg.wParam), ShiftState());
}

int Win32WindowSystem::TrackPopupMenu(const std::vector<MenuItemSpec>& items, Point screen,
                                      Window* owner) {
  HWND ownerHwnd = system_.UtilityWindow();
  if (auto* peer = static_cast<Win32Window*>(owner); peer && peer->Handle()) {
    ownerHwnd = GetAncestor(peer->Handle(), GA_ROOT);
  }
  HMENU menu = BuildMenu(items, true);
  // Without this a menu opened from the tray does not close when the user clicks elsewhere.
  SetForegroundWindow(ownerHwnd);
  const BOOL id =
      TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN,
                       screen.X, screen.Y, ownerHwnd, nullptr);
  PostMessageW(ownerHwnd, WM_NULL, 0, 0);
  DestroyMenu(menu);
  return static_cast<int>(id);
}

void Win32WindowSystem::RunModal(Window& window, const std::function<bool()>& done) {
  auto& peer = static_cast<Win32Window&>(window);
  HWND modal = peer.Handle();
  HWND previous = GetActiveWindow();
  DisableState state{modal, {}};
  EnumThreadWindows(GetCurrentThreadId(), DisableOthers, reinterpret_cast<LPARAM>(&state));
  if (modal && !IsWindowVisible(modal)) ShowWindow(modal, SW_SHOW);
  system_.PumpUntil(done);
  // Enable the others before the modal form hides, or activation jumps to another program.
  for (auto it = state.Disabled.rbegin(); it != state.Disabled.rend(); ++it) {
    if (IsWindow(*it)) EnableWindow(*it, TRUE);
  }
  if (previous && IsWindow(previous) && IsWindowVisible(previous)) SetActiveWindow(previous);
}

Size Win32WindowSystem::TextExtent(std::string_view text, const FontSpec& font) {
  HDC dc = GetDC(nullptr);
  const Size size = MeasureText(dc, text, font);
  ReleaseDC(nullptr, dc);
  return size;
}

Window* Win32WindowSystem::ForegroundWindow() {
  HWND foreground = GetForegroundWindow();
  return foreground ? Win32Window::FromHandle(GetAncestor(foreground, GA_ROOT)) : nullptr;
}

}  // namespace quillpad::platform::win32
