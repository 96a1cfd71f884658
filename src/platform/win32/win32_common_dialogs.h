// The common dialog library, loaded by the first dialog that needs it. Imported, it would load at
// every start and bring the print spooler's libraries with it, for dialogs most runs never open.
#pragma once

// clang-format off
#include "platform/win32/wide.h"  // <windows.h> first
#include <commdlg.h>
// clang-format on

namespace quillpad::platform::win32 {

struct CommonDialogs {
  decltype(&::GetOpenFileNameW) GetOpenFileName = nullptr;
  decltype(&::GetSaveFileNameW) GetSaveFileName = nullptr;
  decltype(&::ChooseFontW) ChooseFont = nullptr;
  decltype(&::ChooseColorW) ChooseColor = nullptr;
  decltype(&::PrintDlgW) PrintDlg = nullptr;
  decltype(&::FindTextW) FindText = nullptr;
  decltype(&::ReplaceTextW) ReplaceText = nullptr;
};

// Null when the library or any of its entries is missing: the caller answers as if cancelled.
const CommonDialogs* LoadCommonDialogs();

}  // namespace quillpad::platform::win32
