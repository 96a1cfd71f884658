// The screen as pictures: what it shows in a rectangle, any program's window rectangle, the
// inverted outline that marks a window being picked and the repaint that removes it, and the
// icons stored in a file.
#pragma once

#include <cstdint>
#include <string>

#include "platform/desktop_windows.h"
#include "platform/types.h"

namespace quillpad::platform {

// ExtractIcon's answer as it comes: 0 no icon, 1 no module, anything else an icon to destroy.
using IconHandle = std::uintptr_t;

class Screen {
 public:
  virtual ~Screen() = default;
  // The desktop window's rectangle.
  virtual Rect DesktopRect() = 0;
  // Whatever the screen shows inside r (the desktop's device context copied into a compatible
  // bitmap) as a BMP file image; empty for an empty rectangle.
  virtual std::string Picture(const Rect& r) = 0;
  // Lets our pending window messages run and gives other programs a moment to paint what our
  // hidden windows uncovered.
  virtual void Settle() = 0;

  virtual Rect WindowRect(WindowHandle window) = 0;
  virtual void UpdateWindow(WindowHandle window) = 0;
  // RedrawWindow with the RDW_ flags given.
  virtual void RedrawWindow(WindowHandle window, unsigned flags) = 0;
  // Inverts the pixels along the window's edge, as wide as the sizing frame (SM_CXFRAME), on its
  // whole-window device context; drawing it again or repainting the window removes it.
  virtual void OutlineWindow(WindowHandle window) = 0;

  // The icon with this index in a file (ExtractIcon on the program's module instance).
  virtual IconHandle ExtractFileIcon(const std::string& file, int index) = 0;
  // A bitmap of the icon's size with the icon drawn at 0,0, as a BMP file image.
  virtual std::string IconPicture(IconHandle icon) = 0;
  virtual void DestroyIcon(IconHandle icon) = 0;
};

}  // namespace quillpad::platform
