#include "clipboard/history_file.h"

#include "base/text.h"

namespace quillpad {

std::vector<std::string> ReadHistoryFile(std::string_view bytes, std::size_t maxEntries) {
  std::vector<std::string> entries;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < bytes.size() && entries.size() < maxEntries) {
    const char c = bytes[i];
    if (c == '\r' || c == '\n') {
      entries.emplace_back(bytes.substr(start, i - start));
      i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < bytes.size() && entries.size() < maxEntries) entries.emplace_back(bytes.substr(start));
  return entries;
}

std::string WriteHistoryFile(const std::vector<std::string>& entries) { return JoinLines(entries); }

}  // namespace quillpad
