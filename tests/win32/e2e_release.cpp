// End-to-end check of the release as a user unpacks it: the program starts from the unpacked
// folder with nothing but the zip's files beside it, the calendar opens from its tool button and, moved
// on to May 2027, paints the 3rd, 4th and 5th in the holiday colour from the shipped holiday list
// while the 6th (an ordinary Thursday) is not. The exe's version resource names the product.
//   e2e_release.exe QUILLPAD_EXE
// clang-format off
#include "e2e_support.h"  // <windows.h> first
#include <shellapi.h>
#include <winver.h>

#include <algorithm>
#include <cstdlib>
// clang-format on

using namespace quillpad::e2e;

namespace {

std::wstring VersionValue(const std::wstring& exe, const wchar_t* key) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
  if (size == 0) return {};
  std::vector<char> block(size);
  if (!GetFileVersionInfoW(exe.c_str(), 0, size, block.data())) return {};
  void* value = nullptr;
  UINT length = 0;
  const std::wstring path = std::wstring(L"\\StringFileInfo\\041104B0\\") + key;
  if (!VerQueryValueW(block.data(), path.c_str(), &value, &length) || length == 0) return {};
  return static_cast<const wchar_t*>(value);
}

// The day label with this number: the month's own label can hold the same number, and it
// stands above the grid of days.
HWND DayLabel(const std::vector<HWND>& children, int day) {
  HWND found = nullptr;
  RECT at{};
  for (HWND child : children) {
    if (ClassOf(child) != L"Static" || !IsWindowVisible(child) ||
        TextOf(child) != std::to_wstring(day))
      continue;
    RECT r;
    GetWindowRect(child, &r);
    if (!found || r.top > at.top) {
      found = child;
      at = r;
    }
  }
  return found;
}

// Pixels of a label's glyphs close to a colour.
int PixelsNear(const Shot& shot, HWND label, COLORREF colour) {
  RECT r;
  GetWindowRect(label, &r);
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      const COLORREF c = shot.At(x, y);
      n += std::abs(GetRValue(c) - GetRValue(colour)) < 40 &&
           std::abs(GetGValue(c) - GetGValue(colour)) < 40 &&
           std::abs(GetBValue(c) - GetBValue(colour)) < 40;
    }
  }
  return n;
}

RECT WindowRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 2) {
    std::printf("usage: e2e_release QUILLPAD_EXE\n");
    return 2;
  }
  const std::wstring exe = argv[1];
  const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\'));
  Check(VersionValue(exe, L"ProductName") == L"Quillpad", "the version resource names the product");
  const std::wstring version = VersionValue(exe, L"ProductVersion");
  Check(!version.empty(), "the version resource holds the version");
  Check(VersionValue(exe, L"LegalCopyright").find(L"Copyright") == 0,
        "the version resource holds the copyright");

  Process app;
  HWND main = StartQuillpad(app, exe, folder);
  if (!main) return 1;
  const DWORD pid = app.Info.dwProcessId;
  const auto toolBars = ChildWindows(main, L"ToolbarWindow32");
  Check(!toolBars.empty(), "the main window has its tool bar");
  if (toolBars.empty()) return 1;
  // ShowCalendarBtn, the seventeenth button counting separators.
  PostMessageW(GetParent(toolBars[0]), WM_COMMAND, MAKEWPARAM(1000 + 16, BN_CLICKED),
               reinterpret_cast<LPARAM>(toolBars[0]));
  HWND calendar = nullptr;
  WaitFor([&] {
    for (HWND hwnd : ProcessWindows(pid, L"QuillpadForm")) {
      if (hwnd != main && IsWindowVisible(hwnd)) calendar = hwnd;
    }
    return calendar != nullptr;
  });
  Check(calendar != nullptr, "the calendar opens");
  if (!calendar) return 1;

  // Year and month arrows: the pair nearer the year's label steps years, the other months; the
  // upper button of a pair goes forward.
  auto children = ChildWindows(calendar, L"");
  SYSTEMTIME now;
  GetLocalTime(&now);
  HWND yearLabel = nullptr;
  std::vector<HWND> buttons;
  for (HWND child : children) {
    if (ClassOf(child) == L"Static" && TextOf(child) == std::to_wstring(now.wYear)) yearLabel = child;
    if (ClassOf(child) == L"Button" && IsWindowVisible(child)) buttons.push_back(child);
  }
  Check(yearLabel != nullptr && buttons.size() == 4, "the year's label and four arrows show",
        std::to_string(buttons.size()) + " buttons");
  if (!yearLabel || buttons.size() != 4) return 1;
  const RECT year = WindowRect(yearLabel);
  auto distance = [&](HWND b) { return std::abs(WindowRect(b).left - year.right); };
  std::sort(buttons.begin(), buttons.end(), [&](HWND a, HWND b) { return distance(a) < distance(b); });
  std::vector<HWND> month(buttons.begin() + 2, buttons.end());
  std::sort(month.begin(), month.end(),
            [](HWND a, HWND b) { return WindowRect(a).top < WindowRect(b).top; });
  int steps = (2027 - now.wYear) * 12 + (5 - now.wMonth);
  HWND arrow = steps >= 0 ? month[0] : month[1];
  for (steps = std::abs(steps); steps > 0; --steps) {
    SendMessageW(arrow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(arrow, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    Sleep(50);
  }
  Check(WaitFor([&] { return TextOf(yearLabel) == L"2027"; }, 5000), "the calendar reaches 2027",
        "year label " + ToCp932(TextOf(yearLabel)));
  Sleep(500);
  children = ChildWindows(calendar, L"");
  // May 2027 has 31 days and starts on a Saturday: the 1st and the 8th share a column.
  HWND first = DayLabel(children, 1), eighth = DayLabel(children, 8);
  Check(DayLabel(children, 31) && !DayLabel(children, 32) && first && eighth &&
            WindowRect(first).left == WindowRect(eighth).left,
        "the calendar shows a month of 31 days");

  const Shot shot = Shot::Take();
  Check(shot.Save(BesideSelf(L".bmp")), "screenshot saved");
  const COLORREF holiday = RGB(255, 0, 0);
  for (int day : {3, 4, 5}) {
    HWND label = DayLabel(children, day);
    const int red = label ? PixelsNear(shot, label, holiday) : 0;
    Check(red >= 6, "a holiday of the shipped list is painted in the holiday colour",
          "May " + std::to_string(day) + ": " + std::to_string(red) + " red pixels");
  }
  HWND sixth = DayLabel(children, 6);
  const int ordinary = sixth ? PixelsNear(shot, sixth, holiday) : -1;
  Check(ordinary == 0, "an ordinary Thursday is not", std::to_string(ordinary) + " red pixels");

  PostMessageW(main, WM_CLOSE, 0, 0);
  Check(app.Wait() == 0, "the program ends with exit code 0");
  std::printf("%s\n", failures ? "e2e_release: FAILED" : "e2e_release: passed");
  return failures ? 1 : 0;
}
