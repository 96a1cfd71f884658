// The simulated desktop: one per test. It is the System the program runs on, and it plays the
// user: answers for message boxes, file dialogs, pop-up menus and modal windows are queued by the
// test beforehand; a question with no queued answer is reported through OnUnexpected (or thrown
// as SimUnexpected when no hook is set). Everything the program does outside is logged.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/sim/sim_clipboard_chain.h"
#include "platform/sim/sim_screen.h"
#include "platform/sim/sim_desktop_windows.h"
#include "platform/sim/sim_file_system.h"
#include "platform/sim/sim_plugins.h"
#include "platform/sim/sim_window.h"
#include "platform/system.h"

namespace quillpad::platform::sim {

struct SimUnexpected : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct MessageBoxRecord {
  std::string Text;  // CP932
  std::string Caption;
  unsigned Flags = 0;
  int Answer = 0;
};

struct FileDialogAnswer {
  bool Ok = false;
  std::vector<std::string> Files;  // full paths
  int FilterIndex = 0;             // 0 keeps the program's choice
  // Files the user points at before answering, each reported as a selection change while the
  // dialog stands at kFileDialogBounds as a window of its own; after each one, WhileOpen (when
  // set) looks at what the program made of it.
  std::vector<std::string> Selections{};
  std::function<void(const std::string& path)> WhileOpen{};
};
inline constexpr Rect kFileDialogBounds{400, 200, 960, 620};

struct FileDialogRecord {
  bool Save = false;
  FileDialogOptions Options;  // as the program passed them in
};

enum class TrayOp { Add, Modify, Delete };
struct TrayRecord {
  TrayOp Op;
  std::string Tip;
};

// A document sent to the printer: what was drawn on its page, in printer pixels.
struct PrintedBitmap {
  Rect Dest;
  std::string Bmp;
};
struct PrintRecord {
  std::string Title;
  Size PixelsPerInch;
  std::vector<PrintedBitmap> Bitmaps;
  std::string RichText;   // the text of rich edit windows printed into the job
  bool Finished = false;  // false: abandoned before Finish
};

struct FindDialogRecord {
  bool Replace = false;
  std::string FindText;  // the search text it was shown with
};

struct ProgramRun {
  std::string CommandLine;
  int ShowState = 0;
};

struct PopupRecord {
  Point At;
  std::vector<MenuItemSpec> Items;
  int Chosen = 0;
};

class SimWindowSystem;

class SimDesktop : public System, public Clipboard {
 public:
  SimDesktop();
  ~SimDesktop() override;

  // --- Set-up -----------------------------------------------------------------------------
  SimFileSystem& SimFiles() { return files_; }
  void MapDrive(char letter, const std::filesystem::path& hostFolder) {
    files_.MapDrive(letter, hostFolder);
  }
  void SetExecutablePath(std::string path) { exePath_ = std::move(path); }
  void SetScreen(Size screen, Rect workArea, Size fullScreen);
  void SetCursorPos(Point p) { cursor_ = p; }
  // Called with a UTF-8 description when the program asks something no answer was queued for.
  std::function<void(const std::string&)> OnUnexpected;
  void Unexpected(const std::string& utf8);

  // --- Clock and timers -------------------------------------------------------------------
  void SetNow(DateTime now) { now_ = now; }
  // Moves the clock forward, firing each due timer tick in time order (ties: the older timer).
  void Advance(std::int64_t ms);
  int ActiveTimerCount() const { return static_cast<int>(timers_.size()); }
  bool TimerActive(int id) const { return timers_.count(id) > 0; }

  // --- The idle turn and the loop ---------------------------------------------------------
  void SetIdleHandler(std::function<bool()> idle) { idle_ = std::move(idle); }
  // Calls the idle handler until it answers done; returns the number of calls.
  int RunIdle();
  // What the user does each time RunMessageLoop waits for input, in order.
  void QueueLoopAction(std::function<void()> action) { loopActions_.push_back(std::move(action)); }
  bool QuitCalled() const { return quit_; }
  int ExitCode() const { return exitCode_; }
  // Runs a user action as the message loop would: an escaping error reaches ShowError.
  void Dispatch(const std::function<void()>& action);

