// End-to-end check of the memo list organiser under Wine: two memos stored through the tray and
// the tool bar, the organiser opened by its tool button, its owner-drawn list on screen in the
// memos' colour with their text, a drag of the first memo below the last through the list's own
// mouse messages, and the memo file written in the new order.
//   e2e_organiser.exe QUILLPAD_EXE EMPTY_EXE
// clang-format off
#include "e2e_support.h"  // <windows.h> before the shell header
#include <shellapi.h>
// clang-format on

using namespace quillpad::e2e;

namespace {

constexpr COLORREF kMemoGreen = RGB(0, 128, 0);  // the default memo colour

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
    for (HWND w : ProcessWindows(pid, L"QuillpadForm")) {
      if (IsWindowVisible(w) && TextOf(w).starts_with(L"メモリストの整理 - ")) found = w;
    }
    return found != nullptr;
  });
  return found;
}

RECT ItemRect(HWND list, int index) {
  RECT r{};
  SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::wstring ItemText(HWND list, int index) {
  wchar_t text[256] = {};
  if (SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0) < 255)
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  return text;
}

// The program given as the first argument, started in its own folder.
std::wstring ProgramPath() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  return argc >= 2 ? std::wstring(argv[1]) : std::wstring();
}

}  // namespace

int main() {
  const std::wstring exe = ProgramPath();
  const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\'));
  Process app;
  if (exe.empty() || !Start(app, exe, folder)) {
    std::printf("usage: e2e_organiser QUILLPAD_EXE [EMPTY_EXE]\n");
    return 2;
  }
  WaitForInputIdle(app.Info.hProcess, 20000);
  const DWORD pid = app.Info.dwProcessId;
  HWND main = MainWindow(pid);
  const auto editors = main ? ChildWindows(main, L"RICHEDIT") : std::vector<HWND>{};
  const auto toolBars = main ? ChildWindows(main, L"ToolbarWindow32") : std::vector<HWND>{};
  if (editors.empty() || toolBars.empty()) {
    Check(false, "the main window, its editor and its basic tool bar exist");
    return 1;
  }
  StoreMemo(pid, main, editors[0], toolBars[0], L"first memo");
  StoreMemo(pid, main, editors[0], toolBars[0], L"second memo");

  // The tool button MemoListEditBtn (the ninth, counting separators). Posted: the organiser is
  // modal, and a sent click would not return while it is open.
  PostMessageW(GetParent(toolBars[0]), WM_COMMAND, MAKEWPARAM(1000 + 8, BN_CLICKED),
               reinterpret_cast<LPARAM>(toolBars[0]));
  HWND organiser = Organiser(pid);
  Check(organiser != nullptr, "the tool button opens the organiser");
  if (!organiser) return 1;
  const auto lists = ChildWindows(organiser, L"ListBox");
  const auto bars = ChildWindows(organiser, L"ToolbarWindow32");
  const auto status = ChildWindows(organiser, L"msctls_statusbar32");
  Check(lists.size() == 1 && bars.size() == 2 && status.size() == 1,
        "the organiser has its list, two tool bars and a status bar");
  if (lists.size() != 1 || bars.empty()) return 1;
  HWND list = lists[0];
  Check(SendMessageW(list, LB_GETCOUNT, 0, 0) == 2, "the list holds the two memos");
  Sleep(500);
  const Shot shot = Shot::Take();
  shot.Save(BesideSelf(L".bmp"));
  RECT listRect = ScreenClientRect(list);
  POINT middle{(listRect.left + listRect.right) / 2, listRect.top + 5};
  Check(WindowFromPoint(middle) == list, "the organiser's list is in front");
  if (!status.empty()) {
    // Panel 1 holds the memo count: text on the bar's face within its 100 pixels.
    RECT panel = ScreenClientRect(status[0]);
    panel.right = panel.left + 100;
    Check(shot.CountOther(panel, shot.Dominant(panel)) >= 40, "status panel 1 shows the count");
  }
  for (int i = 0; i < 2; ++i) {
    const RECT item = ItemRect(list, i);
    const std::string which = "item " + std::to_string(i + 1);
    // One line of the memo font and 5 pixels above and below.
    Check(item.bottom - item.top >= 20 && item.bottom - item.top <= 40,
          "each item is one text line high and the inset",
          which + ": " + std::to_string(item.bottom - item.top) + " px");
    const COLORREF face = shot.Dominant(item);
    const int text = shot.CountOther(item, face);
    Check(face == kMemoGreen, "the item shows its memo's colour", which + ": " + ColourText(face));
    Check(text >= 30, "the item shows its memo's text", which + ": " + std::to_string(text));
    // The text starts 5 pixels in: the first columns and rows of the item are plain colour.
    const RECT edge{item.left, item.top, item.left + 4, item.bottom};
    Check(shot.CountOther(edge, kMemoGreen) <= 2 * (item.bottom - item.top),
          "the text stands off the item's left edge", which);
  }

  // The first memo dragged below the last, as the mouse reaches the list.
  const RECT first = ItemRect(list, 0);
  POINT down{first.left + 20, (first.top + first.bottom) / 2};
  ScreenToClient(list, &down);
  RECT client{};
  GetClientRect(list, &client);
  const LPARAM below = MAKELPARAM(20, client.bottom - 3);
  SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.x, down.y));
  SendMessageW(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(down.x, down.y + 10));
  SendMessageW(list, WM_MOUSEMOVE, MK_LBUTTON, below);
  SendMessageW(list, WM_LBUTTONUP, 0, below);
  Check(ItemText(list, 0) == L"second memo" && ItemText(list, 1) == L"first memo",
        "a drag below the last item moves the first memo to the end",
        ToCp932(ItemText(list, 0)) + ", " + ToCp932(ItemText(list, 1)));
  Check(SendMessageW(list, LB_GETCURSEL, 0, 0) == 1, "the moved memo stays selected");

  ClickToolButton(bars[0], 0);  // 閉じる
  Check(WaitFor([&] { return !IsWindow(organiser) || !IsWindowVisible(organiser); }),
        "the close button ends the organiser");
  PostMessageW(main, WM_CLOSE, 0, 0);
  Check(app.Wait() == 0, "the program ends with exit code 0");
  const std::string memos = ReadFileBytes(folder + L"\\MemoData.dat");
  const std::size_t second = memos.find("second memo");
  const std::size_t firstAt = memos.find("first memo");
  Check(second != std::string::npos && firstAt != std::string::npos && second < firstAt,
        "MemoData.dat holds both memos in the new order");
  Check(ReadFileBytes(folder + L"\\MemoData1.dat").empty() &&
            ReadFileBytes(folder + L"\\MemoData2.dat").empty(),
        "the other categories stay untouched");
  std::printf("%s\n", failures ? "e2e_organiser: FAILED" : "e2e_organiser: passed");
  return failures ? 1 : 0;
}
