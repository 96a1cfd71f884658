#include "calendar/calendar_layout.h"

#include <cstdlib>

#include "base/path.h"
#include "base/text.h"

namespace quillpad {

int FontPoints(const platform::FontSpec& font) {
  if (font.Height >= 0) return font.Height;  // a positive height already names points here
  return (-font.Height * 72 + 48) / 96;
}

std::string ScheduleMemoName(int year, int month, int day) {
  std::string name = IntToStr(year);
  for (const int v : {month, day}) {
    if (v < 10) name += '0';
    name += IntToStr(v);
  }
  return name + ".txt";
}

namespace {

// A bold or large base font makes "Wed" wider than its column; the headers then shrink, the
// day numbers keep the font.
int HeaderFontHeight(platform::FontSpec font, int columnWidth, const MeasureText& measure) {
  const int sign = font.Height < 0 ? -1 : 1;
  auto fits = [&] {
    for (std::string_view word : kWeekdayWords) {
      if (measure(word, font).Width > columnWidth - 4) return false;
    }
    return true;
  };
  while (!fits() && std::abs(font.Height) > 6) font.Height -= sign;
  return font.Height;
}

}  // namespace

MonthLayout BuildMonthLayout(const MonthInput& in, const HolidayRules& rules,
                             platform::FileSystem& files, const MeasureText& measure) {
  MonthLayout out;
  const HolidayMonth month = ClassifyMonth(rules, in.Year, in.Month, in.SetEquinox);

  const int s = FontPoints(in.BaseFont);
  out.FontPoints = s;
  out.ColumnWidth = (in.ClientWidth - measure(kWeekdayWords[6], in.BaseFont).Width - s - 6) / 6;
  out.RowHeight =
      (in.ClientHeight - measure(kWeekdayWords[0], in.BaseFont).Height - in.SunTop - 10) / 6;
  const int r = out.RowHeight;

  // Year and month line, in the year/month font.
  const platform::FontSpec& ym = in.YearMonthFont;
  const std::string yearText = IntToStr(in.Year);
  const std::string monthText = IntToStr(in.Month);
  out.ArrowSide = measure("10", ym).Height;
  const int w = in.ClientWidth / 2;
  const int z = measure("0", ym).Width;
  const platform::Size yearSize = measure(yearText, ym);
  const platform::Size monthSize = measure(monthText, ym);
  const int yearLeftGap = measure(yearText + "0", ym).Width;
  int yearArrowLeft = w - out.ArrowSide - z;
  int yearLeft = in.ArrowsHidden ? w - yearLeftGap : yearArrowLeft - yearLeftGap;
  const int monthLeft = w + z;
  const int monthArrowLeft = monthLeft + measure(monthText + "0", ym).Width;
  out.Year = {yearLeft, r, yearLeft + yearSize.Width, r + yearSize.Height};
  out.Month = {monthLeft, r, monthLeft + monthSize.Width, r + monthSize.Height};
  out.YearArrow = {yearArrowLeft, r, yearArrowLeft + out.ArrowSide, r + out.ArrowSide};
  out.MonthArrow = {monthArrowLeft, r, monthArrowLeft + out.ArrowSide, r + out.ArrowSide};

  out.HeaderTop = 3 * r;
  for (int k = 0; k < 7; ++k) out.HeaderLeft[static_cast<std::size_t>(k)] = s + k * out.ColumnWidth;
  out.HeaderFontHeight = HeaderFontHeight(in.BaseFont, out.ColumnWidth, measure);
  out.SundayHeaderColor = in.Colors.Sunday;
  out.SaturdayHeaderColor = in.Colors.Saturday;

  const bool thisMonth = in.Year == in.TodayYear && in.Month == in.TodayMonth;
  for (const HolidayDay& d : month.Days) {
    DayCell cell;
    cell.Day = d.Day;
    cell.Column = d.Weekday;
    cell.Left = out.HeaderLeft[static_cast<std::size_t>(d.Weekday)];
    cell.Top = out.HeaderTop + r + d.Row * r;
    cell.FontColor = in.BaseFont.TextColor;
    if (thisMonth && d.Day == in.TodayDay) {
      cell.Opaque = true;
      cell.Background = in.Colors.Today;
    }
    if (d.Weekday == 0) cell.FontColor = in.Colors.Sunday;
    if (d.Weekday == 6) cell.FontColor = in.Colors.Saturday;
    if (d.Holiday) cell.FontColor = in.Colors.Holiday;
    if (d.Named) {
      cell.ToolTipOn = true;
      cell.ToolTip = d.Name;
    }
    const std::string path =
        JoinPath(in.ScheduleMemoDir, ScheduleMemoName(in.Year, in.Month, d.Day));
    if (files.FileExists(path)) {
      std::string text;
      files.ReadFile(path, text);  // an unreadable memo still marks its day
      cell.ToolTipOn = true;
      cell.ToolTip = Trim(cell.ToolTip + "\n" + text);
      if (!cell.Opaque) {
        cell.Opaque = true;
        cell.Background = in.Colors.MemoExists;
      } else {
        cell.FontColor = in.Colors.MemoExists;
      }
    }
    out.Days.push_back(std::move(cell));
  }
  return out;
}

bool StepYear(int& year, int delta) {
  const int next = year + delta;
  if (next < kFirstCalendarYear || next > kLastCalendarYear) return false;
  year = next;
  return true;
}

bool StepMonth(int& year, int& month, int& position, int delta) {
  const int nextPosition = position + delta;
  if (nextPosition < -100 || nextPosition > 100) return false;
  int y = year;
  int m = month + delta;
  while (m > 12) {
    m -= 12;
    ++y;
  }
  while (m < 1) {
    m += 12;
    --y;
  }
  if (y < kFirstCalendarYear || y > kLastCalendarYear) return false;
  year = y;
  month = m;
  position = nextPosition;
  return true;
}

std::vector<Band> BackgroundBands(int mode, platform::Color background, int width, int height) {
  std::vector<Band> bands;
  if ((mode != 1 && mode != 2) || height <= 0) return bands;
  const int red = background & 0xFF, green = (background >> 8) & 0xFF,
            blue = (background >> 16) & 0xFF;
  for (int y = 0; y < height; y += 5) {
    platform::Color c = background & 0xFFFFFF;
    if (mode == 1) {
      c = static_cast<platform::Color>(red * y / height) |
          static_cast<platform::Color>(green * y / height) << 8 |
          static_cast<platform::Color>(blue * y / height) << 16;
    }
    bands.push_back({{0, y, width, y + 5}, c});
  }
  return bands;
}

int BorderlessHitTest(const platform::Rect& window, platform::Point cursor, bool rightButtonDown) {
  if (rightButtonDown) return platform::HtClient;
  constexpr int kMargin = 6;
  const bool left = cursor.X - window.Left < kMargin;
  const bool right = window.Right - cursor.X <= kMargin;
  const bool top = cursor.Y - window.Top < kMargin;
  const bool bottom = window.Bottom - cursor.Y <= kMargin;
  if (left && top) return platform::HtTopLeft;
  if (left && bottom) return platform::HtBottomLeft;
  if (right && top) return platform::HtTopRight;
  if (right && bottom) return platform::HtBottomRight;
  if (left) return platform::HtLeft;
  if (top) return platform::HtTop;
  if (right) return platform::HtRight;
  if (bottom) return platform::HtBottom;
  return platform::HtClient;
}

}  // namespace quillpad
