// The rules of the tool list (ToolList.txt): which entries are acceptable, when one is already
// registered, the order the options dialog keeps, and the file's bytes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillpad {

// A web or mail address: begins with "http" or "mailto:" in any letter case.
bool IsAddressEntry(std::string_view entry);
// Already in the list, letter case not distinguished.
bool HoldsToolEntry(const std::vector<std::string>& list, std::string_view entry);
// Alphabetical, letter case not distinguished (the dialog list's order); equal ones keep theirs.
void SortToolEntries(std::vector<std::string>& list);

enum class ToolAdd { Added, NotFound, Duplicate };
// Adds an entry to a sorted list in its place. `exists`: it names an existing file or folder.
ToolAdd AddToolEntry(std::vector<std::string>& sorted, const std::string& entry, bool exists);
// Dropped paths the list does not hold yet, each added in its place; the number added.
int AddDroppedEntries(std::vector<std::string>& sorted, const std::vector<std::string>& paths);

// The entries of the file: its lines, without blank ones or ones with a NUL (they name nothing
// the shell could open).
std::vector<std::string> ReadToolListFile(std::string_view bytes);
// One entry a line, each ended by CR LF.
std::string WriteToolListFile(const std::vector<std::string>& entries);
// The largest file that can be ours.
constexpr std::size_t kMaxToolListBytes = 1u << 20;
// True when rewriting the entries gives back every line that names something: sound CP932
// text, within the size, no line with a NUL.
bool IsSoundToolListFile(std::string_view bytes);

}  // namespace quillpad
