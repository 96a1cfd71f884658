// Times the main window's memo-file switch and memo listing with 300 memos on the real backend,
// next to plain writes and reads of the same memo-file bytes through the same file calls. The
// program folder is a fresh temporary folder (the system reports the program as living there),
// so nothing is left behind and no earlier run's settings count. Prints the figures and one line
// per check; exit code 1 when a check fails. The figures are for reading, never compared.
// clang-format off
#include "platform/win32/wide.h"  // <windows.h> first
// clang-format on

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "base/encoding.h"
#include "e2e_support.h"
#include "memo/memo_form.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_window.h"
#include "support/memo_records.h"
#include "ui/application.h"
#include "ui/form.h"

namespace w32 = quillpad::platform::win32;
using quillpad::TMainForm;
using quillpad::e2e::Check;
using quillpad::e2e::Median;
using quillpad::e2e::failures;

namespace {

// Both may be given on the command line (memos, switches): under Wine a switch with 300 memos
// takes long enough that the registered test makes only one.
std::size_t memoCount = 300;
int switchRuns = 5;
constexpr int kListRuns = 5;
// Each memo file's texts carry its own tag, so a window shows which file it came from.
constexpr const char* kTags[2] = {"A", "B"};

// The real backend, except that the program lives in the given folder and that a question or
// error box is recorded and answered at once instead of waiting for a user.
class TimingSystem : public w32::Win32System {
 public:
  explicit TimingSystem(std::string programFolder) : folder_(std::move(programFolder)) {}
  std::string ExecutablePath() override { return folder_ + "\\Quillpad.exe"; }
  int MessageBox(const std::string& text, const std::string& caption, unsigned) override {
    Boxes.push_back(caption + ": " + text);
    std::printf("box asked: %s\n", quillpad::Cp932ToUtf8(text).c_str());
    return quillpad::platform::IdCancel;
  }
  void ShowError(const std::string& message) override {
    Boxes.push_back(message);
    std::printf("error shown: %s\n", quillpad::Cp932ToUtf8(message).c_str());
  }
  std::vector<std::string> Boxes;

 private:
  std::string folder_;
};

double Now() {
  static const double perMs = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER c;
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) / perMs;
}

// Dispatches every waiting message (paints and timers included) and runs idle turns until the
// queue is empty and the idle handler has nothing left: the state a user would see.
bool Settle(quillpad::ui::Application& application) {
  const double deadline = Now() + 20000;
  MSG msg;
  while (Now() < deadline) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) return false;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (application.Idle() && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) return true;
  }
  return false;
}

HWND HandleOf(const quillpad::ui::Control& control) {
  auto* window = dynamic_cast<w32::Win32Window*>(control.Peer());
  return window ? window->Handle() : nullptr;
}

// The memo list holds the tagged file's memos in file order, each in a visible window, and no
// other memo window is showing.
void CheckMemos(const TMainForm& form, const std::vector<quillpad::MemoRecord>& want,
                const char* what) {
  std::string detail;
  if (form.MemoList.size() != want.size()) {
    detail = std::to_string(form.MemoList.size()) + " memos";
  } else {
    for (std::size_t i = 0; i < want.size() && detail.empty(); ++i) {
      const quillpad::TMemoForm* memo = form.MemoList[i];
      HWND hwnd = HandleOf(*memo);
      if (memo->MemoText() != want[i].Text)
        detail = "memo " + std::to_string(i) + " has another text";
      else if (!hwnd || !IsWindowVisible(hwnd))
        detail = "memo " + std::to_string(i) + " is not showing";
    }
  }
  HWND main = HandleOf(form);
  std::size_t showing = 0;
  for (HWND hwnd : quillpad::e2e::ProcessWindows(GetCurrentProcessId(), w32::kFormClass)) {
    if (hwnd != main && IsWindowVisible(hwnd)) ++showing;
  }
  if (detail.empty() && showing != want.size()) {
    detail = std::to_string(showing) + " memo windows showing";
  }
  Check(detail.empty(), what, detail);
}

