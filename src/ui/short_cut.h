// Shortcut values and their texts. A value is the virtual key in the low byte plus 8192 for
// Shift, 16384 for Ctrl and 32768 for Alt; 0 is none. The text puts "Shift+", "Ctrl+", "Alt+" in
// that order before the key name ("Shift+Ctrl+F5"); reading accepts them in any order, "^" for
// "Ctrl+", and any letter case.
#pragma once

#include <string>
#include <string_view>

namespace quillpad::ui {

using ShortCut = int;
constexpr ShortCut ScShift = 0x2000;
constexpr ShortCut ScCtrl = 0x4000;
constexpr ShortCut ScAlt = 0x8000;

// Virtual keys the program names.
enum VirtualKey : int {
  VkBack = 0x08,
  VkTab = 0x09,
  VkReturn = 0x0D,
  VkShift = 0x10,
  VkControl = 0x11,
  VkMenu = 0x12,
  VkEscape = 0x1B,
  VkSpace = 0x20,
  VkPrior = 0x21,
  VkNext = 0x22,
  VkEnd = 0x23,
  VkHome = 0x24,
  VkLeft = 0x25,
  VkUp = 0x26,
  VkRight = 0x27,
  VkDown = 0x28,
  VkInsert = 0x2D,
  VkDelete = 0x2E,
  VkNumpad0 = 0x60,
  VkF1 = 0x70,
  VkF24 = 0x87,
};

// From a key and platform::ShiftBits (SsShift, SsCtrl, SsAlt).
ShortCut MakeShortCut(int virtualKey, unsigned shiftBits);
// The key's name ("A", "F2", "Tab"), empty for a key without one.
std::string KeyName(int virtualKey);
// Empty for 0 and for keys without a name.
std::string ShortCutToText(ShortCut value);
// 0 when the text names no key.
ShortCut TextToShortCut(std::string_view text);

}  // namespace quillpad::ui
