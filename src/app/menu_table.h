// Menus written as tables: one row per item, nesting by depth, so the captions, shortcuts and
// component names of a menu read top to bottom as the user sees them.
#pragma once

#include <span>

namespace quillpad {

class TMainForm;
namespace ui {
class Component;
}

using MainHandler = void (TMainForm::*)(ui::Component* sender);

enum MenuFlags : unsigned {
  MfNone = 0,
  MfCheck = 1,    // a check item (its mark is state the form keeps)
  MfChecked = 2,  // marked at design
  MfRadio = 4,    // radio item: marking it clears the radio siblings
};

struct MenuRow {
  int Depth;             // 0 = an item of the menu itself
  const char* Name;      // component name; key assignment finds items by it
  const char* Caption;   // "-" for a separator
  const char* ShortCut;  // shortcut text, or ""
  MainHandler Handler;   // null: no action yet, or a parent item
  unsigned Flags = MfNone;
  int Tag = 0;
};

std::span<const MenuRow> MainMenuRows();
std::span<const MenuRow> TaskTrayMenuRows();
std::span<const MenuRow> InputMemoMenuRows();
std::span<const MenuRow> OutputMemoMenuRows();
std::span<const MenuRow> ScheduleMemoMenuRows();
std::span<const MenuRow> JustifyMenuRows();
std::span<const MenuRow> DateTimeMenuRows();

}  // namespace quillpad

namespace quillpad {

enum ToolFlags : unsigned {
  TfNone = 0,
  TfSeparator = 1,
  TfCheck = 2,     // a check button (stays down)
  TfDown = 4,      // down at design
  TfDropDown = 8,  // carries a drop-down menu
};

struct ToolRow {
  const char* Name;
  const char* Hint;     // "short|long", or one text for both
  MainHandler Handler;  // null: no action yet
  unsigned Flags = TfNone;
};

std::span<const ToolRow> BasicToolBarRows();
// Rows that are buttons, not separators.
int ToolButtonCount(std::span<const ToolRow> rows);
std::span<const ToolRow> EditToolBarRows();

}  // namespace quillpad