  // --- Scripted answers -------------------------------------------------------------------
  void ExpectMessageBox(int answer) { boxAnswers_.push_back({answer, std::nullopt, nullptr}); }
  // The same, and the box must show exactly this text (CP932); another text is unexpected.
  void ExpectMessageBox(int answer, std::string text) {
    boxAnswers_.push_back({answer, std::move(text), nullptr});
  }
  // The same, and what arrives while the box is open (a message to another window).
  void ExpectMessageBox(int answer, std::string text, std::function<void()> whileOpen) {
    boxAnswers_.push_back({answer, std::move(text), std::move(whileOpen)});
  }
  void ExpectErrorBox() { ++expectedErrors_; }
  void ExpectOpenFile(FileDialogAnswer answer) { openAnswers_.push_back(std::move(answer)); }
  void ExpectSaveFile(FileDialogAnswer answer) { saveAnswers_.push_back(std::move(answer)); }
  // "" dismisses the menu; otherwise a caption path ("整列... > 右揃え"), "&" marks optional.
  void ExpectPopupChoice(std::string captionPath) {
    popupAnswers_.push_back(std::move(captionPath));
  }
  // What the user does in a modal window with this caption (or, through NameOf, this name); the
  // script must end the modal state.
  void SetModalScript(const std::string& captionOrName, std::function<void(SimWindow&)> script);
  // Names a window for modal scripts (the ui fixture answers the form's component name).
  std::function<std::string(SimWindow&)> NameOf;
  // For modal windows without a script of their own, in order.
  void QueueModalScript(std::function<void(SimWindow&)> script) {
    modalQueue_.push_back(std::move(script));
  }
  bool AllAnswersUsed() const;
  // Font and colour dialogs: each call takes the next queued answer (nullopt: Cancel); without
  // one the dialog is cancelled and the call is reported as unexpected.
  void ExpectFontDialog(std::optional<FontSpec> answer) {
    fontAnswers_.push_back(std::move(answer));
  }
  void ExpectColorDialog(std::optional<Color> answer) { colorAnswers_.push_back(answer); }
  const std::vector<FontSpec>& FontDialogStarts() const { return fontStarts_; }
  const std::vector<Color>& ColorDialogStarts() const { return colorStarts_; }
  // The print dialog: each call takes the next answer, the chosen printer's resolution
  // (nullopt: Cancel); without one it is cancelled and reported as unexpected.
  void ExpectPrintDialog(std::optional<Size> printerPixelsPerInch) {
    printAnswers_.push_back(printerPixelsPerInch);
  }
  void SetScreenPixelsPerInch(Size ppi) { screenPpi_ = ppi; }
  // The find or replace dialog that is open: a button press with these fields, or closing it.
  bool FindDialogOpen() const { return static_cast<bool>(findAction_); }
  void UserFindDialogButton(FindAction action, const FindRequest& fields);
  void UserCloseFindDialog() { findAction_ = nullptr; }
  // The archiver library: missing (the default), present without its entry, or present and
  // running `run` on each command line.
  void SetArchiverLibrary(LibraryCall availability,
                          std::function<void(const std::string&)> run = {}) {
    archiverAvailability_ = availability;
    archiverRun_ = std::move(run);
  }
  // The folder browser: each call takes the next answer (nullopt: Cancel), or is unexpected.
  void ExpectFolderBrowse(std::optional<std::string> folder) {
    folderAnswers_.push_back(std::move(folder));
  }
  void SetMouseButtonDown(MouseButton button, bool down) {
    buttonsDown_[static_cast<int>(button)] = down;
  }
  // System-wide keys: one another program holds, and the user pressing one wherever the
  // focus is (false when no one of ours has it).
  void OtherProgramHoldsHotKey(unsigned shortCut) { heldHotKeys_.insert(shortCut); }
  bool UserPressesHotKey(unsigned shortCut);
  // Registered id -> key.
  std::map<int, unsigned> RegisteredHotKeys() const;

