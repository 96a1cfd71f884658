#include "ui/hot_key.h"

#include "platform/window.h"

namespace quillpad::ui {

HotKey::HotKey(Component* owner, Control* parent) : Edit(owner, parent) {
  SetReadOnly(true);
}

void HotKey::SetValue(ShortCut value) {
  value_ = value;
  SetText(ShortCutToText(value));
}

bool HotKey::TakeKey(int key, unsigned shift) {
  // Tab and Esc keep moving the focus and closing the dialog.
  if (shift == 0 && (key == VkTab || key == VkEscape || key == VkReturn)) return false;
  if (key == VkShift || key == VkControl || key == VkMenu) return true;
  if (KeyName(key).empty()) return true;
  if ((shift & (platform::SsShift | platform::SsCtrl | platform::SsAlt)) == 0)
    shift = platform::SsCtrl;
  SetValue(MakeShortCut(key, shift));
  return true;
}

bool HotKey::DoKeyDown(int key, unsigned shift) {
  return TakeKey(key, shift) || Edit::DoKeyDown(key, shift);
}

}  // namespace quillpad::ui
