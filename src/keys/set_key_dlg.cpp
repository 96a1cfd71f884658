#include "keys/set_key_dlg.h"

namespace quillpad {

TSetKeyDlg::TSetKeyDlg(ui::Component* owner, KeysHost& host, ui::MainMenu& menu)
    : TKeyAssignDlg(owner, host, false, 136), menu_(menu) {
  Name = "SetKeyDlg";
  SetCaption("ショートカットの割り当て");
  SetBounds(0, 0, 550, 353);
  ScreenCentre();
  lbTopMenu = new ui::ListBox(this, this);
  lbTopMenu->Name = "lbTopMenu";
  lbTopMenu->SetBounds(8, 8, 120, 180);
  std::vector<std::string> captions;
  for (ui::MenuItem* item : menu_.Items().Children()) {
    captions.push_back(item->Caption());
    TopItems.push_back(item);
  }
  lbTopMenu->SetItems(std::move(captions));
  lbTopMenu->OnSelectionChange = [this] { lbTopMenuClick(); };
  lbTopMenu->OnKeyDown = [this](int&, unsigned) { lbTopMenuClick(); };
  if (!TopItems.empty()) lbTopMenu->SetItemIndex(0);
  FillMenuList();
  FillRegisteredList();
  GlobalKeyBtn = AddButton("GlobalKeyBtn", "ホットキー(&G)...", 256);
  GlobalKeyBtn->OnClick = [this] { host_.EditGlobalKeys(); };
}

const ui::MenuItem* TSetKeyDlg::ListedItem() const {
  const int index = lbTopMenu ? lbTopMenu->ItemIndex() : -1;
  if (index < 0 || index >= static_cast<int>(TopItems.size())) return nullptr;
  return TopItems[static_cast<std::size_t>(index)];
}

std::string TSetKeyDlg::SkipCaption() const {
  const ui::MenuItem* item = ListedItem();
  return item ? item->Caption() : std::string();
}

void TSetKeyDlg::MenuListFilled() {
  if (lbTopMenu && lbTopMenu->Visible()) lbTopMenu->SetFocus();
}

}  // namespace quillpad
