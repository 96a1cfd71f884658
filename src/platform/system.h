// What the program reaches outside its own windows: clock, timers, the message loop's idle turn,
// screen metrics, message boxes, file dialogs, the clipboard, the tray icon, the single-instance
// lock and the system's date and time formats. One object per run, chosen at link time
// (platform/sim for tests, platform/win32 for Quillpad.exe).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/bmp_image.h"
#include "base/date_time.h"
#include "platform/desktop_windows.h"
#include "platform/file_system.h"
#include "platform/screen.h"
#include "platform/picture_plugins.h"
#include "platform/types.h"
#include "platform/window.h"

namespace quillpad::platform {

struct ClipboardPicture {
  std::string Bmp;  // a complete BMP file image
  PixelFormat Format = PixelFormat::Device;
};

// What the clipboard viewer chain sends a window that joined it.
class ClipboardViewer {
 public:
  virtual ~ClipboardViewer() = default;
  // WM_DRAWCLIPBOARD: the clipboard's contents changed.
  virtual void OnDrawClipboard() = 0;
  // WM_CHANGECBCHAIN: `removed` left the chain; `next` is the window that followed it.
  virtual void OnChangeClipboardChain(WindowHandle removed, WindowHandle next) = 0;
};

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual bool HasText() = 0;
  virtual std::string GetText() = 0;                  // CP932; empty when there is none
  virtual void SetText(const std::string& text) = 0;  // replaces everything on the clipboard
  // A picture in the bitmap formats. GetPicture is false when there is none or it cannot be read.
  virtual bool HasPicture() = 0;
  virtual bool GetPicture(ClipboardPicture& picture) = 0;
  virtual void SetPicture(const std::string& bmpFile) = 0;  // replaces everything
  // The picture as a device bitmap (CF_BITMAP), as a screen capture puts it; false when the
  // clipboard could not be opened (another program holds it) and nothing changed.
  virtual bool SetDevicePicture(const std::string& bmpFile) = 0;

  // The viewer chain. Each viewer keeps the window after it and passes every message on; the
  // system only talks to the first. Joining (SetClipboardViewer) puts the window first, sends it
  // the first WM_DRAWCLIPBOARD during the call and answers the window that was first before.
  virtual WindowHandle JoinViewerChain(Window& window, ClipboardViewer& viewer) = 0;
  // ChangeClipboardChain: the window leaves, naming the one after it.
  virtual void LeaveViewerChain(Window& window, WindowHandle next) = 0;
  // The messages passed on to the next viewer (SendMessage).
  virtual void ForwardDrawClipboard(WindowHandle next) = 0;
  virtual void ForwardChangeClipboardChain(WindowHandle next, WindowHandle removed,
                                           WindowHandle after) = 0;
};

// One page on the printer the user chose in the print dialog. Nothing reaches the printer until
// Finish; dropping the job unfinished abandons it.
class PrintJob {
 public:
  virtual ~PrintJob() = default;
  virtual Size PixelsPerInch() = 0;  // of the printer, horizontally and vertically
  // A BMP file image stretched into dest (printer pixels); unsound bytes draw nothing.
  virtual void DrawBitmap(const Rect& dest, std::string_view bmpFile) = 0;
  virtual bool Finish() = 0;  // false when the printer refused the document
  // The whole text of a rich edit window, laid out by the control on as many pages as it takes
  // (an inch of margin); the job then ends with Finish as usual.
  virtual void PrintRichEdit(Window& edit) = 0;
};

// What the find and replace dialogs hold when one of their buttons is pressed.
struct FindRequest {
  std::string Pattern;      // find what
  std::string Replacement;  // replace with
  bool WholeWord = false;
  bool MatchCase = false;
};
enum class FindAction { FindNext, Replace, ReplaceAll };

// How a call into an external library went: not loaded, loaded without the entry, or called.
enum class LibraryCall { Missing, NoEntry, Called };

