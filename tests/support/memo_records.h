// Memo files for the timing programs (the simulated-desktop benchmarks and the Wine timing run):
// many visible, borderless text memos of about 1 KB, spread over the screen. Each text ends with
// its own mark, so a check can tell which file and which memo a window or editor line came from.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "memo/memo_record.h"

namespace quillpad::testing {

inline std::string MemoMark(std::string_view tag, std::size_t index) {
  std::string mark(tag);
  mark += '#';
  mark += std::to_string(index);
  return mark;
}

inline std::vector<MemoRecord> ManyTextMemos(std::size_t count, std::string_view tag = "") {
  std::vector<MemoRecord> records(count);
  for (std::size_t i = 0; i < count; ++i) {
    std::string& text = records[i].Text;
    text.assign(1000, static_cast<char>('a' + i % 26));
    text += "メモ";
    text += MemoMark(tag, i);
    records[i].Left = static_cast<int>(i % 40) * 20;
    records[i].Top = static_cast<int>(i % 30) * 20;
    records[i].BorderStyle = MemoBorder::None;
    records[i].Visible = true;
  }
  return records;
}

}  // namespace quillpad::testing
