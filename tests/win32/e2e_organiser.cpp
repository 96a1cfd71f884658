// The memo list organiser under Wine: opened by its tool button over two stored memos, its
// owner-drawn items on screen, a drag of the first memo below the last, the file's new order.
//   e2e_organiser.exe QUILLPAD_EXE EMPTY_EXE
// clang-format off
#include "e2e_support.h"  // <windows.h> before the shell header
#include <shellapi.h>
// clang-format on

using namespace quillpad::e2e;

namespace {

void StoreMemo(DWORD pid, HWND main, HWND editor, HWND basicBar, const std::wstring& text) {
  TrayClick(pid);
  WaitFor([&] { return IsWindowVisible(main) != FALSE; });
  Type(editor, text);
  ClickToolButton(basicBar, 1);  // store as a new memo
  WaitFor([&] { return !IsWindowVisible(main); });
}

HWND Organiser(DWORD pid) {
  HWND found = nullptr;
  WaitFor([&] {
    for (HWND w : ProcessWindows(pid, L"QuillpadForm"))
      if (IsWindowVisible(w) && TextOf(w).starts_with(L"メモリストの整理 - ")) found = w;
    return found != nullptr;
  });
  return found;
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  const std::wstring exe = argc >= 2 ? argv[1] : L"";
  const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\'));
  Process app;
  if (exe.empty() || !Start(app, exe, folder)) return 2;
  WaitForInputIdle(app.Info.hProcess, 20000);
  const DWORD pid = app.Info.dwProcessId;
  HWND main = MainWindow(pid);
  const auto editors = ChildWindows(main, L"RICHEDIT");
  const auto toolBars = ChildWindows(main, L"ToolbarWindow32");
  if (!main || editors.empty() || toolBars.empty()) return 1;
  StoreMemo(pid, main, editors[0], toolBars[0], L"first memo");
  StoreMemo(pid, main, editors[0], toolBars[0], L"second memo");

  // MemoListEditBtn, the ninth button counting separators. Posted: a sent click would not
  // return while the modal organiser is open.
  PostMessageW(GetParent(toolBars[0]), WM_COMMAND, MAKEWPARAM(1000 + 8, BN_CLICKED),
               reinterpret_cast<LPARAM>(toolBars[0]));
  HWND organiser = Organiser(pid);
  const auto lists = ChildWindows(organiser, L"ListBox");
  const auto bars = ChildWindows(organiser, L"ToolbarWindow32");
  const auto status = ChildWindows(organiser, L"msctls_statusbar32");
  Check(organiser && lists.size() == 1 && bars.size() == 2 && status.size() == 1,
        "the tool button opens the organiser with its list, tool bars and status bar");
  if (!organiser || lists.size() != 1 || bars.empty() || status.empty()) return 1;
  HWND list = lists[0];
  Sleep(500);
  const Shot shot = Shot::Take();
  shot.Save(BesideSelf(L".bmp"));
  const RECT listRect = ScreenClientRect(list);
  Check(WindowFromPoint({listRect.left + 50, listRect.top + 5}) == list, "the list is in front");
  RECT panel = ScreenClientRect(status[0]);  // panel 1, the memo count, is 100 pixels wide
  panel.right = panel.left + 100;
  Check(shot.CountOther(panel, shot.Dominant(panel)) >= 40, "status panel 1 shows the count");
  Check(SendMessageW(list, LB_GETCOUNT, 0, 0) == 2, "the list holds the two memos");
  for (int i = 0; i < 2; ++i) {
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item));
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&item), 2);
    // One line of the memo font and 5 pixels above and below, in the default memo colour.
    const COLORREF face = shot.Dominant(item);
    const int text = shot.CountOther(item, face);
    const int high = item.bottom - item.top;
    Check(high >= 20 && high <= 40 && face == RGB(0, 128, 0) && text >= 30,
          "an item shows its memo's colour and text",
          std::to_string(high) + " px high, " + std::to_string(text) + " pixels on " +
              ColourText(face));
  }
  // The first memo dragged below the last, as the mouse reaches the list.
  const LPARAM below = MAKELPARAM(20, listRect.bottom - listRect.top - 3);
  SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 5));
  SendMessageW(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, 25));
  SendMessageW(list, WM_MOUSEMOVE, MK_LBUTTON, below);
  SendMessageW(list, WM_LBUTTONUP, 0, below);
  Check(SendMessageW(list, LB_GETCURSEL, 0, 0) == 1, "the dragged memo is selected at the end");

  ClickToolButton(bars[0], 0);  // 閉じる
  Check(WaitFor([&] { return !IsWindowVisible(organiser); }), "the close button ends it");
  PostMessageW(main, WM_CLOSE, 0, 0);
  Check(app.Wait() == 0, "the program ends with exit code 0");
  const std::string memos = ReadFileBytes(folder + L"\\MemoData.dat");
  const std::size_t second = memos.find("second memo"), first = memos.find("first memo");
  Check(second != std::string::npos && first != std::string::npos && second < first,
        "MemoData.dat holds both memos in the new order");
  std::printf("%s\n", failures ? "e2e_organiser: FAILED" : "e2e_organiser: passed");
  return failures ? 1 : 0;
}
