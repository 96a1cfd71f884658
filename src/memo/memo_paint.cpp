#include "memo/memo_paint.h"

#include <string>

#include "base/text.h"

namespace quillpad {

std::vector<GradientStrip> GradientStrips(ColorValue background, ColorValue fontColor, int clientWidth) {
  std::vector<GradientStrip> strips;
  if (clientWidth <= 0) return strips;
  // A system colour contributes its three low bytes, as a plain colour does.
  auto channel = [](ColorValue c, int shift) { return (static_cast<std::uint32_t>(c) >> shift) & 0xFF; };
  int start[3], range[3];
  for (int i = 0; i < 3; ++i) {
    start[i] = static_cast<int>(channel(background, 8 * i));
    range[i] = 255 - static_cast<int>(channel(fontColor, 8 * i)) - start[i];
  }
  for (int x = 0; x < clientWidth; x += 5) {
    std::uint32_t color = 0;
    for (int i = 0; i < 3; ++i) {
      // Integer division truncates toward zero; only the low 8 bits count.
      const int value = x * range[i] / clientWidth + start[i];
      color |= (static_cast<std::uint32_t>(value) & 0xFF) << (8 * i);
    }
    strips.push_back({x, static_cast<ColorValue>(color)});
  }
  return strips;
}

std::string_view VisiblePart(std::string_view line, int pixels) {
  std::size_t end = 0;
  for (int chars = 0; chars < pixels && end < line.size(); ++chars)
    end += IsLeadByte(static_cast<unsigned char>(line[end])) && end + 1 < line.size() ? 2 : 1;
  return line.substr(0, end);
}

bool LooksLikeAddress(const std::string& text) {
  const std::string t = Trim(text);
  return FindText(t, "://") != std::string::npos ||
         (FindText(t, "@") != std::string::npos && FindText(t, ".") != std::string::npos);
}

}  // namespace quillpad
