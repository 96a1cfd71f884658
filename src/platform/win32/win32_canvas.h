// GDI drawing behind platform::Canvas, and the fonts made from FontSpec.
#pragma once

#include "platform/win32/wide.h"
#include "platform/window.h"

namespace quillpad::platform::win32 {

// One GDI font per distinct face, height, charset and style, kept for the whole run (a handful).
HFONT CachedFont(const FontSpec& font);

class Win32Canvas : public Canvas {
 public:
  Win32Canvas(HDC dc, Size size) : dc_(dc), size_(size) {}
  void FillRect(const Rect& r, Color color) override;
  void FrameRect(const Rect& r, Color color) override;
  void Line(Point from, Point to, Color color) override;
  void TextOut(Point at, std::string_view text, const FontSpec& font, bool opaque,
               Color background) override;
  Size TextExtent(std::string_view text, const FontSpec& font) override;
  Size CanvasSize() override { return size_; }

 private:
  HDC dc_;
  Size size_;
};

// Extent of a single line on the screen's device context.
Size MeasureText(HDC dc, std::string_view text, const FontSpec& font);

}  // namespace quillpad::platform::win32