  // --- Logs -------------------------------------------------------------------------------
  const std::vector<MessageBoxRecord>& MessageBoxes() const { return boxes_; }
  const std::vector<std::string>& ErrorBoxes() const { return errors_; }
  const std::vector<FileDialogRecord>& FileDialogs() const { return fileDialogs_; }
  const std::vector<std::string>& ShellOpens() const { return shellOpens_; }
  const std::vector<std::string>& HelpCalls() const { return helpCalls_; }
  const std::vector<TrayRecord>& TrayLog() const { return trayLog_; }
  const std::vector<PopupRecord>& Popups() const { return popups_; }
  const std::vector<std::string>& ModalCaptions() const { return modals_; }
  const std::vector<PrintRecord>& Printed() const { return printed_; }
  const std::vector<FindDialogRecord>& FindDialogs() const { return findDialogs_; }
  const std::vector<ProgramRun>& ProgramRuns() const { return programRuns_; }
  // Command lines that reached the archiver's entry.
  const std::vector<std::string>& ArchiverCommands() const { return archiverCommands_; }
  int LibraryLoads() const { return libraryLoads_; }
  // The titles the folder browser was shown with, and whether its owner was a window of ours.
  const std::vector<std::string>& FolderBrowses() const { return folderBrowses_; }
  // "start" for each screen saver start, "on" / "off" for each switch.
  const std::vector<std::string>& ScreenSaverLog() const { return screenSaverLog_; }
  std::vector<WindowClass> CreatedWindows() const { return created_; }
  void SetShellOpenResult(bool ok) { shellOpenResult_ = ok; }
  // One target (or program) the shell refuses to open, whatever the general result.
  void FailShellOpen(std::string target) { shellFailures_.insert(std::move(target)); }

  // --- Windows ----------------------------------------------------------------------------
  SimWindowSystem& SimWindows() { return *windows_; }
  // Top-level windows, topmost band first, each band front to back.
  std::vector<SimWindow*> ZOrder() const;
  SimWindow* Foreground() const { return foreground_; }
  SimWindow* Focus() const { return focus_; }
  SimWindow* Capture() const { return capture_; }
  // The visible top-level window with this caption, or null.
  SimWindow* FindWindow(const std::string& caption) const;
  static SimWindow& Sim(Window* window);  // the sim peer behind an interface pointer

  // --- Tray -------------------------------------------------------------------------------
  bool TrayIconShown() const;
  std::string TrayTip() const;
  // A mouse message on the tray icon (513 left down ... 521 middle double click).
  void TrayMouse(unsigned mouseMessage, Point cursor = {1000, 750});

  // --- System -----------------------------------------------------------------------------
  FileSystem& Files() override { return files_; }
  WindowSystem& Windows() override;
  DesktopWindows& Desktop() override { return desktopWindows_; }
  SimDesktopWindows& Others() { return desktopWindows_; }
  Screen& GetScreen() override { return simScreen_; }
  SimScreen& ScreenSim() { return simScreen_; }
  // Our foreground window loses the activation to another program's.
  void LoseForeground();
  DateTime Now() override { return now_; }
  std::string ShortDateFormat() override { return "yyyy/mm/dd"; }
  std::string LongTimeFormat() override { return "h:nn:ss"; }
  std::string ExecutablePath() override { return exePath_; }
  int StartTimer(int intervalMs, std::function<void()> tick) override;
  void StopTimer(int id) override { timers_.erase(id); }
  int RunMessageLoop(std::function<bool()> idle) override;
  void Quit(int exitCode) override;
  Rect WorkArea() override { return workArea_; }
  Size ScreenSize() override { return screen_; }
  Size FullScreenSize() override { return fullScreen_; }
  Point CursorPos() override { return cursor_; }
  int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
  void ShowError(const std::string& message) override;
  bool OpenFileDialog(FileDialogOptions& options) override;
  bool SaveFileDialog(FileDialogOptions& options) override;
  Clipboard& GetClipboard() override { return *this; }
  std::unique_ptr<TrayIcon> CreateTrayIcon() override;
  bool AcquireInstanceLock(const std::string& name) override { return locks_.insert(name).second; }
  bool ShellOpen(const std::string& target) override;
  bool ShellOpenWith(const std::string& program, const std::string& parameters) override;
  bool ShowHelp(const std::string& helpFile) override;
  bool PickFont(FontSpec& font) override;
  bool PickColor(Color& color, std::vector<Color>& customColors) override;
  bool MouseButtonDown(MouseButton button) override {
    return buttonsDown_[static_cast<int>(button)];
  }
  std::unique_ptr<PrintJob> StartPrint(const std::string& title) override;
  std::string BrowseForFolder(Window* owner, const std::string& title) override;
  void StartScreenSaver() override { screenSaverLog_.push_back("start"); }
  bool SetScreenSaverActive(bool active) override {
    screenSaverLog_.push_back(active ? "on" : "off");
    return true;
  }
  Size ScreenPixelsPerInch() override { return screenPpi_; }
  void ShowFindDialog(bool replace, const std::string& findText,
                      std::function<void(FindAction, const FindRequest&)> onAction) override;
  bool RunProgram(const std::string& commandLine, int showState) override {
    programRuns_.push_back({commandLine, showState});
    return true;
  }
  LibraryCall CallArchiver(const std::string& commandLine) override;
  bool RegisterHotKey(int id, unsigned shortCut, std::function<void()> pressed) override;
  void UnregisterHotKey(int id) override { hotKeys_.erase(id); }
  PluginLoader& Plugins() override { return plugins_; }
  // Fake picture plug-ins, and the log of their loads.
  SimPluginLoader& SimPlugins() { return plugins_; }