// The notification-area icon. Mouse messages arrive with the callback message's second
// parameter (WM_LBUTTONDOWN 513, ... WM_MBUTTONDBLCLK 521) and the cursor position.
class TrayIcon {
 public:
  virtual ~TrayIcon() = default;
  // Return values are what the system answered; callers may ignore them.
  virtual bool Add(const std::string& tip) = 0;  // tip: at most 63 bytes, already cut
  virtual bool Modify(const std::string& tip) = 0;
  virtual bool Delete() = 0;
  std::function<void(unsigned mouseMessage, Point cursor)> OnCallback;
};

// What an open file dialog shows as chosen: the full path (a folder, or nothing chosen, as the
// dialog gives it) and the dialog's window, for a window placed beside it.
struct FileDialogSelection {
  std::string Path;
  Rect DialogBounds;  // screen
  WindowHandle Dialog = 0;
};

struct FileDialogOptions {
  std::string Title;
  std::string Filter;  // "テキスト (*.txt)|*.txt|すべて (*.*)|*.*"
  int FilterIndex = 1;
  std::string InitialDir;
  std::string FileName;  // in: proposed name; out: the chosen full path
  std::string DefaultExt;
  bool AllowMultiSelect = false;
  std::vector<std::string> FileNames;  // out, with AllowMultiSelect
  bool OverwritePrompt = false;
  // While the dialog is open: each change of the chosen file. After it closes, however it closed
  // and before the dialog call returns: OnClose.
  std::function<void(const FileDialogSelection&)> OnSelectionChange;
  std::function<void()> OnClose;
};

class System {
 public:
  virtual ~System() = default;

  // Files on Windows paths.
  virtual FileSystem& Files() = 0;
  // Native windows for the component toolkit.
  virtual WindowSystem& Windows() = 0;
  // Every program's windows, for sending text to them.
  virtual DesktopWindows& Desktop() = 0;
  // The screen's pictures, window outlines and file icons, for capture.
  virtual Screen& GetScreen() = 0;

  // Clock and the system's date and time formats ("yyyy/mm/dd", "h:nn:ss" on a Japanese system).
  virtual DateTime Now() = 0;
  virtual std::string ShortDateFormat() = 0;
  virtual std::string LongTimeFormat() = 0;

  // Full path of the running executable ("C:\Programs\Quillpad\Quillpad.exe").
  virtual std::string ExecutablePath() = 0;

  // Window timers: the callback runs on the user-interface thread every interval.
  virtual int StartTimer(int intervalMs, std::function<void()> tick) = 0;
  virtual void StopTimer(int id) = 0;

  // The message loop. The idle handler runs when the queue is empty, again and again until it
  // answers true (done); then the loop waits for the next message. Errors thrown by handlers
  // reach ShowError and the loop goes on. Returns the exit code given to Quit.
  virtual int RunMessageLoop(std::function<bool()> idle) = 0;
  virtual void Quit(int exitCode) = 0;

  // Screen metrics (SPI_GETWORKAREA, SM_CXSCREEN/SM_CYSCREEN, SM_CXFULLSCREEN/SM_CYFULLSCREEN).
  virtual Rect WorkArea() = 0;
  virtual Size ScreenSize() = 0;
  virtual Size FullScreenSize() = 0;
  virtual Point CursorPos() = 0;

  // Message boxes answer with a MessageBoxResult. The general error box shows an error that
  // reached the message loop.
  virtual int MessageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
  virtual void ShowError(const std::string& message) = 0;

  virtual bool OpenFileDialog(FileDialogOptions& options) = 0;
  virtual bool SaveFileDialog(FileDialogOptions& options) = 0;
  // The system's find (replace false) or replace dialog, modeless; one of them is open at a time
  // and showing it again brings it forward with the new search text. Each button press reports
  // the dialog's fields; closing it reports nothing.
  virtual void ShowFindDialog(bool replace, const std::string& findText,
                              std::function<void(FindAction, const FindRequest&)> onAction) = 0;

