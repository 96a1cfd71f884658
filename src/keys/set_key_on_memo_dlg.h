// TSetKeyOnMemoDlg: shortcut keys for a desktop memo's pop-up menu, shown on a temporary memo
// window whose menu stands for all of them. Memos already on the desktop keep their keys until
// they are made again.
#pragma once

#include <functional>

#include "keys/key_assign_dlg.h"
#include "ui/menu_item.h"

namespace quillpad {

class TSetKeyOnMemoDlg : public TKeyAssignDlg {
 public:
  // applyKeys: KeyListOnMemo.ini once more onto the temporary memo's menu.
  TSetKeyOnMemoDlg(ui::Component* owner, KeysHost& host, ui::PopupMenu& memoMenu,
                   std::function<void()> applyKeys);
  bool Changed = false;  // set by every Apply and Delete

 protected:
  const ui::MenuItem* ListedItem() const override { return &menu_.Items(); }
  const ui::MenuItem& RegisteredRoot() const override { return menu_.Items(); }
  void KeysWritten() override;

 private:
  ui::PopupMenu& menu_;
  std::function<void()> applyKeys_;
};

}  // namespace quillpad
