// Windows paths composed as folder + "\" + name. Backslashes are found only on character
// boundaries, so a double-byte character whose trail byte is 0x5C never splits a path.
#pragma once

#include <string>
#include <string_view>

namespace quillpad {

std::string JoinPath(std::string_view folder, std::string_view name);
// Folder part without the final backslash ("C:\a\b.txt" -> "C:\a", "C:\b.txt" -> "C:").
std::string ExtractFileDir(std::string_view path);
std::string ExtractFileName(std::string_view path);
// ".txt" (with the dot), or empty.
std::string ExtractFileExt(std::string_view path);
bool HasTrailingBackslash(std::string_view path);
std::string ExcludeTrailingBackslash(std::string_view path);

}  // namespace quillpad
