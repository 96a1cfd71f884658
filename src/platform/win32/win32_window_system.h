// Creates the window peers and holds what they share: the classes, the rich edit library, the
// key hook of the message loop, pop-up menus and modal loops.
#pragma once

#include <vector>

// clang-format off
#include "platform/win32/wide.h"  // <windows.h> first
#include <commctrl.h>
// clang-format on

#include "platform/window.h"

namespace quillpad::platform::win32 {

class Win32System;
class Win32Window;

class Win32WindowSystem : public WindowSystem {
 public:
  explicit Win32WindowSystem(Win32System& system);
  ~Win32WindowSystem() override;

  std::unique_ptr<Window> CreateWindow(WindowClass cls, Window* parent, WindowEvents& events,
                                       const WindowStyle* style = nullptr) override;
  int TrackPopupMenu(const std::vector<MenuItemSpec>& items, Point screen, Window* owner) override;
  void RunModal(Window& window, const std::function<bool()>& done) override;
  Size TextExtent(std::string_view text, const FontSpec& font) override;
  Window* ForegroundWindow() override;

  Win32System& System() { return system_; }
  // A key press offered to the top-level form of the window it is for; true when eaten.
  bool OfferKey(const MSG& msg);
  int NextControlId() { return nextControlId_++; }
  void Register(Win32Window* window) { live_.push_back(window); }
  void Unregister(Win32Window* window);
  // Controls of hidden forms with a placement waiting for the form's show.
  void HoldPlacement(Win32Window* control);
  void PlaceHeldControls(HWND form);
  // The tool bar whose tool tip window this is, or null.
  Win32Window* ToolBarOfToolTip(HWND toolTip);
  // The program's tool pictures, loaded once for every tool bar; null when it has none.
  HIMAGELIST ToolImages();

 private:
  Win32System& system_;
  HMODULE richEditLibrary_ = nullptr;
  bool toolImagesLoaded_ = false;
  HIMAGELIST toolImages_ = nullptr;
  int nextControlId_ = 100;
  std::vector<Win32Window*> live_;
  std::vector<Win32Window*> held_;
};

}  // namespace quillpad::platform::win32
