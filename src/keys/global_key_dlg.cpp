#include "keys/global_key_dlg.h"

namespace quillpad {

namespace {
constexpr int kRowHeight = 30;
constexpr int kTop = 34;
// Ctrl+Alt and a letter: what other programs leave free most often.
constexpr ui::ShortCut kSuggested[keys::kGlobalCommandCount] = {
    ui::ScCtrl | ui::ScAlt | 'M', ui::ScCtrl | ui::ScAlt | 'H', ui::ScCtrl | ui::ScAlt | 'N'};
}  // namespace

TGlobalKeyDlg::TGlobalKeyDlg(ui::Component* owner, const keys::GlobalKeys& keys) : ui::Form(owner) {
  Name = "GlobalKeyDlg";
  SetCaption("システム全体のホットキー");
  SetBorderStyle(platform::BorderStyle::Dialog);
  SetBorderIcons(true, false, false);
  SetClientSize(420, kTop + kRowHeight * static_cast<int>(keys.size()) + 48);
  ScreenCentre();
  auto* note = new ui::Label(this, this);
  note->SetCaption("他のプログラムを使用中でも働くキー（チェックした項目のみ）");
  note->SetBounds(8, 10, 404, 14);
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const int top = kTop + kRowHeight * static_cast<int>(i);
    ckUse[i] = new ui::CheckBox(this, this);
    ckUse[i]->Name = std::string("ckUse") + std::to_string(i + 1);
    ckUse[i]->SetCaption(keys::kGlobalCommands[i].Caption);
    ckUse[i]->SetBounds(8, top, 240, 21);
    ckUse[i]->SetChecked(keys[i] != 0);
    hkKey[i] = new ui::HotKey(this, this);
    hkKey[i]->Name = std::string("hkKey") + std::to_string(i + 1);
    hkKey[i]->SetBounds(256, top, 156, 21);
    hkKey[i]->SetValue(keys[i] != 0 ? keys[i] : kSuggested[i]);
  }
  const int buttonsTop = kTop + kRowHeight * static_cast<int>(keys.size()) + 10;
  OKBtn = new ui::Button(this, this);
  OKBtn->Name = "OKBtn";
  OKBtn->SetCaption("OK");
  OKBtn->SetBounds(252, buttonsTop, 76, 25);
  OKBtn->SetDefault(true);
  OKBtn->ModalResult = ui::MrOk;
  CancelBtn = new ui::Button(this, this);
  CancelBtn->Name = "CancelBtn";
  CancelBtn->SetCaption("ｷｬﾝｾﾙ");
  CancelBtn->SetBounds(336, buttonsTop, 76, 25);
  CancelBtn->ModalResult = ui::MrCancel;
  CancelBtn->Cancel = true;
  // The system gives keys to the form first: a hot-key field takes them while it has focus.
  OnKeyDown = [this](int& key, unsigned shift) {
    for (ui::HotKey* field : hkKey) {
      if (field->Focused() && field->TakeKey(key, shift)) key = 0;
    }
  };
}

keys::GlobalKeys TGlobalKeyDlg::Keys() const {
  keys::GlobalKeys result{};
  for (std::size_t i = 0; i < result.size(); ++i) {
    result[i] = ckUse[i]->Checked() ? hkKey[i]->Value() : 0;
  }
  return result;
}

}  // namespace quillpad
