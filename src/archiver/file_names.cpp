#include "archiver/file_names.h"

#ifdef _WIN32
#include <windows.h>
#else
#include "base/encoding.h"
#endif

namespace quillpad::archiver {

#ifdef _WIN32

std::filesystem::path NativePath(std::string_view cp932) {
  if (cp932.empty()) return {};
  const int n =
      MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) {
    MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), wide.data(), n);
  }
  return std::filesystem::path(wide);
}

bool ReplaceWith(const std::filesystem::path& from, const std::filesystem::path& to) {
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

std::string StoredName(const std::filesystem::path& relative) {
  std::wstring wide = relative.wstring();
  for (wchar_t& c : wide) {
    if (c == L'/') c = L'\\';
  }
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int n = WideCharToMultiByte(932, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0) WideCharToMultiByte(932, 0, wide.data(), size, out.data(), n, nullptr, nullptr);
  return out;
}

#else

// Decoding comes first: a trail byte of a CP932 character may be 0x5C.
std::filesystem::path NativePath(std::string_view cp932) {
  std::string utf8 = Cp932ToUtf8(cp932);
  for (char& c : utf8) {
    if (c == '\\') c = '/';
  }
  return std::filesystem::path(utf8);
}

bool ReplaceWith(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code ec;
  std::filesystem::rename(from, to, ec);  // POSIX rename replaces atomically
  return !ec;
}

std::string StoredName(const std::filesystem::path& relative) {
  std::string out;
  for (const std::filesystem::path& name : relative) {
    if (!out.empty()) out.push_back('\\');
    out += Utf8ToCp932(name.string());
  }
  return out;
}

#endif

}  // namespace quillpad::archiver
