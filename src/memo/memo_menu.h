// The memo window's popup menu as a table: one row per item, nesting by depth.
#pragma once

#include <span>

namespace quillpad {

class TMemoForm;
using MemoHandler = void (TMemoForm::*)();

enum MemoMenuFlags : unsigned { MmNone = 0, MmRadio = 1 };

struct MemoMenuRow {
  int Depth;             // 0 = an item of the menu itself
  const char* Name;      // component name; the key list finds items by it
  const char* Caption;   // "-" for a separator
  const char* ShortCut;  // default shortcut text, or ""
  MemoHandler Handler;   // null: a parent item, or a command that arrives later
  unsigned Flags = MmNone;
  int Tag = 0;
};

std::span<const MemoMenuRow> MemoMenuRows();

}  // namespace quillpad
