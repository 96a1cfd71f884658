#include "app/main_texts.h"

#include "base/text.h"

namespace quillpad {

std::string TrayTipText(int memoCount, const std::string& displayName) {
  return CutBytes("総メモ数=" + IntToStr(memoCount) + " in " + displayName, 255);
}

std::string CaretPositionText(int line, int column, int length) {
  return IntToStr(line) + "行 " + IntToStr(column) + "桁 計" + IntToStr(length) + "文字";
}

std::string MainCaption(const std::string& displayName) {
  // Only a backslash parts a folder: "メモ #1/3 編集中..." keeps its slash.
  const std::size_t sep = FindLastChar(displayName, '\\');
  return "Quillpad - " + (sep == std::string::npos ? displayName : displayName.substr(sep + 1));
}

}  // namespace quillpad
