// The real Windows side of platform::System. One object per run; Quillpad.exe creates it in
// WinMain and hands it to the program.
#pragma once

#include <map>
#include <memory>

#include "platform/system.h"
#include "platform/win32/wide.h"
// clang-format off
#include <commdlg.h>  // after <windows.h>
// clang-format on
#include "platform/win32/win32_desktop_windows.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_screen.h"
#include "platform/win32/win32_plugins.h"

namespace quillpad::platform::win32 {

class Win32WindowSystem;

class Win32Clipboard : public Clipboard {
 public:
  explicit Win32Clipboard(HWND owner) : owner_(owner) {}
  bool HasText() override;
  std::string GetText() override;
  void SetText(const std::string& text) override;
  bool HasPicture() override;
  bool GetPicture(ClipboardPicture& picture) override;
  void SetPicture(const std::string& bmpFile) override;
  bool SetDevicePicture(const std::string& bmpFile) override {
    return PutDeviceBitmap(owner_, bmpFile);
  }
  WindowHandle JoinViewerChain(Window& window, ClipboardViewer& viewer) override;
  void LeaveViewerChain(Window& window, WindowHandle next) override;
  void ForwardDrawClipboard(WindowHandle next) override;
  void ForwardChangeClipboardChain(WindowHandle next, WindowHandle removed,
                                   WindowHandle after) override;
  // WM_DRAWCLIPBOARD and WM_CHANGECBCHAIN for a window that joined the chain; false for others.
  bool DispatchViewerMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  HWND owner_;
  std::map<HWND, ClipboardViewer*> viewers_;
};

class Win32System : public System {
 public:
  Win32System();
  ~Win32System() override;
  Win32System(const Win32System&) = delete;
  Win32System& operator=(const Win32System&) = delete;

  FileSystem& Files() override { return files_; }
  WindowSystem& Windows() override;
  DesktopWindows& Desktop() override { return desktop_; }
  Screen& GetScreen() override { return screen_; }

  DateTime Now() override;
  std::string ShortDateFormat() override;
  std::string LongTimeFormat() override;
  std::string ExecutablePath() override;

  int StartTimer(int intervalMs, std::function<void()> tick) override;
  void StopTimer(int id) override;

  int RunMessageLoop(std::function<bool()> idle) override;
  void Quit(int exitCode) override;

  Rect WorkArea() override;
  Size ScreenSize() override;
  Size FullScreenSize() override;
  Point CursorPos() override;
  bool MouseButtonDown(MouseButton button) override;

  int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
  void ShowError(const std::string& message) override;

  bool OpenFileDialog(FileDialogOptions& options) override;
  bool SaveFileDialog(FileDialogOptions& options) override;

  Clipboard& GetClipboard() override { return clipboard_; }
  Win32Clipboard& NativeClipboard() { return clipboard_; }
  std::unique_ptr<PrintJob> StartPrint(const std::string& title) override;
  Size ScreenPixelsPerInch() override;
  std::unique_ptr<TrayIcon> CreateTrayIcon() override;

  bool AcquireInstanceLock(const std::string& name) override;
  bool ShellOpen(const std::string& target) override;
  bool ShellOpenWith(const std::string& program, const std::string& parameters) override;
  bool ShowHelp(const std::string& helpFile) override;
  bool PickFont(FontSpec& font) override;
  bool PickColor(Color& color, std::vector<Color>& customColors) override;
  void ShowFindDialog(bool replace, const std::string& findText,
                      std::function<void(FindAction, const FindRequest&)> onAction) override;
  bool RunProgram(const std::string& commandLine, int showState) override;
  std::string BrowseForFolder(Window* owner, const std::string& title) override;
  void StartScreenSaver() override;
  bool SetScreenSaverActive(bool active) override;
  LibraryCall CallArchiver(const std::string& commandLine) override;
  bool RegisterHotKey(int id, unsigned shortCut, std::function<void()> pressed) override;
  void UnregisterHotKey(int id) override;
  PluginLoader& Plugins() override { return plugins_; }

  // Backend internals shared by the window peers.
  HINSTANCE Instance() const { return instance_; }
  HWND UtilityWindow() const { return utility_; }
  // Runs a handler; an error it throws goes to ShowError and the caller goes on.
  void Guard(const std::function<void()>& handler);
  // Pumps messages until done() answers true (false returned) or WM_QUIT arrives (true
  // returned; the quit is posted again so outer loops end too).
  bool PumpUntil(const std::function<bool()>& done);

 private:
  static LRESULT CALLBACK UtilityProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  // false: WM_QUIT, exitCode set.
  bool PumpOne(int& exitCode, bool& waited);
  void Dispatch(MSG& msg);
  // The find dialog's registered message: a button was pressed, or the dialog closes.
  void FindDialogMessage();

  HINSTANCE instance_;
  HWND utility_ = nullptr;
  Win32FileSystem files_;
  Win32DesktopWindows desktop_;
  Win32Screen screen_{instance_, desktop_};
  std::unique_ptr<Win32WindowSystem> windows_;
  Win32Clipboard clipboard_;
  Win32PluginLoader plugins_;
  std::map<UINT_PTR, std::function<void()>> timers_;
  UINT_PTR nextTimer_ = 1;
  std::function<bool()> idle_;
  std::map<int, std::function<void()>> hotKeys_;
  HANDLE instanceLock_ = nullptr;
  // The modeless find or replace dialog; its fields live here while it is open.
  HWND findDialog_ = nullptr;
  bool findIsReplace_ = false;
  UINT findMessage_ = 0;
  FINDREPLACEW find_{};
  wchar_t findWhat_[256] = {};
  wchar_t replaceWith_[256] = {};
  std::function<void(FindAction, const FindRequest&)> onFind_;
};

// Windows date/time pictures ("yyyy/MM/dd", "H:mm:ss") in our picture letters
// ("yyyy/mm/dd", "h:nn:ss"): minutes become n, hours lose the 12/24 distinction, AM/PM marks,
// era and day-name letters are dropped, quoted text keeps its quotes as double quotes.
std::string ConvertDatePicture(std::wstring_view picture);

}  // namespace quillpad::platform::win32
