// Texts of the main window that other code and the tests share.
#pragma once

#include <string>

namespace quillpad {

// "総メモ数=12 in カテゴリ０", cut to 255 bytes without splitting a character.
std::string TrayTipText(int memoCount, const std::string& displayName);

// Status panel 0: "3行 5桁 計120文字".
std::string CaretPositionText(int line, int column, int length);

// The caption for the edit file's display name: "Quillpad - " + the name without its folder.
std::string MainCaption(const std::string& displayName);

}  // namespace quillpad
