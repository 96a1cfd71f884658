#include "ui/std_controls.h"

#include "ui/form.h"

namespace quillpad::ui {

void Button::DoClick(int index) {
  Control::DoClick(index);
  if (ModalResult != MrNone) {
    if (Form* form = ParentForm()) form->SetModalResult(ModalResult);
  }
}

void Button::SetDefault(bool on) {
  default_ = on;
  platform::WindowStyle style;
  style.DefaultButton = on;
  P().SetStyle(style);
}

void CheckBox::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  P().SetChecked(checked);
  if (OnClick) OnClick();
}

void CheckBox::DoClick(int /*index*/) {
  SetChecked(!checked_);
}

}  // namespace quillpad::ui
