// ClipboardHistory.txt: one entry per line, CR LF after each, entries from the top of the list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"

namespace quillpad {

// The entries of a history file: its lines (CR LF, CR or LF end one), at most maxEntries of
// them from the top; the list keeps no more than that, so the rest is never built.
std::vector<std::string> ReadHistoryFile(std::string_view bytes, std::size_t maxEntries);
std::string WriteHistoryFile(const std::vector<std::string>& entries);

// The file gives its text back unchanged once read and written (base's sound CP932 text).
inline bool IsSoundHistoryText(std::string_view bytes) { return IsSoundCp932Text(bytes); }

}  // namespace quillpad
