#include "clipboard/clipboard_history.h"

#include <algorithm>
#include <iterator>
#include <unordered_set>

#include "base/text.h"

namespace quillpad {

int ClampMaxCount(long long value) {
  return static_cast<int>(std::clamp<long long>(value, 0, kHistoryMaxCountLimit));
}

int ClampNeglectRowCount(long long value) {
  return static_cast<int>(std::clamp<long long>(value, 0, kNeglectRowCountLimit));
}

std::vector<std::string> CopiedLines(std::string_view text) {
  const std::string trimmed = Trim(text);
  if (trimmed.empty()) return {};
  return SplitLines(trimmed);
}

bool HistoryLess(std::string_view a, std::string_view b) { return CompareText(a, b) < 0; }

void ClipboardHistory::Assign(std::vector<std::string> entries) {
  entries_ = std::move(entries);
  sorted_ = false;
}

bool ClipboardHistory::Capture(std::string_view clipboardText) {
  std::vector<std::string> lines = CopiedLines(clipboardText);
  const bool record = !lines.empty() && static_cast<int>(lines.size()) <= NeglectRowCount;
  std::size_t added = 0;
  if (record) {
    added = lines.size();
    entries_.insert(entries_.begin(), std::make_move_iterator(lines.begin()),
                    std::make_move_iterator(lines.end()));
  }
  Trim();
  if (sorted_) {
    // The old entries are in order already: sorting the new ones and merging is linear in the
    // list, and keeps the new ones first among equals, as a stable sort of the whole list would.
    const auto middle = entries_.begin() + static_cast<std::ptrdiff_t>(std::min(added, entries_.size()));
    std::stable_sort(entries_.begin(), middle, HistoryLess);
    std::inplace_merge(entries_.begin(), middle, entries_.end(), HistoryLess);
  }
  return record;
}

void ClipboardHistory::Trim() {
  const auto limit = static_cast<std::size_t>(std::max(MaxCount, 0));
  if (entries_.size() > limit) entries_.resize(limit);
}

namespace {

// Hash and equality of entries with ASCII letter case ignored, as the list box compares them.
struct FoldedHash {
  std::size_t operator()(std::string_view s) const {
    std::size_t h = 1469598103934665603ull;
    for (std::size_t i = 0; i < s.size(); ++i) {
      unsigned char c = static_cast<unsigned char>(s[i]);
      if (IsLeadByte(c) && i + 1 < s.size()) {
        h = (h ^ c) * 1099511628211ull;
        c = static_cast<unsigned char>(s[++i]);
      } else if (c >= 'a' && c <= 'z') {
        c = static_cast<unsigned char>(c - 'a' + 'A');
      }
      h = (h ^ c) * 1099511628211ull;
    }
    return h;
  }
};
struct FoldedEqual {
  bool operator()(std::string_view a, std::string_view b) const { return SameText(a, b); }
};

}  // namespace

void ClipboardHistory::Reduce() {
  // Keeping the first of each set of equal entries from the top is the same as deleting, from
  // the bottom up, every entry with an equal one above it.
  std::unordered_set<std::string_view, FoldedHash, FoldedEqual> seen;
  seen.reserve(entries_.size());
  std::vector<bool> drop(entries_.size(), false);
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    drop[i] = entries_[i].empty() || !seen.insert(entries_[i]).second;
  }
  Delete(drop);
}

void ClipboardHistory::SetSorted(bool sorted) {
  sorted_ = sorted;
  if (sorted_) std::stable_sort(entries_.begin(), entries_.end(), HistoryLess);
}

void ClipboardHistory::Delete(const std::vector<bool>& selected) {
  std::size_t kept = 0;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (i < selected.size() && selected[i]) continue;
    if (kept != i) entries_[kept] = std::move(entries_[i]);
    ++kept;
  }
  entries_.resize(kept);
}

std::string ClipboardHistory::JoinSelected(const std::vector<bool>& selected) const {
  std::string text;
  for (std::size_t i = 0; i < entries_.size() && i < selected.size(); ++i) {
    if (!selected[i]) continue;
    text += entries_[i];
    text += "\r\n";
  }
  return text;
}

}  // namespace quillpad
