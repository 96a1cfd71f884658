#include "platform/win32/win32_canvas.h"

#include <cstdint>
#include <cstring>

#include <vector>

#include "platform/win32/wide.h"

namespace quillpad::platform::win32 {

namespace {

struct CachedEntry {
  FontSpec Font;
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
    if (e.Font == key) return e.Handle;
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

namespace {
// The header and pixels of a BMP file image, or null when its sizes do not add up.
const BITMAPINFO* CheckedBitmap(std::string_view file, const void*& bits) {
  if (file.size() < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)) return nullptr;
  BITMAPFILEHEADER header;
  std::memcpy(&header, file.data(), sizeof header);
  BITMAPINFOHEADER info;
  std::memcpy(&info, file.data() + sizeof header, sizeof info);
  if (header.bfType != 0x4D42 || info.biSize < sizeof(BITMAPINFOHEADER) || info.biPlanes != 1) return nullptr;
  const std::uint64_t width = static_cast<std::uint64_t>(info.biWidth < 0 ? 0 : info.biWidth);
  const std::uint64_t height = info.biHeight < 0 ? 0 - static_cast<std::int64_t>(info.biHeight) : info.biHeight;
  const int depth = info.biBitCount;
  if (width == 0 || height == 0 || width > 32768 || height > 32768) return nullptr;
  if (depth != 1 && depth != 4 && depth != 8 && depth != 16 && depth != 24 && depth != 32) return nullptr;
  if (info.biCompression != BI_RGB && info.biCompression != BI_BITFIELDS) return nullptr;
  const std::uint64_t stride = (width * static_cast<std::uint64_t>(depth) + 31) / 32 * 4;
  const std::uint64_t colors = depth <= 8 ? (info.biClrUsed ? info.biClrUsed : (1u << depth)) : 0;
  const std::uint64_t table = sizeof(BITMAPFILEHEADER) + info.biSize + colors * 4 +
                              (info.biCompression == BI_BITFIELDS ? 12 : 0);
  if (colors > 256 || header.bfOffBits < table || header.bfOffBits > file.size() ||
      stride * height > file.size() - header.bfOffBits) {
    return nullptr;
  }
  bits = file.data() + header.bfOffBits;
  return reinterpret_cast<const BITMAPINFO*>(file.data() + sizeof header);
}
}  // namespace

void Win32Canvas::DrawBitmap(const Rect& dest, std::string_view bmpFile) {
  const void* bits = nullptr;
  // The header is copied to aligned storage: the file image may start anywhere.
  std::string copy(bmpFile);
  const BITMAPINFO* info = CheckedBitmap(copy, bits);
  if (!info) return;
  const int height = info->bmiHeader.biHeight < 0 ? -info->bmiHeader.biHeight : info->bmiHeader.biHeight;
  SetStretchBltMode(dc_, HALFTONE);
  StretchDIBits(dc_, dest.Left, dest.Top, dest.Width(), dest.Height(), 0, 0, info->bmiHeader.biWidth, height,
                bits, info, DIB_RGB_COLORS, SRCCOPY);
}

void Win32Canvas::PaintDesktop() {
  // The wallpaper is laid out in screen coordinates: shift the canvas there while it paints.
  POINT old;
  SetViewportOrgEx(dc_, -origin_.X, -origin_.Y, &old);
  ::PaintDesktop(dc_);
  SetViewportOrgEx(dc_, old.x, old.y, nullptr);
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
