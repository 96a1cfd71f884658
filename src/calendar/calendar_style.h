// "CalendarStyle.dat": the calendar's two font dialogs and its colour dialog as three object
// images one after another (FontDialog1, FontDialog2, ColorDialog1).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/window.h"

namespace quillpad {

struct CalendarStyle {
  platform::FontSpec BaseFont{"Times New Roman", -13, 0xFFFFFF, 0, platform::FsBold};
  platform::FontSpec YearMonthFont{"Times New Roman", -13, 0xFFFFFF, 0, platform::FsBold};
  platform::Color DialogColor = 0;
  std::vector<platform::Color> CustomColors = std::vector<platform::Color>(16, 0xFFFFFF);
};

std::string WriteCalendarStyle(const CalendarStyle& style);
// False when the bytes are damaged; style is then left as it was.
bool ReadCalendarStyle(std::string_view bytes, CalendarStyle& style);

}  // namespace quillpad