  // --- Clipboard --------------------------------------------------------------------------
  bool HasText() override { return hasText_; }
  std::string GetText() override { return hasText_ ? clipText_ : std::string(); }
  void SetText(const std::string& text) override {
    clipText_ = text;
    hasText_ = true;
    clipPicture_.reset();
    clipboardOwner_ = 0;
    chain_.ClipboardChanged();
  }
  bool HasPicture() override { return clipPicture_.has_value(); }
  bool GetPicture(ClipboardPicture& picture) override;
  // The format is the header's, as when a program puts a device-independent bitmap there.
  void SetPicture(const std::string& bmpFile) override;
  bool SetDevicePicture(const std::string& bmpFile) override;
  // Another program keeps the clipboard open: device pictures cannot be put there.
  void SetClipboardHeld(bool held) { clipboardHeld_ = held; }
  // Any picture and format, as another program may leave it (the bytes are not checked here).
  void SetClipboardPicture(ClipboardPicture picture) {
    clipPicture_ = std::move(picture);
    hasText_ = false;
    clipText_.clear();
    chain_.ClipboardChanged();
  }
  // Another program puts text there (owner: its window) or empties the clipboard.
  void OtherProgramCopies(const std::string& text, WindowHandle owner) {
    SetText(text);
    clipboardOwner_ = owner;
  }
  void OtherProgramEmptiesClipboard(WindowHandle owner);
  // The window that put the clipboard's contents there; 0 for our program.
  WindowHandle ClipboardOwner() const { return clipboardOwner_; }
  SimClipboardChain& ViewerChain() { return chain_; }
  WindowHandle JoinViewerChain(Window& window, ClipboardViewer& viewer) override;
  void LeaveViewerChain(Window& window, WindowHandle next) override;
  void ForwardDrawClipboard(WindowHandle next) override { chain_.ForwardDraw(next); }
  void ForwardChangeClipboardChain(WindowHandle next, WindowHandle removed,
                                   WindowHandle after) override {
    chain_.ForwardChange(next, removed, after);
  }

 private:
  friend class SimWindow;
  friend class SimWindowSystem;
  friend class SimTrayIcon;
  struct TimerEntry {
    int Interval;
    DateTime Due;
    std::function<void()> Tick;
  };
  bool FileDialog(bool save, FileDialogOptions& options);
  // The next queued answer of a dialog (nullopt: Cancel); a dialog with none queued is reported
  // as unexpected and cancelled.
  template <typename T>
  std::optional<T> NextAnswer(std::deque<std::optional<T>>& answers, const char* dialog) {
    if (answers.empty()) {
      Unexpected(std::string(dialog) + " without a queued answer");
      return std::nullopt;
    }
    std::optional<T> answer = std::move(answers.front());
    answers.pop_front();
    return answer;
  }

