#include "base/date_time.h"

#include <gtest/gtest.h>

namespace quillpad {
namespace {

TEST(DateTimeTest, EncodesAndDecodesAcrossCenturies) {
  for (int y : {1900, 1999, 2000, 2024, 2100}) {
    for (int m = 1; m <= 12; ++m) {
      for (int d : {1, DaysInMonth(y, m)}) {
        int yy, mm, dd;
        DecodeDate(EncodeDate(y, m, d), yy, mm, dd);
        ASSERT_EQ(yy * 10000 + mm * 100 + dd, y * 10000 + m * 100 + d);
      }
    }
  }
  EXPECT_EQ(EncodeDate(1899, 12, 30).Ms, 0);
  EXPECT_EQ(EncodeDate(1900, 1, 1).Ms, 2 * kMsPerDay);
}

TEST(DateTimeTest, WeekdaysMonthLengthsAndDayArithmetic) {
  EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 8)), 3);  // Tuesday
  EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 30)), 7);
  EXPECT_EQ(DayOfWeek(EncodeDate(1800, 1, 1)), 4);  // Wednesday, before the epoch
  EXPECT_EQ(DaysInMonth(1900, 2), 28);
  EXPECT_EQ(DaysInMonth(2000, 2), 29);
  EXPECT_EQ(DaysInMonth(2024, 2), 29);
  EXPECT_FALSE(IsValidDate(2023, 2, 29));
  const DateTime t = EncodeDateTime(2026, 12, 31, 23, 59, 59);
  EXPECT_EQ(AddDays(DateOf(t), 1), EncodeDate(2027, 1, 1));
}

TEST(DateTimeTest, FormatsPictures) {
  const DateTime t = EncodeDateTime(2026, 12, 7, 9, 5, 3);
  EXPECT_EQ(FormatDateTime("yyyy/mm/dd h:nn:ss", t), "2026/12/07 9:05:03");
  EXPECT_EQ(FormatDateTime("yyyymm", t), "202612");
  EXPECT_EQ(FormatDateTime("yy/m/d hh", t), "26/12/7 09");
  // 年 (0x94 0x4E) has a trail byte 'N' that must not be read as minutes.
  EXPECT_EQ(FormatDateTime("yyyy年m月", t), "2026年12月");
  EXPECT_EQ(FormatDateTime("\"dd\"d", t), "dd7");
}

}  // namespace
}  // namespace quillpad
