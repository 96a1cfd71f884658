// What the memo window's command files share: the program's system and title, and the text
// file filter of the memo save dialogs.
#pragma once

#include <string>

#include "platform/system.h"
#include "ui/application.h"

namespace quillpad::memo_support {

inline platform::System& Sys() { return ui::Application::Instance().System(); }
inline const std::string& Title() { return ui::Application::Instance().Title; }
inline constexpr const char* kTextFilter = "ﾃｷｽﾄﾌｧｲﾙ(*.txt)|*.txt|すべてのﾌｧｲﾙ(*.*)|*.*";

}  // namespace quillpad::memo_support
