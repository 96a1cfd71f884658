// The date picker (short date format, drop-down calendar). The user's pick lives in the peer.
#pragma once

#include <functional>

#include "base/date_time.h"
#include "ui/control.h"

namespace quillpad::ui {

class DateTimePicker : public Control {
 public:
  DateTimePicker(Component* owner, Control* parent);
  DateTime Date() const { return P().Date(); }
  // Only the date part is kept.
  void SetDate(DateTime value) { P().SetDate(DateOf(value)); }
  std::function<void()> OnChange;
  std::function<void()> OnCloseUp;

 protected:
  void DoDateChange() override {
    if (OnChange) OnChange();
  }
  void DoDateCloseUp() override {
    if (OnCloseUp) OnCloseUp();
  }
};

}  // namespace quillpad::ui
