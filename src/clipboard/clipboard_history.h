// The clipboard history as a list of lines, newest at the top: what a copy adds, the two limits,
// thinning out, sorting and deleting. Window-free: the history window keeps one of these and
// mirrors it into its list box.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillpad {

// The largest limits the options allow; values from the ini file are held inside them.
constexpr int kHistoryMaxCountLimit = 100000;
constexpr int kNeglectRowCountLimit = 10000;
constexpr int kDefaultMaxCount = 500;
constexpr int kDefaultNeglectRowCount = 20;

int ClampMaxCount(long long value);
int ClampNeglectRowCount(long long value);

// The lines a copy of this text records: trimmed of blanks and control characters at both ends
// and split at CR LF, CR or LF. Empty for a text of blanks.
std::vector<std::string> CopiedLines(std::string_view text);

// The order of a sorted list box: letter case ignored, double-byte characters by their bytes.
bool HistoryLess(std::string_view a, std::string_view b);

class ClipboardHistory {
 public:
  const std::vector<std::string>& Entries() const { return entries_; }
  int Count() const { return static_cast<int>(entries_.size()); }
  int MaxCount = kDefaultMaxCount;
  int NeglectRowCount = kDefaultNeglectRowCount;
  bool Sorted() const { return sorted_; }

  // Replaces the list as it is (a history file read back); the list is unsorted afterwards.
  void Assign(std::vector<std::string> entries);
  // One clipboard notification: records the text's lines at the top when there are some and no
  // more than NeglectRowCount, then cuts the list to MaxCount and sorts it again when sorted.
  // True when lines were recorded.
  bool Capture(std::string_view clipboardText);
  // Removes empty entries and every entry that has an equal one (letter case ignored) above it.
  void Reduce();
  // Sorting on keeps the list in list-box order from now on; off keeps the current order.
  void SetSorted(bool sorted);
  // Deletes the entries whose flag is set (flags shorter than the list leave the rest).
  void Delete(const std::vector<bool>& selected);
  void Clear() { entries_.clear(); }
  // The flagged entries, top to bottom, each followed by CR LF.
  std::string JoinSelected(const std::vector<bool>& selected) const;

 private:
  void Trim();
  std::vector<std::string> entries_;
  bool sorted_ = false;
};

}  // namespace quillpad
