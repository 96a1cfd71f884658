#include "keys/global_keys.h"

namespace quillpad::keys {

const std::array<GlobalCommand, kGlobalCommandCount> kGlobalCommands{{
    {"ClipNewMemoAtEndClick", "クリップボードから新規メモ(&C)"},
    {"ShowHideAllMemoClick", "全メモの表示・非表示切替(&H)"},
    {"NewMemoClick", "編集画面で新規メモ(&N)"},
}};

GlobalKeys ReadGlobalKeys(const KeyAssignments& section) {
  GlobalKeys keys{};
  for (const auto& [name, text] : section) {
    for (std::size_t i = 0; i < kGlobalCommands.size(); ++i) {
      if (name == kGlobalCommands[i].Name) keys[i] = ui::TextToShortCut(text);
    }
  }
  return keys;
}

std::string HotKeyFailureText(const std::vector<ui::ShortCut>& refused) {
  if (refused.empty()) return {};
  std::string text = "次のホットキーは他のプログラムが使用中のため登録できませんでした:";
  for (ui::ShortCut key : refused) text += "\r\n" + ui::ShortCutToText(key);
  return text;
}

}  // namespace quillpad::keys
