// Numbers with arrow buttons: the up-down (vertical or horizontal, optionally showing its
// position in an associated edit) and the spin edit, an edit with an up-down at its right.
#pragma once

#include <functional>

#include "ui/control.h"
#include "ui/edit_controls.h"

namespace quillpad::ui {

class UpDown : public Control {
 public:
  UpDown(Component* owner, Control* parent);
  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetRange(int min, int max);
  int Increment = 1;
  // The associated edit's number when it holds one (a typed value counts), kept in the range.
  int Position() const;
  void SetPosition(int position);
  bool Horizontal() const { return style_.Horizontal; }
  void SetHorizontal(bool on);
  // The edit that shows the position; it must outlive the up-down or be detached first.
  void SetAssociate(Edit* edit);
  // After an arrow moved the position: true for the up (right) arrow.
  std::function<void(bool up)> OnArrow;

 protected:
  void DoClick(int index) override;

 private:
  int Clamp(long long value) const;
  void Mirror();
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  Edit* associate_ = nullptr;
  platform::WindowStyle style_;
};

class SpinEdit : public Control {
 public:
  SpinEdit(Component* owner, Control* parent);
  void SetRange(int min, int max) { upDown_->SetRange(min, max); }
  void SetIncrement(int step) { upDown_->Increment = step; }
  int Value() const { return upDown_->Position(); }
  void SetValue(int value) { upDown_->SetPosition(value); }
  Edit* Field() const { return edit_; }
  UpDown* Arrows() const { return upDown_; }

 protected:
  void BoundsChanged(bool sized, bool moved) override;

 private:
  Edit* edit_;
  UpDown* upDown_;
};

}  // namespace quillpad::ui
