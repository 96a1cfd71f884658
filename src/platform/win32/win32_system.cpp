#include "platform/win32/win32_system.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <exception>
#include <optional>

#include "base/bmp_image.h"
#include "base/text.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_window_system.h"

namespace quillpad::platform::win32 {

namespace {
// Appends "text" in double quotes (a literal in our pictures).
void AppendQuoted(std::string& out, std::wstring_view text) {
  out.push_back('"');
  out.append(Narrow(text));
  out.push_back('"');
}

constexpr wchar_t kUtilityClass[] = L"QuillpadUtility";
constexpr wchar_t kErrorCaption[] = L"Quillpad";

std::string LocaleString(LCTYPE type) {
  wchar_t buffer[128] = {};
  if (!GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 128)) return {};
  return ConvertDatePicture(buffer);
}
}  // namespace

std::string ConvertDatePicture(std::wstring_view picture) {
  std::string out;
  std::size_t i = 0;
  while (i < picture.size()) {
    const wchar_t c = picture[i];
    std::size_t run = 1;
    while (i + run < picture.size() && picture[i + run] == c) ++run;
    if (c == L'\'') {
      // Quoted literal; '' inside is a single quote.
      std::wstring literal;
      std::size_t j = i + 1;
      while (j < picture.size()) {
        if (picture[j] == L'\'') {
          if (j + 1 < picture.size() && picture[j + 1] == L'\'') {
            literal += L'\'';
            j += 2;
            continue;
          }
          break;
        }
        literal += picture[j++];
      }
      if (!literal.empty()) AppendQuoted(out, literal);
      i = j + 1;
      continue;
    }
    switch (c) {
      case L'y':
        out += run >= 3 ? "yyyy" : "yy";
        break;
      case L'M':
        out += run == 1 ? "m" : "mm";
        break;
      case L'd':
        if (run <= 2) out += run == 1 ? "d" : "dd";
        break;
      case L'h':
      case L'H':
        out += run == 1 ? "h" : "hh";
        break;
      case L'm':
        out += run == 1 ? "n" : "nn";
        break;
      case L's':
        out += run == 1 ? "s" : "ss";
        break;
      case L't':
      case L'g':
        break;  // AM/PM marks and eras have no letters of ours
      default:
        if ((c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || c == L'"') {
          AppendQuoted(out, std::wstring(run, c));
        } else {
          out += Narrow(std::wstring(run, c));
        }
    }
    i += run;
  }
  return Trim(out);
}

Win32System::Win32System() : instance_(GetModuleHandleW(nullptr)), clipboard_(nullptr) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = UtilityProc;
  wc.hInstance = instance_;
  wc.lpszClassName = kUtilityClass;
  RegisterClassExW(&wc);
  // A hidden top-level window (not message-only) so the e2e driver can find it with FindWindowW.
  utility_ = CreateWindowExW(WS_EX_TOOLWINDOW, kUtilityClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                             nullptr, instance_, this);
  clipboard_ = Win32Clipboard(utility_);
  windows_ = std::make_unique<Win32WindowSystem>(*this);
}

Win32System::~Win32System() {
  for (const auto& [id, pressed] : hotKeys_) ::UnregisterHotKey(utility_, id);
  for (const auto& [id, tick] : timers_) KillTimer(utility_, id);
  windows_.reset();
  if (utility_) DestroyWindow(utility_);
  if (instanceLock_) CloseHandle(instanceLock_);
}

WindowSystem& Win32System::Windows() {
  return *windows_;
}

LRESULT CALLBACK Win32System::UtilityProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32System*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self && self->findMessage_ && msg == self->findMessage_) {
    self->Guard([self] { self->FindDialogMessage(); });
    return 0;
  }
  if (self && msg == WM_HOTKEY) {
    auto it = self->hotKeys_.find(static_cast<int>(wParam));
    if (it != self->hotKeys_.end()) {
      const std::function<void()> pressed = it->second;
      self->Guard(pressed);
    }
    return 0;
  }
  if (self && msg == WM_TIMER) {
    auto it = self->timers_.find(wParam);
    if (it != self->timers_.end()) {
      // A copy: the tick may stop its own timer.
      const std::function<void()> tick = it->second;
      self->Guard(tick);
    }
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void Win32System::Guard(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    ShowError(e.what());
  }
}

