// CP932 <-> UTF-16 for the W calls, and small helpers every backend file needs.
#pragma once

#include <windows.h>
// The A/W switch macros collide with our own member names (Window::CreateWindow,
// FileSystem::DeleteFile, System::MessageBox, Canvas::TextOut ...). Every backend file includes
// this header first; the W calls are named explicitly.
#undef CreateWindow
#undef DeleteFile
#undef CopyFile
#undef MessageBox
#undef TextOut
#undef GetMessage
#undef SetText

#include <string>
#include <string_view>

namespace quillpad::platform::win32 {

std::wstring Wide(std::string_view cp932);
std::string Narrow(std::wstring_view utf16);
std::string Narrow(const wchar_t* utf16);

// Shift bits (SsShift, SsCtrl, SsAlt) from the keyboard state right now.
unsigned ShiftState();

// A colour of ours (0x00BBGGRR, or 0x80 + system colour index) as a GDI COLORREF.
COLORREF ToColorRef(unsigned color);

}  // namespace quillpad::platform::win32
