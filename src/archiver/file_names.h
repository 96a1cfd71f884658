// CP932 names from the command line and the archive, as paths of the file system at hand.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quillpad::archiver {

// A CP932 path with '\' or '/' between folders.
std::filesystem::path NativePath(std::string_view cp932);

// Renames from over to, replacing to when it exists.
bool ReplaceWith(const std::filesystem::path& from, const std::filesystem::path& to);

// A relative path as a stored name: CP932, '\' between folders.
std::string StoredName(const std::filesystem::path& relative);

}  // namespace quillpad::archiver
