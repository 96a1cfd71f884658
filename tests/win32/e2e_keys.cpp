// User shortcut keys under Wine: a key that KeyList.ini gives the store command ("^q", Ctrl+Q),
// pressed on the keyboard in the editor, puts the typed text on the desktop as a new memo.
//   e2e_keys.exe QUILLPAD_EXE
// clang-format off
#include "e2e_support.h"  // <windows.h> before the shell header
#include <shellapi.h>
// clang-format on

using namespace quillpad::e2e;

namespace {

HWND MemoWindow(DWORD pid, HWND main) {
  HWND found = nullptr;
  WaitFor([&] {
    for (HWND w : ProcessWindows(pid, L"QuillpadForm"))
      if (w != main && IsWindowVisible(w)) found = w;
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
  const std::string keyList = "[Key]\r\nShowNewMemo=^q\r\nNoSuchCommand=Ctrl+W\r\n";
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
    const COLORREF face = shot.Dominant(client);
    const int text = shot.CountOther(client, face);
    Check(text >= 30, "the memo shows its text",
          std::to_string(text) + " pixels on " + ColourText(face));
  }
  PostMessageW(main, WM_CLOSE, 0, 0);
  Check(app.Wait() == 0, "the program ends with exit code 0");
  Check(ReadFileBytes(folder + L"\\MemoData.dat").find("key memo") != std::string::npos,
        "MemoData.dat holds the memo the key stored");
  CheckBytes(ReadFileBytes(folder + L"\\KeyList.ini"), keyList, "KeyList.ini is left as it was");
  std::printf("%s\n", failures ? "e2e_keys: FAILED" : "e2e_keys: passed");
  return failures ? 1 : 0;
}
