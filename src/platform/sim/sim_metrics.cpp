#include "platform/sim/sim_metrics.h"

#include <algorithm>
#include <cstdlib>

#include "base/text.h"

namespace quillpad::platform::sim {

int LineHeight(const FontSpec& font) {
  const int h = std::abs(font.Height);
  return h == 0 ? 12 : h;
}

int CharWidth(const FontSpec& font, bool doubleByte) {
  const int h = LineHeight(font);
  return doubleByte ? h : (h + 1) / 2;
}

Size MeasureText(std::string_view text, const FontSpec& font) {
  int widest = 0;
  int width = 0;
  int lines = 1;
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      widest = std::max(widest, width);
      width = 0;
      // A final line end starts no new line, as in a text control.
      i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
      if (i < text.size()) ++lines;
      continue;
    }
    const std::size_t len = CharLength(text, i);
    width += CharWidth(font, len == 2);
    i += len;
  }
  widest = std::max(widest, width);
  return {widest, lines * LineHeight(font)};
}

Size FrameExtent(WindowClass cls, bool topLevel, const WindowStyle& style, bool hasMenuBar) {
  if (!topLevel) {
    switch (cls) {
      case WindowClass::Edit:
      case WindowClass::Memo:
      case WindowClass::RichEdit:
      case WindowClass::ListBox:
      case WindowClass::DatePicker:
        return {2 * kChildEdge, 2 * kChildEdge};
      default:
        return {0, 0};
    }
  }
  int border = 0;
  int caption = 0;
  switch (style.Border) {
    case BorderStyle::None:
      break;
    case BorderStyle::Single:
    case BorderStyle::Dialog:
      border = kThinBorder;
      caption = kCaptionHeight;
      break;
    case BorderStyle::Sizeable:
      border = kSizingBorder;
      caption = kCaptionHeight;
      break;
    case BorderStyle::ToolWindow:
      border = kThinBorder;
      caption = kSmallCaptionHeight;
      break;
    case BorderStyle::SizeToolWindow:
      border = kSizingBorder;
      caption = kSmallCaptionHeight;
      break;
  }
  if (!style.Caption) caption = 0;
  const int menu = hasMenuBar ? kMenuBarHeight : 0;
  return {2 * border, 2 * border + caption + menu};
}

}  // namespace quillpad::platform::sim
