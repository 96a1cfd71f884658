// System-wide hot keys: three commands that work whichever program has the focus. Off until the
// user gives one a key; kept in section "GlobalKey" of KeyList.ini (command name = shortcut
// text, empty for off), beside the menu keys of section "Key".
#pragma once

#include <array>
#include <string>
#include <vector>

#include "keys/key_list.h"
#include "ui/short_cut.h"

namespace quillpad::keys {

struct GlobalCommand {
  const char* Name;     // the key in the file
  const char* Caption;  // what the dialog calls it
};
constexpr std::size_t kGlobalCommandCount = 3;
extern const std::array<GlobalCommand, kGlobalCommandCount> kGlobalCommands;

using GlobalKeys = std::array<ui::ShortCut, kGlobalCommandCount>;

// The keys of the section in table order; unknown names are ignored, unreadable texts are off,
// and the last text of a name wins.
GlobalKeys ReadGlobalKeys(const KeyAssignments& section);
// The box text for keys the system would not give us, or empty when there are none.
std::string HotKeyFailureText(const std::vector<ui::ShortCut>& refused);

}  // namespace quillpad::keys