DateTime Win32System::Now() {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return EncodeDateTime(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
}

// A system that answers nothing gets the Japanese defaults rather than an empty picture.
std::string Win32System::ShortDateFormat() {
  std::string picture = LocaleString(LOCALE_SSHORTDATE);
  return picture.empty() ? "yyyy/mm/dd" : picture;
}

std::string Win32System::LongTimeFormat() {
  std::string picture = LocaleString(LOCALE_STIMEFORMAT);
  return picture.empty() ? "h:nn:ss" : picture;
}

std::string Win32System::ExecutablePath() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size()) return Narrow(std::wstring_view(buffer.data(), n));
    buffer.resize(buffer.size() * 2);
  }
}

int Win32System::StartTimer(int intervalMs, std::function<void()> tick) {
  const UINT_PTR id = nextTimer_++;
  if (!SetTimer(utility_, id, static_cast<UINT>(intervalMs > 0 ? intervalMs : 1), nullptr))
    return 0;
  timers_[id] = std::move(tick);
  return static_cast<int>(id);
}

void Win32System::StopTimer(int id) {
  const auto key = static_cast<UINT_PTR>(id);
  if (timers_.erase(key)) KillTimer(utility_, key);
}

void Win32System::Dispatch(MSG& msg) {
  try {
    // Shortcut keys go to the program before the focused control sees them.
    // The modeless find dialog takes its own Tab, Enter and Esc.
    if (findDialog_ && IsDialogMessageW(findDialog_, &msg)) return;
    if ((msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && windows_->OfferKey(msg))
      return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  } catch (const std::exception& e) {
    ShowError(e.what());
  }
}

bool Win32System::PumpOne(int& exitCode, bool& waited) {
  waited = false;
  MSG msg;
  if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      exitCode = static_cast<int>(msg.wParam);
      return false;
    }
    Dispatch(msg);
    return true;
  }
  bool idleDone = true;
  if (idle_) {
    try {
      idleDone = idle_();
    } catch (const std::exception& e) {
      ShowError(e.what());
      idleDone = true;  // no error box storm from a failing idle handler
    }
  }
  if (idleDone) {
    WaitMessage();
    waited = true;
  }
  return true;
}

int Win32System::RunMessageLoop(std::function<bool()> idle) {
  idle_ = std::move(idle);
  int exitCode = 0;
  bool waited = false;
  while (PumpOne(exitCode, waited)) {
  }
  idle_ = nullptr;
  return exitCode;
}

bool Win32System::PumpUntil(const std::function<bool()>& done) {
  int exitCode = 0;
  bool waited = false;
  for (;;) {
    bool finished = true;
    try {
      finished = done();
    } catch (const std::exception& e) {
      ShowError(e.what());
    }
    if (finished) return false;
    if (!PumpOne(exitCode, waited)) {
      PostQuitMessage(exitCode);
      return true;
    }
  }
}

void Win32System::Quit(int exitCode) {
  PostQuitMessage(exitCode);
}

Rect Win32System::WorkArea() {
  RECT r{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return {r.left, r.top, r.right, r.bottom};
}

Size Win32System::ScreenSize() {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

Size Win32System::FullScreenSize() {
  return {GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN)};
}

bool Win32System::MouseButtonDown(MouseButton button) {
  const int key = button == MouseButton::Left ? VK_LBUTTON : button == MouseButton::Right ? VK_RBUTTON : VK_MBUTTON;
  return (GetAsyncKeyState(key) & 0x8000) != 0;
}

Point Win32System::CursorPos() {
  POINT p{};
  GetCursorPos(&p);
  return {p.x, p.y};
}

int Win32System::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  return MessageBoxW(GetActiveWindow(), Wide(text).c_str(), Wide(caption).c_str(), flags);
}

void Win32System::ShowError(const std::string& message) {
  MessageBoxW(GetActiveWindow(), Wide(message).c_str(), kErrorCaption, MB_OK | MB_ICONERROR);
}

bool Win32System::AcquireInstanceLock(const std::string& name) {
  HANDLE mutex = CreateMutexW(nullptr, TRUE, Wide(name).c_str());
  const DWORD error = GetLastError();
  if (!mutex) return false;
  if (error != 0) {
    CloseHandle(mutex);
    return false;
  }
  if (instanceLock_) CloseHandle(instanceLock_);
  instanceLock_ = mutex;  // held until the process ends
  return true;
}

bool Win32System::ShellOpen(const std::string& target) {
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", Wide(target).c_str(), nullptr, nullptr, SW_SHOW));
  return result > 32;
}

bool Win32System::ShellOpenWith(const std::string& program, const std::string& parameters) {
  const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(
      nullptr, L"open", Wide(program).c_str(), Wide(parameters).c_str(), nullptr, SW_SHOW));
  return result > 32;
}

bool Win32System::ShowHelp(const std::string& helpFile) {
  HWND owner = GetActiveWindow();
  return WinHelpW(owner ? owner : utility_, Wide(helpFile).c_str(), HELP_FINDER, 0);
}

