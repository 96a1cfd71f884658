// Local date-time values: milliseconds since 1899-12-30 00:00, so whole days are exact and
// "today + 1 day" is plain arithmetic.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillpad {

struct DateTime {
  std::int64_t Ms = 0;
  friend auto operator<=>(const DateTime&, const DateTime&) = default;
};

constexpr std::int64_t kMsPerDay = 86'400'000;

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);

// Valid dates from year 1 to 9999; callers check with IsValidDate first.
DateTime EncodeDate(int year, int month, int day);
DateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int ms = 0);
void DecodeDate(DateTime value, int& year, int& month, int& day);
void DecodeTime(DateTime value, int& hour, int& minute, int& second, int& ms);

DateTime DateOf(DateTime value);
DateTime AddDays(DateTime value, int days);
// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(DateTime value);

// Picture letters: yyyy yy mm m dd d (date), hh h nn n ss s (time); text in double quotes and
// every other character is copied. The simulated system's formats are "yyyy/mm/dd" and "h:nn:ss".
std::string FormatDateTime(std::string_view format, DateTime value);

}  // namespace quillpad
