// How a caption path names a menu item, for tests and scripts: a part matches a caption as
// written ("ファイル(&F)"), without its "&" marks ("ファイル(F)"), or without a trailing
// accelerator group ("ファイル").
#pragma once

#include <string>
#include <string_view>

#include "base/text.h"

namespace quillpad::platform {

inline std::string StripAccelerator(std::string_view caption) {
  std::string out;
  for (std::size_t i = 0; i < caption.size();) {
    const std::size_t len = CharLength(caption, i);
    if (len == 1 && caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') out += '&';  // "&&" is one "&"
      i += (i + 1 < caption.size() && caption[i + 1] == '&') ? 2 : 1;
      continue;
    }
    out.append(caption.substr(i, len));
    i += len;
  }
  return out;
}

inline bool MenuCaptionMatches(std::string_view caption, std::string_view part) {
  if (caption == part) return true;
  const std::string plain = StripAccelerator(caption);
  if (plain == StripAccelerator(part)) return true;
  // "ファイル(&F)" also answers to "ファイル"; "整列(&J)..." to "整列...".
  const std::size_t open = caption.find("(&");
  if (open == std::string_view::npos || open + 4 > caption.size() || caption[open + 3] != ')')
    return false;
  std::string shortCaption(caption.substr(0, open));
  shortCaption += caption.substr(open + 4);
  return shortCaption == part;
}

}  // namespace quillpad::platform
