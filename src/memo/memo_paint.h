// How a memo's face is painted, as arithmetic on colours and sizes (no windows).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/color.h"

namespace quillpad {

struct GradientStrip {
  int X;             // the strip covers x .. x + 5 of the client area, full height
  ColorValue Color;  // 0x00BBGGRR
};

// The gradation background: from the background colour towards the inverse of the font colour,
// one strip every 5 pixels of the client width.
std::vector<GradientStrip> GradientStrips(ColorValue background, ColorValue fontColor, int clientWidth);

// The start of a CP932 line that can show in `pixels` of width: no glyph is narrower than one
// pixel, so no more characters than that. A memo may hold a line of thousands of characters in
// a window a hundred pixels wide; drawing all of them costs the start dearly under Wine.
std::string_view VisiblePart(std::string_view line, int pixels);

// An address-like memo text gets the hand cursor: "://" in it, or both "@" and ".".
bool LooksLikeAddress(const std::string& text);

}  // namespace quillpad
