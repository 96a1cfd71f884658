// Arranging 1,000 memos (the logic alone, no windows) next to a yardstick of the same run: a
// plain pass copying the 1,000 rectangles' corners into the same output. ArrangeVsCopy reports
// both and their ratio.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <vector>

#include "memo/arrangement.h"

namespace {

using namespace quillpad;

constexpr ArrangeKind kKinds[] = {ArrangeKind::RightJustify, ArrangeKind::LeftJustify,
                                  ArrangeKind::RightTile, ArrangeKind::LeftTile};

// 1,000 memos of mixed sizes (60..299 wide, 25..424 high), every tenth fixed, on a
// 1920 x 1080 screen.
const std::vector<ArrangeMemo>& Memos() {
  static const std::vector<ArrangeMemo> memos = [] {
    std::vector<ArrangeMemo> v(1000);
    for (std::size_t i = 0; i < v.size(); ++i) {
      const int left = static_cast<int>(i * 37 % 1700);
      const int top = static_cast<int>(i * 53 % 900);
      const int width = 60 + static_cast<int>(i * 7 % 240);
      const int height = 25 + static_cast<int>(i * 13 % 400);
      v[i] = {{left, top, left + width, top + height}, i % 10 == 9};
    }
    return v;
  }();
  return memos;
}
const ArrangeScreen kScreen{{0, 0, 1920, 1040}, {1920, 1017}};

// The yardstick: the same walk and the same output, corners copied as they are.
void CopyCorners(const std::vector<ArrangeMemo>& memos, std::vector<ArrangePlacement>& out) {
  out.clear();
  for (std::size_t i = 0; i < memos.size(); ++i) {
    out.push_back({i, {memos[i].Bounds.Left, memos[i].Bounds.Top}});
  }
}

double NowNs() {
  std::timespec ts{};
  std::timespec_get(&ts, TIME_UTC);
  return static_cast<double>(ts.tv_sec) * 1e9 + static_cast<double>(ts.tv_nsec);
}

void BM_Arrange(benchmark::State& state) {
  const ArrangeKind kind = kKinds[state.range(0)];
  std::vector<ArrangePlacement> placed;
  placed.reserve(Memos().size());
  for (auto _ : state) {
    ArrangeMemos(kind, Memos(), kScreen, false, placed);
    benchmark::DoNotOptimize(placed.data());
    benchmark::ClobberMemory();
  }
  if (placed.size() != 900) std::abort();
}
BENCHMARK(BM_Arrange)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_CopyRects(benchmark::State& state) {
  std::vector<ArrangePlacement> copied;
  copied.reserve(Memos().size());
  for (auto _ : state) {
    CopyCorners(Memos(), copied);
    benchmark::DoNotOptimize(copied.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CopyRects)->Unit(benchmark::kMicrosecond);

// Both sides in every iteration (each 64 times over, for the clock), all four arrangements in
// turn, so that the ratio compares like with like.
void BM_ArrangeVsCopy(benchmark::State& state) {
  constexpr int kReps = 64;
  std::vector<ArrangePlacement> placed, copied;
  placed.reserve(Memos().size());
  copied.reserve(Memos().size());
  double arrange = 0, copy = 0;
  std::size_t turn = 0;
  for (auto _ : state) {
    const ArrangeKind kind = kKinds[turn++ % 4];
    const double t0 = NowNs();
    for (int r = 0; r < kReps; ++r) {
      ArrangeMemos(kind, Memos(), kScreen, r % 2 == 1, placed);
      benchmark::DoNotOptimize(placed.data());
      benchmark::ClobberMemory();
    }
    const double t1 = NowNs();
    for (int r = 0; r < kReps; ++r) {
      CopyCorners(Memos(), copied);
      benchmark::DoNotOptimize(copied.data());
      benchmark::ClobberMemory();
    }
    const double t2 = NowNs();
    arrange += t1 - t0;
    copy += t2 - t1;
  }
  const double n = static_cast<double>(state.iterations()) * kReps;
  state.counters["arrange_us"] = arrange / n / 1000.0;
  state.counters["copy_us"] = copy / n / 1000.0;
  state.counters["ratio"] = arrange / copy;
}
BENCHMARK(BM_ArrangeVsCopy)->Unit(benchmark::kMicrosecond);

}  // namespace
