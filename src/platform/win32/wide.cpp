#include "platform/win32/wide.h"

#include "base/encoding.h"
#include "platform/window.h"

namespace quillpad::platform::win32 {

std::wstring Wide(std::string_view cp932) {
  const std::u16string u = Cp932ToUtf16(cp932);
  return std::wstring(u.begin(), u.end());
}

std::string Narrow(std::wstring_view utf16) {
  return Utf16ToCp932(
      std::u16string_view(reinterpret_cast<const char16_t*>(utf16.data()), utf16.size()));
}

std::string Narrow(const wchar_t* utf16) {
  return utf16 ? Narrow(std::wstring_view(utf16)) : std::string();
}

unsigned ShiftState() {
  unsigned shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= SsShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= SsCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= SsAlt;
  return shift;
}

COLORREF ToColorRef(unsigned color) {
  if ((color >> 24) == 0x80) return GetSysColor(static_cast<int>(color & 0xFF));
  return color & 0x00FFFFFF;
}

}  // namespace quillpad::platform::win32
