#include "keys/key_list.h"

#include "platform/profile.h"

namespace quillpad::keys {
namespace {

void WalkCommands(const ui::MenuItem& item, const std::string& skipCaption,
                  std::vector<CommandEntry>& out) {
  std::string prefix = item.Caption() == skipCaption ? std::string() : item.Caption();
  if (!prefix.empty()) prefix += " - ";
  for (ui::MenuItem* child : item.Children()) {
    if (child->Count() > 0) {
      WalkCommands(*child, skipCaption, out);
    } else if (child->OnClick) {
      out.push_back(
          {prefix + child->Caption() + "       " + ui::ShortCutToText(child->GetShortCut()),
           child});
    }
  }
}

void WalkRegistered(const ui::MenuItem& item, std::vector<std::string>& out) {
  for (ui::MenuItem* child : item.Children()) {
    if (child->GetShortCut() != 0) {
      out.push_back(ui::ShortCutToText(child->GetShortCut()) + " = " + child->Caption() + ":" +
                    child->Name);
    } else {
      WalkRegistered(*child, out);
    }
  }
}

}  // namespace

KeyAssignments ReadKeyList(platform::FileSystem& files, const std::string& path,
                           const char* section) {
  if (!files.FileExists(path)) return {};
  return platform::Profile(files, path).ReadSection(section);
}

void ApplyKeyList(const ui::Component& owner, const KeyAssignments& keys) {
  for (const auto& [name, text] : keys) {
    if (auto* item = owner.Find<ui::MenuItem>(name)) item->SetShortCut(ui::TextToShortCut(text));
  }
}

std::vector<CommandEntry> CommandEntries(const ui::MenuItem& item, const std::string& skipCaption) {
  std::vector<CommandEntry> out;
  WalkCommands(item, skipCaption, out);
  return out;
}

std::vector<std::string> RegisteredEntries(const ui::MenuItem& root) {
  std::vector<std::string> out;
  WalkRegistered(root, out);
  return out;
}

std::string RegisteredName(const std::string& entry) {
  const std::size_t colon = entry.find(':');
  return colon == std::string::npos ? std::string() : entry.substr(colon + 1);
}

}  // namespace quillpad::keys
