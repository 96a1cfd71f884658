// A hot-key entry field: it shows the key combination last pressed in it as shortcut text
// ("Shift+Ctrl+K"). A key pressed without a modifier gets Ctrl, and modifier keys alone are
// not a key. The text cannot be typed: the field is read-only and takes keys only.
#pragma once

#include "ui/edit_controls.h"
#include "ui/short_cut.h"

namespace quillpad::ui {

class HotKey : public Edit {
 public:
  HotKey(Component* owner, Control* parent);
  ShortCut Value() const { return value_; }
  void SetValue(ShortCut value);
  // A key pressed while the field has the focus; true when the field took it. Forms hand their
  // keys here, since the system gives keys to the form first.
  bool TakeKey(int key, unsigned shift);

 protected:
  bool DoKeyDown(int key, unsigned shift) override;

 private:
  ShortCut value_ = 0;
};

}  // namespace quillpad::ui
