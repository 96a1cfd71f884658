#include "keys/key_assign_dlg.h"

#include "ui/application.h"

namespace quillpad {

namespace {
constexpr int kRight = 396;  // the column of the key fields and buttons
constexpr const char* kNone = "なし";
}  // namespace

ui::Label* TKeyAssignDlg::AddLabel(const char* caption, int left, int top, int width) {
  auto* label = new ui::Label(this, this);
  label->SetCaption(caption);
  label->SetBounds(left, top, width, 14);
  return label;
}

ui::Button* TKeyAssignDlg::AddButton(const char* name, const char* caption, int top) {
  auto* b = new ui::Button(this, this);
  b->Name = name;
  b->SetCaption(caption);
  b->SetBounds(kRight, top, 140, 25);
  return b;
}

TKeyAssignDlg::TKeyAssignDlg(ui::Component* owner, KeysHost& host, bool onMemo, int commandsLeft)
    : ui::Form(owner), host_(host), onMemo_(onMemo) {
  SetBorderStyle(platform::BorderStyle::Dialog);
  SetBorderIcons(true, false, false);

  lbMenu = new ui::ListBox(this, this);
  lbMenu->Name = "lbMenu";
  lbMenu->SetBounds(commandsLeft, 8, kRight - 8 - commandsLeft, 180);
  lbMenu->OnSelectionChange = [this] { lbMenuClick(); };

  AddLabel("現在の割り当てキー", kRight, 8, 140);
  edCurrentKey = new ui::Edit(this, this);
  edCurrentKey->Name = "edCurrentKey";
  edCurrentKey->SetReadOnly(true);
  edCurrentKey->SetBounds(kRight, 24, 140, 21);
  edCurrentKey->OnChange = [this] { MarkNone(); };
  AddLabel("新規割り当てキー（キー入力 &K）", kRight, 52, 150);
  hkNewKey = new ui::HotKey(this, this);
  hkNewKey->Name = "hkNewKey";
  hkNewKey->SetBounds(kRight, 68, 140, 21);
  hkNewKey->SetValue(ui::ScCtrl | 'A');
  AddLabel("新規割り当てキー（直接入力 &D）", kRight, 96, 150);
  edNewKey = new ui::Edit(this, this);
  edNewKey->Name = "edNewKey";
  edNewKey->SetBounds(kRight, 112, 140, 21);
  edNewKey->OnChange = [this] { MarkNone(); };
  AddLabel("Shift+Enter等、キー入力不可時", kRight, 136, 150);

  AddLabel("割当て済みリスト(&R)", 8, 196, 200);
  lbRegistered = new ui::ListBox(this, this);
  lbRegistered->Name = "lbRegistered";
  lbRegistered->SetSorted(true);
  lbRegistered->SetBounds(8, 212, kRight - 16, 108);

  ApplyBtn = AddButton("ApplyBtn", "適用(&S)", 160);
  ApplyBtn->SetDefault(true);
  ApplyBtn->OnClick = [this] { ApplyBtnClick(); };
  DefaultBtn = AddButton("DefaultBtn", "デフォルトに戻す(&D)", 192);
  DefaultBtn->OnClick = [this] { DefaultBtnClick(); };
  DeleteKeyBtn = AddButton("DeleteKeyBtn", "削除(&X)", 224);
  DeleteKeyBtn->SetEnabled(false);
  DeleteKeyBtn->OnClick = [this] { DeleteKeyBtnClick(); };
  OKBtn = AddButton("OKBtn", "閉じる", 295);
  OKBtn->ModalResult = ui::MrOk;
  OKBtn->Cancel = true;

  // The system gives keys to the form first: the hot-key field takes them while it has focus.
  OnKeyDown = [this](int& key, unsigned shift) {
    if (hkNewKey->Focused() && hkNewKey->TakeKey(key, shift)) key = 0;
  };
  // While the dialog shows, the idle turn only keeps the delete button in step.
  ui::Application& app = ui::Application::Instance();
  ownerIdle_ = std::move(app.OnIdle);
  app.OnIdle = [this](bool& done) {
    DeleteKeyBtn->SetEnabled(lbRegistered->ItemIndex() >= 0);
    done = true;
  };
}

TKeyAssignDlg::~TKeyAssignDlg() {
  ui::Application::Instance().OnIdle = std::move(ownerIdle_);
}

void TKeyAssignDlg::MarkNone() {
  if (edCurrentKey->Text().empty()) edCurrentKey->SetText(kNone);
}

void TKeyAssignDlg::FillMenuList() {
  MenuItems.clear();
  std::vector<std::string> texts;
  if (const ui::MenuItem* item = ListedItem()) {
    for (keys::CommandEntry& entry : keys::CommandEntries(*item, SkipCaption())) {
      texts.push_back(std::move(entry.Text));
      MenuItems.push_back(entry.Item);
    }
  }
  lbMenu->SetItems(std::move(texts));
  if (!MenuItems.empty()) lbMenu->SetItemIndex(0);
  lbMenuClick();
  MenuListFilled();
}

void TKeyAssignDlg::lbMenuClick() {
  const int index = lbMenu->ItemIndex();
  if (index < 0 || index >= static_cast<int>(MenuItems.size())) return;
  const ui::ShortCut key = MenuItems[static_cast<std::size_t>(index)]->GetShortCut();
  edCurrentKey->SetText(ui::ShortCutToText(key));
  hkNewKey->SetValue(key);
}

void TKeyAssignDlg::FillRegisteredList() {
  lbRegistered->SetItems(keys::RegisteredEntries(RegisteredRoot()));
}

void TKeyAssignDlg::WriteSelected(const std::optional<std::string>& text) {
  const int index = lbMenu->ItemIndex();
  if (index < 0 || index >= static_cast<int>(MenuItems.size())) return;
  host_.WriteKeyText(onMemo_, MenuItems[static_cast<std::size_t>(index)]->Name, text);
}

void TKeyAssignDlg::RefillAfterWrite() {
  KeysWritten();
  const int index = lbMenu->ItemIndex();
  FillMenuList();
  if (index >= 0 && index < lbMenu->Count()) {
    lbMenu->SetItemIndex(index);
    lbMenuClick();
  }
  FillRegisteredList();
}

void TKeyAssignDlg::ApplyBtnClick() {
  if (lbMenu->ItemIndex() < 0) return;
  const std::string typed = edNewKey->Text();
  WriteSelected(typed.empty() ? ui::ShortCutToText(hkNewKey->Value()) : typed);
  RefillAfterWrite();
}

void TKeyAssignDlg::DefaultBtnClick() {
  if (lbMenu->ItemIndex() < 0) return;
  WriteSelected(std::nullopt);
  edCurrentKey->SetText("次回立ち上げ時変更");
  FillRegisteredList();
}

void TKeyAssignDlg::DeleteKeyBtnClick() {
  const int index = lbRegistered->ItemIndex();
  if (index < 0) return;
  const std::string name =
      keys::RegisteredName(lbRegistered->Items()[static_cast<std::size_t>(index)]);
  if (name.empty()) return;
  host_.WriteKeyText(onMemo_, name, std::string());
  RefillAfterWrite();
}

}  // namespace quillpad
