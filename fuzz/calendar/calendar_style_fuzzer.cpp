// CalendarStyle.dat from arbitrary bytes: never a crash, and whatever reads back writes and
// reads again to the same style.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "calendar/calendar_style.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quillpad::CalendarStyle style;
  if (!quillpad::ReadCalendarStyle(std::string_view(reinterpret_cast<const char*>(data), size), style)) return 0;
  quillpad::CalendarStyle again;
  if (!quillpad::ReadCalendarStyle(quillpad::WriteCalendarStyle(style), again)) std::abort();
  if (!(again.BaseFont == style.BaseFont) || !(again.YearMonthFont == style.YearMonthFont) ||
      again.DialogColor != style.DialogColor || again.CustomColors != style.CustomColors) {
    std::abort();
  }
  return 0;
}
