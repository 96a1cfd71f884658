// What the memo window's command files share: the program's system and title.
#pragma once

#include <string>

#include "platform/system.h"
#include "ui/application.h"

namespace quillpad::memo_support {

inline platform::System& Sys() {
  return ui::Application::Instance().System();
}
inline const std::string& Title() {
  return ui::Application::Instance().Title;
}

}  // namespace quillpad::memo_support
