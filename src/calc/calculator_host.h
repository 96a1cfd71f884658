// What the calculator pad and its two sub-pads need from the window that owns them (the main
// window): the editor they type into, the screen they keep within, and its own place.
#pragma once

#include "platform/types.h"

namespace quillpad {

namespace ui {
class CustomEdit;
}

class CalculatorHost {
 public:
  virtual ~CalculatorHost() = default;
  virtual ui::CustomEdit& PadEditor() = 0;
  // The width and height that no pad may pass.
  virtual platform::Size PadScreenExtent() const = 0;
  virtual platform::Rect HostBounds() const = 0;
  virtual void MoveHost(int left, int top) = 0;
  // The pad was shown (true) or closed (false). A closed pad is only hidden: the owner's idle
  // turn destroys it.
  virtual void CalculatorShown(bool shown) = 0;
};

}  // namespace quillpad
