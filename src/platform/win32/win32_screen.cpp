#include "platform/win32/win32_screen.h"

#include <shellapi.h>

#include "base/bmp_image.h"
#include "platform/win32/win32_canvas.h"
#include "platform/win32/win32_desktop_windows.h"

namespace quillpad::platform::win32 {

namespace {
HWND H(WindowHandle window) {
  return reinterpret_cast<HWND>(window);
}
Rect FromRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}
}  // namespace

Rect Win32Screen::DesktopRect() {
  RECT r{};
  GetWindowRect(GetDesktopWindow(), &r);
  return FromRect(r);
}

std::string Win32Screen::Picture(const Rect& r) {
  HWND desktop = GetDesktopWindow();
  HDC screen = GetDC(desktop);
  std::string file = CopyToBmpFile(screen, r);
  ReleaseDC(desktop, screen);
  return file;
}

void Win32Screen::Settle() {
  desktop_.ProcessMessages();
  // Other programs repaint what our hidden windows uncovered on their own threads.
  GdiFlush();
  Sleep(200);
  desktop_.ProcessMessages();
}

Rect Win32Screen::WindowRect(WindowHandle window) {
  RECT r{};
  if (!GetWindowRect(H(window), &r)) return {};
  return FromRect(r);
}

void Win32Screen::UpdateWindow(WindowHandle window) {
  ::UpdateWindow(H(window));
}

void Win32Screen::RedrawWindow(WindowHandle window, unsigned flags) {
  ::RedrawWindow(H(window), nullptr, nullptr, flags);
}

void Win32Screen::OutlineWindow(WindowHandle window) {
  HWND hwnd = H(window);
  ::UpdateWindow(hwnd);
  RECT r{};
  if (!GetWindowRect(hwnd, &r)) return;
  HDC dc = GetWindowDC(hwnd);
  if (!dc) return;
  const int rop = SetROP2(dc, R2_NOT);
  HPEN pen = CreatePen(PS_INSIDEFRAME, GetSystemMetrics(SM_CXFRAME), RGB(0, 0, 0));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, 0, 0, r.right - r.left, r.bottom - r.top);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
  SetROP2(dc, rop);
  ReleaseDC(hwnd, dc);
}

IconHandle Win32Screen::ExtractFileIcon(const std::string& file, int index) {
  return reinterpret_cast<IconHandle>(
      ExtractIconW(instance_, Wide(file).c_str(), static_cast<UINT>(index)));
}

std::string Win32Screen::IconPicture(IconHandle icon) {
  HICON hicon = reinterpret_cast<HICON>(icon);
  ICONINFO info{};
  if (!GetIconInfo(hicon, &info)) return {};
  BITMAP bm{};
  int w = 0, h = 0;
  if (info.hbmColor && GetObjectW(info.hbmColor, sizeof bm, &bm)) {
    w = bm.bmWidth;
    h = bm.bmHeight;
  } else if (info.hbmMask && GetObjectW(info.hbmMask, sizeof bm, &bm)) {
    w = bm.bmWidth;
    h = bm.bmHeight / 2;  // a monochrome icon keeps its AND and XOR masks one above the other
  }
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (w <= 0 || h <= 0) return {};
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  std::string file;
  if (memory && bitmap) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all{0, 0, w, h};
    FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    DrawIconEx(memory, 0, 0, hicon, w, h, 0, nullptr, DI_NORMAL);
    file = CopyToBmpFile(memory, {0, 0, w, h});
    SelectObject(memory, old);
  }
  if (bitmap) DeleteObject(bitmap);
  if (memory) DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return file;
}

void Win32Screen::DestroyIcon(IconHandle icon) {
  if (icon > 1) ::DestroyIcon(reinterpret_cast<HICON>(icon));
}

bool PutDeviceBitmap(HWND owner, const std::string& bmpFile) {
  const std::optional<BmpInfo> info = ReadBmpInfo(bmpFile);
  if (!info) return false;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, info->Width, info->Height);
  if (memory && bitmap) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    StretchBmpFile(memory, {0, 0, info->Width, info->Height}, bmpFile);
    SelectObject(memory, old);
  }
  if (memory) DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (!bitmap) return false;
  // Another program may hold the clipboard for a moment.
  bool opened = false;
  for (int i = 0; i < 10 && !(opened = OpenClipboard(owner)); ++i) Sleep(10);
  if (!opened) {
    DeleteObject(bitmap);
    return false;
  }
  EmptyClipboard();
  // The clipboard owns the bitmap once it took it.
  const bool put = SetClipboardData(CF_BITMAP, bitmap) != nullptr;
  if (!put) DeleteObject(bitmap);
  CloseClipboard();
  return put;
}

}  // namespace quillpad::platform::win32
