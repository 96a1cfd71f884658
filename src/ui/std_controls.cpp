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
  style_.DefaultButton = on;
  P().SetStyle(style_);
}

void Button::SetArrow(ArrowKind arrow) {
  style_.Arrow = static_cast<int>(arrow);
  P().SetStyle(style_);
}

void Label::SetTransparent(bool on) {
  style_.Transparent = on;
  P().SetStyle(style_);
  Invalidate();
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
