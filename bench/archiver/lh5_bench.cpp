// Packing 10 MB of memo-like text with -lh5-, next to deflate at level 6 (the gzip default) on
// the same bytes. EncodeVsDeflate times both in each iteration and reports sizes and ratios.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "archiver/lh5_encoder.h"

namespace {

using namespace quillpad::archiver;

// Memo records as the program writes them: a header line with varying numbers, Japanese CP932
// text mixed with ASCII, some lines repeated between records.
std::string MakeMemoText() {
  static const char* const kLines[] = {
      "買い物: 牛乳、卵、パン\r\n",          "会議 10:30 第2会議室 (資料 12 部)\r\n",
      "TODO: fix the tray icon tooltip\r\n", "電話 03-1234-5678 田中様 折り返し\r\n",
      "メモ: 来週の予定を確認すること\r\n",  "price 1,280 yen x 3 = 3,840 yen\r\n",
      "締め切りは金曜日の 17 時まで\r\n",    "see also memo #42 and the calendar\r\n",
  };
  std::string text;
  std::uint32_t state = 12345;
  for (unsigned record = 0; text.size() < 10'000'000; ++record) {
    state = state * 1103515245u + 12345u;
    text += "[memo " + std::to_string(record) + "] 2026/" + std::to_string(1 + state % 12) + "/" +
            std::to_string(1 + (state >> 8) % 28) + " " + std::to_string((state >> 4) % 24) + ":" +
            std::to_string((state >> 12) % 60) + "\r\n";
    const unsigned lines = 2 + (state >> 16) % 5;
    for (unsigned i = 0; i < lines; ++i) {
      state = state * 1103515245u + 12345u;
      text += kLines[(state >> 16) % 8];
      if ((state >> 20) % 3 == 0) text += "  金額 " + std::to_string(state % 100000) + " 円\r\n";
    }
  }
  text.resize(10'000'000);
  return text;
}

const std::string& MemoText() {
  static const std::string text = MakeMemoText();
  return text;
}

// Processor time: both sides run on one thread and do no I/O.
double NowMs() {
  return static_cast<double>(std::clock()) * 1000.0 / CLOCKS_PER_SEC;
}

std::size_t Deflate6(const std::string& data) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::string out(size, '\0');
  if (compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                reinterpret_cast<const Bytef*>(data.data()), static_cast<uLong>(data.size()),
                6) != Z_OK) {
    std::abort();
  }
  return size;
}

void BM_EncodeLh5(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(EncodeLh5(MemoText()).size());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * MemoText().size()));
}
BENCHMARK(BM_EncodeLh5)->Unit(benchmark::kMillisecond);

// Both sides in the same iteration, so that the ratio compares like with like.
void BM_EncodeVsDeflate(benchmark::State& state) {
  const std::string& text = MemoText();
  double ours = 0, deflate = 0;
  std::size_t oursSize = 0, deflateSize = 0;
  for (auto _ : state) {
    const double t0 = NowMs();
    oursSize = EncodeLh5(text).size();
    const double t1 = NowMs();
    deflateSize = Deflate6(text);
    const double t2 = NowMs();
    ours += t1 - t0;
    deflate += t2 - t1;
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["lh5_ms"] = ours / n;
  state.counters["deflate6_ms"] = deflate / n;
  state.counters["time_ratio"] = ours / deflate;
  state.counters["lh5_bytes"] = static_cast<double>(oursSize);
  state.counters["deflate6_bytes"] = static_cast<double>(deflateSize);
  state.counters["size_ratio"] = static_cast<double>(oursSize) / static_cast<double>(deflateSize);
  state.counters["input_bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_EncodeVsDeflate)->Unit(benchmark::kMillisecond);

}  // namespace
