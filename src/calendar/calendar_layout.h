// The arithmetic of the calendar window's month: where the year, month, arrows, weekday headers
// and day cells go, and how each day is coloured and what its tooltip says. No windows: the
// window measures texts through the Measure callback and applies the result to its labels.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/holidays.h"
#include "platform/file_system.h"
#include "platform/window.h"

namespace quillpad {

struct CalendarColors {
  platform::Color Sunday = 0xFF00FF;
  platform::Color Saturday = 0xFFFF00;
  platform::Color Holiday = 0x0000FF;
  platform::Color Today = 0x00FF00;
  platform::Color MemoExists = 0xFF0000;
  platform::Color Background = 0x800000;
};

using MeasureText = std::function<platform::Size(std::string_view, const platform::FontSpec&)>;

struct MonthInput {
  int Year = 0;
  int Month = 0;
  int TodayYear = 0, TodayMonth = 0, TodayDay = 0;
  bool SetEquinox = true;
  bool ArrowsHidden = false;
  int ClientWidth = 209;
  int ClientHeight = 150;
  int SunTop = 33;  // the weekday headers' top left by the previous build
  platform::FontSpec BaseFont;
  platform::FontSpec YearMonthFont;
  CalendarColors Colors;
  std::string ScheduleMemoDir;
};

struct DayCell {
  int Day = 0;
  int Column = 0;
  int Left = 0, Top = 0;
  static constexpr int Width = 16;  // right-aligned in this width
  bool Opaque = false;
  platform::Color Background = 0;
  platform::Color FontColor = 0;
  bool ToolTipOn = false;
  std::string ToolTip;
};

struct MonthLayout {
  int FontPoints = 0;   // S
  int ColumnWidth = 0;  // C
  int RowHeight = 0;    // R
  int HeaderTop = 0;    // 3·R
  std::array<int, 7> HeaderLeft{};
  // The base font's height, shrunk until every weekday word fits its column with a gap.
  int HeaderFontHeight = 0;
  platform::Color SundayHeaderColor = 0, SaturdayHeaderColor = 0;
  int ArrowSide = 0;  // text height of "10" in the year/month font
  platform::Rect Year, Month, YearArrow, MonthArrow;
  std::vector<DayCell> Days;
};

// Points of a font height at 96 pixels per inch, rounded as the system does.
int FontPoints(const platform::FontSpec& font);

// The schedule memo file name of a date's texts: year text, month and day with two digits.
std::string ScheduleMemoName(int year, int month, int day);

MonthLayout BuildMonthLayout(const MonthInput& in, const HolidayRules& rules,
                             platform::FileSystem& files, const MeasureText& measure);

// Arrow steps within 1900..2100. The month arrow counts its clicks in position (-100..100).
// False when the click does nothing.
bool StepYear(int& year, int delta);
bool StepMonth(int& year, int& month, int& position, int delta);

// The background bands of modes 1 (gradient from black) and 2 (plain): 5 pixels high each.
struct Band {
  platform::Rect Area;
  platform::Color Colour = 0;
};
std::vector<Band> BackgroundBands(int mode, platform::Color background, int width, int height);

// Hit test of the window without a border: edges within 6 pixels size it, the rest is client
// area, and while the right button is down everything is client area (for the pop-up menu).
int BorderlessHitTest(const platform::Rect& window, platform::Point cursor, bool rightButtonDown);

}  // namespace quillpad
