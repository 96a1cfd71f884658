// The part the two key-assignment dialogs share: the command list, the current key, the new key
// as a hot-key field or as text, the registered list and the four buttons. Each dialog says which
// menu it lists and what happens after a key was written.
#pragma once

#include <vector>

#include "keys/key_list.h"
#include "keys/keys_host.h"
#include "ui/edit_controls.h"
#include "ui/form.h"
#include "ui/hot_key.h"
#include "ui/list_box.h"
#include "ui/std_controls.h"

namespace quillpad {

class TKeyAssignDlg : public ui::Form {
 public:
  ~TKeyAssignDlg() override;

  ui::ListBox* lbMenu;
  ui::Edit* edCurrentKey;
  ui::HotKey* hkNewKey;
  ui::Edit* edNewKey;
  ui::ListBox* lbRegistered;
  ui::Button* OKBtn;
  ui::Button* ApplyBtn;
  ui::Button* DefaultBtn;
  ui::Button* DeleteKeyBtn;
  // The items behind the lbMenu entries.
  std::vector<ui::MenuItem*> MenuItems;

  void FillMenuList();
  void lbMenuClick();
  void FillRegisteredList();
  void ApplyBtnClick();
  void DefaultBtnClick();
  void DeleteKeyBtnClick();

 protected:
  // commandsLeft: where the command list starts (the main-menu dialog puts its top-level list
  // before it).
  TKeyAssignDlg(ui::Component* owner, KeysHost& host, bool onMemo, int commandsLeft);
  // The item whose commands lbMenu lists, and the caption left out of their prefixes.
  virtual const ui::MenuItem* ListedItem() const = 0;
  virtual std::string SkipCaption() const { return {}; }
  virtual const ui::MenuItem& RegisteredRoot() const = 0;
  // After a key was written by Apply or Delete.
  virtual void KeysWritten() = 0;
  // After lbMenu was filled (the main-menu dialog gives its top-level list the focus).
  virtual void MenuListFilled() {}
  ui::Label* AddLabel(const char* caption, int left, int top, int width);
  ui::Button* AddButton(const char* name, const char* caption, int top);
  KeysHost& host_;

 private:
  void WriteSelected(const std::optional<std::string>& text);
  void RefillAfterWrite();
  void MarkNone();
  bool onMemo_;
  std::function<void(bool&)> ownerIdle_;
};

}  // namespace quillpad
