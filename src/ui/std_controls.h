// The small stock controls: Label, Button (with the modal result it gives its form), CheckBox
// Panel (a plain container) and PaintBox.
#pragma once

#include "ui/control.h"

namespace quillpad::ui {

class Label : public Control {
 public:
  Label(Component* owner, Control* parent) : Control(owner, parent, platform::WindowClass::Label) {}
  // Only the text is drawn; the parent's painting shows around it (its colour is then unused).
  bool Transparent() const { return style_.Transparent; }
  void SetTransparent(bool on);

 private:
  platform::WindowStyle style_;
};

class Button : public Control {
 public:
  Button(Component* owner, Control* parent)
      : Control(owner, parent, platform::WindowClass::Button) {}
  // A click sets the form's ModalResult to this (after OnClick) when it is not MrNone.
  int ModalResult = 0;
  // Enter clicks the form's default button and Esc its cancel button (Form's key handling).
  bool Default() const { return default_; }
  void SetDefault(bool on);
  bool Cancel = false;
  // What a click does, for a key that stands for one.
  void Click() { DoClick(0); }
  enum class ArrowKind { None, Up, Down };
  // A small arrow button shows a drawn triangle, which fits where no caption would.
  void SetArrow(ArrowKind arrow);

 protected:
  void DoClick(int index) override;

 private:
  bool default_ = false;
  platform::WindowStyle style_;
};

class CheckBox : public Control {
 public:
  CheckBox(Component* owner, Control* parent)
      : Control(owner, parent, platform::WindowClass::CheckBox) {}
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);  // raises OnClick when it changes, as the control does

 protected:
  void DoClick(int index) override;

 private:
  bool checked_ = false;
};

// Painted entirely by OnPaint.
class PaintBox : public Control {
 public:
  PaintBox(Component* owner, Control* parent)
      : Control(owner, parent, platform::WindowClass::PaintBox) {}
};

class Panel : public Control {
 public:
  Panel(Component* owner, Control* parent) : Control(owner, parent, platform::WindowClass::Panel) {}
};

}  // namespace quillpad::ui
