// Saving and loading a memo file of 1,000 memos with 1 KB of text each, next to writing and
// reading the same bytes with plain file calls. MemoFileVsPlain reports both and their ratio.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "memo/memo_record.h"

namespace {

using namespace quillpad;

std::vector<MemoRecord> MakeMemos() {
  std::string text;
  const std::string line = "メモの本文 line of text 12345\r\n";  // CP932: mixed double-byte
  while (text.size() + line.size() <= 1024) text += line;
  text.resize(1024, 'x');
  std::vector<MemoRecord> memos(1000);
  for (std::size_t i = 0; i < memos.size(); ++i) {
    MemoRecord& memo = memos[i];
    memo.Left = static_cast<int>(i % 1200);
    memo.Top = static_cast<int>(i % 900);
    memo.ClientWidth = 200;
    memo.ClientHeight = 150;
    memo.BorderStyle = MemoBorder::None;
    memo.StampText = "2026/12/08 1:02:03";
    memo.Color = kClYellow;
    memo.Visible = true;
    memo.Text = text;
    memo.LabelWidth = 190;
    memo.LabelHeight = 140;
  }
  return memos;
}

const std::vector<MemoRecord>& Memos() {
  static const std::vector<MemoRecord> memos = MakeMemos();
  return memos;
}

// <chrono> and <filesystem> do not build with the CP932 execution character set.
std::string TempPath() {
  const char* dir = std::getenv("TMPDIR");
  return std::string(dir && *dir ? dir : "/tmp") + "/quillpad_memo_bench.dat";
}

double NowMs() {
  std::timespec ts{};
  std::timespec_get(&ts, TIME_UTC);
  return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1e6;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && ok;
}

std::string ReadFile(const std::string& path) {
  std::string bytes;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return bytes;
  char buffer[65536];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, n);
  std::fclose(file);
  return bytes;
}

void SaveMemoFile(const std::string& path) {
  if (!WriteFile(path, WriteMemoFile(Memos()))) std::abort();
}

std::size_t LoadMemoFile(const std::string& path) {
  const MemoFileContents contents = ReadMemoFile(ReadFile(path));
  if (contents.Partial || contents.Records.size() != Memos().size()) std::abort();
  return contents.Records.size();
}

void BM_SaveMemoFile(benchmark::State& state) {
  const std::string path = TempPath();
  for (auto _ : state) SaveMemoFile(path);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 1000 * 1024);
}
BENCHMARK(BM_SaveMemoFile)->Unit(benchmark::kMillisecond);

void BM_PlainWrite(benchmark::State& state) {
  const std::string path = TempPath();
  const std::string bytes = WriteMemoFile(Memos());
  for (auto _ : state) {
    if (!WriteFile(path, bytes)) std::abort();
  }
}
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond);

void BM_LoadMemoFile(benchmark::State& state) {
  const std::string path = TempPath();
  SaveMemoFile(path);
  for (auto _ : state) benchmark::DoNotOptimize(LoadMemoFile(path));
}
BENCHMARK(BM_LoadMemoFile)->Unit(benchmark::kMillisecond);

void BM_PlainRead(benchmark::State& state) {
  const std::string path = TempPath();
  SaveMemoFile(path);
  for (auto _ : state) benchmark::DoNotOptimize(ReadFile(path).size());
}
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);

// Both sides in the same iteration, so that the ratio compares like with like.
void BM_MemoFileVsPlain(benchmark::State& state) {
  const std::string path = TempPath();
  const std::string bytes = WriteMemoFile(Memos());
  double save = 0, write = 0, load = 0, read = 0;
  // Whatever runs second finds the caches and the heap as the first left them: the two sides
  // take turns at going first.
  bool oursFirst = true;
  const auto timed = [](auto&& step) {
    const double start = NowMs();
    step();
    return NowMs() - start;
  };
  const auto saveStep = [&] { SaveMemoFile(path); };
  const auto writeStep = [&] {
    if (!WriteFile(path, bytes)) std::abort();
  };
  const auto loadStep = [&] { benchmark::DoNotOptimize(LoadMemoFile(path)); };
  const auto readStep = [&] { benchmark::DoNotOptimize(ReadFile(path).size()); };
  for (auto _ : state) {
    if (oursFirst) {
      save += timed(saveStep);
      write += timed(writeStep);
      load += timed(loadStep);
      read += timed(readStep);
    } else {
      write += timed(writeStep);
      save += timed(saveStep);
      read += timed(readStep);
      load += timed(loadStep);
    }
    oursFirst = !oursFirst;
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["save_ms"] = save / n;
  state.counters["plain_write_ms"] = write / n;
  state.counters["save_ratio"] = save / write;
  state.counters["load_ms"] = load / n;
  state.counters["plain_read_ms"] = read / n;
  state.counters["load_ratio"] = load / read;
  std::remove(path.c_str());
}
BENCHMARK(BM_MemoFileVsPlain)->Unit(benchmark::kMillisecond);

}  // namespace
