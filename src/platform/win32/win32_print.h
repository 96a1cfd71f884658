// One printed page on a printer's device context.
#pragma once

#include <string>

#include "platform/system.h"
#include "platform/win32/wide.h"

namespace quillpad::platform::win32 {

class Win32PrintJob : public PrintJob {
 public:
  // Takes the device context and starts the document and its page on it; a failure there is
  // kept for Finish to report, and drawing still goes to the context.
  Win32PrintJob(HDC dc, const std::string& title);
  ~Win32PrintJob() override;  // an unfinished document is aborted
  Win32PrintJob(const Win32PrintJob&) = delete;
  Win32PrintJob& operator=(const Win32PrintJob&) = delete;

  Size PixelsPerInch() override;
  void DrawBitmap(const Rect& dest, std::string_view bmpFile) override;
  bool Finish() override;
  void PrintRichEdit(Window& edit) override;

 private:
  bool NextPage();  // false when the printer refused the page break
  // The text in the control's font, line after line, with page breaks between lines.
  void PrintPlainText(HWND control, const RECT& body);

  HDC dc_;
  bool docStarted_ = false;
  bool pageStarted_ = false;
  bool finished_ = false;
};

}  // namespace quillpad::platform::win32
