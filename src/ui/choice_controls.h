// Grouped choices: a captioned frame, radio buttons, and the radio group that lays its buttons
// out in one column and keeps which one is marked.
#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace quillpad::ui {

class GroupBox : public Control {
 public:
  GroupBox(Component* owner, Control* parent)
      : Control(owner, parent, platform::WindowClass::GroupBox) {}
};

// The peer only reports the click; the mark is set here.
class RadioButton : public Control {
 public:
  RadioButton(Component* owner, Control* parent)
      : Control(owner, parent, platform::WindowClass::RadioButton) {}
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);

 private:
  bool checked_ = false;
};

class RadioGroup : public GroupBox {
 public:
  RadioGroup(Component* owner, Control* parent) : GroupBox(owner, parent) {}
  void SetItems(const std::vector<std::string>& items);
  int Count() const { return static_cast<int>(buttons_.size()); }
  RadioButton* Button(int index) const { return buttons_[static_cast<std::size_t>(index)]; }
  // -1 when none is marked; an index outside the items marks none.
  int ItemIndex() const { return index_; }
  void SetItemIndex(int index);

 protected:
  void BoundsChanged(bool sized, bool moved) override;

 private:
  void Layout();
  std::vector<RadioButton*> buttons_;
  int index_ = -1;
};

}  // namespace quillpad::ui
