#include "ui/short_cut.h"

#include <array>
#include <map>
#include <string>
#include <utility>

#include "base/text.h"
#include "platform/window.h"

namespace quillpad::ui {
namespace {

constexpr std::array<std::pair<int, const char*>, 15> kNamedKeys{{
    {VkBack, "BkSp"},
    {VkTab, "Tab"},
    {VkReturn, "Enter"},
    {VkEscape, "Esc"},
    {VkSpace, "Space"},
    {VkPrior, "PgUp"},
    {VkNext, "PgDn"},
    {VkEnd, "End"},
    {VkHome, "Home"},
    {VkLeft, "Left"},
    {VkUp, "Up"},
    {VkRight, "Right"},
    {VkDown, "Down"},
    {VkInsert, "Ins"},
    {VkDelete, "Del"},
}};

bool StartsWithText(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && SameText(s.substr(0, prefix.size()), prefix);
}

}  // namespace

ShortCut MakeShortCut(int virtualKey, unsigned shiftBits) {
  ShortCut value = virtualKey & 0xFF;
  if (shiftBits & platform::SsShift) value |= ScShift;
  if (shiftBits & platform::SsCtrl) value |= ScCtrl;
  if (shiftBits & platform::SsAlt) value |= ScAlt;
  return value;
}

std::string KeyName(int key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
    return std::string(1, static_cast<char>(key));
  if (key >= VkNumpad0 && key <= VkNumpad0 + 9)
    return std::string(1, static_cast<char>('0' + key - VkNumpad0));
  if (key >= VkF1 && key <= VkF24) {
    std::string name = std::to_string(key - VkF1 + 1);
    name.insert(name.begin(), 'F');
    return name;
  }
  for (const auto& [code, name] : kNamedKeys) {
    if (code == key) return name;
  }
  return {};
}

std::string ShortCutToText(ShortCut value) {
  const std::string name = KeyName(value & 0xFF);
  if (name.empty()) return {};
  std::string text;
  if (value & ScShift) text += "Shift+";
  if (value & ScCtrl) text += "Ctrl+";
  if (value & ScAlt) text += "Alt+";
  return text + name;
}

ShortCut TextToShortCut(std::string_view text) {
  ShortCut modifiers = 0;
  while (true) {
    if (StartsWithText(text, "Shift+")) {
      modifiers |= ScShift;
      text.remove_prefix(6);
    } else if (StartsWithText(text, "Ctrl+")) {
      modifiers |= ScCtrl;
      text.remove_prefix(5);
    } else if (StartsWithText(text, "Alt+")) {
      modifiers |= ScAlt;
      text.remove_prefix(4);
    } else if (StartsWithText(text, "^") && text.size() > 1) {
      modifiers |= ScCtrl;
      text.remove_prefix(1);
    } else {
      break;
    }
  }
  if (text.empty()) return 0;
  // Every key name, made once: each memo window reads some seventy shortcut texts as it is built.
  static const std::map<std::string, int> keys = [] {
    std::map<std::string, int> byName;
    for (int key = 1; key < 256; ++key) {
      // Number-pad digits share their names with the digit keys; the digit keys win.
      if (key >= VkNumpad0 && key <= VkNumpad0 + 9) continue;
      const std::string name = KeyName(key);
      if (!name.empty()) byName.emplace(UpperCaseAscii(name), key);  // the first key keeps a name
    }
    return byName;
  }();
  const auto found = keys.find(UpperCaseAscii(text));
  return found == keys.end() ? 0 : modifiers | found->second;
}

}  // namespace quillpad::ui
