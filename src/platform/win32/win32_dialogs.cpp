// The system's open, save, font and colour dialogs.
// clang-format off
#include "platform/win32/win32_system.h"  // <windows.h> first
#include <commdlg.h>
// clang-format on

#include "platform/win32/wide.h"
#include "platform/win32/win32_common_dialogs.h"

namespace quillpad::platform::win32 {

namespace {

constexpr std::size_t kNameBuffer = 64 * 1024;  // room for a long multi-selection

// "Text (*.txt)|*.txt|All|*.*" -> "Text (*.txt)\0*.txt\0All\0*.*\0\0". Split after conversion:
// "|" (0x7C) can be the trail byte of a double-byte character.
std::wstring FilterList(const std::string& filter) {
  std::wstring list = Wide(filter);
  for (auto& c : list) {
    if (c == L'|') c = L'\0';
  }
  list.push_back(L'\0');
  list.push_back(L'\0');
  return list;
}

// The explorer-style dialog's hook: a child dialog of the real one, told of its notifications.
UINT_PTR CALLBACK SelectionHook(HWND hook, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    const auto* ofn = reinterpret_cast<const OPENFILENAMEW*>(lParam);
    SetWindowLongPtrW(hook, GWLP_USERDATA, static_cast<LONG_PTR>(ofn->lCustData));
    return 0;
  }
  if (message != WM_NOTIFY || reinterpret_cast<NMHDR*>(lParam)->code != CDN_SELCHANGE) return 0;
  auto* options = reinterpret_cast<FileDialogOptions*>(GetWindowLongPtrW(hook, GWLP_USERDATA));
  if (!options || !options->OnSelectionChange) return 0;
  HWND dialog = GetParent(hook);
  std::wstring path(MAX_PATH, L'\0');
  LRESULT n =
      SendMessageW(dialog, CDM_GETFILEPATH, path.size(), reinterpret_cast<LPARAM>(path.data()));
  if (n > static_cast<LRESULT>(path.size())) {
    path.assign(static_cast<std::size_t>(n), L'\0');
    n = SendMessageW(dialog, CDM_GETFILEPATH, path.size(), reinterpret_cast<LPARAM>(path.data()));
  }
  path.resize(n > 0 ? wcsnlen(path.c_str(), static_cast<std::size_t>(n)) : 0);
  RECT r{};
  GetWindowRect(dialog, &r);
  // Nothing may unwind through the system's dialog code; a preview that failed shows nothing.
  try {
    options->OnSelectionChange(
        {Narrow(path), {r.left, r.top, r.right, r.bottom}, reinterpret_cast<WindowHandle>(dialog)});
  } catch (...) {
  }
  return 0;
}

bool RunDialog(FileDialogOptions& options, bool save) {
  const std::wstring filter = FilterList(options.Filter);
  const std::wstring title = Wide(options.Title);
  const std::wstring initialDir = Wide(options.InitialDir);
  std::wstring ext = Wide(options.DefaultExt);
  if (!ext.empty() && ext[0] == L'.') ext.erase(0, 1);
  std::wstring names(kNameBuffer, L'\0');
  const std::wstring proposed = Wide(options.FileName);
  if (proposed.size() < kNameBuffer - 1) std::copy(proposed.begin(), proposed.end(), names.begin());

  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = GetActiveWindow();
  ofn.lpstrFilter = options.Filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(options.FilterIndex);
  ofn.lpstrFile = names.data();
  ofn.nMaxFile = static_cast<DWORD>(names.size());
  ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
  ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
  ofn.lpstrDefExt = ext.empty() ? nullptr : ext.c_str();
  // The program works with full paths only; the current folder must not wander with the dialog.
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
  if (options.AllowMultiSelect && !save) ofn.Flags |= OFN_ALLOWMULTISELECT;
  if (options.OverwritePrompt && save) ofn.Flags |= OFN_OVERWRITEPROMPT;

  if (options.OnSelectionChange) {
    ofn.Flags |= OFN_ENABLEHOOK;
    ofn.lpfnHook = SelectionHook;
    ofn.lCustData = reinterpret_cast<LPARAM>(&options);
  }

  const CommonDialogs* dialogs = LoadCommonDialogs();
  const BOOL ok =
      dialogs && (save ? dialogs->GetSaveFileName(&ofn) : dialogs->GetOpenFileName(&ofn));
  if (options.OnClose) options.OnClose();
  if (!ok) return false;
  options.FilterIndex = static_cast<int>(ofn.nFilterIndex);
  options.FileNames.clear();
  // Multi-selection: folder NUL name NUL name NUL NUL; one file: the full path alone.
  std::vector<std::wstring> parts;
  for (std::size_t i = 0; i < names.size() && names[i];) {
    const std::size_t end = names.find(L'\0', i);
    parts.emplace_back(names.substr(i, end - i));
    i = end + 1;
  }
  if (parts.empty()) return false;
  if (parts.size() == 1) {
    options.FileNames.push_back(Narrow(parts[0]));
  } else {
    std::wstring folder = parts[0];
    if (folder.back() != L'\\') folder += L'\\';
    for (std::size_t i = 1; i < parts.size(); ++i)
      options.FileNames.push_back(Narrow(folder + parts[i]));
  }
  options.FileName = options.FileNames.front();
  return true;
}

}  // namespace

