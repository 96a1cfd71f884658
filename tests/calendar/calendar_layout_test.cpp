// The calendar's month arithmetic, colours and tooltips, its arrow limits, hit test, background
// bands and style file, without windows.
#include "calendar/calendar_layout.h"

#include <gtest/gtest.h>

#include "calendar/calendar_style.h"
#include "support/sim_fixture.h"

namespace quillpad {
namespace {

// Every character 7 pixels wide and 13 high, so the numbers below can be worked by hand.
platform::Size Measure(std::string_view text, const platform::FontSpec&) {
  return {7 * static_cast<int>(text.size()), 13};
}

class MonthLayoutTest : public testing::SimTest {
 protected:
  MonthLayoutTest() {
    std::filesystem::create_directories(temp.Path() / "M");
    in.Year = 2026;
    in.Month = 12;
    in.TodayYear = 2026;
    in.TodayMonth = 12;
    in.TodayDay = 7;
    in.BaseFont.Height = -13;
    in.BaseFont.TextColor = 0xFFFFFF;
    in.ScheduleMemoDir = "C:\\M";
  }
  void Memo(const std::string& name, const std::string& text) {
    testing::WriteHostFile(temp.Path() / "M" / name, text);
  }
  MonthLayout Build(const HolidayRules& rules = {}) {
    return BuildMonthLayout(in, rules, desk.Files(), Measure);
  }
  MonthInput in;
};

TEST_F(MonthLayoutTest, GridArithmeticFollowsTheClientSizeAndThePreviousHeaderTop) {
  const MonthLayout m = Build();
  EXPECT_EQ(m.FontPoints, 10);   // 13 pixels at 96 dpi
  EXPECT_EQ(m.ColumnWidth, 28);  // (209 - 21 - 10 - 6) div 6
  EXPECT_EQ(m.RowHeight, 15);    // (150 - 13 - 33 - 10) div 6
  EXPECT_EQ(m.HeaderTop, 45);
  EXPECT_EQ(m.HeaderLeft[6], 10 + 6 * 28);
  ASSERT_EQ(m.Days.size(), 31u);
  EXPECT_EQ(m.Days[0].Column, 2);  // 1 December 2026 is a Tuesday
  EXPECT_EQ(m.Days[0].Left, 10 + 2 * 28);
  EXPECT_EQ(m.Days[0].Top, 60);
  EXPECT_EQ(m.Days[4].Top, 60);  // Saturday the 5th ends the first row
  EXPECT_EQ(m.Days[5].Top, 75);
  EXPECT_EQ(m.Days[30].Top, 60 + 4 * 15);

  // Year and month around the middle, arrows beside them.
  EXPECT_EQ(m.YearArrow.Left, 104 - 13 - 7);
  EXPECT_EQ(m.Year.Left, 84 - 35);
  EXPECT_EQ(m.Month.Left, 111);
  EXPECT_EQ(m.MonthArrow.Left, 111 + 21);
  EXPECT_EQ(m.Year.Top, 15);
  in.ArrowsHidden = true;
  EXPECT_EQ(Build().Year.Left, 104 - 35);

  // A taller header top left by a previous build shrinks the rows.
  in.SunTop = 45;
  EXPECT_EQ(Build().RowHeight, 13);
}

// Headers wider than their columns run together ("MonTue"): their font shrinks until each word
// leaves a gap; a font that fits is kept.
TEST_F(MonthLayoutTest, WeekdayHeadersShrinkToFitTheirColumns) {
  EXPECT_EQ(Build().HeaderFontHeight, -13);
  const MeasureText wide = [](std::string_view text, const platform::FontSpec& font) {
    const int h = std::abs(font.Height);
    return platform::Size{static_cast<int>(text.size()) * h * 3 / 4, h};
  };
  const MonthLayout m = BuildMonthLayout(in, {}, desk.Files(), wide);
  EXPECT_EQ(m.ColumnWidth, 27);  // (209 - 29 - 10 - 6) div 6
  EXPECT_EQ(m.HeaderFontHeight, -10);
  in.BaseFont.Height = 13;  // a positive height shrinks towards zero too
  EXPECT_EQ(BuildMonthLayout(in, {}, desk.Files(), wide).HeaderFontHeight, 10);
}

TEST_F(MonthLayoutTest, WeekendsAndTodayTakeTheirColours) {
  const MonthLayout m = Build();
  EXPECT_EQ(m.Days[4].FontColor, in.Colors.Saturday);  // Saturday the 5th
  EXPECT_EQ(m.Days[5].FontColor, in.Colors.Sunday);
  EXPECT_EQ(m.Days[1].FontColor, 0xFFFFFFu);
  EXPECT_FALSE(m.Days[1].Opaque);
  EXPECT_TRUE(m.Days[6].Opaque);
  EXPECT_EQ(m.Days[6].Background, in.Colors.Today);
  EXPECT_FALSE(m.Days[6].ToolTipOn);
  in.Year = 2025;  // the same day of another year is no today
  EXPECT_FALSE(Build().Days[6].Opaque);
}

TEST_F(MonthLayoutTest, TodayWithAMemoKeepsItsBackgroundAndTakesTheMemoColourAsText) {
  Memo("20261207.txt", "  dentist \r\n");
  Memo("20261208.txt", "shop");
  const MonthLayout m = Build();
  const DayCell& today = m.Days[6];
  EXPECT_TRUE(today.Opaque);
  EXPECT_EQ(today.Background, in.Colors.Today);
  EXPECT_EQ(today.FontColor, in.Colors.MemoExists);
  EXPECT_TRUE(today.ToolTipOn);
  EXPECT_EQ(today.ToolTip, "dentist");
  const DayCell& tomorrow = m.Days[7];
  EXPECT_TRUE(tomorrow.Opaque);
  EXPECT_EQ(tomorrow.Background, in.Colors.MemoExists);
  EXPECT_EQ(tomorrow.FontColor, 0xFFFFFFu);
}

TEST_F(MonthLayoutTest, AHolidayWithAMemoShowsTheNameALineBreakAndTheMemo) {
  Memo("20261223.txt", "party\r\n");
  const HolidayRules rules = ParseHolidayRules("12,23,\"Winter Day\"\r\n12,24,\r\n");
  const MonthLayout m = Build(rules);
  const DayCell& d = m.Days[22];
  EXPECT_EQ(d.FontColor, in.Colors.Holiday);
  EXPECT_EQ(d.Background, in.Colors.MemoExists);
  EXPECT_EQ(d.ToolTip, "Winter Day\nparty");
  // A nameless rule colours the day and leaves the tooltip off.
  EXPECT_EQ(m.Days[23].FontColor, in.Colors.Holiday);
  EXPECT_FALSE(m.Days[23].ToolTipOn);
}

TEST_F(MonthLayoutTest, FirstOfJanuary2024StandsInTheMondayColumn) {
  in.Year = in.TodayYear = 2024;
  in.Month = in.TodayMonth = 1;
  in.TodayDay = 1;
  const MonthLayout m = Build();
  EXPECT_EQ(m.Days[0].Column, 1);
  EXPECT_EQ(m.Days[0].Top, m.HeaderTop + m.RowHeight);
  EXPECT_TRUE(m.Days[0].Opaque);
  in.TodayDay = 2;
  EXPECT_FALSE(Build().Days[0].Opaque);
}

TEST(CalendarArrowsTest, MonthStepsAcrossYearsAndStopsAtTheEnds) {
  int year = 2026, month = 12, position = 1;
  EXPECT_TRUE(StepMonth(year, month, position, 1));
  EXPECT_EQ(year, 2027);
  EXPECT_EQ(month, 1);
  EXPECT_TRUE(StepMonth(year, month, position, -1));
  EXPECT_EQ(year, 2026);
  EXPECT_EQ(month, 12);

  year = 1900, month = 1;
  EXPECT_FALSE(StepMonth(year, month, position, -1));
  EXPECT_EQ(year, 1900);
  EXPECT_EQ(month, 1);
  EXPECT_EQ(position, 1);
  year = 2100, month = 12;
  EXPECT_FALSE(StepMonth(year, month, position, 1));
  EXPECT_EQ(month, 12);

  // The arrow's own count allows 99 steps forward from where it started.
  year = 2000, month = 1, position = 1;
  int steps = 0;
  while (StepMonth(year, month, position, 1)) ++steps;
  EXPECT_EQ(steps, 99);
  EXPECT_EQ(position, 100);

  year = 2100;
  EXPECT_FALSE(StepYear(year, 1));
  EXPECT_TRUE(StepYear(year, -1));
  EXPECT_EQ(year, 2099);
  year = 1900;
  EXPECT_FALSE(StepYear(year, -1));
}

TEST(CalendarHitTest, EdgesSizeTheWindowAndTheRightButtonAlwaysGetsTheClient) {
  const platform::Rect w{100, 100, 309, 250};
  EXPECT_EQ(BorderlessHitTest(w, {100, 100}, false), platform::HtTopLeft);
  EXPECT_EQ(BorderlessHitTest(w, {105, 249}, false), platform::HtBottomLeft);
  EXPECT_EQ(BorderlessHitTest(w, {308, 100}, false), platform::HtTopRight);
  EXPECT_EQ(BorderlessHitTest(w, {303, 244}, false), platform::HtBottomRight);
  EXPECT_EQ(BorderlessHitTest(w, {105, 170}, false), platform::HtLeft);
  EXPECT_EQ(BorderlessHitTest(w, {106, 170}, false), platform::HtClient);
  EXPECT_EQ(BorderlessHitTest(w, {200, 105}, false), platform::HtTop);
  EXPECT_EQ(BorderlessHitTest(w, {303, 170}, false), platform::HtRight);
  EXPECT_EQ(BorderlessHitTest(w, {302, 243}, false), platform::HtClient);
  EXPECT_EQ(BorderlessHitTest(w, {200, 245}, false), platform::HtBottom);
  EXPECT_EQ(BorderlessHitTest(w, {100, 100}, true), platform::HtClient);
}

TEST(CalendarBackground, GradientRunsFromBlackTowardsTheBackgroundColour) {
  const std::vector<Band> bands = BackgroundBands(1, 0x800000, 209, 150);
  ASSERT_EQ(bands.size(), 30u);
  EXPECT_EQ(bands[0].Colour, 0u);
  EXPECT_EQ(bands[15].Area, (platform::Rect{0, 75, 209, 80}));
  EXPECT_EQ(bands[15].Colour, 0x400000u);
  EXPECT_EQ(bands[29].Colour, 0x7B0000u);  // 128 * 145 / 150
  const std::vector<Band> plain = BackgroundBands(2, 0x123456, 10, 12);
  ASSERT_EQ(plain.size(), 3u);
  EXPECT_EQ(plain[2].Colour, 0x123456u);
  EXPECT_TRUE(BackgroundBands(0, 0x800000, 209, 150).empty());
}

TEST(CalendarStyleFile, KeepsFontsAndColourDialogAndRejectsDamage) {
  CalendarStyle style;
  style.BaseFont = {"Arial", -15, 0x00FF00, 0, platform::FsItalic};
  style.YearMonthFont = {"ＭＳ ゴシック", -20, 0x0000FF, 128,
                         platform::FsBold | platform::FsUnderline};
  style.DialogColor = 0x123456;
  style.CustomColors[0] = 0xABCDEF;
  style.CustomColors[15] = 0x010203;
  const std::string bytes = WriteCalendarStyle(style);
  EXPECT_EQ(bytes.compare(0, 4, "TPF0"), 0);

  CalendarStyle read;
  ASSERT_TRUE(ReadCalendarStyle(bytes, read));
  EXPECT_EQ(read.BaseFont, style.BaseFont);
  EXPECT_EQ(read.YearMonthFont, style.YearMonthFont);
  EXPECT_EQ(read.DialogColor, 0x123456u);
  EXPECT_EQ(read.CustomColors, style.CustomColors);

  CalendarStyle untouched;
  EXPECT_FALSE(ReadCalendarStyle(bytes.substr(0, bytes.size() - 3), untouched));
  EXPECT_EQ(untouched.BaseFont.Name, "Times New Roman");
  EXPECT_FALSE(ReadCalendarStyle("junk", untouched));
}

}  // namespace
}  // namespace quillpad
