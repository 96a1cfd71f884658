#include "calendar/holidays.h"

#include <algorithm>
#include <stdexcept>

#include "base/comma_list.h"
#include "base/date_time.h"
#include "base/text.h"

namespace quillpad {

namespace {

constexpr std::string_view kVernalName = "春分の日";
constexpr std::string_view kAutumnalName = "秋分の日";
constexpr std::string_view kSubstituteSuffix = "の振り替え";

void CheckCalendarMonth(int year, int month) {
  if (year < kFirstCalendarYear || year > kLastCalendarYear || month < 1 || month > 12) {
    throw std::out_of_range("calendar month out of range: " + IntToStr(year) + "/" +
                            IntToStr(month));
  }
}

std::string DateKey(int month, int day) {
  return IntToStr(month) + "," + IntToStr(day);
}

}  // namespace

std::string RuleKey(std::string_view line) {
  const std::vector<std::string> fields = SplitCommaList(line);
  if (fields.size() < 2) return {};
  return fields[0] + "," + fields[1];
}

HolidayRules::HolidayRules(std::vector<std::string> lines) : LineList(std::move(lines)) {
  KeyList.reserve(LineList.size());
  NameList.reserve(LineList.size());
  for (std::size_t i = 0; i < LineList.size(); ++i) {
    std::vector<std::string> fields = SplitCommaList(LineList[i]);
    if (fields.size() < 2) {
      // Hand-edited lines such as empty ones: kept for the settings dialog, never matched.
      KeyList.emplace_back();
      NameList.emplace_back();
      continue;
    }
    KeyList.push_back(fields[0] + "," + fields[1]);
    if (fields.size() >= 3) {
      NameList.emplace_back(std::move(fields[2]));
    } else {
      NameList.emplace_back();
    }
    // emplace keeps an existing entry, so the first line with a key wins.
    KeyIndex.emplace(UpperCaseAscii(KeyList.back()), static_cast<int>(i));
  }
}

int HolidayRules::FindKey(std::string_view key) const {
  if (key.empty()) return -1;
  const auto found = KeyIndex.find(UpperCaseAscii(key));
  return found == KeyIndex.end() ? -1 : found->second;
}

HolidayRules ParseHolidayRules(std::string_view fileBytes) {
  return HolidayRules(SplitLines(fileBytes));
}

void SortRuleLines(std::vector<std::string>& lines) {
  std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
    return CompareText(a, b) < 0;
  });
}

int FirstWeekday(int year, int month) {
  CheckCalendarMonth(year, month);
  // Month lengths before the month, February counted as 28: the leap day enters through f.
  static constexpr int kDaysBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  const int f = month <= 2 ? year - 1 : year;
  // Integer division truncates toward zero, as the formula needs for f = 1899.
  const int h = 365 * year - 693500 + kDaysBefore[month - 1] + (f - 1900) / 4 - (f - 1900) / 100 +
                (f - 1600) / 400 + 1;
  return h % 7;
}

Equinoxes EquinoxDays(int year) {
  const int a = year - 1980;
  const int q = a / 4;  // truncates toward zero: -1..-3 give 0
  Equinoxes days;
  days.Vernal = static_cast<int>(20.8431 + 0.242194 * a - q);
  days.Autumnal = static_cast<int>(23.2488 + 0.242194 * a - q);
  return days;
}

HolidayMonth ClassifyMonth(const HolidayRules& rules, int year, int month, bool setEquinox) {
  CheckCalendarMonth(year, month);
  HolidayMonth result;
  result.Year = year;
  result.Month = month;
  result.FirstWeekday = FirstWeekday(year, month);
  result.DayCount = DaysInMonth(year, month);
  result.Days.resize(result.DayCount);

  const Equinoxes equinox = EquinoxDays(year);
  const std::string vernalKey = DateKey(3, equinox.Vernal);
  const std::string autumnalKey = DateKey(9, equinox.Autumnal);
  const std::string monthPrefix = IntToStr(month) + ",";

  int row = 0;
  for (int index = 0; index < result.DayCount; ++index) {
    HolidayDay& day = result.Days[index];
    day.Day = index + 1;
    day.Weekday = (index + result.FirstWeekday) % 7;
    day.Row = row;
    auto setName = [&day](std::string name) {
      day.Name = std::move(name);
      day.Named = true;
    };

    const std::string key = monthPrefix + IntToStr(day.Day);
    if (day.Weekday != 0) {
      if (const int rule = rules.FindKey(key); rule >= 0) {
        day.Holiday = true;
        if (rules.Name(rule)) setName(*rules.Name(rule));
      }
      if (setEquinox && key == vernalKey) {
        day.Holiday = true;
        setName(std::string(kVernalName));
      } else if (setEquinox && key == autumnalKey) {
        day.Holiday = true;
        setName(std::string(kAutumnalName));
      }
    }

    // A holiday on Sunday moves to the Monday after it, within the month and by one day only.
    if (day.Weekday == 1 && day.Day != 1) {
      const std::string sundayKey = monthPrefix + IntToStr(day.Day - 1);
      if (const int rule = rules.FindKey(sundayKey); rule >= 0) {
        day.Holiday = true;
        if (rules.Name(rule) && day.Name.empty()) {
          setName(*rules.Name(rule) + std::string(kSubstituteSuffix));
        }
      }
      if (setEquinox && sundayKey == vernalKey) {
        day.Holiday = true;
        setName(std::string(kVernalName) + std::string(kSubstituteSuffix));
      } else if (setEquinox && sundayKey == autumnalKey) {
        day.Holiday = true;
        setName(std::string(kAutumnalName) + std::string(kSubstituteSuffix));
      }
    }

    // How many times this weekday has come so far in the month: "1,2Mon" is the second Monday.
    const int nth = day.Weekday < result.FirstWeekday ? row : row + 1;
    if (day.Weekday != 0) {
      const std::string nthKey =
          monthPrefix + IntToStr(nth) + std::string(kWeekdayWords[day.Weekday]);
      if (const int rule = rules.FindKey(nthKey); rule >= 0) {
        day.Holiday = true;
        if (rules.Name(rule)) setName(*rules.Name(rule));
      }
    }

    if (day.Weekday == 6) ++row;
  }
  return result;
}

}  // namespace quillpad
