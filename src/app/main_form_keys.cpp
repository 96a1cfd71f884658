// TMainForm: the user's shortcut keys (KeyList.ini, KeyListOnMemo.ini) and the two dialogs that
// assign them.
#include "app/main_form.h"
#include "base/app_error.h"
#include "keys/global_key_dlg.h"
#include "keys/global_keys.h"
#include "keys/key_list.h"
#include "keys/set_key_dlg.h"
#include "keys/set_key_on_memo_dlg.h"
#include "memo/memo_form.h"
#include "platform/profile.h"

namespace quillpad {

namespace {
keys::GlobalKeys GlobalKeysIn(platform::FileSystem& files, const std::string& path) {
  return keys::ReadGlobalKeys(keys::ReadKeyList(files, path, keys::kGlobalKeySection));
}
}  // namespace

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

void TMainForm::RegisterGlobalKeys() {
  const keys::GlobalKeys chosen = GlobalKeysIn(system_.Files(), ProgramPath(FileNames::kKeyList));
  using Command = void (TMainForm::*)(ui::Component*);
  static constexpr Command kCommands[keys::kGlobalCommandCount] = {
      &TMainForm::ClipNewMemoAtEndClick, &TMainForm::ShowHideAllMemoClick,
      &TMainForm::NewMemoClick};
  std::vector<ui::ShortCut> refused;
  for (std::size_t i = 0; i < chosen.size(); ++i) {
    const int id = static_cast<int>(i) + 1;
    system_.UnregisterHotKey(id);
    if (chosen[i] == 0) continue;
    const Command command = kCommands[i];
    // The system lets the program that owns the key come to the front.
    const bool registered = system_.RegisterHotKey(id, chosen[i], [this, command] {
      (this->*command)(nullptr);
      if (Visible()) SetForeground();
    });
    if (!registered) refused.push_back(chosen[i]);
  }
  if (!refused.empty()) {
    system_.MessageBox(keys::HotKeyFailureText(refused), application_.Title,
                       platform::MbOk | platform::MbIconWarning);
  }
}

void TMainForm::EditGlobalKeys() {
  const std::string path = ProgramPath(FileNames::kKeyList);
  TGlobalKeyDlg dialog(this, GlobalKeysIn(system_.Files(), path));
  if (dialog.ShowModal() != ui::MrOk) return;
  const keys::GlobalKeys chosen = dialog.Keys();
  platform::Profile file(system_.Files(), path);
  for (std::size_t i = 0; i < chosen.size(); ++i) {
    if (!file.WriteString(keys::kGlobalKeySection, keys::kGlobalCommands[i].Name,
                          ui::ShortCutToText(chosen[i]))) {
      throw AppError(WriteFailureText(path));
    }
  }
  RegisterGlobalKeys();
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
