// TSetKeyDlg: shortcut keys for the commands of the main window's main menu, by top-level item.
#pragma once

#include "keys/key_assign_dlg.h"
#include "ui/menu_item.h"

namespace quillpad {

class TSetKeyDlg : public TKeyAssignDlg {
 public:
  TSetKeyDlg(ui::Component* owner, KeysHost& host, ui::MainMenu& menu);

  ui::ListBox* lbTopMenu;
  ui::Button* GlobalKeyBtn;
  std::vector<ui::MenuItem*> TopItems;
  void lbTopMenuClick() { FillMenuList(); }

 protected:
  const ui::MenuItem* ListedItem() const override;
  std::string SkipCaption() const override;
  const ui::MenuItem& RegisteredRoot() const override { return menu_.Items(); }
  void KeysWritten() override { host_.ApplyKeyList(); }
  void MenuListFilled() override;

 private:
  ui::MainMenu& menu_;
};

}  // namespace quillpad
