// A canvas that records what was drawn, one readable line per call.
#pragma once

#include <string>
#include <vector>

#include "platform/window.h"

namespace quillpad::platform::sim {

class SimCanvas : public Canvas {
 public:
  explicit SimCanvas(Size size) : size_(size) {}
  void FillRect(const Rect& r, Color color) override;
  void FrameRect(const Rect& r, Color color) override;
  void Line(Point from, Point to, Color color) override;
  void InvertFrame(const Rect& r) override;
  void TextOut(Point at, std::string_view text, const FontSpec& font, bool opaque,
               Color background) override;
  Size TextExtent(std::string_view text, const FontSpec& font) override;
  Size CanvasSize() override { return size_; }
  void DrawBitmap(const Rect& dest, std::string_view bmpFile) override;
  void DrawProgramIcon(const Rect& dest) override;
  void PaintDesktop() override { ops_.push_back("PaintDesktop"); }

  // "FillRect 0,0,10,10 #00ff00", "TextOut 2,3 <text>" (text in CP932 as drawn).
  const std::vector<std::string>& Ops() const { return ops_; }

 private:
  Size size_;
  std::vector<std::string> ops_;
};

}  // namespace quillpad::platform::sim
