#include "platform/win32/win32_canvas.h"

#include <vector>

#include "platform/win32/wide.h"

namespace quillpad::platform::win32 {

namespace {

struct CachedEntry {
  FontSpec Spec;
  HFONT Handle;
};

std::vector<CachedEntry>& Cache() {
  static std::vector<CachedEntry> cache;
  return cache;
}

RECT ToRect(const Rect& r) {
  return RECT{r.Left, r.Top, r.Right, r.Bottom};
}

}  // namespace

HFONT CachedFont(const FontSpec& font) {
  FontSpec key = font;
  key.TextColor = 0;  // colour is not part of a GDI font
  for (const auto& e : Cache()) {
    if (e.Spec == key) return e.Handle;
  }
  const std::wstring face = Wide(font.Name);
  HFONT handle = CreateFontW(font.Height, 0, 0, 0, (font.Style & FsBold) ? FW_BOLD : FW_NORMAL,
                             (font.Style & FsItalic) != 0, (font.Style & FsUnderline) != 0,
                             (font.Style & FsStrikeOut) != 0, static_cast<DWORD>(font.Charset),
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, face.substr(0, LF_FACESIZE - 1).c_str());
  if (!handle) handle = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  Cache().push_back({key, handle});
  return handle;
}

void Win32Canvas::FillRect(const Rect& r, Color color) {
  const RECT rc = ToRect(r);
  HBRUSH brush = CreateSolidBrush(ToColorRef(color));
  ::FillRect(dc_, &rc, brush);
  DeleteObject(brush);
}

void Win32Canvas::FrameRect(const Rect& r, Color color) {
  const RECT rc = ToRect(r);
  HBRUSH brush = CreateSolidBrush(ToColorRef(color));
  ::FrameRect(dc_, &rc, brush);
  DeleteObject(brush);
}

void Win32Canvas::Line(Point from, Point to, Color color) {
  HPEN pen = CreatePen(PS_SOLID, 1, ToColorRef(color));
  HGDIOBJ old = SelectObject(dc_, pen);
  MoveToEx(dc_, from.X, from.Y, nullptr);
  LineTo(dc_, to.X, to.Y);
  SelectObject(dc_, old);
  DeleteObject(pen);
}

void Win32Canvas::TextOut(Point at, std::string_view text, const FontSpec& font, bool opaque,
                          Color background) {
  const std::wstring w = Wide(text);
  HGDIOBJ old = SelectObject(dc_, CachedFont(font));
  SetTextColor(dc_, ToColorRef(font.TextColor));
  SetBkMode(dc_, opaque ? OPAQUE : TRANSPARENT);
  if (opaque) SetBkColor(dc_, ToColorRef(background));
  ::TextOutW(dc_, at.X, at.Y, w.c_str(), static_cast<int>(w.size()));
  SelectObject(dc_, old);
}

Size MeasureText(HDC dc, std::string_view text, const FontSpec& font) {
  const std::wstring w = Wide(text);
  HGDIOBJ old = SelectObject(dc, CachedFont(font));
  SIZE s{};
  GetTextExtentPoint32W(dc, w.c_str(), static_cast<int>(w.size()), &s);
  if (w.empty()) {
    // Height of an empty line still counts for layout.
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    s.cy = tm.tmHeight;
  }
  SelectObject(dc, old);
  return {s.cx, s.cy};
}

Size Win32Canvas::TextExtent(std::string_view text, const FontSpec& font) {
  return MeasureText(dc_, text, font);
}

}  // namespace quillpad::platform::win32
