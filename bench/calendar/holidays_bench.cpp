// ClassifyMonth runs on every rebuild of the calendar window (each resize and arrow click).
#include <benchmark/benchmark.h>

#include <string>

#include "base/text.h"
#include "calendar/holidays.h"

namespace quillpad {
namespace {

// Twenty rules in the shape the settings dialog writes: fixed dates, n-th weekdays, one
// nameless line.
const std::string kTwentyRules =
    "1,1,New Year\r\n1,2,Bank Day\r\n1,2Mon,Coming of Age\r\n10,2Mon,Sports\r\n11,23,Labour\r\n"
    "11,3,Culture\r\n12,29,Year End\r\n12,30,Year End\r\n12,31,Year End\r\n2,11,Foundation\r\n"
    "2,23,Emperor\r\n4,29,Showa\r\n5,3,Constitution\r\n5,4,Greenery\r\n5,5,Children\r\n"
    "6,3Sat,\r\n7,3Mon,Marine\r\n8,11,Mountain\r\n9,3Mon,Aged\r\n9,4Fri,Office Trip\r\n";

constexpr int kMonths = (kLastCalendarYear - kFirstCalendarYear + 1) * 12;

void ClassifyEveryMonth(benchmark::State& state, const HolidayRules& rules) {
  for (auto _ : state) {
    for (int year = kFirstCalendarYear; year <= kLastCalendarYear; ++year) {
      for (int month = 1; month <= 12; ++month) {
        benchmark::DoNotOptimize(ClassifyMonth(rules, year, month, true));
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * kMonths);
  state.counters["per_month"] = benchmark::Counter(
      kMonths, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_ClassifyMonth_1900To2100_20Rules(benchmark::State& state) {
  const HolidayRules rules = ParseHolidayRules(kTwentyRules);
  ClassifyEveryMonth(state, rules);
}
BENCHMARK(BM_ClassifyMonth_1900To2100_20Rules)->Unit(benchmark::kMillisecond);

void BM_ClassifyMonth_1900To2100_10000Rules(benchmark::State& state) {
  std::string file;
  for (int i = 0; i < 10000; ++i) {
    file += IntToStr(1 + i % 12) + "," + IntToStr(1 + i % 31) + ",n" + IntToStr(i) + "\r\n";
  }
  const HolidayRules rules = ParseHolidayRules(file);
  ClassifyEveryMonth(state, rules);
}
BENCHMARK(BM_ClassifyMonth_1900To2100_10000Rules)->Unit(benchmark::kMillisecond);

void BM_ParseHolidayRules_20Rules(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ParseHolidayRules(kTwentyRules));
}
BENCHMARK(BM_ParseHolidayRules_20Rules)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillpad
