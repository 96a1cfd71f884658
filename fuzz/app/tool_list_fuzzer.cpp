// ToolList.txt from any bytes: the reader stays within a small multiple of the file, every entry
// is one that names something, a sound file writes back to the same entries, and adding to the
// dialog's sorted list keeps it sorted and free of duplicates.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "../memo/heap_peak.h"
#include "app/tool_list.h"
#include "base/text.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillpad;
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> entries;
  const std::size_t peak = fuzz::HeapPeak([&] { entries = ReadToolListFile(file); });
  Check(peak <= 2 * file.size() + 96 * (entries.size() + 1) + 4096);
  for (const std::string& e : entries) {
    Check(!Trim(e).empty());
    Check(e.find('\0') == std::string::npos);
  }
  if (IsSoundToolListFile(file)) Check(ReadToolListFile(WriteToolListFile(entries)) == entries);

  std::vector<std::string> sorted;
  for (std::size_t i = 0; i < entries.size() && i < 64; ++i)
    AddToolEntry(sorted, entries[i], (entries[i].size() & 1) != 0);
  AddDroppedEntries(sorted, entries);
  for (std::size_t i = 1; i < sorted.size(); ++i) {
    Check(CompareText(sorted[i - 1], sorted[i]) < 0);
  }
  return 0;
}
