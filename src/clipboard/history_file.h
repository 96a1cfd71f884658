// ClipboardHistory.txt: one entry per line, CR LF after each, entries from the top of the list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillpad {

// The entries of a history file: its lines (CR LF, CR or LF end one), at most maxEntries of
// them from the top; the list keeps no more than that, so the rest is never built.
std::vector<std::string> ReadHistoryFile(std::string_view bytes, std::size_t maxEntries);
std::string WriteHistoryFile(const std::vector<std::string>& entries);

// True when the bytes are text in code page 932 that the file gives back unchanged once read
// and written: no NUL, every lead byte with a trail byte, no byte the code page leaves unused.
// Anything else (another encoding, a binary file) is kept as a copy before it is rewritten.
bool IsSoundHistoryText(std::string_view bytes);

}  // namespace quillpad
