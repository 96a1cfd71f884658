#include "calendar/holidays.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "base/comma_list.h"
#include "base/date_time.h"
#include "base/encoding.h"
#include "base/text.h"

namespace quillpad {
namespace {

// Rule files are written here in UTF-8 and turned into the CP932 bytes of a real file.
std::string Cp932(const char8_t* utf8) {
  return Utf8ToCp932(reinterpret_cast<const char*>(utf8));
}
std::string Utf8(const char8_t* utf8) {
  return reinterpret_cast<const char*>(utf8);
}

HolidayRules Rules(const char8_t* utf8File) {
  return ParseHolidayRules(Cp932(utf8File));
}

const HolidayDay& Day(const HolidayMonth& month, int day) {
  return month.Days.at(day - 1);
}

// Name of a day in UTF-8, so that failures print readably.
std::string NameOf(const HolidayMonth& month, int day) {
  return Cp932ToUtf8(Day(month, day).Name);
}

// day -> UTF-8 name of every marked day of a month.
std::map<int, std::string> MarkedDays(const HolidayMonth& month) {
  std::map<int, std::string> marked;
  for (const HolidayDay& day : month.Days) {
    if (day.Holiday) marked[day.Day] = Cp932ToUtf8(day.Name);
  }
  return marked;
}

// --- Calendar arithmetic ---------------------------------------------------------------------

TEST(CalendarArithmeticTest, FirstWeekdayMatchesKnownDates) {
  EXPECT_EQ(FirstWeekday(1900, 1), 1);  // Monday
  EXPECT_EQ(FirstWeekday(1900, 3), 4);  // no 29 February in 1900
  EXPECT_EQ(FirstWeekday(2000, 3), 3);  // but one in 2000
  EXPECT_EQ(FirstWeekday(2023, 1), 0);
  EXPECT_EQ(FirstWeekday(2024, 1), 1);
  EXPECT_EQ(FirstWeekday(2100, 3), 1);
  EXPECT_EQ(FirstWeekday(2100, 12), 3);
}

TEST(CalendarArithmeticTest, FirstWeekdayAgreesWithDateValuesForEveryMonth) {
  for (int year = kFirstCalendarYear; year <= kLastCalendarYear; ++year) {
    for (int month = 1; month <= 12; ++month) {
      ASSERT_EQ(FirstWeekday(year, month), DayOfWeek(EncodeDate(year, month, 1)) - 1)
          << year << "/" << month;
    }
  }
}

TEST(CalendarArithmeticTest, MonthsOutsideTheCalendarAreRejected) {
  const HolidayRules none;
  EXPECT_THROW(FirstWeekday(1899, 12), std::out_of_range);
  EXPECT_THROW(FirstWeekday(2101, 1), std::out_of_range);
  EXPECT_THROW(ClassifyMonth(none, 2024, 0, true), std::out_of_range);
  EXPECT_THROW(ClassifyMonth(none, 2024, 13, true), std::out_of_range);
  EXPECT_NO_THROW(ClassifyMonth(none, 1900, 1, true));
  EXPECT_NO_THROW(ClassifyMonth(none, 2100, 12, true));
}

TEST(CalendarArithmeticTest, FebruaryLengths) {
  const HolidayRules none;
  const std::map<int, int> lengths = {{1900, 28}, {2000, 29}, {2100, 28}, {2023, 28}, {2024, 29}};
  for (const auto& [year, length] : lengths) {
    const HolidayMonth february = ClassifyMonth(none, year, 2, true);
    EXPECT_EQ(february.DayCount, length) << year;
    EXPECT_EQ(february.Days.size(), static_cast<std::size_t>(length)) << year;
    EXPECT_EQ(february.Days.back().Day, length) << year;
  }
}

TEST(CalendarArithmeticTest, EquinoxDays) {
  struct Case {
    int Year, Vernal, Autumnal;
  };
  // 1979: the truncating division by four keeps the vernal day at 20.
  const Case cases[] = {{1900, 21, 23}, {1979, 20, 23}, {1980, 20, 23}, {2000, 20, 23},
                        {2012, 20, 22}, {2016, 20, 22}, {2020, 20, 22}, {2023, 21, 23},
                        {2024, 20, 22}, {2025, 20, 23}, {2092, 19, 22}, {2100, 19, 22}};
  for (const Case& c : cases) {
    const Equinoxes days = EquinoxDays(c.Year);
    EXPECT_EQ(days.Vernal, c.Vernal) << c.Year;
    EXPECT_EQ(days.Autumnal, c.Autumnal) << c.Year;
  }
}

TEST(CalendarArithmeticTest, ColumnsAndRowsFollowTheWeeks) {
  const HolidayRules none;
  const HolidayMonth january = ClassifyMonth(none, 2024, 1, true);  // 1st a Monday
  EXPECT_EQ(january.FirstWeekday, 1);
  EXPECT_EQ(Day(january, 1).Weekday, 1);
  EXPECT_EQ(Day(january, 1).Row, 0);
  EXPECT_EQ(Day(january, 6).Weekday, 6);
  EXPECT_EQ(Day(january, 6).Row, 0);
  EXPECT_EQ(Day(january, 7).Weekday, 0);
  EXPECT_EQ(Day(january, 7).Row, 1);
  EXPECT_EQ(Day(january, 28).Row, 4);  // the last Sunday opens the fifth row
  EXPECT_EQ(Day(january, 31).Row, 4);

  // September 2029 starts on a Saturday and spans six rows.
  const HolidayMonth september = ClassifyMonth(none, 2029, 9, false);
  EXPECT_EQ(september.FirstWeekday, 6);
  EXPECT_EQ(Day(september, 1).Row, 0);
  EXPECT_EQ(Day(september, 2).Row, 1);
  EXPECT_EQ(Day(september, 30).Row, 5);
  EXPECT_EQ(Day(september, 30).Weekday, 0);
}

// --- Rule lines and keys ---------------------------------------------------------------------

TEST(HolidayRulesTest, KeysAreTheFirstTwoFields) {
  const HolidayRules rules =
      Rules(u8"1,1,元日\r\n1,2Mon,成人の日\r\n3,20,\r\n\"12\" 24 \"振替 休日\"\r\n");
  ASSERT_EQ(rules.Lines().size(), 4u);
  EXPECT_EQ(rules.Keys(), (std::vector<std::string>{"1,1", "1,2Mon", "3,20", "12,24"}));
  EXPECT_EQ(rules.Lines()[2], "3,20,");  // lines stay as read
  EXPECT_EQ(rules.FindKey("1,2Mon"), 1);
  ASSERT_TRUE(rules.Name(0).has_value());
  EXPECT_EQ(Cp932ToUtf8(*rules.Name(0)), Utf8(u8"元日"));
  EXPECT_FALSE(rules.Name(2).has_value());  // "3,20," has two fields: a holiday without a name
  EXPECT_EQ(Cp932ToUtf8(*rules.Name(3)), Utf8(u8"振替 休日"));
}

TEST(HolidayRulesTest, LookupIgnoresCaseButNotLeadingZeros) {
  const HolidayRules rules = Rules(u8"1,2MON,a\n01,1,b\n5,05,c\n");
  EXPECT_EQ(rules.FindKey("1,2Mon"), 0);
  EXPECT_EQ(rules.FindKey("1,2mon"), 0);
  EXPECT_EQ(rules.FindKey("1,1"), -1);
  EXPECT_EQ(rules.FindKey("5,5"), -1);
  EXPECT_EQ(rules.FindKey("01,1"), 1);
  EXPECT_EQ(rules.FindKey(""), -1);

  const HolidayMonth january = ClassifyMonth(rules, 2024, 1, true);
  EXPECT_TRUE(Day(january, 8).Holiday);  // second Monday, written 2MON
  EXPECT_FALSE(Day(january, 1).Holiday);
  EXPECT_FALSE(ClassifyMonth(rules, 2024, 5, true).Days[4].Holiday);
}

TEST(HolidayRulesTest, FirstLineWithAKeyWins) {
  const HolidayRules rules = Rules(u8"7,7,first\n7,7,second\n7,7\n");
  EXPECT_EQ(rules.FindKey("7,7"), 0);
  EXPECT_EQ(ClassifyMonth(rules, 2025, 7, true).Days[6].Name, "first");
}

TEST(HolidayRulesTest, TrailByteLettersDoNotFoldInKeys) {
  // 0x83 0x61 and 0x83 0x41 are different katakana; only real ASCII letters fold.
  const HolidayRules rules(std::vector<std::string>{"1,\x83\x61", "1,x\x83\x41"});
  EXPECT_EQ(rules.FindKey("1,\x83\x61"), 0);
  EXPECT_EQ(rules.FindKey("1,\x83\x41"), -1);
  EXPECT_EQ(rules.FindKey("1,X\x83\x41"), 1);
  EXPECT_EQ(rules.FindKey("1,X\x83\x61"), -1);
}

TEST(HolidayRulesTest, DialogRowsRoundTripThroughTheFile) {
  // A row of the settings dialog becomes a line, the file is written and read back.
  const std::vector<std::vector<std::string>> rows = {
      {"12", "24", Cp932(u8"振替 休日")},
      {"3", "20", ""},
      {"1", "2Mon", Cp932(u8"成人の日")},
      {"6", "1", "say \"hi\", twice"},
  };
  std::vector<std::string> lines;
  for (const auto& row : rows) lines.push_back(JoinCommaList(row));
  EXPECT_EQ(lines[0], "12,24,\"" + Cp932(u8"振替 休日") + "\"");
  EXPECT_EQ(lines[1], "3,20,");
  SortRuleLines(lines);
  const HolidayRules rules = ParseHolidayRules(JoinLines(lines));
  ASSERT_EQ(rules.Lines().size(), rows.size());
  for (const auto& row : rows) {
    const int index = rules.FindKey(row[0] + "," + row[1]);
    ASSERT_GE(index, 0) << row[0] << "," << row[1];
    const std::vector<std::string> expected =
        row[2].empty() ? std::vector<std::string>{row[0], row[1]} : row;
    EXPECT_EQ(SplitCommaList(rules.Lines()[index]), expected);
    EXPECT_EQ(rules.Name(index).has_value(), !row[2].empty());
  }
}

TEST(HolidayRulesTest, SortIsCaseInsensitiveTextOrder) {
  std::vector<std::string> lines = {"2,11,b",   "11,3,c", "10,2Mon,d",
                                    "1,2mon,e", "1,1,a",  "1,2Mon,f"};
  SortRuleLines(lines);
  // "10" and "11" sort before "2"; equal keys in another case keep their order.
  EXPECT_EQ(lines, (std::vector<std::string>{"1,1,a", "1,2mon,e", "1,2Mon,f", "10,2Mon,d", "11,3,c",
                                             "2,11,b"}));
}

// --- Classification --------------------------------------------------------------------------

TEST(ClassifyMonthTest, WithoutRulesOnlyTheEquinoxesAreHolidays) {
  const HolidayRules none;
  int holidays = 0;
  for (int month = 1; month <= 12; ++month) {
    for (const HolidayDay& day : ClassifyMonth(none, 2025, month, true).Days) {
      holidays += day.Holiday;
    }
  }
  EXPECT_EQ(holidays, 2);
  EXPECT_EQ(NameOf(ClassifyMonth(none, 2025, 3, true), 20), Utf8(u8"春分の日"));
  EXPECT_EQ(NameOf(ClassifyMonth(none, 2025, 9, true), 23), Utf8(u8"秋分の日"));
}

TEST(ClassifyMonthTest, EquinoxSwitchTurnsOffBothDaysAndTheirSubstitutes) {
  const HolidayRules none;
  // 22 September 2024 is a Sunday: with the switch on, Monday the 23rd is its substitute.
  const HolidayMonth on = ClassifyMonth(none, 2024, 9, true);
  EXPECT_FALSE(Day(on, 22).Holiday);
  EXPECT_EQ(NameOf(on, 23), Utf8(u8"秋分の日の振り替え"));
  EXPECT_EQ(MarkedDays(ClassifyMonth(none, 2024, 9, false)).size(), 0u);
  EXPECT_EQ(MarkedDays(ClassifyMonth(none, 2024, 3, false)).size(), 0u);
  EXPECT_EQ(MarkedDays(ClassifyMonth(none, 2025, 9, false)).size(), 0u);
  // A vernal equinox on a Sunday: 21 March 2027.
  EXPECT_EQ(MarkedDays(ClassifyMonth(none, 2027, 3, true)),
            (std::map<int, std::string>{{22, Utf8(u8"春分の日の振り替え")}}));
  EXPECT_EQ(MarkedDays(ClassifyMonth(none, 2027, 3, false)).size(), 0u);
}

TEST(ClassifyMonthTest, EquinoxNameReplacesARuleName) {
  const HolidayRules rules = Rules(u8"3,20,x\n9,23,y\n");
  EXPECT_EQ(NameOf(ClassifyMonth(rules, 2024, 3, true), 20), Utf8(u8"春分の日"));
  // The equinox substitute also replaces the Monday's own rule name.
  EXPECT_EQ(NameOf(ClassifyMonth(rules, 2024, 9, true), 23), Utf8(u8"秋分の日の振り替え"));
  // With the switch off the rule alone decides.
  const HolidayMonth off = ClassifyMonth(rules, 2024, 3, false);
  EXPECT_TRUE(Day(off, 20).Holiday);
  EXPECT_EQ(NameOf(off, 20), "x");
}

TEST(ClassifyMonthTest, NthWeekdayRules) {
  const HolidayRules rules =
      Rules(u8"1,2Mon,成人の日\n5,1Mon,m\n5,2Tue,t\n3,5Fri,f\n3,6Sat,never\n");
  // 1st a Monday: the 8th; 1st a Sunday: the 9th.
  EXPECT_EQ(MarkedDays(ClassifyMonth(rules, 2024, 1, true)),
            (std::map<int, std::string>{{8, Utf8(u8"成人の日")}}));
  EXPECT_EQ(MarkedDays(ClassifyMonth(rules, 2023, 1, true)),
            (std::map<int, std::string>{{9, Utf8(u8"成人の日")}}));
  // May 2024 starts on a Wednesday: the first Monday lies in the second row.
  EXPECT_EQ(MarkedDays(ClassifyMonth(rules, 2024, 5, false)),
            (std::map<int, std::string>{{6, "m"}, {14, "t"}}));
  // Fridays of March 2024: 1, 8, 15, 22, 29.
  EXPECT_EQ(MarkedDays(ClassifyMonth(rules, 2024, 3, false)),
            (std::map<int, std::string>{{29, "f"}}));
}

TEST(ClassifyMonthTest, NthWeekdayNameReplacesAnEarlierName) {
  const HolidayRules rules = Rules(u8"1,8,fixed\n1,2Mon,nth\n");
  EXPECT_EQ(NameOf(ClassifyMonth(rules, 2024, 1, true), 8), "nth");
}

TEST(ClassifyMonthTest, SundayRuleMovesToTheMonday) {
  // 3 May 2020 is a Sunday.
  const HolidayMonth alone = ClassifyMonth(Rules(u8"5,3,憲法記念日\n"), 2020, 5, true);
  EXPECT_FALSE(Day(alone, 3).Holiday);
  EXPECT_FALSE(Day(alone, 3).Named);
  EXPECT_TRUE(Day(alone, 4).Holiday);
  EXPECT_EQ(NameOf(alone, 4), Utf8(u8"憲法記念日の振り替え"));

  // The Monday's own name stays; the order of the lines does not matter.
  for (const char8_t* file :
       {u8"5,3,憲法記念日\n5,4,みどりの日\n", u8"5,4,みどりの日\n5,3,憲法記念日\n"}) {
    const HolidayMonth both = ClassifyMonth(Rules(file), 2020, 5, true);
    EXPECT_EQ(NameOf(both, 4), Utf8(u8"みどりの日"));
    EXPECT_FALSE(Day(both, 5).Holiday);
  }
}

TEST(ClassifyMonthTest, SundayOnTheFirstMovesToTheSecond) {
  // 1 January 2023 is a Sunday.
  EXPECT_EQ(MarkedDays(ClassifyMonth(Rules(u8"1,1,元日\n"), 2023, 1, true)),
            (std::map<int, std::string>{{2, Utf8(u8"元日の振り替え")}}));
}

TEST(ClassifyMonthTest, SubstituteMovesOneDayOnlyAndStaysInTheMonth) {
  // 4 and 5 May 2025 are Sunday and Monday: Monday keeps its own holiday, Tuesday stays a work day.
  EXPECT_EQ(MarkedDays(ClassifyMonth(Rules(u8"5,4,a\n5,5,b\n"), 2025, 5, true)),
            (std::map<int, std::string>{{5, "b"}}));
  // 31 March 2024 is a Sunday; Monday 1 April is not its substitute.
  const HolidayRules lastDay = Rules(u8"3,31,end\n");
  EXPECT_TRUE(MarkedDays(ClassifyMonth(lastDay, 2024, 3, false)).empty());
  EXPECT_TRUE(MarkedDays(ClassifyMonth(lastDay, 2024, 4, false)).empty());
  // Nor does a hand-made day 0 reach a Monday on the 1st.
  EXPECT_TRUE(MarkedDays(ClassifyMonth(Rules(u8"4,0,zero\n"), 2024, 4, false)).empty());
  // No holiday between two holidays: 21 and 23 September 2026 leave the 22nd alone.
  EXPECT_FALSE(Day(ClassifyMonth(Rules(u8"9,3Mon,a\n"), 2026, 9, true), 22).Holiday);
}

TEST(ClassifyMonthTest, NthWeekdayRuleOnSundayMarksNothing) {
  // September 2024 starts on a Sunday.
  EXPECT_TRUE(MarkedDays(ClassifyMonth(Rules(u8"9,1Sun,s\n9,2Sun,t\n"), 2024, 9, false)).empty());
}

TEST(ClassifyMonthTest, SaturdayRuleMarksTheSaturday) {
  // 23 November 2024 is a Saturday.
  EXPECT_EQ(MarkedDays(ClassifyMonth(Rules(u8"11,23,勤労感謝の日\n"), 2024, 11, true)),
            (std::map<int, std::string>{{23, Utf8(u8"勤労感謝の日")}}));
  EXPECT_EQ(MarkedDays(ClassifyMonth(Rules(u8"11,4Sat,x\n"), 2024, 11, true)),
            (std::map<int, std::string>{{23, "x"}}));
}

TEST(ClassifyMonthTest, RulesWithoutANameMarkWithoutNaming) {
  // 11 February 2024 is a Sunday.
  const HolidayMonth february = ClassifyMonth(Rules(u8"2,11,\n2,23\n"), 2024, 2, true);
  EXPECT_TRUE(Day(february, 12).Holiday);
  EXPECT_FALSE(Day(february, 12).Named);
  EXPECT_TRUE(Day(february, 23).Holiday);
  EXPECT_FALSE(Day(february, 23).Named);
  // An explicitly empty third field does set an (empty) name.
  const HolidayMonth quoted = ClassifyMonth(Rules(u8"2,23,\"\"\n"), 2024, 2, true);
  EXPECT_TRUE(Day(quoted, 23).Holiday);
  EXPECT_TRUE(Day(quoted, 23).Named);
  EXPECT_EQ(Day(quoted, 23).Name, "");
}

// --- Present-day national holidays ------------------------------------------------------------

// The national holidays as far as this rule format can hold them. The equinoxes come from the
// formula. Things the format cannot say: a substitute holiday moves further than Monday when
// Monday is a holiday too (6 May 2025 and 2026), and a day between two holidays is a holiday
// (22 September 2026). Those days are listed as work days below.
constexpr char8_t kNationalRules[] =
    u8"1,1,元日\r\n"
    u8"1,2Mon,成人の日\r\n"
    u8"2,11,建国記念の日\r\n"
    u8"2,23,天皇誕生日\r\n"
    u8"4,29,昭和の日\r\n"
    u8"5,3,憲法記念日\r\n"
    u8"5,4,みどりの日\r\n"
    u8"5,5,こどもの日\r\n"
    u8"7,3Mon,海の日\r\n"
    u8"8,11,山の日\r\n"
    u8"9,3Mon,敬老の日\r\n"
    u8"10,2Mon,スポーツの日\r\n"
    u8"11,3,文化の日\r\n"
    u8"11,23,勤労感謝の日\r\n";

using MonthHolidays = std::map<int, std::string>;

// Worked out by hand from the weekday of each 1st.
const std::map<int, std::vector<std::map<int, std::u8string>>> kExpected = {
    {2024,
     {
         {{1, u8"元日"}, {8, u8"成人の日"}},                                         // 1st Mon
         {{12, u8"建国記念の日の振り替え"}, {23, u8"天皇誕生日"}},                   // 11th Sun
         {{20, u8"春分の日"}},                                                       // Wed
         {{29, u8"昭和の日"}},                                                       // Mon
         {{3, u8"憲法記念日"}, {4, u8"みどりの日"}, {6, u8"こどもの日の振り替え"}},  // 5th Sun
         {},
         {{15, u8"海の日"}},                                     // 1st Mon
         {{12, u8"山の日の振り替え"}},                           // 11th Sun
         {{16, u8"敬老の日"}, {23, u8"秋分の日の振り替え"}},     // 22nd Sun
         {{14, u8"スポーツの日"}},                               // 1st Tue
         {{4, u8"文化の日の振り替え"}, {23, u8"勤労感謝の日"}},  // 3rd Sun, 23rd Sat
         {},
     }},
    {2025,
     {
         {{1, u8"元日"}, {13, u8"成人の日"}},                       // 1st Wed
         {{11, u8"建国記念の日"}, {24, u8"天皇誕生日の振り替え"}},  // 23rd Sun
         {{20, u8"春分の日"}},
         {{29, u8"昭和の日"}},
         {{3, u8"憲法記念日"}, {5, u8"こどもの日"}},  // 3rd Sat, 4th Sun, 6th not marked
         {},
         {{21, u8"海の日"}},  // 1st Tue
         {{11, u8"山の日"}},
         {{15, u8"敬老の日"}, {23, u8"秋分の日"}},               // 1st Mon
         {{13, u8"スポーツの日"}},                               // 1st Wed
         {{3, u8"文化の日"}, {24, u8"勤労感謝の日の振り替え"}},  // 23rd Sun
         {},
     }},
    {2026,
     {
         {{1, u8"元日"}, {12, u8"成人の日"}},  // 1st Thu
         {{11, u8"建国記念の日"}, {23, u8"天皇誕生日"}},
         {{20, u8"春分の日"}},
         {{29, u8"昭和の日"}},
         {{4, u8"みどりの日"}, {5, u8"こどもの日"}},  // 3rd Sun: Monday keeps its own name
         {},
         {{20, u8"海の日"}},  // 1st Wed
         {{11, u8"山の日"}},
         {{21, u8"敬老の日"}, {23, u8"秋分の日"}},  // 1st Tue
         {{12, u8"スポーツの日"}},                  // 1st Thu
         {{3, u8"文化の日"}, {23, u8"勤労感謝の日"}},
         {},
     }},
};

TEST(NationalHolidaysTest, MonthByMonth2024To2026) {
  const HolidayRules rules = Rules(kNationalRules);
  ASSERT_EQ(rules.Lines().size(), 14u);
  for (const auto& [year, months] : kExpected) {
    ASSERT_EQ(months.size(), 12u);
    for (int month = 1; month <= 12; ++month) {
      MonthHolidays expected;
      for (const auto& [day, name] : months[month - 1]) {
        expected[day] = reinterpret_cast<const char*>(name.c_str());
      }
      const HolidayMonth classified = ClassifyMonth(rules, year, month, true);
      EXPECT_EQ(MarkedDays(classified), expected) << year << "/" << month;
      for (const HolidayDay& day : classified.Days) {
        if (day.Weekday == 0) {
          EXPECT_FALSE(day.Holiday) << year << "/" << month << "/" << day.Day;
        }
      }
    }
  }
}

// --- Damaged rule files ----------------------------------------------------------------------

TEST(DamagedRulesTest, ShortLinesAreKeptButNeverMatch) {
  const HolidayRules rules = Rules(u8"\r\n   \r\n5\r\n\"5,5\r\n5,5,こどもの日\r\n,\r\n");
  ASSERT_EQ(rules.Lines().size(), 6u);
  EXPECT_EQ(rules.Keys()[0], "");
  EXPECT_EQ(rules.Keys()[1], "");
  EXPECT_EQ(rules.Keys()[2], "");
  EXPECT_EQ(rules.Keys()[3], "");  // one quoted field "5,5"
  EXPECT_EQ(rules.Keys()[5], "");  // "," is one empty field
  EXPECT_EQ(rules.FindKey("5,5"), 4);
  EXPECT_EQ(MarkedDays(ClassifyMonth(rules, 2026, 5, false)),
            (MonthHolidays{{5, Utf8(u8"こどもの日")}}));
}

TEST(DamagedRulesTest, UnbalancedQuoteInTheNameTakesTheRestOfTheLine) {
  const HolidayRules rules = Rules(u8"5,5,\"こどもの日, 端午\r\n5,6\r\n");
  EXPECT_EQ(NameOf(ClassifyMonth(rules, 2026, 5, false), 5), Utf8(u8"こどもの日, 端午"));
  EXPECT_TRUE(Day(ClassifyMonth(rules, 2026, 5, false), 6).Holiday);
}

TEST(DamagedRulesTest, TenThousandLines) {
  std::string file = "7,7,first\r\n";
  for (int i = 0; i < 10000; ++i) {
    file += IntToStr(1 + i % 12) + "," + IntToStr(1 + i % 31) + ",n" + IntToStr(i) + "\r\n";
  }
  const HolidayRules rules = ParseHolidayRules(file);
  EXPECT_EQ(rules.Lines().size(), 10001u);
  EXPECT_EQ(rules.FindKey("7,7"), 0);
  // i = 30 is the first line for 7,31 (i % 12 = 6 and i % 31 = 30).
  EXPECT_EQ(rules.FindKey("7,31"), 30 + 1);
  const HolidayMonth july = ClassifyMonth(rules, 2025, 7, false);
  EXPECT_EQ(Day(july, 7).Name, "first");
  EXPECT_EQ(Day(july, 31).Name, "n30");
}

TEST(DamagedRulesTest, BinaryBytesDoNotBreakTheCalendar) {
  std::string file;
  for (int i = 0; i < 4096; ++i) file += static_cast<char>((i * 7919 + i / 256) & 0xFF);
  file += std::string("\r\n5,5,a\0b\r\n8,\x82", 14);
  const HolidayRules rules = ParseHolidayRules(file);
  EXPECT_EQ(rules.Keys().size(), rules.Lines().size());
  const int index = rules.FindKey("5,5");
  ASSERT_GE(index, 0);
  EXPECT_EQ(*rules.Name(index), "a");  // the NUL ends the line's text
  for (int year : {1900, 2024, 2100}) {
    for (int month = 1; month <= 12; ++month) {
      const HolidayMonth classified = ClassifyMonth(rules, year, month, true);
      EXPECT_EQ(classified.Days.size(), static_cast<std::size_t>(classified.DayCount));
    }
  }
}

}  // namespace
}  // namespace quillpad
