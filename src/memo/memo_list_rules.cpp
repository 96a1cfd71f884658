#include "memo/memo_list_rules.h"

#include <algorithm>

#include "base/text.h"

namespace quillpad {

int ReorderTarget(int dropIndex, int count) {
  if (count <= 0) return -1;
  return dropIndex < 0 || dropIndex >= count ? count - 1 : dropIndex;
}

int SelectionAfterDelete(int deleted, int countAfter) {
  if (countAfter <= 0) return -1;
  return std::clamp(deleted, 0, countAfter - 1);
}

bool CategoryButtonEnabled(int category, int current) {
  return category != current;
}

bool CategoryTakesDrop(int category, int current, bool readOnly) {
  return CategoryButtonEnabled(category, current) && !readOnly;
}

int MemoItemHeight(MemoKind kind, int clientHeight, int lineCount, int lineHeight) {
  if (kind == MemoKind::mkImage) return std::min(clientHeight, 100);
  return std::max(lineCount, 1) * lineHeight + 2 * kMemoItemInset;
}

std::string MemoListCaption(const std::string& categoryCaption) {
  return "メモリストの整理 - " + categoryCaption;
}

std::string MemoCountText(int count) {
  return "総メモ数= " + IntToStr(count);
}

std::string MemoSelectedHint(int n) {
  const std::string number = IntToStr(n);
  return "メモ#" + number + "|メモ#" + number + " 選択中。Drag & Dropでメモの順番変更";
}

}  // namespace quillpad