// Every memo text in the editor, in file order, each followed by an empty line.
void CheckListing(TMainForm& form, const std::vector<quillpad::MemoRecord>& want) {
  const std::vector<std::string> lines = form.RichEdit1->Lines();
  std::string detail;
  // The last empty line is the text's end, not a line of its own.
  if (lines.size() + 1 < want.size() * 2) detail = std::to_string(lines.size()) + " lines";
  for (std::size_t i = 0; i < want.size() && detail.empty(); ++i) {
    if (lines[2 * i] != want[i].Text || (2 * i + 1 < lines.size() && !lines[2 * i + 1].empty())) {
      detail = "memo " + std::to_string(i) + " is not at line " + std::to_string(2 * i);
    }
  }
  Check(detail.empty(), "the editor lists every memo text in file order", detail);
}

std::string MakeProgramFolder() {
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::filesystem::path folder =
        base / ("quillpad-timing-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(attempt));
    std::error_code ec;
    if (std::filesystem::create_directory(folder, ec)) return w32::Narrow(folder.wstring());
  }
  return {};
}

// One timed command: until it returns, and until the loop has settled after it. The editor is
// unmodified first, so the command asks nothing.
struct Sample {
  double Call = 0;
  double Settled = 0;
};

template <typename Command>
Sample Timed(TMainForm& form, quillpad::ui::Application& application, Command command) {
  form.SetEditorModified(false);
  const double t0 = Now();
  command();
  const double t1 = Now();
  if (!Settle(application)) Check(false, "the message loop settles after the command");
  return {t1 - t0, Now() - t0};
}

void Print(const char* what, const std::vector<Sample>& samples, double fileMs) {
  std::vector<double> call, settled;
  for (const Sample& s : samples) {
    call.push_back(s.Call);
    settled.push_back(s.Settled);
  }
  const double ms = Median(settled);
  std::printf("  %-34s %zu runs %8.1f / %8.1f ms  = %.0f x yardstick   runs:", what, samples.size(),
              Median(call), ms, ms / fileMs);
  for (double v : settled) std::printf(" %.0f", v);
  std::printf("\n");
}

// A raw system window, made without the toolkit, hidden: a memo's size, somewhere on the screen,
// painting its background as a memo does.
HWND MakeRawWindow(int n) {
  static const ATOM cls = [] {
    WNDCLASSW c{};
    c.lpfnWndProc = DefWindowProcW;
    c.hInstance = GetModuleHandleW(nullptr);
    c.lpszClassName = L"MemoTimingRaw";
    c.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    return RegisterClassW(&c);
  }();
  return CreateWindowExW(WS_EX_TOOLWINDOW, MAKEINTATOM(cls), L"", WS_POPUP, (n * 37) % 900,
                         (n * 23) % 700, 115, 30, nullptr, nullptr, GetModuleHandleW(nullptr),
                         nullptr);
}

// The start's yardstick, measured whole in this process before the start: as many raw system
// windows as there are memos, made and shown one by one from none, until the loop settles.
double RawWindowsYardstick(quillpad::ui::Application& application) {
  std::vector<HWND> raw;
  const double t0 = Now();
  for (std::size_t i = 0; i < memoCount; ++i) {
    HWND w = MakeRawWindow(static_cast<int>(i));
    ShowWindow(w, SW_SHOWNOACTIVATE);
    raw.push_back(w);
  }
  Settle(application);
  const double t1 = Now();
  for (HWND w : raw) DestroyWindow(w);
  Settle(application);
  return t1 - t0;
}

struct Figures {
  std::vector<Sample> switchForward, switchBack, list;
  std::vector<double> fileRoundTrip;
};

