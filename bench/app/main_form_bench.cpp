// Start-up of the main window and the memo files, in the simulated desktop.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>

#include "app/main_form.h"
#include "memo/memo_record.h"
#include "platform/sim/sim_desktop.h"
#include "support/memo_records.h"
#include "ui/application.h"

namespace quillpad {
namespace {

// A fresh program folder C:\Quillpad on a temporary host folder.
struct Desk {
  Desk() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quillpad-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    root = pattern;
    std::filesystem::create_directories(root / "Quillpad");
    desk.MapDrive('C', root);
    desk.SetExecutablePath("C:\\Quillpad\\Quillpad.exe");
    desk.OnUnexpected = [](const std::string&) {};
  }
  ~Desk() { std::filesystem::remove_all(root); }
  std::filesystem::path root;
  platform::sim::SimDesktop desk;
};

void Start(Desk& d, benchmark::State& state) {
  ui::Application app(d.desk);
  d.desk.SetIdleHandler([&app] { return app.Idle(); });
  for (auto _ : state) {
    auto form = std::make_unique<TMainForm>(app);
    d.desk.RunIdle();
    benchmark::DoNotOptimize(form.get());
    state.PauseTiming();
    // Closing writes the settings; the next start reads them again.
    form->Close();
    form.reset();
    state.ResumeTiming();
  }
}

void BM_StartEmptyProgramFolder(benchmark::State& state) {
  Desk d;
  ui::Application app(d.desk);
  d.desk.SetIdleHandler([&app] { return app.Idle(); });
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove(d.root / "Quillpad" / "Quillpad.ini");
    state.ResumeTiming();
    auto form = std::make_unique<TMainForm>(app);
    d.desk.RunIdle();
    state.PauseTiming();
    form.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartEmptyProgramFolder)->Unit(benchmark::kMillisecond);

void BM_StartWithSettingsFile(benchmark::State& state) {
  Desk d;
  Start(d, state);
}
BENCHMARK(BM_StartWithSettingsFile)->Unit(benchmark::kMillisecond);

// 1,000 memos of 1 KB: SaveMemoList and LoadMemoList with their windows, next to writing and
// reading the same bytes through the same file calls.
std::vector<MemoRecord> ThousandMemos() { return testing::ManyTextMemos(1000); }

void BM_SaveAndLoadMemoList(benchmark::State& state) {
  Desk d;
  const std::string bytes = WriteMemoFile(ThousandMemos());
  std::filesystem::path file = d.root / "Quillpad" / "MemoData.dat";
  {
    std::FILE* f = std::fopen(file.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  ui::Application app(d.desk);
  TMainForm form(app);
  for (auto _ : state) {
    form.SaveMemoList("MemoData.dat");
    form.LoadMemoList("MemoData.dat");
  }
  state.counters["memos"] = form.MemoCount();
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size() * 2));
}
BENCHMARK(BM_SaveAndLoadMemoList)->Unit(benchmark::kMillisecond);

void BM_PlainWriteAndReadSameBytes(benchmark::State& state) {
  Desk d;
  const std::string bytes = WriteMemoFile(ThousandMemos());
  platform::FileSystem& files = d.desk.Files();
  std::string back;
  for (auto _ : state) {
    files.WriteFileAtomic("C:\\Quillpad\\MemoData.dat", bytes);
    files.ReadFile("C:\\Quillpad\\MemoData.dat", back);
    benchmark::DoNotOptimize(back.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size() * 2));
}
BENCHMARK(BM_PlainWriteAndReadSameBytes)->Unit(benchmark::kMillisecond);

// 300 memos in each of two memo files: switching (save, destroy, load, create windows) and
// listing every memo in the editor.
void WriteMemoFile(const std::filesystem::path& file, std::size_t count) {
  const std::string bytes = WriteMemoFile(testing::ManyTextMemos(count));
  std::FILE* f = std::fopen(file.c_str(), "wb");
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

void BM_SwitchMemoFileWith300Memos(benchmark::State& state) {
  Desk d;
  WriteMemoFile(d.root / "Quillpad" / "MemoData.dat", 300);
  WriteMemoFile(d.root / "Quillpad" / "MemoData1.dat", 300);
  ui::Application app(d.desk);
  TMainForm form(app);
  ui::MenuItem* files[] = {form.Item("MemoFile0"), form.Item("MemoFile1")};
  int next = 1;
  for (auto _ : state) {
    form.MemoFile0Click(files[next]);
    next = 1 - next;
  }
  state.counters["memos"] = form.MemoCount();
}
BENCHMARK(BM_SwitchMemoFileWith300Memos)->Unit(benchmark::kMillisecond);

void BM_ListAllMemoWith300Memos(benchmark::State& state) {
  Desk d;
  WriteMemoFile(d.root / "Quillpad" / "MemoData.dat", 300);
  ui::Application app(d.desk);
  TMainForm form(app);
  for (auto _ : state) {
    form.ListAllMemoClick(nullptr);
    state.PauseTiming();
    form.SetEditorModified(false);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ListAllMemoWith300Memos)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillpad
