// TGlobalKeyDlg: the system-wide hot keys, one row per command: a check box that turns it on
// and the hot-key field that takes its key. OK hands back what the rows show.
#pragma once

#include "keys/global_keys.h"
#include "ui/form.h"
#include "ui/hot_key.h"
#include "ui/std_controls.h"

namespace quillpad {

class TGlobalKeyDlg : public ui::Form {
 public:
  TGlobalKeyDlg(ui::Component* owner, const keys::GlobalKeys& keys);

  std::array<ui::CheckBox*, keys::kGlobalCommandCount> ckUse;
  std::array<ui::HotKey*, keys::kGlobalCommandCount> hkKey;
  ui::Button* OKBtn;
  ui::Button* CancelBtn;

  // A row that is on without a key counts as off.
  keys::GlobalKeys Keys() const;
};

}  // namespace quillpad
