// The memo list organiser's rules, apart from its window: where a dragged memo lands, what is
// selected after a deletion, which category buttons take part, the item heights and the texts.
#pragma once

#include <string>
#include <vector>

#include "memo/memo_record.h"

namespace quillpad {

// The position a memo dropped on item dropIndex moves to: below the last item (-1) is the end.
int ReorderTarget(int dropIndex, int count);

// Takes the element at from out and inserts it at to, the others shifting; false (and no change)
// when either lies outside the list.
template <class T>
bool MoveListItem(std::vector<T>& list, int from, int to) {
  const int n = static_cast<int>(list.size());
  if (from < 0 || from >= n || to < 0 || to >= n) return false;
  T item = list[static_cast<std::size_t>(from)];
  list.erase(list.begin() + from);
  list.insert(list.begin() + to, item);
  return true;
}

// The item selected again after item deleted went: the same index, the one before it when the
// last went, -1 when the list is empty now.
int SelectionAfterDelete(int deleted, int countAfter);

// A category's button is enabled while that category is not the current one; it takes a
// dropped memo only then and outside read-only mode.
bool CategoryButtonEnabled(int category, int current);
bool CategoryTakesDrop(int category, int current, bool readOnly);

// The height of a memo's item: a picture shows at most its top 100 rows; a text gets its lines
// in its font (lines x lineHeight) and 5 pixels above and below.
inline constexpr int kMemoItemInset = 5;
int MemoItemHeight(MemoKind kind, int clientHeight, int lineCount, int lineHeight);

std::string MemoListCaption(const std::string& categoryCaption);
std::string MemoCountText(int count);
// The list's hint while memo n (1-based) is selected.
std::string MemoSelectedHint(int n);

}  // namespace quillpad
