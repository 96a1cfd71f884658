#include "ui/up_down.h"

#include <algorithm>

#include "base/text.h"

namespace quillpad::ui {

UpDown::UpDown(Component* owner, Control* parent)
    : Control(owner, parent, platform::WindowClass::UpDown) {
  Mirror();
}

int UpDown::Clamp(long long value) const {
  return static_cast<int>(std::clamp<long long>(value, min_, max_));
}

void UpDown::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  position_ = Clamp(position_);
  Mirror();
}

int UpDown::Position() const {
  long long typed = 0;
  if (associate_ && TryStrToInt(Trim(associate_->Text()), typed)) return Clamp(typed);
  return position_;
}

void UpDown::SetPosition(int position) {
  position_ = Clamp(position);
  Mirror();
}

void UpDown::SetHorizontal(bool on) {
  style_.Horizontal = on;
  P().SetStyle(style_);
}

void UpDown::SetAssociate(Edit* edit) {
  associate_ = edit;
  Mirror();
}

void UpDown::Mirror() {
  P().SetUpDown(min_, max_, position_);
  if (associate_ && associate_->Text() != IntToStr(position_))
    associate_->SetText(IntToStr(position_));
}

void UpDown::DoClick(int index) {
  const bool up = index == 0;
  // A typed number is where the step starts from.
  position_ = Position();
  SetPosition(
      static_cast<int>(Clamp(static_cast<long long>(position_) + (up ? Increment : -Increment))));
  if (OnArrow) OnArrow(up);
  if (OnClick) OnClick();
}

SpinEdit::SpinEdit(Component* owner, Control* parent)
    : Control(owner, parent, platform::WindowClass::Panel) {
  edit_ = new Edit(owner, this);
  upDown_ = new UpDown(owner, this);
  upDown_->SetAssociate(edit_);
}

void SpinEdit::BoundsChanged(bool sized, bool moved) {
  Control::BoundsChanged(sized, moved);
  if (!sized) return;
  constexpr int kArrows = 16;
  edit_->SetBounds(0, 0, std::max(0, Width() - kArrows), Height());
  upDown_->SetBounds(std::max(0, Width() - kArrows), 0, kArrows, Height());
}

}  // namespace quillpad::ui
