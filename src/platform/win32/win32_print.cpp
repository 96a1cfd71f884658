// clang-format off
#include "platform/win32/win32_print.h"  // <windows.h> first
#include <commdlg.h>
#include <richedit.h>
// clang-format on

#include <algorithm>

#include "platform/win32/win32_canvas.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_window.h"

namespace quillpad::platform::win32 {

Win32PrintJob::Win32PrintJob(HDC dc, const std::string& title) : dc_(dc) {
  const std::wstring name = Wide(title);
  DOCINFOW doc{};
  doc.cbSize = sizeof(doc);
  doc.lpszDocName = name.c_str();
  docStarted_ = StartDocW(dc_, &doc) > 0;
  pageStarted_ = docStarted_ && StartPage(dc_) > 0;
}

Win32PrintJob::~Win32PrintJob() {
  if (docStarted_ && !finished_) AbortDoc(dc_);
  DeleteDC(dc_);
}

Size Win32PrintJob::PixelsPerInch() {
  return {GetDeviceCaps(dc_, LOGPIXELSX), GetDeviceCaps(dc_, LOGPIXELSY)};
}

void Win32PrintJob::DrawBitmap(const Rect& dest, std::string_view bmpFile) {
  StretchBmpFile(dc_, dest, bmpFile);
}

void Win32PrintJob::PrintRichEdit(Window& edit) {
  HWND control = static_cast<Win32Window&>(edit).Handle();
  const int perInchX = GetDeviceCaps(dc_, LOGPIXELSX);
  const int perInchY = GetDeviceCaps(dc_, LOGPIXELSY);
  if (perInchX <= 0 || perInchY <= 0) return;
  // Twips: 1440 to the inch, an inch of margin all round.
  const LONG width = MulDiv(GetDeviceCaps(dc_, HORZRES), 1440, perInchX);
  const LONG height = MulDiv(GetDeviceCaps(dc_, VERTRES), 1440, perInchY);
  FORMATRANGE range{};
  range.hdc = dc_;
  range.hdcTarget = dc_;
  range.rcPage = {0, 0, width, height};
  const RECT body{1440, 1440, std::max<LONG>(width - 1440, 1441), std::max<LONG>(height - 1440, 1441)};
  GETTEXTLENGTHEX query{GTL_NUMCHARS | GTL_PRECISE, 1200};
  const LONG length = static_cast<LONG>(SendMessageW(control, EM_GETTEXTLENGTHEX,
                                                     reinterpret_cast<WPARAM>(&query), 0));
  LONG first = 0;
  bool firstPage = true;
  do {
    if (!firstPage) {
      pageStarted_ = pageStarted_ && EndPage(dc_) > 0 && StartPage(dc_) > 0;
    }
    firstPage = false;
    range.rc = body;
    range.chrg = {first, -1};
    const LONG next = static_cast<LONG>(
        SendMessageW(control, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&range)));
    if (next <= first) break;  // nothing more fits: stop rather than print blank pages forever
    first = next;
  } while (first < length && pageStarted_);
  SendMessageW(control, EM_FORMATRANGE, FALSE, 0);  // the control's layout cache
}

bool Win32PrintJob::Finish() {
  if (finished_) return false;
  finished_ = true;
  const bool pageEnded = pageStarted_ && EndPage(dc_) > 0;
  if (!docStarted_) return false;
  if (!pageEnded) {
    AbortDoc(dc_);  // a page the printer refused must not leave half a document queued
    return false;
  }
  return EndDoc(dc_) > 0;
}

std::unique_ptr<PrintJob> Win32System::StartPrint(const std::string& title) {
  HWND owner = GetForegroundWindow();
  DWORD process = 0;
  if (!owner || !GetWindowThreadProcessId(owner, &process) || process != GetCurrentProcessId())
    owner = utility_;
  PRINTDLGW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION;
  const BOOL ok = PrintDlgW(&dialog);
  // The dialog's printer settings are ours to free; the device context goes to the job.
  if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
  if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
  if (!ok || !dialog.hDC) {
    if (dialog.hDC) DeleteDC(dialog.hDC);
    return nullptr;
  }
  return std::make_unique<Win32PrintJob>(dialog.hDC, title);
}

Size Win32System::ScreenPixelsPerInch() {
  HDC screen = GetDC(nullptr);
  const Size perInch{GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY)};
  ReleaseDC(nullptr, screen);
  return perInch;
}

}  // namespace quillpad::platform::win32
