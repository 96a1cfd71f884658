// CP932 <-> UTF-8 / UTF-16 at the program's edges (tool output, test output, Win32 W calls).
#pragma once

#include <string>
#include <string_view>

namespace quillpad {

// Bytes that do not convert become '?' (CP932 -> UTF-8) or '?' (UTF-8 -> CP932).
std::string Cp932ToUtf8(std::string_view cp932);
std::string Utf8ToCp932(std::string_view utf8);
std::u16string Cp932ToUtf16(std::string_view cp932);
std::string Utf16ToCp932(std::u16string_view utf16);

}  // namespace quillpad
