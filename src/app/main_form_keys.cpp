// TMainForm: the user's shortcut keys (KeyList.ini, KeyListOnMemo.ini) and the two dialogs that
// assign them.
#include "app/main_form.h"
#include "base/app_error.h"
#include "keys/key_list.h"
#include "keys/set_key_dlg.h"
#include "keys/set_key_on_memo_dlg.h"
#include "memo/memo_form.h"
#include "platform/profile.h"

namespace quillpad {

void TMainForm::ApplyKeyList() {
  keys::ApplyKeyList(*this, keys::ReadKeyList(system_.Files(), ProgramPath(FileNames::kKeyList)));
}

void TMainForm::WriteKeyText(bool onMemo, const std::string& name,
                             const std::optional<std::string>& text) {
  const std::string path = ProgramPath(onMemo ? FileNames::kKeyListOnMemo : FileNames::kKeyList);
  platform::Profile keys(system_.Files(), path);
  const bool written = text ? keys.WriteString(keys::kKeySection, name, *text)
                            : keys.DeleteKey(keys::kKeySection, name);
  if (onMemo) MemoKeys.reset();  // the next memo reads the file again
  if (!written) throw AppError(WriteFailureText(path));
}

void TMainForm::SetShortCutKeyClick(ui::Component*) {
  if (!Visible()) NewMemoClick(nullptr);
  {
    TSetKeyDlg dialog(this, *this, *MainMenu);
    dialog.ShowModal();
  }
  ApplyKeyList();
}

void TMainForm::SetShortCutKeyOnMemoClick(ui::Component*) {
  TMemoForm* remembered = CurrentMemo;
  // The pattern of every memo menu; it never joins the memo list.
  std::unique_ptr<TMemoForm> pattern(CreateMemo());
  CurrentMemo = pattern.get();
  pattern->Item("MemoEdit");  // builds its menu
  bool changed = false;
  {
    TSetKeyOnMemoDlg dialog(this, *this, *pattern->pmMemo, [&] { pattern->ApplyKeyList(); });
    dialog.ShowModal();
    changed = dialog.Changed;
  }
  CurrentMemo = remembered;
  pattern.reset();
  if (changed) SaveAllMemoClick(nullptr);
}

}  // namespace quillpad
