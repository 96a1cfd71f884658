// Recalculating a long sheet the way the editor does on every change, measured against a plain
// pass over the same text that only converts its numbers. The ratio is what matters: it says
// how much the evaluator costs beyond reading the numbers at all.
#include <benchmark/benchmark.h>
#include <time.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "base/text.h"
#include "calc/evaluator.h"
#include "calc/line_calculation.h"

namespace quillpad {
namespace {

constexpr int kLineCount = 10000;

// Mixed statements: assignments, functions, comments, digit groups. 80 rounds of names keep the
// variable table (256 entries) from filling, so the whole sheet evaluates without an error.
std::vector<std::string> MakeSheet() {
  std::vector<std::string> lines;
  lines.reserve(kLineCount);
  for (int i = 0; lines.size() < kLineCount; ++i) {
    const std::string n = std::to_string(i);
    const std::string k = std::to_string((i / 6) % 80);
    switch (i % 6) {
      case 0:
        lines.push_back("v" + k + " = 1,234.5 * " + n + ";  // price " + n);
        break;
      case 1:
        lines.push_back("w" + k + " = sqrt(" + n + " + v" + k + ") + log10 " + n + "1;");
        break;
      case 2:
        lines.push_back("-- note about line " + n + ": 12,345 yen");
        break;
      case 3:
        lines.push_back("x = 1,000,000 / (" + n + " + 1) - 3.5e-2 * w" + k + ";");
        break;
      case 4:
        lines.push_back("sin(pi/" + n + ".5)^2 + cos(pi/" + n + ".5)^2;");
        break;
      case 5:
        lines.push_back("t" + k + " = (" + n + " % 7)! + abs -" + n + "; -- tail");
        break;
    }
  }
  lines.push_back("x + t3");
  return lines;
}

const std::vector<std::string>& Sheet() {
  static const std::vector<std::string> sheet = MakeSheet();
  return sheet;
}

const std::string& SheetText() {
  static const std::string text = JoinLinesInner(Sheet());
  return text;
}

// Reads every number of the text and nothing else.
double PlainPass(const std::string& text) {
  double sum = 0;
  const char* p = text.c_str();
  while (*p) {
    if (*p >= '0' && *p <= '9') {
      char* end = nullptr;
      sum += std::strtod(p, &end);
      p = end;
    } else {
      ++p;
    }
  }
  return sum;
}

void BM_PlainNumberPass(benchmark::State& state) {
  const std::string& text = SheetText();
  for (auto _ : state) benchmark::DoNotOptimize(PlainPass(text));
  state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_PlainNumberPass)->Unit(benchmark::kMicrosecond);

void BM_RecalculateSheet(benchmark::State& state) {
  Evaluator evaluator;
  const SheetResult check = CalculateSheet(evaluator, Sheet(), true);
  if (check.OutputText.empty() || !check.Message.empty()) {
    state.SkipWithError("the generated sheet does not evaluate to a result");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(CalculateSheet(evaluator, Sheet(), true));
  state.SetBytesProcessed(state.iterations() * SheetText().size());
}
BENCHMARK(BM_RecalculateSheet)->Unit(benchmark::kMicrosecond);

// <chrono> does not build with the CP932 execution character set, so the clock is read here.
double Now() {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return ts.tv_sec + ts.tv_nsec * 1e-9;
}

// Both passes in each iteration; "ratio" is recalculation time over plain-pass time.
void BM_RecalculateVersusPlainPass(benchmark::State& state) {
  Evaluator evaluator;
  const std::string& text = SheetText();
  double recalculation = 0;
  double plain = 0;
  for (auto _ : state) {
    const double start = Now();
    benchmark::DoNotOptimize(CalculateSheet(evaluator, Sheet(), true));
    const double middle = Now();
    benchmark::DoNotOptimize(PlainPass(text));
    const double end = Now();
    const double seconds = middle - start;
    recalculation += seconds;
    plain += end - middle;
    state.SetIterationTime(seconds);
  }
  state.counters["plain_us"] = benchmark::Counter(plain * 1e6 / state.iterations());
  state.counters["ratio"] = benchmark::Counter(plain > 0 ? recalculation / plain : 0);
}
BENCHMARK(BM_RecalculateVersusPlainPass)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillpad
