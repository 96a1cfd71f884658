#include "memo/send_text.h"

#include "base/text.h"

namespace quillpad {

namespace {
// A window list that loops, or one without end, must not hang the program.
constexpr int kMaxWalk = 10000;
constexpr int kVkControl = 17;
constexpr int kVkV = 86;
constexpr int kMaxLoginText = 50;

bool ContainsNoCase(std::string_view text, std::string_view what) {
  return FindText(UpperCaseAscii(text), UpperCaseAscii(what)) != std::string::npos;
}
}  // namespace

void PasteIntoPreviousWindow(platform::System& system, platform::WindowHandle own,
                             const std::string& text) {
  system.GetClipboard().SetText(text);
  platform::DesktopWindows& desktop = system.Desktop();
  constexpr unsigned kWanted = platform::WsVisible | platform::WsMinimizeBox;
  platform::WindowHandle previous = desktop.Next(own);
  for (int i = 0; previous && (desktop.Style(previous) & kWanted) != kWanted; ++i) {
    previous = i < kMaxWalk ? desktop.Next(previous) : 0;
  }
  if (previous) {
    desktop.SetForeground(previous);
    desktop.ProcessMessages();
  }
  const platform::WindowHandle focus = desktop.FocusOfForeground();
  if (focus) {
    desktop.SetForeground(focus);
    desktop.ProcessMessages();
    desktop.SendKey(kVkControl, false);
    desktop.SendKey(kVkV, false);
    desktop.SendKey(kVkV, true);
    desktop.SendKey(kVkControl, true);
    desktop.ProcessMessages();
  }
  if (previous) desktop.SetForeground(previous);
}

std::vector<std::string> ApplicationTargets(std::string_view text,
                                            const std::function<bool(const std::string&)>& fileExists) {
  std::vector<std::string> targets;
  for (const std::string& raw : SplitLines(text)) {
    const std::string line = Trim(raw);
    if (line.empty()) continue;
    const bool mailto = ContainsNoCase(line, "mailto:");
    const bool address = FindText(line, "://") != std::string::npos;
    const bool mail = FindText(line, "@") != std::string::npos && FindText(line, ".") != std::string::npos;
    // An address may hold an at sign too ("https://host/@name"): it is no mail address.
    if (mail && !mailto && !address) {
      targets.push_back("mailto:" + line);
    } else if (mailto || mail || address || fileExists(line)) {
      targets.push_back(line);
    }
  }
  return targets;
}

bool TypeLogin(platform::DesktopWindows& desktop, platform::Point cursor, const std::string& id,
               const std::string& password) {
  platform::WindowHandle window = desktop.WindowAt(cursor);
  if (!window || !desktop.Text(window, kMaxLoginText).empty()) return false;
  desktop.SetText(window, id);
  for (int i = 0; i < kMaxWalk; ++i) {
    window = desktop.Next(window);
    if (!window) return false;
    if (desktop.Text(window, kMaxLoginText).empty()) {
      desktop.SetText(window, password);
      return true;
    }
  }
  return false;
}

}  // namespace quillpad
