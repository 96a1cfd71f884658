// User shortcut keys: the section "Key" of a key list file (component name = shortcut text),
// applied to the menu items a window owns, and the texts the key-assignment dialogs list.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/file_system.h"
#include "ui/menu_item.h"

namespace quillpad::keys {

constexpr const char* kKeySection = "Key";
// System-wide hot keys live in a section of their own, so files of the plain layout stay as
// they are.
constexpr const char* kGlobalKeySection = "GlobalKey";

using KeyAssignments = std::vector<std::pair<std::string, std::string>>;

// The keys of a section in file order; a missing or unreadable file gives none.
KeyAssignments ReadKeyList(platform::FileSystem& files, const std::string& path,
                           const char* section = kKeySection);
// Every name that is a menu item of owner takes the shortcut its text reads as (none for
// empty or unknown texts); other names are ignored.
void ApplyKeyList(const ui::Component& owner, const KeyAssignments& keys);

struct CommandEntry {
  std::string Text;  // caption path, seven blanks, the shortcut text
  ui::MenuItem* Item;
};
// The commands under item: those with a click handler, walked depth first. Each nested item
// prefixes its own caption and " - "; the walked item's caption is left out when it equals
// skipCaption (the top-level item the user picked).
std::vector<CommandEntry> CommandEntries(const ui::MenuItem& item, const std::string& skipCaption);
// 'Ctrl+F = フォント(&F):SetFont' for each item with a shortcut; its children are not visited.
std::vector<std::string> RegisteredEntries(const ui::MenuItem& root);
// The component name of a registered entry: the text after its first ":".
std::string RegisteredName(const std::string& entry);

}  // namespace quillpad::keys
