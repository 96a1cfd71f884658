#include "app/tool_list.h"

#include <algorithm>

#include "base/text.h"

namespace quillpad {

bool IsAddressEntry(std::string_view entry) {
  const std::string upper = UpperCaseAscii(entry);
  return upper.starts_with("HTTP") || upper.starts_with("MAILTO:");
}

bool HoldsToolEntry(const std::vector<std::string>& list, std::string_view entry) {
  return std::any_of(list.begin(), list.end(),
                     [&](const std::string& e) { return SameText(e, entry); });
}

namespace {
bool TextBefore(const std::string& a, const std::string& b) {
  return CompareText(a, b) < 0;
}
}  // namespace

void SortToolEntries(std::vector<std::string>& list) {
  std::stable_sort(list.begin(), list.end(), TextBefore);
}

ToolAdd AddToolEntry(std::vector<std::string>& sorted, const std::string& entry, bool exists) {
  if (!exists && !IsAddressEntry(entry)) return ToolAdd::NotFound;
  if (HoldsToolEntry(sorted, entry)) return ToolAdd::Duplicate;
  sorted.insert(std::upper_bound(sorted.begin(), sorted.end(), entry, TextBefore), entry);
  return ToolAdd::Added;
}

int AddDroppedEntries(std::vector<std::string>& sorted, const std::vector<std::string>& paths) {
  int added = 0;
  for (const std::string& path : paths) {
    if (HoldsToolEntry(sorted, path)) continue;
    sorted.insert(std::upper_bound(sorted.begin(), sorted.end(), path, TextBefore), path);
    ++added;
  }
  return added;
}

std::vector<std::string> ReadToolListFile(std::string_view bytes) {
  // Line by line: a file of empty lines must not cost a string for each.
  std::vector<std::string> entries;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = bytes.size();
    const std::string_view line = bytes.substr(start, end - start);
    if (!Trim(line).empty() && line.find('\0') == std::string_view::npos)
      entries.emplace_back(line);
    start = end + (bytes.substr(end, 2) == "\r\n" ? 2 : 1);
  }
  return entries;
}

std::string WriteToolListFile(const std::vector<std::string>& entries) {
  return JoinLines(entries);
}

bool IsSoundToolListFile(std::string_view bytes) {
  return bytes.size() <= kMaxToolListBytes && IsSoundCp932Text(bytes);
}

}  // namespace quillpad
