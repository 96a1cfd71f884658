// Which days of a month are holidays: the user's rules from "HolidayList.txt", the equinox days
// by formula, and the Monday after a holiday that falls on a Sunday. Pure logic: the calendar
// window reads the file and hands its bytes in; texts are CP932.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quillpad {

// The calendar shows these years only; the weekday formula below is exact for them.
constexpr int kFirstCalendarYear = 1900;
constexpr int kLastCalendarYear = 2100;

// Captions of the calendar's weekday header, Sunday first; rule keys use them too ("2Mon").
constexpr std::array<std::string_view, 7> kWeekdayWords = {"Sun", "Mon", "Tue", "Wed",
                                                           "Thu", "Fri", "Sat"};

// The rules of a holiday file: the lines exactly as read, and for each line at the same index
// its key, field 1 + "," + field 2 (for example "1,1" or "1,2Mon").
class HolidayRules {
 public:
  HolidayRules() = default;
  explicit HolidayRules(std::vector<std::string> lines);

  const std::vector<std::string>& Lines() const { return LineList; }
  const std::vector<std::string>& Keys() const { return KeyList; }

  // Index of the first line whose key equals key ignoring case (ASCII letters), or -1.
  // Leading zeros matter: "01,1" never equals "1,1".
  int FindKey(std::string_view key) const;

  // Field 3 of line index, when the line has three fields or more.
  const std::optional<std::string>& Name(int index) const { return NameList[index]; }

 private:
  std::vector<std::string> LineList;
  std::vector<std::string> KeyList;
  std::vector<std::optional<std::string>> NameList;
  // Upper-cased key -> first line with that key; lines without a key are not in it.
  std::unordered_map<std::string, int> KeyIndex;
};

// The lines of a holiday file's bytes (CR LF, LF or CR line ends). Every line is kept, so that
// the settings dialog shows the file as it is; a line with fewer than two fields gets an empty
// key, which matches no date.
HolidayRules ParseHolidayRules(std::string_view fileBytes);

// Field 1 + "," + field 2 of a rule line, or "" when the line has fewer than two fields.
std::string RuleKey(std::string_view line);

// Case-insensitive text order, in which the settings dialog writes the file ("10,1" before "2,1").
void SortRuleLines(std::vector<std::string>& lines);

// Month lengths are DaysInMonth of base/date_time.h.

// Weekday of the 1st, 0 = Sunday ... 6 = Saturday. Years kFirstCalendarYear..kLastCalendarYear
// and months 1..12; anything else throws std::out_of_range.
int FirstWeekday(int year, int month);

struct Equinoxes {
  int Vernal = 0;    // day in March
  int Autumnal = 0;  // day in September
};
Equinoxes EquinoxDays(int year);

// One day of a classified month.
struct HolidayDay {
  int Day = 0;
  int Weekday = 0;  // the calendar column, 0 = Sunday
  int Row = 0;      // completed weeks before this day; grows after every Saturday
  bool Holiday = false;
  // A step set a name (the day's tooltip goes on), possibly an empty one from a hand-made line.
  bool Named = false;
  std::string Name;
};

struct HolidayMonth {
  int Year = 0;
  int Month = 0;
  int FirstWeekday = 0;
  int DayCount = 0;
  std::vector<HolidayDay> Days;  // DayCount entries, the 1st first
};

// Classifies every day of a month. setEquinox is the calendar setting bSetEquinox: the equinox
// days and their substitute Mondays count only when it is on. Year and month ranges as for
// FirstWeekday.
HolidayMonth ClassifyMonth(const HolidayRules& rules, int year, int month, bool setEquinox);

}  // namespace quillpad
