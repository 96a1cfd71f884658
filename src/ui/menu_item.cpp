#include "ui/menu_item.h"

#include <algorithm>

#include "base/text.h"
#include "platform/menu_caption.h"
#include "ui/application.h"
#include "ui/control.h"
#include "ui/form.h"

namespace quillpad::ui {
namespace {

int nextCommand = 100;

}  // namespace

MenuItem::MenuItem(Component* owner) : Component(owner), command_(nextCommand++) {}

MenuItem::~MenuItem() {
  while (!items_.empty()) delete items_.back();
  if (parent_) {
    std::erase(parent_->items_, this);
    parent_->Changed();
  }
}

MenuItem* MenuItem::Insert(int index, const std::string& caption, const std::string& name) {
  // Items belong to the form that owns the menu, so FindComponent finds them by name.
  Component* owner = menu_ ? (menu_->Owner() ? menu_->Owner() : menu_) : Owner();
  auto* item = new MenuItem(owner);
  item->Name = name;
  item->caption_ = caption;
  item->parent_ = this;
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, item);
  Changed();
  return item;
}

MenuItem* MenuItem::Add(const std::string& caption, const std::string& name, ShortCut shortCut) {
  MenuItem* item = Insert(Count(), caption, name);
  if (shortCut) item->SetShortCut(shortCut);
  return item;
}

void MenuItem::Clear() {
  while (!items_.empty()) delete items_.back();
  Changed();
}

int MenuItem::MenuIndex() const {
  if (!parent_) return -1;
  const auto& siblings = parent_->items_;
  return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

Menu* MenuItem::GetMenu() const {
  const MenuItem* item = this;
  while (item->parent_) item = item->parent_;
  return item->menu_;
}

void MenuItem::Changed() {
  if (Menu* menu = GetMenu()) menu->Changed();
}

void MenuItem::SetCaption(const std::string& caption) {
  caption_ = caption;
  Changed();
}

void MenuItem::SetShortCut(ShortCut value) {
  shortCut_ = value;
  Changed();
}

void MenuItem::SetChecked(bool checked) {
  checked_ = checked;
  if (checked && radioItem_ && parent_) {
    for (MenuItem* sibling : parent_->items_) {
      if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_)
        sibling->checked_ = false;
    }
  }
  Changed();
}

void MenuItem::SetRadioItem(bool radio) {
  radioItem_ = radio;
  Changed();
}

void MenuItem::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Changed();
}

void MenuItem::SetVisible(bool visible) {
  visible_ = visible;
  Changed();
}

void MenuItem::SetDefault(bool value) {
  default_ = value;
  Changed();
}

void MenuItem::Click() {
  if (enabled_ && OnClick) OnClick();
}

MenuItem* MenuItem::FindByCommand(int command) {
  if (command_ == command) return this;
  for (MenuItem* child : items_) {
    if (MenuItem* found = child->FindByCommand(command)) return found;
  }
  return nullptr;
}

MenuItem* MenuItem::FindByShortCut(ShortCut value) {
  if (value == 0) return nullptr;
  for (MenuItem* child : items_) {
    if (child->shortCut_ == value) return child;
    if (MenuItem* found = child->FindByShortCut(value)) return found;
  }
  return nullptr;
}

MenuItem* MenuItem::FindByPath(const std::string& path) {
  MenuItem* level = this;
  std::size_t start = 0;
  while (true) {
    const std::size_t sep = FindText(path, " > ", start);
    const std::string part = Trim(std::string_view(path).substr(
        start, sep == std::string::npos ? std::string::npos : sep - start));
    MenuItem* found = nullptr;
    for (MenuItem* child : level->items_) {
      if (platform::MenuCaptionMatches(child->caption_, part)) {
        found = child;
        break;
      }
    }
    if (!found || sep == std::string::npos) return found;
    level = found;
    start = sep + 3;
  }
}

platform::MenuItemSpec MenuItem::PeerItem() const {
  platform::MenuItemSpec out;
  out.Id = command_;
  out.Caption = caption_;
  out.ShortCutText = ShortCutToText(shortCut_);
  out.Checked = checked_;
  out.RadioItem = radioItem_;
  out.Enabled = enabled_;
  out.Visible = visible_;
  out.Default = default_;
  for (const MenuItem* child : items_) out.Children.push_back(child->PeerItem());
  return out;
}

// --- Menus ----------------------------------------------------------------------------------

Menu::Menu(Component* owner) : Component(owner), root_(new MenuItem(this)) {
  root_->menu_ = this;
}

// Items of an ownerless menu belong to the menu: they go while it is still a Menu, so their
// change notices do not reach a half-destroyed object.
Menu::~Menu() { DestroyComponents(); }

bool Menu::DispatchShortCut(ShortCut value) {
  MenuItem* item = root_->FindByShortCut(value);
  if (!item || !item->Enabled()) return false;
  item->Click();
  return true;
}

bool Menu::DispatchCommand(int command) {
  MenuItem* item = root_->FindByCommand(command);
  if (!item || item == root_) return false;
  item->Click();
  return true;
}

std::vector<platform::MenuItemSpec> Menu::PeerItems() const {
  return root_->PeerItem().Children;
}

MainMenu::~MainMenu() {
  if (form_ && form_->Menu() == this) form_->SetMenu(nullptr);
}

void MainMenu::AttachTo(Form* form) {
  form_ = form;
  Changed();
}

void MainMenu::Changed() {
  if (!form_ || !form_->Peer()) return;
  const auto items = PeerItems();
  form_->Peer()->SetMenuBar(&items);
}

void PopupMenu::Popup(int x, int y, Control* owner) {
  PopupComponent = owner;
  if (OnPopup) OnPopup();
  const auto items = PeerItems();
  platform::Window* ownerPeer = owner ? owner->Peer() : nullptr;
  const int chosen = Application::Instance().Windows().TrackPopupMenu(items, {x, y}, ownerPeer);
  if (chosen != 0) DispatchCommand(chosen);
}

}  // namespace quillpad::ui