int Run(TimingSystem& system, const std::string& folder, Figures& figures) {
  quillpad::platform::FileSystem& files = system.Files();
  std::vector<quillpad::MemoRecord> memos[2];
  std::string bytes[2];
  for (int i = 0; i < 2; ++i) {
    memos[i] = quillpad::testing::ManyTextMemos(memoCount, kTags[i]);
    bytes[i] = quillpad::WriteMemoFile(memos[i]);
    const std::string path = folder + "\\" + quillpad::FileNames::kMemoFiles[i];
    if (!files.WriteFileAtomic(path, bytes[i])) {
      Check(false, "the memo files are written", path);
      return 1;
    }
  }

  quillpad::ui::Application application(system);
  // Starts in turn with their yardstick, each round's ratio its own: the machine's speed drifts
  // from one round to the next.
  constexpr int kStartRounds = 3;
  std::vector<double> raws, calls, starts, ratios;
  std::unique_ptr<TMainForm> form;
  for (int round = 0; round < kStartRounds; ++round) {
    form.reset();
    Settle(application);
    raws.push_back(RawWindowsYardstick(application));
    const double startAt = Now();
    form = std::make_unique<TMainForm>(application);
    calls.push_back(Now() - startAt);
    Check(Settle(application), "the message loop settles after the start");
    starts.push_back(Now() - startAt);
    ratios.push_back(starts.back() / raws.back());
    std::printf("  start round %d: %zu raw windows %.1f ms, start %.1f ms\n", round + 1,
                memoCount, raws.back(), starts.back());
    CheckMemos(*form, memos[0], "after the start the first file's memos are showing");
  }
  std::printf("%zu raw system windows: made and shown in %.1f ms\n", memoCount, Median(raws));
  std::printf("start with %zu memos: constructor %.1f ms, settled %.1f ms (ratio %.2f), medians of "
              "%d rounds\n",
              memoCount, Median(calls), Median(starts), Median(ratios), kStartRounds);

  // Where a memo window's time goes: the same steps LoadMemoList takes, for a few extra memos.
  {
    constexpr int kExtra = 10;
    double create = 0, record = 0, place = 0, show = 0, paint = 0, destroy = 0;
    std::vector<quillpad::TMemoForm*> extra;
    for (int i = 0; i < kExtra; ++i) {
      double t = Now();
      quillpad::TMemoForm* memo = form->CreateMemo();
      double u = Now();
      create += u - t;
      memo->SetRecord(memos[1][static_cast<std::size_t>(i)]);
      t = Now();
      record += t - u;
      memo->SetBoundsRect(memo->BoundsRect());
      u = Now();
      place += u - t;
      memo->SetVisible(true);
      t = Now();
      show += t - u;
      Settle(application);
      paint += Now() - t;
      extra.push_back(memo);
    }
    const double t = Now();
    for (quillpad::TMemoForm* memo : extra) delete memo;
    Settle(application);
    destroy = Now() - t;
    std::printf(
        "one memo window: create %.1f ms, record %.1f ms, place %.1f ms, show %.1f ms, "
        "paint %.1f ms, destroy %.1f ms\n",
        create / kExtra, record / kExtra, place / kExtra, show / kExtra, paint / kExtra,
        destroy / kExtra);
  }
  // The same for a bare form of the toolkit: what any top-level window costs here.
  {
    constexpr int kExtra = 10;
    std::vector<std::unique_ptr<quillpad::ui::Form>> bare;
    const double t0 = Now();
    for (int i = 0; i < kExtra; ++i) bare.push_back(std::make_unique<quillpad::ui::Form>());
    const double t1 = Now();
    for (auto& f : bare) {
      f->SetBounds(20 * static_cast<int>(&f - bare.data()), 0, 115, 30);
      f->Show();
    }
    Settle(application);
    const double t2 = Now();
    bare.clear();
    Settle(application);
    const double t3 = Now();
    std::printf("one bare form: create %.1f ms, place and show %.1f ms, destroy %.1f ms\n",
                (t1 - t0) / kExtra, (t2 - t1) / kExtra, (t3 - t2) / kExtra);
  }

  // And a raw window of the system, made without the toolkit: what Wine itself charges for a
  // top-level window while the memos are open. As many as there are memos: the switch's
  // yardstick is showing them all, taken whole rather than scaled up from a few.
  {
    const int kExtra = static_cast<int>(memoCount);
    std::vector<HWND> raw;
    const double t0 = Now();
    for (int i = 0; i < kExtra; ++i) raw.push_back(MakeRawWindow(i));
    const double t1 = Now();
    for (HWND w : raw) ShowWindow(w, SW_SHOWNOACTIVATE);
    Settle(application);
    const double t2 = Now();
    for (HWND w : raw) DestroyWindow(w);
    Settle(application);
    const double t3 = Now();
    std::printf("one raw system window: create %.1f ms, show %.1f ms, destroy %.1f ms\n",
                (t1 - t0) / kExtra, (t2 - t1) / kExtra, (t3 - t2) / kExtra);
  }

  const std::string yardstickPath = folder + "\\Yardstick.dat";
  std::string back;
  // Switches: 0 -> 1 by the cycling command (the timed figure), and between two of them back by
  // the menu's own item, which does the same work and is shown beside it.
  int current = 0;
  for (int run = 0; run < switchRuns; ++run) {
    if (run > 0) {
      figures.switchBack.push_back(
          Timed(*form, application, [&] { form->MemoFile0Click(form->Item("MemoFile0")); }));
      current = 0;
      CheckMemos(*form, memos[0], "switching back shows the first file's memos again");
    }
    figures.switchForward.push_back(
        Timed(*form, application, [&] { form->ChangeMemoFileClick(nullptr); }));
    current = 1;
    CheckMemos(*form, memos[1], "after the switch the other file's memos are showing");
  }

  // Listing, and the yardstick: what a switch costs in file work alone, one write and one read.
  for (int run = 0; run < kListRuns; ++run) {
    figures.list.push_back(Timed(*form, application, [&] { form->ListAllMemoClick(nullptr); }));
    CheckListing(*form, memos[current]);
    form->SetEditorModified(false);
    const double t0 = Now();
    const bool wrote = files.WriteFileAtomic(yardstickPath, bytes[current]);
    const bool read = files.ReadFile(yardstickPath, back);
    figures.fileRoundTrip.push_back(Now() - t0);
    if (!wrote || !read || back != bytes[current])
      Check(false, "the yardstick file reads back whole");
  }
  Check(system.Boxes.empty(), "no question or error box came up",
        system.Boxes.empty() ? std::string() : quillpad::Cp932ToUtf8(system.Boxes.front()));

  const double fileMs = Median(figures.fileRoundTrip);
  std::printf("\nmemo timing, %zu memos per file (%zu bytes); medians, call / call + settled:\n",
              memoCount, bytes[0].size());
  Print("switch 0->1 (ChangeMemoFileClick)", figures.switchForward, fileMs);
  if (!figures.switchBack.empty())
    Print("switch 1->0 (MemoFile0Click)", figures.switchBack, fileMs);
  Print("list (ListAllMemoClick)", figures.list, fileMs);
  std::printf("  %-34s %zu runs %12.2f ms   runs:", "yardstick (write + read)",
              figures.fileRoundTrip.size(), fileMs);
  for (double ms : figures.fileRoundTrip) std::printf(" %.2f", ms);
  std::printf("\n");

  form.reset();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) memoCount = static_cast<std::size_t>(std::max(1, std::atoi(argv[1])));
  if (argc > 2) switchRuns = std::max(1, std::atoi(argv[2]));
  const std::string folder = MakeProgramFolder();
  if (folder.empty()) {
    std::printf("FAILED: no temporary program folder\n");
    return 1;
  }
  std::printf("program folder %s\n", folder.c_str());
  {
    TimingSystem system(folder);
    Figures figures;
    try {
      Run(system, folder, figures);
    } catch (const std::exception& error) {
      Check(false, "the run ends without an exception", quillpad::Cp932ToUtf8(error.what()));
    }
  }
  std::error_code ec;
  std::filesystem::remove_all(std::filesystem::path(w32::Wide(folder)), ec);
  std::fflush(stdout);
  return failures ? 1 : 0;
}
