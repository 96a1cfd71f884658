// The Windows side of base/encoding.h: the system's code-page calls with code page 932 named
// explicitly, so Japanese text converts the same on any Windows locale. Compiled into qp_base.
#include <windows.h>

#include "base/encoding.h"

namespace quillpad {

std::u16string Cp932ToUtf16(std::string_view cp932) {
  if (cp932.empty()) return {};
  const int n = MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), nullptr, 0);
  std::u16string out(static_cast<std::size_t>(n), u'\0');
  MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()),
                      reinterpret_cast<wchar_t*>(out.data()), n);
  return out;
}

std::string Utf16ToCp932(std::u16string_view utf16) {
  if (utf16.empty()) return {};
  const auto* src = reinterpret_cast<const wchar_t*>(utf16.data());
  const int n = WideCharToMultiByte(932, 0, src, static_cast<int>(utf16.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(932, 0, src, static_cast<int>(utf16.size()), out.data(), n, nullptr, nullptr);
  return out;
}

namespace {
std::string Utf16ToUtf8(const std::u16string& w) {
  if (w.empty()) return {};
  const auto* src = reinterpret_cast<const wchar_t*>(w.data());
  const int n = WideCharToMultiByte(CP_UTF8, 0, src, static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, src, static_cast<int>(w.size()), out.data(), n, nullptr, nullptr);
  return out;
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::u16string out(static_cast<std::size_t>(n), u'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                      reinterpret_cast<wchar_t*>(out.data()), n);
  return out;
}
}  // namespace

std::string Cp932ToUtf8(std::string_view cp932) { return Utf16ToUtf8(Cp932ToUtf16(cp932)); }
std::string Utf8ToCp932(std::string_view utf8) { return Utf16ToCp932(Utf8ToUtf16(utf8)); }

}  // namespace quillpad
