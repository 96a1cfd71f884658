#include "platform/sim/sim_canvas.h"

#include <cstdio>

#include "platform/sim/sim_metrics.h"

namespace quillpad::platform::sim {
namespace {
std::string RectText(const Rect& r) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%d,%d,%d,%d", r.Left, r.Top, r.Right, r.Bottom);
  return buf;
}
std::string ColorText(Color c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "$%08X", c);
  return buf;
}
}  // namespace

void SimCanvas::FillRect(const Rect& r, Color color) {
  ops_.push_back("FillRect " + RectText(r) + " " + ColorText(color));
}

void SimCanvas::DrawBitmap(const Rect& dest, std::string_view bmpFile) {
  ops_.push_back("DrawBitmap " + RectText(dest) + " " + std::to_string(bmpFile.size()) + " bytes");
}

void SimCanvas::DrawProgramIcon(const Rect& dest) {
  ops_.push_back("DrawProgramIcon " + RectText(dest));
}

void SimCanvas::FrameRect(const Rect& r, Color color) {
  ops_.push_back("FrameRect " + RectText(r) + " " + ColorText(color));
}

void SimCanvas::InvertFrame(const Rect& r) {
  ops_.push_back("InvertFrame " + RectText(r));
}

void SimCanvas::Line(Point from, Point to, Color color) {
  ops_.push_back("Line " + RectText({from.X, from.Y, to.X, to.Y}) + " " + ColorText(color));
}

void SimCanvas::TextOut(Point at, std::string_view text, const FontSpec& font, bool opaque,
                        Color background) {
  std::string op = "TextOut " + std::to_string(at.X) + "," + std::to_string(at.Y) + " " +
                   ColorText(font.TextColor);
  if (opaque) op += " on " + ColorText(background);
  ops_.push_back(op + " " + std::string(text));
}

Size SimCanvas::TextExtent(std::string_view text, const FontSpec& font) {
  return MeasureText(text, font);
}

}  // namespace quillpad::platform::sim
