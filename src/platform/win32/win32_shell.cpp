// The shell's folder browser and the screen saver switches.
// clang-format off
#include "platform/win32/win32_system.h"  // <windows.h> first
#include <shlobj.h>
// clang-format on

#include "platform/win32/wide.h"
#include "platform/win32/win32_window.h"

namespace quillpad::platform::win32 {

std::string Win32System::BrowseForFolder(Window* owner, const std::string& title) {
  IMalloc* shellMalloc = nullptr;
  if (FAILED(SHGetMalloc(&shellMalloc)) || !shellMalloc) return {};
  LPITEMIDLIST root = nullptr;
  SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &root);
  const std::wstring caption = Wide(title);
  wchar_t display[MAX_PATH] = {};
  BROWSEINFOW info{};
  info.hwndOwner = owner ? static_cast<Win32Window*>(owner)->Handle() : GetActiveWindow();
  info.pidlRoot = root;
  info.pszDisplayName = display;
  info.lpszTitle = caption.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  std::string folder;
  if (LPITEMIDLIST chosen = SHBrowseForFolderW(&info)) {
    wchar_t path[MAX_PATH] = {};
    if (SHGetPathFromIDListW(chosen, path)) folder = Narrow(path);
    shellMalloc->Free(chosen);
  }
  if (root) shellMalloc->Free(root);
  shellMalloc->Release();
  return folder;
}

void Win32System::StartScreenSaver() {
  PostMessageW(GetDesktopWindow(), WM_SYSCOMMAND, SC_SCREENSAVE, 0);
}

bool Win32System::SetScreenSaverActive(bool active) {
  return SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, active ? 1 : 0, nullptr,
                               SPIF_SENDWININICHANGE) != 0;
}

}  // namespace quillpad::platform::win32