  SimFileSystem files_;
  std::unique_ptr<SimWindowSystem> windows_;
  std::string exePath_ = "C:\\Quillpad\\Quillpad.exe";
  Size screen_{1024, 768};
  Rect workArea_{0, 0, 1024, 738};
  Size fullScreen_{1024, 715};
  Point cursor_{};
  DateTime now_;
  std::map<int, TimerEntry> timers_;
  int nextTimer_ = 1;
  std::function<bool()> idle_;
  std::deque<std::function<void()>> loopActions_;
  bool quit_ = false;
  int exitCode_ = 0;
  struct BoxAnswer {
    int Answer;
    std::optional<std::string> Text;
    std::function<void()> WhileOpen;
  };
  std::deque<BoxAnswer> boxAnswers_;
  int expectedErrors_ = 0;
  std::deque<FileDialogAnswer> openAnswers_;
  std::deque<FileDialogAnswer> saveAnswers_;
  std::deque<std::string> popupAnswers_;
  std::map<std::string, std::function<void(SimWindow&)>> modalScripts_;
  std::deque<std::function<void(SimWindow&)>> modalQueue_;
  std::vector<MessageBoxRecord> boxes_;
  std::vector<std::string> errors_;
  std::vector<FileDialogRecord> fileDialogs_;
  std::vector<std::string> shellOpens_;
  std::vector<std::string> helpCalls_;
  std::vector<TrayRecord> trayLog_;
  std::vector<PopupRecord> popups_;
  std::vector<std::string> modals_;
  std::vector<WindowClass> created_;
  bool shellOpenResult_ = true;
  std::set<std::string> shellFailures_;
  SimDesktopWindows desktopWindows_{*this};
  std::deque<std::optional<FontSpec>> fontAnswers_;
  std::deque<std::optional<Color>> colorAnswers_;
  std::vector<FontSpec> fontStarts_;
  std::vector<Color> colorStarts_;
  bool buttonsDown_[3] = {false, false, false};
  std::set<std::string> locks_;
  std::string clipText_;
  bool hasText_ = false;
  std::optional<ClipboardPicture> clipPicture_;
  WindowHandle clipboardOwner_ = 0;
  bool clipboardHeld_ = false;
  SimScreen simScreen_{*this};
  SimClipboardChain chain_;
  std::deque<std::optional<Size>> printAnswers_;
  std::deque<std::optional<std::string>> folderAnswers_;
  std::vector<std::string> folderBrowses_;
  std::vector<std::string> screenSaverLog_;
  std::vector<PrintRecord> printed_;
  Size screenPpi_{96, 96};
  std::function<void(FindAction, const FindRequest&)> findAction_;
  std::vector<FindDialogRecord> findDialogs_;
  std::vector<ProgramRun> programRuns_;
  LibraryCall archiverAvailability_ = LibraryCall::Missing;
  std::function<void(const std::string&)> archiverRun_;
  std::vector<std::string> archiverCommands_;
  int libraryLoads_ = 0;
  SimPluginLoader plugins_{files_};
  // Windows: top-level ones in Z order (front first), the foreground, focus and capture.
  std::vector<SimWindow*> zOrder_;
  SimWindow* foreground_ = nullptr;
  SimWindow* focus_ = nullptr;
  SimWindow* capture_ = nullptr;
  std::set<class SimTrayIcon*> trayIcons_;
  std::map<int, std::pair<unsigned, std::function<void()>>> hotKeys_;
  std::set<unsigned> heldHotKeys_;
};

class SimWindowSystem : public WindowSystem {
 public:
  explicit SimWindowSystem(SimDesktop& desktop) : desktop_(desktop) {}
  std::unique_ptr<Window> CreateWindow(WindowClass cls, Window* parent, WindowEvents& events,
                                       const WindowStyle* style = nullptr) override;
  int TrackPopupMenu(const std::vector<MenuItemSpec>& items, Point screen, Window* owner) override;
  void RunModal(Window& window, const std::function<bool()>& done) override;
  Size TextExtent(std::string_view text, const FontSpec& font) override;
  Window* ForegroundWindow() override { return desktop_.foreground_; }

 private:
  SimDesktop& desktop_;
};

}  // namespace quillpad::platform::sim
