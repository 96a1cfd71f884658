// BuildMonth runs on every resize, arrow click and memo save: the whole rebuild in the simulated
// desktop (labels, fonts, tooltips, memo files) and the layout arithmetic alone.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "calendar/calendar_form.h"
#include "platform/sim/sim_desktop.h"
#include "ui/application.h"

namespace quillpad {
namespace {

class BenchHost : public CalendarHost {
 public:
  std::string CalendarProgramDir() const override { return "C:"; }
  std::string CalendarWorkDir() const override { return "C:"; }
  std::string CalendarScheduleMemoDir() const override { return "C:\\ScheduleMemo"; }
  platform::Rect ClampCalendarBounds(const platform::Rect& r) const override { return r; }
  void OpenCalendarDate(DateTime, platform::Point) override {}
  void DeleteCalendarDateMemo(DateTime) override {}
  void ListMonthFromCalendar() override {}
  void ListAllFromCalendar() override {}
  void CalendarClosed() override {}
  void ExitFromCalendar() override {}
  void CalendarSettingsChanged() override {}
};

// A drive with twenty rules and a memo on every third day of December 2026.
struct Desk {
  Desk() {
    folder = std::filesystem::temp_directory_path() / "quillpad-calendar-bench";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "ScheduleMemo");
    std::ofstream(folder / "HolidayList.txt", std::ios::binary)
        << "1,1,a\r\n1,2Mon,b\r\n2,11,c\r\n2,23,d\r\n3,20,e\r\n4,29,f\r\n5,3,g\r\n5,4,h\r\n"
           "5,5,i\r\n7,3Mon,j\r\n8,11,k\r\n9,3Mon,l\r\n10,2Mon,m\r\n11,3,n\r\n11,23,o\r\n"
           "12,23,p\r\n12,29,q\r\n12,30,r\r\n12,31,s\r\n6,3Sat,\r\n";
    for (int day = 1; day <= 31; day += 3) {
      const std::string name =
          "202612" + std::string(day < 10 ? "0" : "") + std::to_string(day) + ".txt";
      std::ofstream(folder / "ScheduleMemo" / name, std::ios::binary)
          << "memo text\r\nsecond line\r\n";
    }
    sim.MapDrive('C', folder);
    sim.SetNow(EncodeDateTime(2026, 12, 7, 9, 0, 0));
  }
  ~Desk() { std::filesystem::remove_all(folder); }
  std::filesystem::path folder;
  platform::sim::SimDesktop sim;
};

void BM_BuildMonth_Window(benchmark::State& state) {
  Desk desk;
  ui::Application app(desk.sim);
  BenchHost host;
  TCalendarForm form(nullptr, host, desk.sim);
  form.Show();
  for (auto _ : state) form.BuildMonth();
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BuildMonth_Window)->Unit(benchmark::kMicrosecond);

void BM_BuildMonth_LayoutOnly(benchmark::State& state) {
  Desk desk;
  std::string bytes;
  desk.sim.Files().ReadFile("C:\\HolidayList.txt", bytes);
  const HolidayRules rules = ParseHolidayRules(bytes);
  MonthInput in;
  in.Year = in.TodayYear = 2026;
  in.Month = in.TodayMonth = 12;
  in.TodayDay = 7;
  in.ScheduleMemoDir = "C:\\ScheduleMemo";
  platform::WindowSystem& windows = desk.sim.Windows();
  const MeasureText measure = [&windows](std::string_view t, const platform::FontSpec& f) {
    return windows.TextExtent(t, f);
  };
  for (auto _ : state)
    benchmark::DoNotOptimize(BuildMonthLayout(in, rules, desk.sim.Files(), measure));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BuildMonth_LayoutOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillpad
