// End-to-end check of the calendar window under Wine: it comes back at start when it was open at
// the last exit, is borderless with one label per day, answers the edge hit test itself, shows
// the date and time in its caption, opens a day's memo on a click, and writes its settings when the
// program ends. The exe carries the program's own icon.
//   e2e_calendar.exe QUILLPAD_EXE EMPTY_EXE
// clang-format off
#include "e2e_support.h"  // <windows.h> first
#include <shellapi.h>
// clang-format on

using namespace quillpad::e2e;

namespace {

HWND Find(DWORD pid, const std::function<bool(HWND)>& match) {
  HWND found = nullptr;
  WaitFor([&] {
    for (HWND hwnd : ProcessWindows(pid, L"QuillpadForm")) {
      if (match(hwnd)) found = hwnd;
    }
    return found != nullptr;
  });
  return found;
}

bool Holds(const std::string& text, const std::string& line) {
  return text.find(line + "\r\n") != std::string::npos;
}

// The exe's icon resource 1 drawn at 16 pixels on white: how many pixels are the pad's yellow
// and the quill's blue. The picture is saved beside the screenshot.
void CheckProgramIcon(const std::wstring& exe, const std::wstring& picture) {
  HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  HICON icon = module ? static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(1), IMAGE_ICON, 16,
                                                      16, LR_DEFAULTCOLOR))
                      : nullptr;
  Check(icon != nullptr, "the exe has an icon resource 1");
  if (!icon) return;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
  HGDIOBJ old = SelectObject(memory, bitmap);
  RECT all{0, 0, 16, 16};
  FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawIconEx(memory, 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
  int yellow = 0, blue = 0;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const COLORREF c = GetPixel(memory, x, y);
      if (GetRValue(c) > 200 && GetGValue(c) > 170 && GetBValue(c) < 140) ++yellow;
      if (GetBValue(c) > 150 && GetRValue(c) < 120) ++blue;
    }
  }
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  SaveBitmap(bitmap, 16, 16, picture);
  DeleteObject(bitmap);
  DestroyIcon(icon);
  FreeLibrary(module);
  Check(yellow >= 40 && blue >= 6, "the exe's icon is the program's own pad and quill",
        std::to_string(yellow) + " yellow, " + std::to_string(blue) + " blue pixels");
}

}  // namespace

