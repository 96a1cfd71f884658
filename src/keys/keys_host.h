// What the key-assignment dialogs need of the main window.
#pragma once

#include <optional>
#include <string>

namespace quillpad {

class KeysHost {
 public:
  virtual ~KeysHost() = default;
  // One key of section "Key" of KeyList.ini (onMemo false) or KeyListOnMemo.ini; nullopt
  // removes it. A failed write raises the error for the general error box.
  virtual void WriteKeyText(bool onMemo, const std::string& name,
                            const std::optional<std::string>& text) = 0;
  // KeyList.ini once more onto the main window's menu items.
  virtual void ApplyKeyList() = 0;
  // The system-wide hot keys: their dialog, then the file and the registration.
  virtual void EditGlobalKeys() = 0;
};

}  // namespace quillpad
