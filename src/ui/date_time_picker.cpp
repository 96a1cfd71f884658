#include "ui/date_time_picker.h"

namespace quillpad::ui {

DateTimePicker::DateTimePicker(Component* owner, Control* parent)
    : Control(owner, parent, platform::WindowClass::DatePicker) {
  SetHeight(21);
  SetColor(ClWindow);
}

}  // namespace quillpad::ui