// Day numbers and headers stand on the gradient without a box: a label's corner pixels match the
// background just left of it on the same row (the gradient runs top to bottom). The headers do
// not run into each other, and the arrow buttons show dark triangles.
static void CheckWhatTheCalendarShows(const Shot& picture, const std::vector<HWND>& children) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  const std::wstring today = std::to_wstring(now.wDay);
  int boxed = 0, labels = 0;
  std::vector<RECT> headers;
  for (HWND child : children) {
    if (ClassOf(child) != L"Static" || !IsWindowVisible(child)) continue;
    const std::wstring text = TextOf(child);
    RECT r;
    GetWindowRect(child, &r);
    if (text.size() == 3 && !iswdigit(text[0])) headers.push_back(r);
    if (text == today || text.empty()) continue;
    ++labels;
    for (const LONG y : {r.top, r.bottom - 1}) {
      if (picture.At(r.left, static_cast<int>(y)) != picture.At(r.left - 2, static_cast<int>(y)))
        ++boxed;
    }
  }
  Check(labels >= 30 && boxed == 0, "calendar texts stand on the background without a box",
        std::to_string(boxed) + " boxed corners of " + std::to_string(labels) + " labels");
  bool apart = headers.size() == 7;
  for (std::size_t k = 1; k < headers.size(); ++k) {
    if (headers[k].left < headers[k - 1].right) apart = false;
  }
  Check(apart, "the seven weekday headers stand apart");
  int arrows = 0;
  for (HWND child : children) {
    if (ClassOf(child) != L"Button" || !IsWindowVisible(child)) continue;
    RECT r;
    GetWindowRect(child, &r);
    InflateRect(&r, -2, -2);
    if (picture.CountOther(r, GetSysColor(COLOR_BTNFACE)) >= 3 &&
        picture.Dominant(r) == GetSysColor(COLOR_BTNFACE))
      ++arrows;
  }
  Check(arrows == 4, "the four arrow buttons show arrows on their face",
        std::to_string(arrows) + " of 4");
}

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 2) {
    std::printf("usage: e2e_calendar QUILLPAD_EXE [EMPTY_EXE]\n");
    return 2;
  }
  const std::wstring exe = argv[1];
  const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\'));
  const std::wstring ini = folder + L"\\Quillpad.ini";
  const std::wstring shot =
      std::wstring(argv[0]).substr(0, std::wstring(argv[0]).size() - 4) + L".bmp";
  WriteFileBytes(ini, "[FORM]\r\nbShowCalendar=1\r\n");
  // A holiday in every month, so the screenshot shows one whatever month the clock says.
  std::wstring rules;
  for (int month = 1; month <= 12; ++month) rules += std::to_wstring(month) + L",16,記念日\r\n";
  WriteFileBytes(folder + L"\\HolidayList.txt", ToCp932(rules));

  CheckProgramIcon(
      exe, std::wstring(argv[0]).substr(0, std::wstring(argv[0]).size() - 4) + L"-icon.bmp");

  Process app;
  Check(Start(app, exe, folder), "Quillpad starts");
  const DWORD pid = app.Info.dwProcessId;
  HWND main = Find(pid, [](HWND h) { return TextOf(h).rfind(L"Quillpad - ", 0) == 0; });
  HWND calendar = Find(pid, [main](HWND h) { return h != main && IsWindowVisible(h); });
  Check(calendar != nullptr, "the calendar window is shown at start");
  if (!calendar) return 1;
  Check((GetWindowLongW(calendar, GWL_STYLE) & WS_CAPTION) != WS_CAPTION,
        "the calendar has no title bar");
  const auto children = ChildWindows(calendar, L"");
  Check(children.size() >= 7 + 2 + 28, "weekday headers, year, month and the day labels exist");
  Check(WaitFor([&] { return TextOf(calendar).find(L':') != std::wstring::npos; }, 5000),
        "the timer puts the date and time into the caption");

  RECT r;
  GetWindowRect(calendar, &r);
  const LRESULT left =
      SendMessageW(calendar, WM_NCHITTEST, 0, MAKELPARAM(r.left + 2, (r.top + r.bottom) / 2));
  const LRESULT corner =
      SendMessageW(calendar, WM_NCHITTEST, 0, MAKELPARAM(r.right - 2, r.bottom - 2));
  const LRESULT inside =
      SendMessageW(calendar, WM_NCHITTEST, 0, MAKELPARAM((r.left + r.right) / 2, r.top + 8));
  Check(left == HTLEFT, "the left edge sizes the window");
  Check(corner == HTBOTTOMRIGHT, "the bottom-right corner sizes the window");
  Check(inside == HTCLIENT, "inside is client area");
  Sleep(300);
  const Shot picture = Shot::Take();
  Check(picture.Save(shot), "screenshot saved");
  CheckWhatTheCalendarShows(picture, children);

  // A click on the 15th opens that date's memo in the main window.
  HWND fifteen = nullptr;
  for (HWND child : children) {
    if (ClassOf(child) == L"Static" && TextOf(child) == L"15") fifteen = child;
  }
  Check(fifteen != nullptr, "the 15th has a label");
  if (fifteen) {
    SendMessageW(fifteen, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(fifteen, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  }
  Check(WaitFor([&] { return IsWindowVisible(main) != 0; }, 5000),
        "a day click shows the main window");
  Check(TextOf(main).find(L"15日の") != std::wstring::npos, "the caption names the clicked day");

  PostMessageW(main, WM_CLOSE, 0, 0);
  Check(app.Wait() == 0, "the program ends with exit code 0");
  const std::string text = ReadFileBytes(ini);
  Check(Holds(text, "bShowCalendar=1"), "the open calendar is remembered");
  Check(Holds(text, "[CalendarForm]") && Holds(text, "iBGColor=8388608"),
        "the calendar section is written");
  Check(!ReadFileBytes(folder + L"\\CalendarStyle.dat").empty(), "CalendarStyle.dat is written");

  // With its border the calendar has a title bar; its close button shows a cross (a symmetric
  // glyph), not the letter the symbol font lends it when the font is missing.
  std::string bordered = text;
  if (const auto at = bordered.find("bShowBorder=0"); at != std::string::npos) {
    bordered.replace(at, 13, "bShowBorder=1");
    WriteFileBytes(ini, bordered);
  }
  Process again;
  Check(Start(again, exe, folder), "Quillpad starts again");
  HWND main2 =
      Find(again.Info.dwProcessId, [](HWND h) { return TextOf(h).rfind(L"Quillpad - ", 0) == 0; });
  HWND framed =
      Find(again.Info.dwProcessId, [main2](HWND h) { return h != main2 && IsWindowVisible(h); });
  Check(framed && (GetWindowLongW(framed, GWL_STYLE) & WS_CAPTION) == WS_CAPTION,
        "with its border the calendar has a title bar");
  if (framed) {
    Sleep(500);
    TITLEBARINFO bar{};
    bar.cbSize = sizeof bar;
    GetTitleBarInfo(framed, &bar);
    const Shot titled = Shot::Take();
    titled.Save(BesideSelf(L"-titlebar.bmp"));
    // The close button is the rightmost square of the title bar; its glyph's dark pixels are
    // mirrored about the centre of their own bounds.
    RECT close = bar.rcTitleBar;
    close.left = close.right - GetSystemMetrics(SM_CXSIZE) - 2;
    RECT bounds{close.right, close.bottom, close.left, close.top};
    for (int y = close.top; y < close.bottom; ++y) {
      for (int x = close.left; x < close.right; ++x) {
        if (titled.At(x, y) != RGB(0, 0, 0)) continue;
        bounds = {std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y),
                  std::max<LONG>(bounds.right, x), std::max<LONG>(bounds.bottom, y)};
      }
    }
    int dark = 0, mirrored = 0;
    for (int y = bounds.top; y <= bounds.bottom; ++y) {
      for (int x = bounds.left; x <= bounds.right; ++x) {
        if (titled.At(x, y) != RGB(0, 0, 0)) continue;
        ++dark;
        if (titled.At(bounds.left + bounds.right - x, y) == RGB(0, 0, 0)) ++mirrored;
      }
    }
    Check(dark >= 8 && mirrored * 10 >= dark * 8, "the close button shows a cross",
          std::to_string(dark) + " dark pixels, " + std::to_string(mirrored) + " mirrored");
  }
  if (main2) PostMessageW(main2, WM_CLOSE, 0, 0);
  Check(again.Wait() == 0, "the second run ends with exit code 0");
  std::printf("%s\n", failures ? "e2e_calendar: FAILED" : "e2e_calendar: passed");
  return failures ? 1 : 0;
}
