// Menus: a tree of MenuItems under a MainMenu (a form's menu bar) or a PopupMenu. Items are
// components of the menu's owner (so the owner finds them by name) and children of their parent
// item; destroying an item destroys its children. Every change reaches the peer at once.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/window.h"
#include "ui/component.h"
#include "ui/short_cut.h"

namespace quillpad::ui {

class Menu;
class Form;
class Control;

class MenuItem : public Component {
 public:
  explicit MenuItem(Component* owner);
  ~MenuItem() override;

  // A new child owned by this item's owner, appended (or inserted at index).
  MenuItem* Add(const std::string& caption, const std::string& name = "", ShortCut shortCut = 0);
  MenuItem* Insert(int index, const std::string& caption, const std::string& name = "");
  MenuItem* AddSeparator() { return Add("-"); }
  void Clear();  // destroys every child
  int Count() const { return static_cast<int>(items_.size()); }
  MenuItem* Items(int index) const { return items_.at(static_cast<std::size_t>(index)); }
  const std::vector<MenuItem*>& Children() const { return items_; }
  MenuItem* Parent() const { return parent_; }
  int MenuIndex() const;
  Menu* GetMenu() const;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool IsSeparator() const { return caption_ == "-"; }
  ShortCut GetShortCut() const { return shortCut_; }
  void SetShortCut(ShortCut value);
  bool Checked() const { return checked_; }
  // Marking a radio item clears the other radio items of its group among its siblings.
  void SetChecked(bool checked);
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool radio);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int group) { groupIndex_ = group; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Default() const { return default_; }
  void SetDefault(bool value);
  std::string Hint;

  std::function<void()> OnClick;
  // Runs OnClick when the item is enabled.
  void Click();

  // The command id reported by the peer.
  int Command() const { return command_; }
  MenuItem* FindByCommand(int command);
  // Depth-first, the first item with this shortcut.
  MenuItem* FindByShortCut(ShortCut value);
  // "ファイル(&F) > 開く(&O)": captions below this item, "&" marks optional.
  MenuItem* FindByPath(const std::string& path);

  platform::MenuItemSpec PeerItem() const;

 private:
  friend class Menu;
  void Changed();

  MenuItem* parent_ = nullptr;
  Menu* menu_ = nullptr;  // only on a menu's root item
  std::vector<MenuItem*> items_;
  std::string caption_;
  ShortCut shortCut_ = 0;
  bool checked_ = false;
  bool radioItem_ = false;
  int groupIndex_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  bool default_ = false;
  int command_;
};

class Menu : public Component {
 public:
  explicit Menu(Component* owner);
  ~Menu() override;
  MenuItem& Items() { return *root_; }
  MenuItem* Add(const std::string& caption, const std::string& name = "", ShortCut shortCut = 0) {
    return root_->Add(caption, name, shortCut);
  }
  MenuItem* FindByPath(const std::string& path) { return root_->FindByPath(path); }
  // Clicks the enabled item with this shortcut; true when one was found and clicked.
  bool DispatchShortCut(ShortCut value);
  bool DispatchCommand(int command);
  std::vector<platform::MenuItemSpec> PeerItems() const;

 protected:
  friend class MenuItem;
  virtual void Changed() {}
  MenuItem* root_;
};

class MainMenu : public Menu {
 public:
  explicit MainMenu(Component* owner) : Menu(owner) {}
  ~MainMenu() override;
  void AttachTo(Form* form);  // Form::SetMenu calls this

 protected:
  void Changed() override;

 private:
  Form* form_ = nullptr;
};

class PopupMenu : public Menu {
 public:
  explicit PopupMenu(Component* owner) : Menu(owner) {}
  std::function<void()> OnPopup;
  // The control the menu was last shown for.
  Control* PopupComponent = nullptr;
  // Shows the menu at a screen point and clicks the chosen item.
  void Popup(int x, int y, Control* owner = nullptr);
};

}  // namespace quillpad::ui
