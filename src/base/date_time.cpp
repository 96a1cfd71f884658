#include "base/date_time.h"

#include <cstdio>

#include "base/text.h"

namespace quillpad {

namespace {
// Days from 0001-01-01 to the given date (proleptic Gregorian).
std::int64_t DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;  // days since 1970-01-01
}

const std::int64_t kEpochOffset = DaysFromCivil(1899, 12, 30);

void CivilFromDays(std::int64_t z, int& y, int& m, int& d) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

std::string Pad(int value, int width) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
  return buffer;
}
}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool IsValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

DateTime EncodeDate(int year, int month, int day) {
  return DateTime{(DaysFromCivil(year, month, day) - kEpochOffset) * kMsPerDay};
}

DateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int ms) {
  return DateTime{EncodeDate(year, month, day).Ms + ((hour * 60LL + minute) * 60 + second) * 1000 + ms};
}

void DecodeDate(DateTime value, int& year, int& month, int& day) {
  CivilFromDays(FloorDiv(value.Ms, kMsPerDay) + kEpochOffset, year, month, day);
}

void DecodeTime(DateTime value, int& hour, int& minute, int& second, int& ms) {
  std::int64_t t = value.Ms - FloorDiv(value.Ms, kMsPerDay) * kMsPerDay;
  ms = static_cast<int>(t % 1000);
  t /= 1000;
  second = static_cast<int>(t % 60);
  t /= 60;
  minute = static_cast<int>(t % 60);
  hour = static_cast<int>(t / 60);
}

DateTime DateOf(DateTime value) { return DateTime{FloorDiv(value.Ms, kMsPerDay) * kMsPerDay}; }

DateTime AddDays(DateTime value, int days) { return DateTime{value.Ms + days * kMsPerDay}; }

int DayOfWeek(DateTime value) {
  // 1899-12-30 was a Saturday.
  const std::int64_t days = FloorDiv(value.Ms, kMsPerDay);
  return static_cast<int>(((days + 6) % 7 + 7) % 7) + 1;
}

std::string FormatDateTime(std::string_view format, DateTime value) {
  int y, mo, d, h, mi, s, ms;
  DecodeDate(value, y, mo, d);
  DecodeTime(value, h, mi, s, ms);
  std::string out;
  std::size_t i = 0;
  auto run = [&](char c) {
    std::size_t n = 0;
    while (i + n < format.size() && (format[i + n] | 0x20) == c) ++n;
    return n;
  };
  while (i < format.size()) {
    const char c = static_cast<char>(format[i] | 0x20);
    std::size_t n = 0;
    if (IsLeadByte(static_cast<unsigned char>(format[i])) && i + 1 < format.size()) {
      out.append(format.substr(i, 2));  // a trail byte may look like a picture letter
      i += 2;
      continue;
    }
    if (format[i] == '"') {
      const std::size_t end = format.find('"', i + 1);
      const std::size_t stop = end == std::string_view::npos ? format.size() : end;
      out.append(format.substr(i + 1, stop - i - 1));
      i = stop == format.size() ? stop : stop + 1;
      continue;
    }
    if (c == 'y' && (n = run('y'))) {
      out += n >= 3 ? Pad(y, 4) : Pad(y % 100, 2);
    } else if (c == 'm' && (n = run('m'))) {
      out += n >= 2 ? Pad(mo, 2) : std::to_string(mo);
    } else if (c == 'd' && (n = run('d'))) {
      out += n >= 2 ? Pad(d, 2) : std::to_string(d);
    } else if (c == 'h' && (n = run('h'))) {
      out += n >= 2 ? Pad(h, 2) : std::to_string(h);
    } else if (c == 'n' && (n = run('n'))) {
      out += n >= 2 ? Pad(mi, 2) : std::to_string(mi);
    } else if (c == 's' && (n = run('s'))) {
      out += n >= 2 ? Pad(s, 2) : std::to_string(s);
    } else {
      n = 1;
      out += format[i];
    }
    i += n;
  }
  return out;
}

}  // namespace quillpad
