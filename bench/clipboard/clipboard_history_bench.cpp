// The largest history the options allow (100,000 entries): a capture into the sorted list, a
// reduction and a sort, each timed next to one plain hash-set pass over the same entries in the
// same run, so the figure is a ratio that does not depend on the machine.
#include <benchmark/benchmark.h>

#include <ctime>
#include <string>
#include <unordered_set>
#include <vector>

#include "clipboard/clipboard_history.h"

namespace quillpad {
namespace {

double NowNs() {
  std::timespec ts{};
  std::timespec_get(&ts, TIME_UTC);
  return static_cast<double>(ts.tv_sec) * 1e9 + static_cast<double>(ts.tv_nsec);
}

// Lines as people copy them: words, numbers, paths; about a third repeat in another case.
std::vector<std::string> Entries() {
  std::vector<std::string> entries;
  entries.reserve(kHistoryMaxCountLimit);
  std::uint32_t seed = 12345;
  for (int i = 0; i < kHistoryMaxCountLimit; ++i) {
    seed = seed * 1664525u + 1013904223u;
    const int word = static_cast<int>(seed >> 8) % 70000;
    std::string line = (word % 3 ? "Item " : "item ") + std::to_string(word) + " C:\\Data\\メモ";
    entries.push_back(std::move(line));
  }
  return entries;
}

double HashSetPassNs(const std::vector<std::string>& entries) {
  const double t0 = NowNs();
  std::unordered_set<std::string_view> seen;
  seen.reserve(entries.size());
  for (const std::string& e : entries) seen.insert(e);
  benchmark::DoNotOptimize(seen.size());
  return NowNs() - t0;
}

template <typename Work>
void VersusHashSet(benchmark::State& state, bool sortedFirst, Work work) {
  const std::vector<std::string> entries = Entries();
  double ours = 0, plain = 0;
  for (auto _ : state) {
    state.PauseTiming();
    ClipboardHistory history;
    history.MaxCount = kHistoryMaxCountLimit;
    history.Assign(entries);
    history.SetSorted(sortedFirst);
    state.ResumeTiming();
    const double t0 = NowNs();
    work(history);
    ours += NowNs() - t0;
    benchmark::DoNotOptimize(history.Count());
    plain += HashSetPassNs(entries);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["history_ms"] = ours / n / 1e6;
  state.counters["hash_set_ms"] = plain / n / 1e6;
  state.counters["ratio"] = ours / plain;
}

void BM_CaptureSortedVsHashSet(benchmark::State& state) {
  // Ten three-line copies into the full sorted list (the first sort is measured below).
  VersusHashSet(state, true, [](ClipboardHistory& h) {
    for (int i = 0; i < 10; ++i) h.Capture("copied " + std::to_string(i) + "\r\nsecond\r\nthird");
  });
}
BENCHMARK(BM_CaptureSortedVsHashSet)->Unit(benchmark::kMillisecond);

void BM_ReduceVsHashSet(benchmark::State& state) {
  VersusHashSet(state, false, [](ClipboardHistory& h) { h.Reduce(); });
}
BENCHMARK(BM_ReduceVsHashSet)->Unit(benchmark::kMillisecond);

void BM_SortVsHashSet(benchmark::State& state) {
  VersusHashSet(state, false, [](ClipboardHistory& h) { h.SetSorted(true); });
}
BENCHMARK(BM_SortVsHashSet)->Unit(benchmark::kMillisecond);

void BM_CaptureUnsortedVsHashSet(benchmark::State& state) {
  VersusHashSet(state, false, [](ClipboardHistory& h) { h.Capture("one\r\ntwo\r\nthree"); });
}
BENCHMARK(BM_CaptureUnsortedVsHashSet)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillpad
