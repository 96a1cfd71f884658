// User shortcut keys under Wine: a key that KeyList.ini gives the store command ("^q", Ctrl+Q),
// pressed on the keyboard in the editor, puts the typed text on the desktop as a new memo; a
// system-wide key from its GlobalKey section (Ctrl+Alt+M), pressed while a window of this driver
// (another program) has the focus, makes a memo of the clipboard's text. The dialog of those keys
// opens from the key assignment and shows the key from the file.
//   e2e_keys.exe QUILLPAD_EXE
// clang-format off
#include "e2e_support.h"  // <windows.h> before the shell header
#include <shellapi.h>
// clang-format on

using namespace quillpad::e2e;

namespace {

// A visible memo window other than main and the ones listed.
HWND MemoWindow(DWORD pid, HWND main, const std::vector<HWND>& known = {}) {
  HWND found = nullptr;
  WaitFor([&] {
    for (HWND w : ProcessWindows(pid, L"QuillpadForm"))
      if (w != main && IsWindowVisible(w) &&
          std::find(known.begin(), known.end(), w) == known.end())
        found = w;
    return found != nullptr;
  });
  return found;
}

// The driver's own window in front, with the keyboard focus.
HWND OwnWindowInFront() {
  HWND own = CreateWindowExW(0, L"EDIT", L"driver", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 400, 500, 300,
                             150, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(own);
  SetFocus(own);
  WaitFor(
      [&] {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        return GetForegroundWindow() == own;
      },
      3000);
  return own;
}

HWND ChildTitled(HWND parent, const std::wstring& cls, const std::wstring& caption) {
  for (HWND child : ChildWindows(parent, cls))
    if (TextOf(child) == caption) return child;
  return nullptr;
}

void PressKeys(std::initializer_list<BYTE> keys) {
  for (BYTE key : keys) keybd_event(key, 0, 0, 0);
  for (auto it = std::rbegin(keys); it != std::rend(keys); ++it)
    keybd_event(*it, 0, KEYEVENTF_KEYUP, 0);
}

void CheckTextPixels(const Shot& shot, HWND memo, const char* what) {
  const RECT client = ScreenClientRect(memo);
  const COLORREF face = shot.Dominant(client);
  const int text = shot.CountOther(client, face);
  Check(text >= 30, what, std::to_string(text) + " pixels on " + ColourText(face));
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  const std::wstring exe = argc >= 2 ? argv[1] : L"";
  const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\'));
  const std::string keyList =
      "[Key]\r\nShowNewMemo=^q\r\nNoSuchCommand=Ctrl+W\r\nSetShortCutKey=Ctrl+F12\r\n"
      "[GlobalKey]\r\nClipNewMemoAtEndClick=Ctrl+Alt+M\r\n";
  if (exe.empty() || !WriteFileBytes(folder + L"\\KeyList.ini", keyList)) return 2;
  Process app;
  HWND main = StartWithEditor(app, exe, folder);
  if (!main) return 1;
  const DWORD pid = app.Info.dwProcessId;
  const auto editors = ChildWindows(main, L"RICHEDIT");
  if (editors.empty()) return 1;
  Type(editors[0], L"key memo");
  SetForegroundWindow(main);
  SetFocus(editors[0]);
  Sleep(200);
  keybd_event(VK_CONTROL, 0, 0, 0);
  keybd_event('Q', 0, 0, 0);
  keybd_event('Q', 0, KEYEVENTF_KEYUP, 0);
  keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
  Check(WaitFor([&] { return !IsWindowVisible(main); }),
        "Ctrl+Q stores the memo and hides the editor");
  HWND memo = MemoWindow(pid, main);
  Check(memo != nullptr, "Ctrl+Q puts a memo window on the desktop");
  Sleep(500);
  const Shot shot = Shot::Take();
  shot.Save(BesideSelf(L".bmp"));
  if (memo) {
    const RECT client = ScreenClientRect(memo);
    Check(WindowFromPoint({client.left + 3, client.top + 3}) == memo, "the memo is in front");
    CheckTextPixels(shot, memo, "the memo shows its text");
  }

  // The system-wide key, while another program has the focus.
  HWND own = OwnWindowInFront();
  Check(GetForegroundWindow() == own, "the driver's window has the focus");
  PutClipboardText(L"hot key memo");
  PressKeys({VK_CONTROL, VK_MENU, 'M'});
  HWND clipMemo = MemoWindow(pid, main, {memo});
  Check(clipMemo != nullptr, "Ctrl+Alt+M makes a memo while another program has the focus");
  Sleep(500);
  const Shot hotShot = Shot::Take();
  hotShot.Save(BesideSelf(L"-global.bmp"));
  if (clipMemo) CheckTextPixels(hotShot, clipMemo, "the clipboard memo shows its text");
  DestroyWindow(own);

  // Ctrl+F12 (from KeyList.ini) opens the key assignment; its button opens the hot-key dialog.
  TrayClick(pid);
  WaitFor([&] { return IsWindowVisible(main) != 0; });
  SetForegroundWindow(main);
  SetFocus(editors[0]);
  Sleep(300);
  PressKeys({VK_CONTROL, VK_F12});
  HWND keyDialog = WaitForCaption(pid, L"ショートカットの割り当て");
  Check(keyDialog != nullptr, "Ctrl+F12 opens the key assignment");
  if (!keyDialog) {
    for (HWND w : ProcessWindows(pid, L"QuillpadForm"))
      std::printf("  window %ls \"%ls\" visible=%d\n", ClassOf(w).c_str(), TextOf(w).c_str(),
                  IsWindowVisible(w) ? 1 : 0);
  }
  HWND globalButton = keyDialog ? ChildTitled(keyDialog, L"Button", L"ホットキー(&G)...") : nullptr;
  Check(globalButton != nullptr, "the key assignment has the hot-key button");
  if (globalButton) PostMessageW(globalButton, BM_CLICK, 0, 0);
  HWND globalDialog = WaitForCaption(pid, L"システム全体のホットキー");
  Check(globalDialog != nullptr, "the button opens the hot-key dialog");
  if (globalDialog) {
    Sleep(500);
    const Shot dialogShot = Shot::Take();
    dialogShot.Save(BesideSelf(L"-dialog.bmp"));
    const auto fields = ChildWindows(globalDialog, L"Edit");
    Check(fields.size() == 3, "the dialog has a key field for each command");
    if (!fields.empty()) {
      RECT r;
      GetWindowRect(fields[0], &r);
      Check(dialogShot.CountOther(r, dialogShot.Dominant(r)) >= 40,
            "the first key field shows the key from the file");
      Check(TextOf(fields[0]) == L"Ctrl+Alt+M", "the first key field reads Ctrl+Alt+M");
    }
    HWND clipRow = ChildTitled(globalDialog, L"Button", L"クリップボードから新規メモ(&C)");
    Check(clipRow && SendMessageW(clipRow, BM_GETCHECK, 0, 0) == BST_CHECKED,
          "the clipboard row is on");
    if (HWND cancel = ChildTitled(globalDialog, L"Button", L"ｷｬﾝｾﾙ"))
      PostMessageW(cancel, BM_CLICK, 0, 0);
    Check(WaitFor([&] { return !IsWindowVisible(globalDialog); }), "Cancel closes the dialog");
  }
  if (HWND close = keyDialog ? ChildTitled(keyDialog, L"Button", L"閉じる") : nullptr)
    PostMessageW(close, BM_CLICK, 0, 0);
  if (keyDialog)
    Check(WaitFor([&] { return !IsWindowVisible(keyDialog); }), "the key assignment closes");
  PostMessageW(main, WM_CLOSE, 0, 0);
  Check(app.Wait() == 0, "the program ends with exit code 0");
  Check(ReadFileBytes(folder + L"\\MemoData.dat").find("key memo") != std::string::npos,
        "MemoData.dat holds the memo the key stored");
  const std::string memoData = ReadFileBytes(folder + L"\\MemoData.dat");
  Check(memoData.find("hot key memo") != std::string::npos,
        "MemoData.dat holds the memo the system-wide key made");
  CheckBytes(ReadFileBytes(folder + L"\\KeyList.ini"), keyList, "KeyList.ini is left as it was");
  std::printf("%s\n", failures ? "e2e_keys: FAILED" : "e2e_keys: passed");
  return failures ? 1 : 0;
}
