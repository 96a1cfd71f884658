#include "keys/set_key_on_memo_dlg.h"

namespace quillpad {

TSetKeyOnMemoDlg::TSetKeyOnMemoDlg(ui::Component* owner, KeysHost& host, ui::PopupMenu& memoMenu,
                                   std::function<void()> applyKeys)
    : TKeyAssignDlg(owner, host, true, 8), menu_(memoMenu), applyKeys_(std::move(applyKeys)) {
  Name = "SetKeyOnMemoDlg";
  SetCaption("ショートカットの割り当て（メモ上右クリックメニュー）");
  SetBounds(0, 0, 552, 342);
  ScreenCentre();
  FillMenuList();
  FillRegisteredList();
}

void TSetKeyOnMemoDlg::KeysWritten() {
  if (applyKeys_) applyKeys_();
  Changed = true;
}

}  // namespace quillpad