// --- clipboard ---

namespace {
// Another program may hold the clipboard for a moment.
bool OpenClipboardRetry(HWND owner) {
  for (int i = 0; i < 10; ++i) {
    if (OpenClipboard(owner)) return true;
    Sleep(10);
  }
  return false;
}
}  // namespace

bool Win32Clipboard::HasText() {
  return IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT);
}

std::string Win32Clipboard::GetText() {
  if (!OpenClipboardRetry(owner_)) return {};
  std::string text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* p = static_cast<const wchar_t*>(GlobalLock(data))) {
      // Bounded by the block's size: clipboard data from other programs is not trusted to end.
      const std::size_t max = GlobalSize(data) / sizeof(wchar_t);
      std::size_t n = 0;
      while (n < max && p[n]) ++n;
      text = Narrow(std::wstring_view(p, n));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void Win32Clipboard::SetText(const std::string& text) {
  const std::wstring w = Wide(text);
  if (!OpenClipboardRetry(owner_)) return;
  EmptyClipboard();
  if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (w.size() + 1) * sizeof(wchar_t))) {
    if (auto* p = static_cast<wchar_t*>(GlobalLock(block))) {
      std::copy(w.c_str(), w.c_str() + w.size() + 1, p);
      GlobalUnlock(block);
      if (!SetClipboardData(CF_UNICODETEXT, block)) GlobalFree(block);
    } else {
      GlobalFree(block);
    }
  }
  CloseClipboard();
}

namespace {
// True when the clipboard's owner put a device bitmap: CF_BITMAP is listed before the
// device-independent forms, which the system only made from it. The clipboard is open.
bool DeviceBitmapFirst() {
  for (UINT format = EnumClipboardFormats(0); format; format = EnumClipboardFormats(format)) {
    if (format == CF_BITMAP) return true;
    if (format == CF_DIB || format == CF_DIBV5) return false;
  }
  return false;
}
}  // namespace

bool Win32Clipboard::HasPicture() {
  return IsClipboardFormatAvailable(CF_DIB) || IsClipboardFormatAvailable(CF_BITMAP);
}

bool Win32Clipboard::GetPicture(ClipboardPicture& picture) {
  if (!OpenClipboardRetry(owner_)) return false;
  const bool device = DeviceBitmapFirst();
  std::string dib;
  if (HANDLE data = GetClipboardData(CF_DIB)) {
    if (const auto* p = static_cast<const char*>(GlobalLock(data))) {
      dib.assign(p, GlobalSize(data));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  // Another program's header is believed only as far as BmpFileFromDib checks it.
  std::string file = BmpFileFromDib(dib);
  const std::optional<BmpInfo> info = ReadBmpInfo(file);
  if (!info) return false;
  picture.Bmp = std::move(file);
  picture.Format = device ? PixelFormat::Device : info->Format;
  return true;
}

void Win32Clipboard::SetPicture(const std::string& bmpFile) {
  const std::string dib = DibOfBmpFile(bmpFile);
  if (dib.empty()) return;  // nothing sound to offer: what is there stays
  if (!OpenClipboardRetry(owner_)) return;
  EmptyClipboard();
  if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, dib.size())) {
    if (auto* p = static_cast<char*>(GlobalLock(block))) {
      std::copy(dib.begin(), dib.end(), p);
      GlobalUnlock(block);
      if (!SetClipboardData(CF_DIB, block)) GlobalFree(block);
    } else {
      GlobalFree(block);
    }
  }
  CloseClipboard();
}

}  // namespace quillpad::platform::win32

namespace quillpad::platform::win32 {

bool Win32System::RegisterHotKey(int id, unsigned shortCut, std::function<void()> pressed) {
  UnregisterHotKey(id);
  UINT modifiers = 0;
  if (shortCut & 0x2000) modifiers |= MOD_SHIFT;
  if (shortCut & 0x4000) modifiers |= MOD_CONTROL;
  if (shortCut & 0x8000) modifiers |= MOD_ALT;
  const UINT key = shortCut & 0xFF;
  if (key == 0) return false;
  // A held-down key makes one memo, not one per repeat, where the system knows the flag.
  if (!::RegisterHotKey(utility_, id, modifiers | MOD_NOREPEAT, key) &&
      !::RegisterHotKey(utility_, id, modifiers, key)) {
    return false;
  }
  hotKeys_[id] = std::move(pressed);
  return true;
}

void Win32System::UnregisterHotKey(int id) {
  if (hotKeys_.erase(id)) ::UnregisterHotKey(utility_, id);
}

}  // namespace quillpad::platform::win32
