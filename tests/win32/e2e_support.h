// Helpers of the Windows check programs and end-to-end drivers: they act on windows through the
// messages a user's actions produce, and start Quillpad.exe. Checks may come from several threads.
#pragma once

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace quillpad::e2e {

inline std::atomic<int> failures{0};
inline std::mutex printLock;

inline void Check(bool ok, const char* what, const std::string& detail = {}) {
  std::lock_guard<std::mutex> lock(printLock);
  std::printf("%s: %s%s%s\n", ok ? "ok" : "FAILED", what, detail.empty() ? "" : ": ",
              detail.c_str());
  std::fflush(stdout);
  if (!ok) ++failures;
}

inline std::string Hex(const std::string& bytes) {
  std::string out;
  char b[4];
  for (unsigned char c : bytes) {
    std::snprintf(b, sizeof b, "%02X ", c);
    out += b;
  }
  return out;
}

// Byte for byte, with both sides in hex when they differ.
inline void CheckBytes(const std::string& got, const std::string& want, const char* what) {
  Check(got == want, what,
        got == want ? std::string() : "got [" + Hex(got) + "] want [" + Hex(want) + "]");
}

// The middle of the figures (the mean of the two middle ones for an even count); 0 for none.
inline double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

inline bool WaitFor(const std::function<bool()>& done, int ms = 10000) {
  for (int waited = 0; waited < ms; waited += 20) {
    if (done()) return true;
    Sleep(20);
  }
  return done();
}

inline std::wstring ClassOf(HWND hwnd) {
  wchar_t name[128] = {};
  GetClassNameW(hwnd, name, 128);
  return name;
}

inline std::wstring TextOf(HWND hwnd) {
  const int n = static_cast<int>(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
  SendMessageW(hwnd, WM_GETTEXT, static_cast<WPARAM>(n + 1), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(n));
  return text;
}

// Top-level windows of a process with the given class.
inline std::vector<HWND> ProcessWindows(DWORD pid, const std::wstring& cls) {
  struct Search {
    DWORD Pid;
    std::wstring Class;
    std::vector<HWND> Found;
  } search{pid, cls, {}};
  EnumWindows(
      [](HWND hwnd, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner == s->Pid && ClassOf(hwnd) == s->Class) s->Found.push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

// Descendants of a window whose class starts with prefix (any letter case), in creation order.
inline std::vector<HWND> ChildWindows(HWND parent, const std::wstring& prefix) {
  struct Search {
    std::wstring Prefix;
    std::vector<HWND> Found;
  } search{prefix, {}};
  EnumChildWindows(
      parent,
      [](HWND hwnd, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        const std::wstring cls = ClassOf(hwnd);
        if (cls.size() >= s->Prefix.size() &&
            CompareStringOrdinal(cls.c_str(), static_cast<int>(s->Prefix.size()), s->Prefix.c_str(),
                                 static_cast<int>(s->Prefix.size()), TRUE) == CSTR_EQUAL) {
          s->Found.push_back(hwnd);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

// Clicks a tool bar button as the tool bar reports it to its parent (command 1000 + index).
inline void ClickToolButton(HWND toolBar, int index) {
  SendMessageW(GetParent(toolBar), WM_COMMAND, MAKEWPARAM(1000 + index, BN_CLICKED),
               reinterpret_cast<LPARAM>(toolBar));
}

// The command id of a menu item found by its caption (the text before the tab that leads the
// shortcut text), at any depth; 0 when there is none.
inline int FindMenuCommand(HMENU menu, const std::wstring& caption) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
    info.dwTypeData = text;
    info.cch = 255;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    std::wstring item = text;
    if (auto tab = item.find(L'\t'); tab != std::wstring::npos) item.resize(tab);
    if (info.hSubMenu) {
      if (int id = FindMenuCommand(info.hSubMenu, caption)) return id;
    } else if (item == caption) {
      return static_cast<int>(info.wID);
    }
  }
  return 0;
}

// The path of this program with another extension (".bmp" for its screenshot).
inline std::wstring BesideSelf(const wchar_t* extension) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring p = path;
  const std::size_t dot = p.find_last_of(L'.');
  if (dot != std::wstring::npos) p.resize(dot);
  return p + extension;
}

struct Process {
  PROCESS_INFORMATION Info{};
  bool Started = false;
  DWORD Wait(DWORD ms = 20000) {
    DWORD code = 259;
    if (WaitForSingleObject(Info.hProcess, ms) == WAIT_OBJECT_0)
      GetExitCodeProcess(Info.hProcess, &code);
    return code;
  }
  ~Process() {
    if (Started) {
      CloseHandle(Info.hProcess);
      CloseHandle(Info.hThread);
    }
  }
};

inline bool Start(Process& process, const std::wstring& exe, const std::wstring& folder,
                  const std::wstring& arguments = {}) {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  std::wstring command = L"\"" + exe + L"\"";
  if (!arguments.empty()) command += L" " + arguments;
  process.Started = CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   folder.c_str(), &si, &process.Info) != 0;
  return process.Started;
}

// The program's visible window with this caption, once it shows; null after the wait.
inline HWND WaitForCaption(DWORD pid, const std::wstring& caption) {
  HWND found = nullptr;
  WaitFor([&] {
    for (HWND w : ProcessWindows(pid, L"QuillpadForm"))
      if (IsWindowVisible(w) && TextOf(w) == caption) found = w;
    return found != nullptr;
  });
  return found;
}

// Text put on the clipboard as another program puts it.
inline bool PutClipboardText(const std::wstring& text) {
  for (int attempt = 0; attempt < 20; ++attempt) {
    if (OpenClipboard(nullptr)) break;
    Sleep(50);
  }
  EmptyClipboard();
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (block) {
    std::memcpy(GlobalLock(block), text.c_str(), bytes);
    GlobalUnlock(block);
    if (!SetClipboardData(CF_UNICODETEXT, block)) GlobalFree(block);
  }
  return CloseClipboard() != 0 && block != nullptr;
}

inline std::string ReadFileBytes(const std::wstring& path) {
  std::string bytes;
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

inline bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD put = 0;
  const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr);
  CloseHandle(file);
  return ok && put == bytes.size();
}

inline std::string ToCp932(const std::wstring& w) {
  const int n = WideCharToMultiByte(932, 0, w.c_str(), static_cast<int>(w.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(932, 0, w.c_str(), static_cast<int>(w.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

// A device bitmap (selected nowhere) as a 24-bit BMP file.
inline bool SaveBitmap(HBITMAP bitmap, int w, int h, const std::wstring& path) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = w;
  info.biHeight = h;
  info.biPlanes = 1;
  info.biBitCount = 24;
  const DWORD stride = ((static_cast<DWORD>(w) * 3 + 3) & ~3u);
  std::string pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(h), '\0');
  GetDIBits(memory, bitmap, 0, static_cast<UINT>(h), pixels.data(),
            reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;
  header.bfOffBits = sizeof header + sizeof info;
  header.bfSize = header.bfOffBits + static_cast<DWORD>(pixels.size());
  std::string bytes(reinterpret_cast<const char*>(&header), sizeof header);
  bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
  bytes += pixels;
  return WriteFileBytes(path, bytes);
}

// One capture of the screen: claims about what the user sees are checked on these pixels, and
// the same pixels are saved for the log.
struct Shot {
  int Width = 0, Height = 0;
  std::vector<COLORREF> Pixels;  // row by row from the top

  static Shot Take() {
    Shot shot;
    shot.Width = GetSystemMetrics(SM_CXSCREEN);
    shot.Height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, shot.Width, shot.Height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, shot.Width, shot.Height, screen, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = shot.Width;
    info.biHeight = -shot.Height;  // top-down
    info.biPlanes = 1;
    info.biBitCount = 32;
    std::vector<DWORD> bgrx(static_cast<std::size_t>(shot.Width) * shot.Height);
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(shot.Height), bgrx.data(),
              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    shot.Pixels.reserve(bgrx.size());
    for (DWORD v : bgrx) shot.Pixels.push_back(RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF));
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shot;
  }
  COLORREF At(int x, int y) const {
    if (x < 0 || y < 0 || x >= Width || y >= Height) return CLR_INVALID;
    return Pixels[static_cast<std::size_t>(y) * Width + x];
  }
  // The most frequent colour inside r (screen coordinates).
  COLORREF Dominant(const RECT& r) const {
    std::map<COLORREF, int> counts;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) ++counts[At(x, y)];
    COLORREF best = CLR_INVALID;
    int most = 0;
    for (const auto& [colour, n] : counts) {
      if (n > most) best = colour, most = n;
    }
    return best;
  }
  // Pixels inside r that are not the given colour.
  int CountOther(const RECT& r, COLORREF colour) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += At(x, y) != colour;
    return n;
  }
  bool Save(const std::wstring& path) const {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, Width, Height);
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = Width;
    info.biHeight = -Height;
    info.biPlanes = 1;
    info.biBitCount = 32;
    std::vector<DWORD> bgrx;
    bgrx.reserve(Pixels.size());
    for (COLORREF c : Pixels)
      bgrx.push_back((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
    SetDIBits(screen, bitmap, 0, static_cast<UINT>(Height), bgrx.data(),
              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    const bool saved = SaveBitmap(bitmap, Width, Height, path);
    DeleteObject(bitmap);
    return saved;
  }
};

// --- Quillpad's own windows ---

// The main window of a Quillpad process, once it exists.
inline HWND MainWindow(DWORD pid) {
  HWND found = nullptr;
  WaitFor([&] {
    for (HWND hwnd : ProcessWindows(pid, L"QuillpadForm")) {
      if (TextOf(hwnd).starts_with(L"Quillpad - ")) found = hwnd;
    }
    return found != nullptr;
  });
  return found;
}

// The main window's results pane: its one read-only edit.
inline HWND ResultsPane(HWND main) {
  for (HWND edit : ChildWindows(main, L"Edit")) {
    if (GetWindowLongW(edit, GWL_STYLE) & ES_READONLY) return edit;
  }
  return nullptr;
}

// A left click on the tray icon, as the shell reports it to the icon's window.
inline void TrayClick(DWORD pid) {
  constexpr UINT kTrayMessage = 0x8064;
  const auto trays = ProcessWindows(pid, L"QuillpadTray");
  if (trays.empty()) return;
  SendMessageW(trays[0], kTrayMessage, 1, WM_LBUTTONDOWN);
  SendMessageW(trays[0], kTrayMessage, 1, WM_LBUTTONUP);
}

// Each character as a key press reaches an edit control: the key, then its character.
inline void Type(HWND edit, const std::wstring& text) {
  for (wchar_t c : text) {
    if (c == L'\r') SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 1);
    SendMessageW(edit, WM_CHAR, c, 1);
  }
}

// A key on the keyboard (with Alt held for a menu's access key), as the focused window gets it.
inline void PressKey(WORD key, bool alt = false) {
  if (alt) keybd_event(VK_MENU, 0, 0, 0);
  keybd_event(static_cast<BYTE>(key), 0, 0, 0);
  keybd_event(static_cast<BYTE>(key), 0, KEYEVENTF_KEYUP, 0);
  if (alt) keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
  Sleep(150);
}

// Starts the program and waits for it to settle; its main window, or null.
inline HWND StartQuillpad(Process& app, const std::wstring& exe, const std::wstring& folder) {
  const bool started = Start(app, exe, folder);
  Check(started, "Quillpad starts");
  if (!started) return nullptr;
  WaitForInputIdle(app.Info.hProcess, 20000);
  HWND main = MainWindow(app.Info.dwProcessId);
  Check(main != nullptr, "the main window exists");
  return main;
}

// Starts the program and shows its editor with a tray click; its main window, or null.
inline HWND StartWithEditor(Process& app, const std::wstring& exe, const std::wstring& folder) {
  HWND main = StartQuillpad(app, exe, folder);
  if (!main) return nullptr;
  TrayClick(app.Info.dwProcessId);
  const bool shown = WaitFor([&] { return main && IsWindowVisible(main); });
  Check(shown, "a tray click shows the editor");
  return shown ? main : nullptr;
}

// The whole screen as a 24-bit BMP file.
inline bool SaveScreenshot(const std::wstring& path) {
  return Shot::Take().Save(path);
}

// A window's client area in screen coordinates.
inline RECT ScreenClientRect(HWND hwnd) {
  RECT r{};
  GetClientRect(hwnd, &r);
  MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

inline std::string ColourText(COLORREF c) {
  char text[16];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", GetRValue(c), GetGValue(c), GetBValue(c));
  return text;
}

}  // namespace quillpad::e2e
