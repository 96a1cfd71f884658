// Helpers of the end-to-end drivers: they start Quillpad.exe and act on its windows through the
// messages a user's actions produce.
#pragma once

#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace quillpad::e2e {

inline int failures = 0;

inline void Check(bool ok, const char* what) {
  std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
  std::fflush(stdout);
  if (!ok) ++failures;
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

struct Process {
  PROCESS_INFORMATION Info{};
  bool Started = false;
  DWORD Wait(DWORD ms = 20000) {
    DWORD code = 259;
    if (WaitForSingleObject(Info.hProcess, ms) == WAIT_OBJECT_0) GetExitCodeProcess(Info.hProcess, &code);
    return code;
  }
  ~Process() {
    if (Started) {
      CloseHandle(Info.hProcess);
      CloseHandle(Info.hThread);
    }
  }
};

inline bool Start(Process& process, const std::wstring& exe, const std::wstring& folder) {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  std::wstring command = L"\"" + exe + L"\"";
  process.Started = CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   folder.c_str(), &si, &process.Info) != 0;
  return process.Started;
}

inline std::string ReadFileBytes(const std::wstring& path) {
  std::string bytes;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
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
  const int n = WideCharToMultiByte(932, 0, w.c_str(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(932, 0, w.c_str(), static_cast<int>(w.size()), out.data(), n, nullptr, nullptr);
  return out;
}

// The whole screen as a 24-bit BMP file.
inline bool SaveScreenshot(const std::wstring& path) {
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screen, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = w;
  info.biHeight = h;
  info.biPlanes = 1;
  info.biBitCount = 24;
  const DWORD stride = ((static_cast<DWORD>(w) * 3 + 3) & ~3u);
  std::string pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(h), '\0');
  GetDIBits(memory, bitmap, 0, static_cast<UINT>(h), pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
            DIB_RGB_COLORS);
  DeleteObject(bitmap);
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

}  // namespace quillpad::e2e
