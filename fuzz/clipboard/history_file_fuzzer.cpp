// ClipboardHistory.txt from any bytes: the reader keeps within its entry limit and a small
// multiple of the file, sound text writes back to the same lines, and the list operations hold
// up on whatever was read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "../memo/heap_peak.h"
#include "base/text.h"
#include "clipboard/clipboard_history.h"
#include "clipboard/history_file.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillpad;
  if (size < 1) return 0;
  // The first byte chooses the limit: a small one, or the largest the options allow.
  const std::size_t limit = data[0] < 128 ? data[0] % 16 : kHistoryMaxCountLimit;
  const std::string_view file(reinterpret_cast<const char*>(data) + 1, size - 1);

  std::vector<std::string> entries;
  const std::size_t peak = fuzz::HeapPeak([&] { entries = ReadHistoryFile(file, limit); });
  Check(entries.size() <= limit);
  // Each entry costs its bytes and one string object; the vector at most doubles.
  Check(peak <= 2 * file.size() + 96 * (entries.size() + 1) + 4096);

  if (IsSoundHistoryText(file) && entries.size() < limit) {
    Check(ReadHistoryFile(WriteHistoryFile(entries), limit) == entries);
  }

  ClipboardHistory history;
  history.MaxCount = static_cast<int>(limit);
  history.Assign(entries);
  history.SetSorted(data[0] & 1);
  history.Capture(file.substr(0, 256));
  Check(history.Count() <= history.MaxCount);
  history.Reduce();
  for (std::size_t i = 0; i < history.Entries().size(); ++i) {
    Check(!history.Entries()[i].empty());
    for (std::size_t j = 0; j < i && j < 32; ++j) Check(!SameText(history.Entries()[i], history.Entries()[j]));
  }
  return 0;
}
