// quillpad-tool holidays: one month classified as the calendar window marks it.
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/encoding.h"
#include "base/text.h"
#include "calendar/holidays.h"
#include "command.h"

namespace quillpad::tool {

namespace {

constexpr const char* kUsage =
    "holidays YEAR MONTH [RULEFILE] [--no-equinox]   a line per day: DAY WEEKDAY H|- [NAME]";

constexpr const char* kDetails =
    "  One line per day, fields separated by one blank: DAY right-aligned in two columns,\n"
    "  WEEKDAY Sun..Sat, H for a holiday or - for none, then the day's name in UTF-8 when a\n"
    "  rule or an equinox names it. RULEFILE is a holiday list in CP932, one rule per line;\n"
    "  without it only the equinox days count. --no-equinox leaves the equinox days out.\n"
    "  YEAR 1900 to 2100, MONTH 1 to 12.\n";

int Usage(const std::string& problem) {
  WriteStderr("quillpad-tool holidays: " + problem + "\nusage: quillpad-tool " + kUsage + "\n" +
              kDetails);
  return 64;
}

bool ReadFile(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

int RunHolidays(const std::vector<std::string>& args) {
  bool setEquinox = true;
  std::vector<std::string> positional;
  for (const std::string& arg : args) {
    if (arg == "--no-equinox") {
      setEquinox = false;
    } else if (arg.size() > 1 && arg.starts_with("--")) {
      return Usage("unknown option '" + arg + "'");
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() < 2 || positional.size() > 3)
    return Usage("expected YEAR MONTH [RULEFILE]");

  long long year = 0;
  long long month = 0;
  if (!TryStrToInt(positional[0], year) || year < kFirstCalendarYear || year > kLastCalendarYear) {
    return Usage("YEAR must be " + IntToStr(kFirstCalendarYear) + " to " +
                 IntToStr(kLastCalendarYear));
  }
  if (!TryStrToInt(positional[1], month) || month < 1 || month > 12) {
    return Usage("MONTH must be 1 to 12");
  }

  HolidayRules rules;
  if (positional.size() == 3) {
    std::string bytes;
    if (!ReadFile(positional[2], bytes)) {
      WriteStderr("quillpad-tool holidays: cannot read '" + positional[2] + "'\n");
      return 1;
    }
    rules = ParseHolidayRules(bytes);
  }

  const HolidayMonth classified =
      ClassifyMonth(rules, static_cast<int>(year), static_cast<int>(month), setEquinox);
  std::string out;
  for (const HolidayDay& day : classified.Days) {
    if (day.Day < 10) out += ' ';
    out += IntToStr(day.Day);
    out += ' ';
    out += kWeekdayWords[day.Weekday];
    out += day.Holiday ? " H" : " -";
    if (!day.Name.empty()) {
      out += ' ';
      out += Cp932ToUtf8(day.Name);
    }
    out += '\n';
  }
  WriteStdout(out);
  return 0;
}

[[maybe_unused]] static bool registered =
    RegisterCommand({"holidays", kUsage, RunHolidays, kDetails});

}  // namespace

}  // namespace quillpad::tool