bool Win32System::OpenFileDialog(FileDialogOptions& options) {
  return RunDialog(options, false);
}
bool Win32System::SaveFileDialog(FileDialogOptions& options) {
  return RunDialog(options, true);
}

bool Win32System::PickFont(FontSpec& font) {
  LOGFONTW lf{};
  lf.lfHeight = font.Height;
  lf.lfWeight = (font.Style & FsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = (font.Style & FsItalic) ? TRUE : FALSE;
  lf.lfUnderline = (font.Style & FsUnderline) ? TRUE : FALSE;
  lf.lfStrikeOut = (font.Style & FsStrikeOut) ? TRUE : FALSE;
  lf.lfCharSet = static_cast<BYTE>(font.Charset);
  const std::wstring face = Wide(font.Name);
  lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
  CHOOSEFONTW cf{};
  cf.lStructSize = sizeof(cf);
  cf.hwndOwner = GetActiveWindow();
  cf.lpLogFont = &lf;
  cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  cf.rgbColors = font.TextColor & 0xFFFFFF;
  const CommonDialogs* dialogs = LoadCommonDialogs();
  if (!dialogs || !dialogs->ChooseFont(&cf)) return false;
  font.Name = Narrow(lf.lfFaceName);
  font.Height = lf.lfHeight;
  font.Charset = lf.lfCharSet;
  font.TextColor = cf.rgbColors;
  font.Style = (lf.lfWeight >= FW_BOLD ? FsBold : 0u) | (lf.lfItalic ? FsItalic : 0u) |
               (lf.lfUnderline ? FsUnderline : 0u) | (lf.lfStrikeOut ? FsStrikeOut : 0u);
  return true;
}

bool Win32System::PickColor(Color& color, std::vector<Color>& customColors) {
  COLORREF custom[16];
  customColors.resize(16, 0xFFFFFF);
  for (int i = 0; i < 16; ++i) custom[i] = customColors[static_cast<std::size_t>(i)] & 0xFFFFFF;
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof(cc);
  cc.hwndOwner = GetActiveWindow();
  cc.rgbResult = (color & 0xFF000000u) ? GetSysColor(static_cast<int>(color & 0xFF)) : color;
  cc.lpCustColors = custom;
  cc.Flags = CC_RGBINIT;
  const CommonDialogs* dialogs = LoadCommonDialogs();
  const BOOL ok = dialogs && dialogs->ChooseColor(&cc);
  for (int i = 0; i < 16; ++i) customColors[static_cast<std::size_t>(i)] = custom[i];
  if (!ok) return false;
  color = cc.rgbResult;
  return true;
}

}  // namespace quillpad::platform::win32
