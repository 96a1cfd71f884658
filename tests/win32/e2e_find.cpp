// End-to-end check of finding and replacing under Wine: the edit tool bar's find button opens
// the system's find dialog, its find-next selects each match in the editor in turn, the edit
// menu's replace dialog replaces every match, and the stored memo keeps the new text.
//   e2e_find.exe QUILLPAD_EXE EMPTY_EXE
// clang-format off
#include "e2e_support.h"  // <windows.h> before the shell header
#include <shellapi.h>
// clang-format on

using namespace quillpad::e2e;

namespace {

constexpr int kFindWhat = 0x480;     // the dialogs' edit fields
constexpr int kReplaceWith = 0x481;
constexpr int kReplaceAll = 0x401;

HWND FindDialog(DWORD pid) {
  HWND found = nullptr;
  WaitFor([&] {
    for (HWND w : ProcessWindows(pid, L"#32770")) {
      if (IsWindowVisible(w)) found = w;
    }
    return found != nullptr;
  });
  return found;
}

void Press(HWND dialog, int id) {
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Highlight pixels in a band of the editor, and the rows they fall on.
struct Highlight {
  int Pixels = 0;
  int Top = 1 << 30;
  int Bottom = -1;
};
Highlight HighlightIn(const Shot& shot, const RECT& r) {
  const COLORREF colour = GetSysColor(COLOR_HIGHLIGHT);
  Highlight h;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      if (shot.At(x, y) != colour) continue;
      ++h.Pixels;
      h.Top = std::min(h.Top, static_cast<int>(y));
      h.Bottom = std::max(h.Bottom, static_cast<int>(y));
    }
  }
  return h;
}

// A dialog the user can see: in front at its middle, the face colour with text on it.
void CheckDialogShows(const Shot& shot, HWND dialog, const char* what) {
  RECT r{};
  GetWindowRect(dialog, &r);
  POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  HWND top = WindowFromPoint(middle);
  Check(top == dialog || GetAncestor(top, GA_ROOT) == dialog, what, "in front");
  const RECT client = ScreenClientRect(dialog);
  const COLORREF face = shot.Dominant(client);
  const int marks = shot.CountOther(client, face);
  Check(face == GetSysColor(COLOR_BTNFACE) && marks >= 300, what,
        std::to_string(marks) + " pixels of captions and fields on " + ColourText(face));
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 2) {
    std::printf("usage: e2e_find QUILLPAD_EXE [EMPTY_EXE]\n");
    return 2;
  }
  const std::wstring exe = argv[1];
  const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\'));
  Process app;
  HWND main = StartWithEditor(app, exe, folder);
  if (!main) return 1;
  const DWORD pid = app.Info.dwProcessId;
  const auto editors = ChildWindows(main, L"RICHEDIT");
  const auto toolBars = ChildWindows(main, L"ToolbarWindow32");
  if (editors.empty() || toolBars.size() < 2) {
    Check(false, "the editor and both tool bars exist");
    return 1;
  }
  HWND editor = editors[0];
  Type(editor, L"one apple\rtwo apple");
  SendMessageW(editor, EM_SETSEL, 0, 0);
  const RECT text = ScreenClientRect(editor);

  // The find button (the ninth of the edit tool bar, counting its separator).
  ClickToolButton(toolBars[1], 8);
  HWND find = FindDialog(pid);
  Check(find != nullptr, "the find button opens the find dialog");
  if (find) {
    SetDlgItemTextW(find, kFindWhat, L"apple");
    Press(find, IDOK);
    Sleep(400);
    const Shot first = Shot::Take();
    first.Save(BesideSelf(L"-find.bmp"));
    CheckDialogShows(first, find, "the find dialog shows");
    const Highlight one = HighlightIn(first, text);
    Press(find, IDOK);
    Sleep(400);
    const Highlight two = HighlightIn(Shot::Take(), text);
    Check(one.Pixels >= 60 && two.Pixels >= 60, "each find-next shows its match selected",
          std::to_string(one.Pixels) + " and " + std::to_string(two.Pixels) + " pixels");
    Check(two.Top > one.Bottom, "the second find-next selects the match on the next line",
          "rows " + std::to_string(one.Top) + "-" + std::to_string(one.Bottom) + " then " +
              std::to_string(two.Top) + "-" + std::to_string(two.Bottom));
    Press(find, IDCANCEL);
    Check(WaitFor([&] { return !IsWindow(find) || !IsWindowVisible(find); }),
          "cancel closes the find dialog");
  }

  // The edit menu's replace item by its access keys, as the keyboard reaches it.
  SetForegroundWindow(main);
  SetFocus(editor);
  Sleep(200);
  PressKey('E', true);
  PressKey('E');
  HWND replace = FindDialog(pid);
  Check(replace != nullptr && GetDlgItem(replace, kReplaceAll) != nullptr,
        "the edit menu's replace item opens the replace dialog");
  if (replace && GetDlgItem(replace, kReplaceAll)) {
    SetDlgItemTextW(replace, kFindWhat, L"apple");
    SetDlgItemTextW(replace, kReplaceWith, L"pear");
    const Shot before = Shot::Take();
    Press(replace, kReplaceAll);
    Check(WaitFor([&] { return TextOf(editor) == L"one pear\r\ntwo pear" ||
                               TextOf(editor) == L"one pear\rtwo pear"; }),
          "replace all replaces both matches");
    Sleep(400);
    const Shot after = Shot::Take();
    after.Save(BesideSelf(L"-replace.bmp"));
    CheckDialogShows(after, replace, "the replace dialog shows");
    int changed = 0;
    for (int y = text.top; y < text.bottom; ++y) {
      for (int x = text.left; x < text.right; ++x) changed += before.At(x, y) != after.At(x, y);
    }
    Check(changed >= 40, "the editor shows the replaced text", std::to_string(changed) + " pixels");
    Press(replace, IDCANCEL);
  }
  // Stored as a new memo (the basic tool bar's second button), then the program ends.
  ClickToolButton(toolBars[0], 1);
  Check(WaitFor([&] { return !IsWindowVisible(main); }), "storing hides the editor");
  PostMessageW(main, WM_CLOSE, 0, 0);
  Check(app.Wait() == 0, "the program ends with exit code 0");
  const std::string memos = ReadFileBytes(folder + L"\\MemoData.dat");
  Check(memos.find("one pear\r\ntwo pear") != std::string::npos, "MemoData.dat holds the new text");
  std::printf("%s\n", failures ? "e2e_find: FAILED" : "e2e_find: passed");
  return failures ? 1 : 0;
}
