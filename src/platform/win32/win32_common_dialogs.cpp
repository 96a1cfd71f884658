#include "platform/win32/win32_common_dialogs.h"

namespace quillpad::platform::win32 {

namespace {

template <typename Function>
bool Entry(HMODULE library, const char* name, Function& out) {
  // Through the generic function type, which converts to any other without a warning.
  out = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
  return out != nullptr;
}

CommonDialogs Load() {
  CommonDialogs d;
  HMODULE library = LoadLibraryW(L"comdlg32.dll");
  if (!library) return d;
  const bool all =
      Entry(library, "GetOpenFileNameW", d.GetOpenFileName) &&
      Entry(library, "GetSaveFileNameW", d.GetSaveFileName) &&
      Entry(library, "ChooseFontW", d.ChooseFont) &&
      Entry(library, "ChooseColorW", d.ChooseColor) && Entry(library, "PrintDlgW", d.PrintDlg) &&
      Entry(library, "FindTextW", d.FindText) && Entry(library, "ReplaceTextW", d.ReplaceText);
  // The library stays loaded to the end of the process: dialogs of it may still be open.
  if (!all) d.GetOpenFileName = nullptr;
  return d;
}

}  // namespace

const CommonDialogs* LoadCommonDialogs() {
  static const CommonDialogs dialogs = Load();
  return dialogs.GetOpenFileName ? &dialogs : nullptr;
}

}  // namespace quillpad::platform::win32
