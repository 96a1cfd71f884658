#include "platform/win32/win32_canvas.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "base/bmp_image.h"
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

void StretchBmpFile(HDC dc, const Rect& dest, std::string_view bmpFile) {
  const std::optional<BmpInfo> info = ReadBmpInfo(bmpFile);
  if (!info) return;
  constexpr std::size_t kFileHeader = sizeof(BITMAPFILEHEADER);
  constexpr std::size_t kInfoHeader = sizeof(BITMAPINFOHEADER);
  // GDI gets a plain version 1 header in aligned storage: a later header could send it after a
  // colour profile that lies outside the bytes, and the file image may start anywhere. Room for
  // the three masks and a full colour table stays zeroed, whatever biClrUsed makes GDI read.
  std::vector<std::uint32_t> header((kInfoHeader + 12 + 256 * 4) / 4, 0);
  auto* bytes = reinterpret_cast<char*>(header.data());
  std::memcpy(bytes, bmpFile.data() + kFileHeader, kInfoHeader);
  auto* bmi = reinterpret_cast<BITMAPINFO*>(bytes);
  const std::size_t headerSize = bmi->bmiHeader.biSize;
  bmi->bmiHeader.biSize = kInfoHeader;
  bmi->bmiHeader.biSizeImage = 0;  // reckoned from the sizes that were checked, not believed
  // The masks sit at the same place after a version 1 header and inside a later one; the
  // colour table follows the whole header. ReadBmpInfo has checked that both lie before the pixels.
  if (bmi->bmiHeader.biCompression == BI_BITFIELDS) {
    const std::size_t masksAt = kFileHeader + kInfoHeader;
    std::memcpy(bytes + kInfoHeader, bmpFile.data() + masksAt,
                std::min<std::size_t>(12, bmpFile.size() - masksAt));
  }
  if (info->BitCount <= 8) {
    const std::size_t colorsAt = kFileHeader + headerSize;
    const std::size_t tableBytes = std::min<std::size_t>(info->PixelOffset - colorsAt, 256 * 4);
    std::memcpy(bytes + kInfoHeader, bmpFile.data() + colorsAt, tableBytes);
  } else {
    bmi->bmiHeader.biClrUsed = 0;  // no optimising palette for GDI to look for
  }
  std::string alignedPixels;
  const char* bits = bmpFile.data() + info->PixelOffset;
  if (reinterpret_cast<std::uintptr_t>(bits) % 4 != 0) {
    alignedPixels.assign(bmpFile.substr(info->PixelOffset));
    bits = alignedPixels.data();
  }
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);  // HALFTONE needs the brush origin set after it
  StretchDIBits(dc, dest.Left, dest.Top, dest.Width(), dest.Height(), 0, 0, info->Width,
                info->Height, bits, bmi, DIB_RGB_COLORS, SRCCOPY);
}

void Win32Canvas::DrawBitmap(const Rect& dest, std::string_view bmpFile) {
  StretchBmpFile(dc_, dest, bmpFile);
}

std::string CopyToBmpFile(HDC source, const Rect& r) {
  const int w = r.Width(), h = r.Height();
  if (w <= 0 || h <= 0) return {};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = h;  // bottom-up, as the rows lie in a BMP file
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  HDC memory = CreateCompatibleDC(source);
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  std::string file;
  if (section && bits && memory) {
    HGDIOBJ old = SelectObject(memory, section);
    const bool copied = BitBlt(memory, 0, 0, w, h, source, r.Left, r.Top, SRCCOPY) != 0;
    GdiFlush();
    if (copied) {
      const std::size_t stride = (static_cast<std::size_t>(w) * 3 + 3) / 4 * 4;
      std::string dib(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(BITMAPINFOHEADER));
      dib.append(static_cast<const char*>(bits), stride * static_cast<std::size_t>(h));
      file = BmpFileFromDib(dib);
    }
    SelectObject(memory, old);
  }
  if (section) DeleteObject(section);
  if (memory) DeleteDC(memory);
  return file;
}

void Win32Canvas::DrawProgramIcon(const Rect& dest) {
  // The icon resource holds 16, 32 and 48 pixel images; the system picks the nearest.
  auto* icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1),
                                             IMAGE_ICON, dest.Width(), dest.Height(), 0));
  if (!icon) return;
  DrawIconEx(dc_, dest.Left, dest.Top, icon, dest.Width(), dest.Height(), 0, nullptr, DI_NORMAL);
  DestroyIcon(icon);
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

void Win32Canvas::InvertFrame(const Rect& r) {
  // An inverting pen and no fill: drawing the same frame twice leaves the pixels as they were.
  const int rop = SetROP2(dc_, R2_NOT);
  HPEN pen = CreatePen(PS_INSIDEFRAME, 1, RGB(0, 0, 0));
  HGDIOBJ oldPen = SelectObject(dc_, pen);
  HGDIOBJ oldBrush = SelectObject(dc_, GetStockObject(NULL_BRUSH));
  Rectangle(dc_, r.Left, r.Top, r.Right, r.Bottom);
  SelectObject(dc_, oldBrush);
  SelectObject(dc_, oldPen);
  DeleteObject(pen);
  SetROP2(dc_, rop);
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
