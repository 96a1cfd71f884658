// Holiday rule files from anywhere: the reader, the key lookup, the comma lists and the month
// classification must hold up against any bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "base/comma_list.h"
#include "base/text.h"
#include "calendar/holidays.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillpad;
  if (size < 2) return 0;
  // The first two bytes choose the month; the rest is the file.
  const int year = kFirstCalendarYear + data[0] % (kLastCalendarYear - kFirstCalendarYear + 1);
  const int month = 1 + data[1] % 12;
  const std::string_view file(reinterpret_cast<const char*>(data) + 2, size - 2);

  const HolidayRules rules = ParseHolidayRules(file);
  const std::size_t count = rules.Lines().size();
  Check(rules.Keys().size() == count);

  // The indexed lookup must agree with a plain first-match scan, and the settings dialog's
  // join must give the same fields back.
  const std::size_t checked = count < 64 ? count : 64;
  for (std::size_t i = 0; i < checked; ++i) {
    const std::string& key = rules.Keys()[i];
    int first = -1;
    if (!key.empty()) {
      for (std::size_t j = 0; j <= i; ++j) {
        if (SameText(rules.Keys()[j], key)) {
          first = static_cast<int>(j);
          break;
        }
      }
    }
    Check(rules.FindKey(key) == first);

    std::vector<std::string> fields = SplitCommaList(rules.Lines()[i]);
    const std::vector<std::string> again = SplitCommaList(JoinCommaList(fields));
    if (!fields.empty() && fields.back().empty()) fields.pop_back();
    Check(again == fields);
  }

  for (const bool setEquinox : {true, false}) {
    const HolidayMonth classified = ClassifyMonth(rules, year, month, setEquinox);
    Check(classified.DayCount >= 28 && classified.DayCount <= 31);
    Check(classified.Days.size() == static_cast<std::size_t>(classified.DayCount));
    int row = 0;
    for (const HolidayDay& day : classified.Days) {
      Check(day.Weekday == (day.Day - 1 + classified.FirstWeekday) % 7);
      Check(day.Row == row);
      Check(day.Weekday != 0 || !day.Holiday);  // a Sunday keeps its Sunday look
      Check(day.Named || day.Name.empty());
      if (day.Weekday == 6) ++row;
    }
  }
  return 0;
}
