// Sending text to other programs: pasting into the window the user worked in before, the lines
// of a memo that name something to open, and typing a user ID and password into a login form.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/system.h"

namespace quillpad {

// Puts the text on the clipboard and pastes it with Ctrl+V into the focused control of the
// first visible window with a minimize box below `own` (our hidden main window) in Z order.
void PasteIntoPreviousWindow(platform::System& system, platform::WindowHandle own,
                             const std::string& text);

// The trimmed lines that name an existing file, an address ("://") or a mail address (an at sign
// and a full stop, or "mailto:" in any case); mail addresses without "mailto:" get it in front,
// addresses with "://" never do.
std::vector<std::string> ApplicationTargets(std::string_view text,
                                            const std::function<bool(const std::string&)>& fileExists);

// The login click at a screen point: the clicked window takes the ID when it has no text, then
// the first window after it without text takes the password. True when the password was written.
bool TypeLogin(platform::DesktopWindows& desktop, platform::Point cursor, const std::string& id,
               const std::string& password);

}  // namespace quillpad
