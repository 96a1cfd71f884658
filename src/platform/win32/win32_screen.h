// The screen's pictures, window outlines and file icons through GDI and the shell.
#pragma once

#include "platform/screen.h"
#include "platform/win32/wide.h"

namespace quillpad::platform::win32 {

class Win32DesktopWindows;

class Win32Screen : public Screen {
 public:
  Win32Screen(HINSTANCE instance, Win32DesktopWindows& desktop)
      : instance_(instance), desktop_(desktop) {}
  Rect DesktopRect() override;
  std::string Picture(const Rect& r) override;
  void Settle() override;
  Rect WindowRect(WindowHandle window) override;
  void UpdateWindow(WindowHandle window) override;
  void RedrawWindow(WindowHandle window, unsigned flags) override;
  void OutlineWindow(WindowHandle window) override;
  IconHandle ExtractFileIcon(const std::string& file, int index) override;
  std::string IconPicture(IconHandle icon) override;
  void DestroyIcon(IconHandle icon) override;

 private:
  HINSTANCE instance_;
  Win32DesktopWindows& desktop_;
};

// The picture as a device bitmap of the screen's format on the clipboard (CF_BITMAP); false when
// the clipboard could not be opened.
bool PutDeviceBitmap(HWND owner, const std::string& bmpFile);

}  // namespace quillpad::platform::win32
