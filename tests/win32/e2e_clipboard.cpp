// End-to-end check of the clipboard history window under Wine: it comes back at start when it
// was open at the last exit, records a text that this driver (another program) puts on the
// clipboard, shows it as the top line of its list, and writes ClipboardHistory.txt at exit.
//   e2e_clipboard.exe QUILLPAD_EXE
// clang-format off
#include "e2e_support.h"  // <windows.h> first
#include <shellapi.h>

#include <cstring>
// clang-format on

using namespace quillpad::e2e;

namespace {

std::wstring FirstItem(HWND list) {
  if (SendMessageW(list, LB_GETCOUNT, 0, 0) < 1) return {};
  const LRESULT n = SendMessageW(list, LB_GETTEXTLEN, 0, 0);
  std::wstring item(static_cast<std::size_t>(std::max<LRESULT>(n, 0)) + 1, L'\0');
  SendMessageW(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(item.data()));
  item.resize(static_cast<std::size_t>(std::max<LRESULT>(n, 0)));
  return item;
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 2) {
    std::printf("usage: e2e_clipboard QUILLPAD_EXE\n");
    return 2;
  }
  const std::wstring exe = argv[1];
  const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\'));
  WriteFileBytes(folder + L"\\Quillpad.ini",
                 "[FORM]\r\nbShowClipboardViewer=1\r\n[ClipboardForm]\r\niCalendarLeft=100\r\n"
                 "iCalendarTop=100\r\n");
  WriteFileBytes(folder + L"\\ClipboardHistory.txt", ToCp932(L"前からの行\r\n"));
  PutClipboardText(L"before start");

  Process app;
  Check(Start(app, exe, folder), "Quillpad starts");
  const DWORD pid = app.Info.dwProcessId;
  HWND viewer = nullptr;
  WaitFor([&] {
    for (HWND h : ProcessWindows(pid, L"QuillpadForm")) {
      if (TextOf(h) == L"クリップボードビューア" && IsWindowVisible(h)) viewer = h;
    }
    return viewer != nullptr;
  });
  Check(viewer != nullptr, "the history window is shown at start");
  if (!viewer) return 1;
  const std::vector<HWND> lists = ChildWindows(viewer, L"ListBox");
  Check(lists.size() == 1, "the window holds one list");
  if (lists.size() != 1) return 1;
  HWND list = lists[0];
  Check(WaitFor([&] { return FirstItem(list) == L"before start"; }, 5000),
        "opening records what the clipboard held");

  const std::wstring copied = L"別のプログラムからコピー 42";
  Check(PutClipboardText(copied), "the driver puts text on the clipboard");
  Check(WaitFor([&] { return FirstItem(list) == copied; }, 5000),
        "the copy is the top line of the list");
  Check(SendMessageW(list, LB_GETCOUNT, 0, 0) == 3, "three lines: the copy, the earlier one, the old");

  SetForegroundWindow(viewer);
  Sleep(500);
  const Shot picture = Shot::Take();
  Check(picture.Save(BesideSelf(L".bmp")), "screenshot saved");
  // The first item's rectangle holds the dark pixels of its text on the list's background.
  RECT item{};
  SendMessageW(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&item), 2);
  const COLORREF background = picture.Dominant(item);
  int dark = 0;
  for (int y = item.top; y < item.bottom; ++y) {
    for (int x = item.left; x < item.right; ++x) {
      const COLORREF c = picture.At(x, y);
      if (c != background && GetRValue(c) + GetGValue(c) + GetBValue(c) < 300) ++dark;
    }
  }
  Check(dark >= 60, "the top line shows its text", std::to_string(dark) + " text pixels");
  RECT below = item;
  OffsetRect(&below, 0, 3 * (item.bottom - item.top));
  Check(picture.CountOther(below, background) == 0, "nothing shows below the three lines");

  PostMessageW(MainWindow(pid), WM_CLOSE, 0, 0);
  Check(app.Wait() == 0, "the program ends with exit code 0");
  CheckBytes(ReadFileBytes(folder + L"\\ClipboardHistory.txt"),
             ToCp932(copied + L"\r\nbefore start\r\n前からの行\r\n"), "ClipboardHistory.txt");
  Check(ReadFileBytes(folder + L"\\Quillpad.ini").find("bShowClipboardViewer=1\r\n") !=
            std::string::npos,
        "the open window is remembered");
  std::printf("%s\n", failures ? "e2e_clipboard: FAILED" : "e2e_clipboard: passed");
  return failures ? 1 : 0;
}