  virtual Clipboard& GetClipboard() = 0;
  // The print dialog, then a document titled so on the chosen printer; null when cancelled.
  virtual std::unique_ptr<PrintJob> StartPrint(const std::string& title) = 0;
  virtual Size ScreenPixelsPerInch() = 0;  // LOGPIXELSX / LOGPIXELSY of the screen
  virtual std::unique_ptr<TrayIcon> CreateTrayIcon() = 0;

  // Named single-instance lock, held until the process ends; false when another holds it.
  virtual bool AcquireInstanceLock(const std::string& name) = 0;

  // "open" on a file, folder or address; false when the system refused.
  virtual bool ShellOpen(const std::string& target) = 0;
  // "open" on a program with its parameters.
  virtual bool ShellOpenWith(const std::string& program, const std::string& parameters) = 0;
  // The help viewer on a help file (contents and index).
  virtual bool ShowHelp(const std::string& helpFile) = 0;
  // Starts a program from a command line with a show state (SW_SHOW 5); false when refused.
  virtual bool RunProgram(const std::string& commandLine, int showState) = 0;
  // Loads the archiver library "Unlha32.dll" by the system's library search, calls its entry
  // "Unlha" with the command line (window 0, a 10-byte output buffer) and releases it. The
  // entry's status and output are the library's own business.
  virtual LibraryCall CallArchiver(const std::string& commandLine) = 0;
  // The picture plug-in libraries.
  virtual PluginLoader& Plugins() = 0;

  // The font and colour dialogs: they start from the values given and return the user's choice
  // in them; false when cancelled. customColors holds the colour dialog's 16 custom colours.
  virtual bool PickFont(FontSpec& /*font*/) { return false; }
  virtual bool PickColor(Color& /*color*/, std::vector<Color>& /*customColors*/) { return false; }
  // The shell's folder browser owned by a window, rooted at the desktop, file-system folders
  // only; the chosen folder's path, or empty when cancelled.
  virtual std::string BrowseForFolder(Window* /*owner*/, const std::string& /*title*/) {
    return {};
  }
  // Starts the screen saver now (the desktop window's screen-save command).
  virtual void StartScreenSaver() {}
  // Switches the screen saver on or off for the session and tells the other programs.
  virtual bool SetScreenSaverActive(bool /*active*/) { return false; }
  // Whether a mouse button is down now (GetKeyState), for hit tests that depend on it.
  virtual bool MouseButtonDown(MouseButton /*button*/) { return false; }

  // A system-wide key, given as a menu shortcut value (key code, 0x2000 Shift, 0x4000 Ctrl,
  // 0x8000 Alt): pressed() runs on this thread whichever program has the focus. False when the
  // key cannot be had, most often because another program holds it. Registering an id again
  // replaces its key.
  virtual bool RegisterHotKey(int id, unsigned shortCut, std::function<void()> pressed) = 0;
  virtual void UnregisterHotKey(int id) = 0;
};

// Reads a file the program rewrites later (FileSystem::ReadOwned); when it becomes held the
// general error box names the file and the sibling that takes its writes. True when bytes hold
// something to go on.
bool ReadOwnedFile(System& system, const std::string& path, std::string& bytes);
// The same for a file whose bytes `sound` judges: one that reads but is not sound keeps a
// verified copy before anything is written over it, or is held (and the user told) when no copy
// can be made.
bool ReadOwnedTextFile(System& system, const std::string& path, std::string& bytes,
                       const std::function<bool(const std::string&)>& sound);
// A damaged file stays readable beside the one written in its place: "<path>.damaged", or with a
// number added when that name is taken by other bytes. True once a copy with exactly these
// bytes is there; a copy that came out different is removed again.
bool KeepDamagedCopy(FileSystem& files, const std::string& path, const std::string& bytes);
// The general error box's text for a file held from now on; what says why ("...しました。").
std::string HeldFileMessage(FileSystem& files, const std::string& path, const std::string& what);

}  // namespace quillpad::platform
