// clang-format off
#include "platform/win32/win32_print.h"  // <windows.h> first
#include <commdlg.h>
#include <richedit.h>
// clang-format on

#include <algorithm>
#include <cwchar>

#include "platform/win32/win32_canvas.h"
#include "platform/win32/win32_common_dialogs.h"
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

bool Win32PrintJob::NextPage() {
  pageStarted_ = pageStarted_ && EndPage(dc_) > 0 && StartPage(dc_) > 0;
  return pageStarted_;
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
  do {
    if (first > 0) NextPage();
    range.rc = body;
    range.chrg = {first, -1};
    const LONG next = static_cast<LONG>(
        SendMessageW(control, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&range)));
    if (next <= first) break;  // nothing more fits: stop rather than print blank pages forever
    first = next;
  } while (first < length && pageStarted_);
  SendMessageW(control, EM_FORMATRANGE, FALSE, 0);  // the control's layout cache
  // A control that lays out nothing (some rich edit builds lack page layout) still prints.
  if (first == 0 && length > 0) {
    PrintPlainText(control, {MulDiv(body.left, perInchX, 1440), MulDiv(body.top, perInchY, 1440),
                             MulDiv(body.right, perInchX, 1440), MulDiv(body.bottom, perInchY, 1440)});
  }
}

void Win32PrintJob::PrintPlainText(HWND control, const RECT& body) {
  const int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), length + 1)));
  // The control's font at the printer's resolution.
  CHARFORMAT2W format{};
  format.cbSize = sizeof(format);
  SendMessageW(control, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  LOGFONTW font{};
  font.lfHeight = -MulDiv(format.yHeight > 0 ? format.yHeight : 180, GetDeviceCaps(dc_, LOGPIXELSY), 1440);
  font.lfCharSet = DEFAULT_CHARSET;
  std::wcsncpy(font.lfFaceName, format.szFaceName, LF_FACESIZE - 1);
  HFONT printerFont = CreateFontIndirectW(&font);
  HGDIOBJ old = SelectObject(dc_, printerFont);
  SetBkMode(dc_, TRANSPARENT);
  SetTextColor(dc_, RGB(0, 0, 0));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc_, &metrics);
  const int lineHeight = std::max<int>(metrics.tmHeight + metrics.tmExternalLeading, 1);
  constexpr UINT kFlags = DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS | DT_EDITCONTROL;
  LONG y = body.top;
  std::size_t at = 0;
  while (at <= text.size()) {
    std::size_t end = text.find_first_of(L"\r\n", at);
    if (end == std::wstring::npos) end = text.size();
    const std::wstring line = text.substr(at, end - at);
    RECT r{body.left, 0, body.right, 0};
    if (!line.empty()) DrawTextW(dc_, line.c_str(), static_cast<int>(line.size()), &r, kFlags | DT_CALCRECT);
    const LONG h = std::max<LONG>(r.bottom - r.top, lineHeight);
    if (y + h > body.bottom && y > body.top) {
      if (!NextPage()) break;  // the printer refused a page: Finish reports it
      y = body.top;
    }
    r = {body.left, y, body.right, std::min<LONG>(y + h, body.bottom)};
    if (!line.empty()) DrawTextW(dc_, line.c_str(), static_cast<int>(line.size()), &r, kFlags);
    y += h;
    if (end >= text.size()) break;
    at = end + ((text[end] == L'\r' && end + 1 < text.size() && text[end + 1] == L'\n') ? 2 : 1);
  }
  SelectObject(dc_, old);
  DeleteObject(printerFont);
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
  const CommonDialogs* dialogs = LoadCommonDialogs();
  const BOOL ok = dialogs && dialogs->PrintDlg(&dialog);
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
