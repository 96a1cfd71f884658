// The system's modeless find and replace dialogs, owned by the utility window, which receives
// their registered message.
// clang-format off
#include "platform/win32/win32_system.h"  // <windows.h> first
#include <commdlg.h>
// clang-format on

#include <cwchar>

#include "platform/win32/wide.h"
#include "platform/win32/win32_common_dialogs.h"

namespace quillpad::platform::win32 {

void Win32System::ShowFindDialog(bool replace, const std::string& findText,
                                 std::function<void(FindAction, const FindRequest&)> onAction) {
  if (!findMessage_) findMessage_ = RegisterWindowMessageW(FINDMSGSTRINGW);
  onFind_ = std::move(onAction);
  const std::wstring text = Wide(findText);
  if (findDialog_) {
    if (findIsReplace_ == replace) {
      if (!text.empty()) SetDlgItemTextW(findDialog_, 0x480, text.c_str());  // edt1: find what
      SetForegroundWindow(findDialog_);
      return;
    }
    DestroyWindow(findDialog_);
    findDialog_ = nullptr;
  }
  if (!text.empty()) {
    std::wcsncpy(findWhat_, text.c_str(), std::size(findWhat_) - 1);
    findWhat_[std::size(findWhat_) - 1] = 0;
  }
  find_ = FINDREPLACEW{};
  find_.lStructSize = sizeof(find_);
  HWND active = GetActiveWindow();
  find_.hwndOwner = utility_;
  find_.Flags = FR_DOWN | FR_HIDEUPDOWN;  // searching always goes forward
  find_.lpstrFindWhat = findWhat_;
  find_.wFindWhatLen = static_cast<WORD>(sizeof(findWhat_));
  find_.lpstrReplaceWith = replaceWith_;
  find_.wReplaceWithLen = static_cast<WORD>(sizeof(replaceWith_));
  const CommonDialogs* dialogs = LoadCommonDialogs();
  findDialog_ = !dialogs  ? nullptr
                : replace ? dialogs->ReplaceText(&find_)
                          : dialogs->FindText(&find_);
  findIsReplace_ = replace;
  // The utility window is hidden: keep the dialog above the window the user works in.
  if (findDialog_ && active)
    SetWindowLongPtrW(findDialog_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(active));
}

void Win32System::FindDialogMessage() {
  const DWORD flags = find_.Flags;
  if (flags & FR_DIALOGTERM) {
    findDialog_ = nullptr;
    onFind_ = nullptr;
    return;
  }
  FindRequest request;
  request.Pattern = Narrow(find_.lpstrFindWhat);
  request.Replacement = Narrow(find_.lpstrReplaceWith);
  request.WholeWord = (flags & FR_WHOLEWORD) != 0;
  request.MatchCase = (flags & FR_MATCHCASE) != 0;
  const FindAction action = (flags & FR_REPLACEALL) ? FindAction::ReplaceAll
                            : (flags & FR_REPLACE)  ? FindAction::Replace
                                                    : FindAction::FindNext;
  // A copy: the handler may show the dialog again.
  const auto handler = onFind_;
  if (handler) handler(action, request);
}

bool Win32System::RunProgram(const std::string& commandLine, int showState) {
  std::wstring line = Wide(commandLine);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showState);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

LibraryCall Win32System::CallArchiver(const std::string& commandLine) {
  using Entry = int(WINAPI*)(HWND, LPCSTR, LPSTR, DWORD);
  HMODULE library = LoadLibraryW(L"Unlha32.dll");
  if (!library) return LibraryCall::Missing;
  auto entry = reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(library, "Unlha")));
  if (!entry) {
    FreeLibrary(library);
    return LibraryCall::NoEntry;
  }
  // The command line goes as CP932 bytes, as the library reads it.
  char output[10] = {};
  entry(nullptr, commandLine.c_str(), output, sizeof(output));
  FreeLibrary(library);
  return LibraryCall::Called;
}

}  // namespace quillpad::platform::win32
