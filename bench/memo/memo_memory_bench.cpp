// Loading a 10 MB memo file next to reading its bytes: time and peak heap of both, side by side
// in one run. Two files: memos with long texts and pictures, and one memo carrying 10 MB of list,
// set, collection and binary values that the program does not read.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <new>
#include <string>

#include "memo/memo_record.h"
#include "memo/object_text.h"

namespace {

std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};

void Count(std::size_t size) {
  const std::size_t now = liveBytes += size;
  std::size_t peak = peakBytes.load();
  while (now > peak && !peakBytes.compare_exchange_weak(peak, now)) {
  }
}

}  // namespace

#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
// Every allocation carries its size in front, so that the counter knows what a delete frees.
void* operator new(std::size_t size) {
  void* block = std::malloc(size + 16);
  if (!block) throw std::bad_alloc();
  *static_cast<std::size_t*>(block) = size;
  Count(size);
  return static_cast<char*>(block) + 16;
}
void operator delete(void* p) noexcept {
  if (!p) return;
  void* block = static_cast<char*>(p) - 16;
  liveBytes -= *static_cast<std::size_t*>(block);
  std::free(block);
}
void operator delete(void* p, std::size_t) noexcept {
  operator delete(p);
}

namespace {

using namespace quillpad;

constexpr std::size_t kFileSize = 10 * 1024 * 1024;

std::string MemoFile() {
  std::vector<MemoRecord> memos;
  std::size_t size = 0;
  for (int i = 0; size < kFileSize; ++i) {
    MemoRecord memo;
    memo.Left = i % 1200;
    memo.StampText = "2026/12/08 1:02:03";
    memo.Visible = true;
    if (i % 2 == 0) {
      memo.Text.assign(200 * 1024, 'x');
    } else {
      memo.Kind = MemoKind::mkImage;
      memo.Picture.assign(300 * 1024, '\x7f');
    }
    size += memo.Text.size() + memo.Picture.size() + 700;
    memos.push_back(std::move(memo));
  }
  return WriteMemoFile(memos);
}

// One memo whose window holds values of properties nobody reads: a list of small integers,
// a set, a collection of tiny items and binary data, 10 MB in all.
std::string UnreadValuesFile() {
  std::string file = WriteMemoRecord(MemoRecord{});
  std::string listBytes(1, static_cast<char>(ValueTag::List));
  for (std::size_t i = 0; i < kFileSize / 4; ++i) listBytes += "\x02\x05";
  listBytes.push_back('\0');
  std::string setBytes(1, static_cast<char>(ValueTag::Set));
  for (std::size_t i = 0; i < kFileSize / 8; ++i) setBytes += "\x01s";
  setBytes.push_back('\0');
  std::string collectionBytes(1, static_cast<char>(ValueTag::Collection));
  const std::string item("\x01\x01p\x08\x00", 5);  // tag 1, p = False, end of item
  for (std::size_t i = 0; i < kFileSize / 16; ++i) collectionBytes += item;
  collectionBytes.push_back('\0');
  std::string binary(kFileSize / 8, 'b');
  std::string properties = "\x05Items" + listBytes + "\x04Tags" + setBytes +
                           "\x05"
                           "Cells" +
                           collectionBytes +
                           "\x04"
                           "Blob" +
                           std::string(1, '\x0A');
  const std::uint32_t n = static_cast<std::uint32_t>(binary.size());
  for (int i = 0; i < 4; ++i) properties.push_back(static_cast<char>((n >> (8 * i)) & 0xFF));
  properties += binary;
  // In front of the window's own properties, after "TPF0", class and object name.
  const std::size_t at = 4 + 1 + 9 + 1 + 8;
  file.insert(at, properties);
  return file;
}

double NowMs() {
  std::timespec ts{};
  std::timespec_get(&ts, TIME_UTC);
  return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1e6;
}

std::string TempPath() {
  const char* dir = std::getenv("TMPDIR");
  return std::string(dir && *dir ? dir : "/tmp") + "/quillpad_memory_bench.dat";
}

std::string ReadFile(const std::string& path) {
  std::string bytes;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) std::abort();
  std::fseek(file, 0, SEEK_END);
  bytes.resize(static_cast<std::size_t>(std::ftell(file)));
  std::fseek(file, 0, SEEK_SET);
  if (std::fread(bytes.data(), 1, bytes.size(), file) != bytes.size()) std::abort();
  std::fclose(file);
  return bytes;
}

// Peak heap above what was live before, while `work` runs.
template <typename Work>
std::size_t PeakOf(Work work) {
  const std::size_t before = liveBytes.load();
  peakBytes = before;
  work();
  return peakBytes.load() - before;
}

void Compare(benchmark::State& state, const std::string& contents, bool dump) {
  const std::string path = TempPath();
  {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(contents.data(), 1, contents.size(), file) != contents.size())
      std::abort();
    std::fclose(file);
  }
  double loadMs = 0, readMs = 0;
  std::size_t loadPeak = 0, readPeak = 0;
  for (auto _ : state) {
    const double t0 = NowMs();
    readPeak = PeakOf([&] { benchmark::DoNotOptimize(ReadFile(path).size()); });
    const double t1 = NowMs();
    loadPeak = PeakOf([&] {
      const std::string bytes = ReadFile(path);
      if (dump) {
        // As quillpad-tool dump does: the text goes out in pieces as it is written.
        std::size_t written = 0;
        if (!WriteObjectImagesAsText(bytes, [&](std::string_view text) { written += text.size(); }))
          std::abort();
        benchmark::DoNotOptimize(written);
      } else {
        const MemoFileContents memos = ReadMemoFile(bytes);
        if (memos.Partial || memos.Records.empty()) std::abort();
      }
    });
    const double t2 = NowMs();
    readMs += t1 - t0;
    loadMs += t2 - t1;
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["file_mb"] = static_cast<double>(contents.size()) / 1048576.0;
  state.counters["read_ms"] = readMs / n;
  state.counters["load_ms"] = loadMs / n;
  state.counters["time_ratio"] = loadMs / readMs;
  state.counters["read_peak_mb"] = static_cast<double>(readPeak) / 1048576.0;
  state.counters["load_peak_mb"] = static_cast<double>(loadPeak) / 1048576.0;
  state.counters["peak_per_file_byte"] =
      static_cast<double>(loadPeak) / static_cast<double>(contents.size());
  std::remove(path.c_str());
}

void BM_LoadVsRead_Memos(benchmark::State& state) {
  static const std::string file = MemoFile();
  Compare(state, file, false);
}
BENCHMARK(BM_LoadVsRead_Memos)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LoadVsRead_UnreadValues(benchmark::State& state) {
  static const std::string file = UnreadValuesFile();
  Compare(state, file, false);
}
BENCHMARK(BM_LoadVsRead_UnreadValues)->Unit(benchmark::kMillisecond)->Iterations(3);

// quillpad-tool dump's work on the same file: every value is shown.
void BM_DumpVsRead_UnreadValues(benchmark::State& state) {
  static const std::string file = UnreadValuesFile();
  Compare(state, file, true);
}
BENCHMARK(BM_DumpVsRead_UnreadValues)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
