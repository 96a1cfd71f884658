// Every size the simulated desktop invents lives here, so tests can assert layouts to the pixel.
//
// Text: a single-byte character is ceil(|font height| / 2) pixels wide, a double-byte character
// |font height| pixels; a line is |font height| pixels high (a height of 0 counts as 12). Text is
// measured per line (CR LF, LF or CR end a line): the width is the widest line, the height the
// line count times the line height (an empty text is one empty line: 0 wide, one line high).
//
// Frames (NonClientExtent, Left+Right and Top+Bottom) of top-level windows:
//   None            0 on every side, no caption
//   Single, Dialog  3 px borders; caption 23 px            -> width +6,  height +29
//   Sizeable        8 px borders; caption 23 px            -> width +16, height +39
//   ToolWindow      3 px borders; small caption 17 px      -> width +6,  height +23
//   SizeToolWindow  8 px borders; small caption 17 px      -> width +16, height +33
// A style with Caption false has no caption height; a menu bar adds 20 px to the height.
// Child windows: edits, memos, rich edits, list boxes and date pickers have a 2 px sunken edge on
// every side (+4, +4); every other child has no frame. Scroll bars take no room.
//
// Screen: 1024 x 768, work area 0,0 - 1024,738 (a 30 px task bar below); the full-screen client
// size is the work area less one caption (1024 x 715). Tests may change all three.
#pragma once

#include <string_view>

#include "platform/types.h"
#include "platform/window.h"

namespace quillpad::platform::sim {

constexpr int kCaptionHeight = 23;
constexpr int kSmallCaptionHeight = 17;
constexpr int kMenuBarHeight = 20;
constexpr int kThinBorder = 3;
constexpr int kSizingBorder = 8;
constexpr int kChildEdge = 2;

int LineHeight(const FontSpec& font);
int CharWidth(const FontSpec& font, bool doubleByte);
Size MeasureText(std::string_view text, const FontSpec& font);
Size FrameExtent(WindowClass cls, bool topLevel, const WindowStyle& style, bool hasMenuBar);

}  // namespace quillpad::platform::sim
