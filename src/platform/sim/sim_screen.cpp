#include "platform/sim/sim_screen.h"

#include <algorithm>

#include "platform/sim/sim_desktop.h"

namespace quillpad::platform::sim {

RgbPicture& SimScreen::Pixels() {
  const Size size = desktop_.ScreenSize();
  if (pixels_.Width != size.Width || pixels_.Height != size.Height) {
    pixels_.Width = size.Width;
    pixels_.Height = size.Height;
    pixels_.Pixels.assign(static_cast<std::size_t>(size.Width) * size.Height, kDesktopColor);
  }
  return pixels_;
}

void SimScreen::PaintScreen(const Rect& r, Color color) {
  RgbPicture& screen = Pixels();
  for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, screen.Height); ++y) {
    for (int x = std::max(r.Left, 0); x < std::min(r.Right, screen.Width); ++x)
      screen.Pixels[static_cast<std::size_t>(y) * screen.Width + x] = color;
  }
}

Color SimScreen::PixelAt(Point p) {
  RgbPicture& screen = Pixels();
  if (p.X < 0 || p.Y < 0 || p.X >= screen.Width || p.Y >= screen.Height) return 0;
  return screen.At(p.X, p.Y);
}

Rect SimScreen::DesktopRect() {
  const Size size = desktop_.ScreenSize();
  return {0, 0, size.Width, size.Height};
}

std::string SimScreen::Picture(const Rect& r) {
  if (r.Width() <= 0 || r.Height() <= 0) return {};
  ++pictures_;
  // Off the screen the copy reads black, as a copy from the screen's device context does.
  RgbPicture part;
  part.Width = r.Width();
  part.Height = r.Height();
  part.Pixels.reserve(static_cast<std::size_t>(part.Width) * part.Height);
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = r.Left; x < r.Right; ++x) part.Pixels.push_back(PixelAt({x, y}));
  }
  return EncodeBmp(part, 24);
}

void SimScreen::Settle() {
  ++settles_;
  desktop_.Others().ProcessMessages();
}

Rect SimScreen::WindowRect(WindowHandle window) {
  return desktop_.Others().BoundsOf(window);
}

IconHandle SimScreen::ExtractFileIcon(const std::string& file, int index) {
  const auto it = fileIcons_.find(file);
  if (it == fileIcons_.end()) return desktop_.Files().FileExists(file) ? 1 : 0;
  if (index < 0 || index >= static_cast<int>(it->second.size())) return 0;
  const IconHandle icon = nextIcon_++;
  icons_[icon] = it->second[static_cast<std::size_t>(index)];
  return icon;
}

std::string SimScreen::IconPicture(IconHandle icon) {
  const auto it = icons_.find(icon);
  return it == icons_.end() ? std::string() : it->second;
}

}  // namespace quillpad::platform::sim
