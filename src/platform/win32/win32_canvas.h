// GDI drawing behind platform::Canvas, and the fonts made from FontSpec.
#pragma once

#include "platform/win32/wide.h"
#include "platform/window.h"

namespace quillpad::platform::win32 {

// One GDI font per distinct face, height, charset and style, kept for the whole run (a handful).
HFONT CachedFont(const FontSpec& font);

class Win32Canvas : public Canvas {
 public:
  // origin: where the canvas's top-left corner lies on the screen.
  Win32Canvas(HDC dc, Size size, Point origin = {}) : dc_(dc), size_(size), origin_(origin) {}
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
  void PaintDesktop() override;

 private:
  HDC dc_;
  Size size_;
  Point origin_;
};

// A BMP file image stretched into dest on any device context (screen, memory, printer); unsound
// bytes draw nothing.
void StretchBmpFile(HDC dc, const Rect& dest, std::string_view bmpFile);

// What a device context shows in a rectangle, copied into a 24-bit BMP file image; empty when
// the rectangle is empty or the copy failed.
std::string CopyToBmpFile(HDC source, const Rect& r);

// Extent of a single line on the screen's device context.
Size MeasureText(HDC dc, std::string_view text, const FontSpec& font);

}  // namespace quillpad::platform::win32
