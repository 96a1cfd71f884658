#include "platform/sim/sim_desktop.h"

#include <algorithm>

#include "base/encoding.h"

namespace quillpad::platform::sim {

class SimTrayIcon : public TrayIcon {
 public:
  explicit SimTrayIcon(SimDesktop& desktop) : desktop_(desktop) {
    desktop_.trayIcons_.insert(this);
  }
  ~SimTrayIcon() override { desktop_.trayIcons_.erase(this); }

  bool Add(const std::string& tip) override {
    desktop_.trayLog_.push_back({TrayOp::Add, tip});
    if (shown_) return false;
    shown_ = true;
    tip_ = tip;
    return true;
  }
  bool Modify(const std::string& tip) override {
    desktop_.trayLog_.push_back({TrayOp::Modify, tip});
    if (!shown_) return false;
    tip_ = tip;
    return true;
  }
  bool Delete() override {
    desktop_.trayLog_.push_back({TrayOp::Delete, tip_});
    const bool was = shown_;
    shown_ = false;
    return was;
  }

  bool shown_ = false;
  std::string tip_;

 private:
  SimDesktop& desktop_;
};

SimDesktop::SimDesktop()
    : windows_(std::make_unique<SimWindowSystem>(*this)),
      now_(EncodeDateTime(2026, 12, 7, 9, 0, 0)) {}

SimDesktop::~SimDesktop() = default;

void SimDesktop::SetScreen(Size screen, Rect workArea, Size fullScreen) {
  screen_ = screen;
  workArea_ = workArea;
  fullScreen_ = fullScreen;
}

void SimDesktop::Unexpected(const std::string& utf8) {
  if (!OnUnexpected) throw SimUnexpected(utf8);
  OnUnexpected(utf8);
}

WindowSystem& SimDesktop::Windows() {
  return *windows_;
}

// --- Clock ----------------------------------------------------------------------------------

int SimDesktop::StartTimer(int intervalMs, std::function<void()> tick) {
  const int interval = std::max(intervalMs, 10);  // the system's minimum
  const int id = nextTimer_++;
  timers_[id] = {interval, DateTime{now_.Ms + interval}, std::move(tick)};
  return id;
}

void SimDesktop::Advance(std::int64_t ms) {
  const std::int64_t target = now_.Ms + std::max<std::int64_t>(ms, 0);
  while (true) {
    auto next = timers_.end();
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
      if (next == timers_.end() || it->second.Due < next->second.Due) next = it;
    }
    if (next == timers_.end() || next->second.Due.Ms > target) break;
    now_ = next->second.Due;
    next->second.Due.Ms += next->second.Interval;
    // A copy: the tick may stop (erase) its own timer.
    const std::function<void()> tick = next->second.Tick;
    Dispatch(tick);
  }
  now_.Ms = target;
}

// --- Loop -----------------------------------------------------------------------------------

int SimDesktop::RunIdle() {
  if (!idle_) return 0;
  for (int calls = 1; calls <= 10000; ++calls) {
    bool done = true;
    Dispatch([&] { done = idle_(); });
    if (done) return calls;
  }
  Unexpected("the idle handler never answered done");
  return 10000;
}

void SimDesktop::Dispatch(const std::function<void()>& action) {
  try {
    action();
  } catch (const SimUnexpected&) {
    throw;
  } catch (const std::exception& e) {
    ShowError(e.what());
  }
}

int SimDesktop::RunMessageLoop(std::function<bool()> idle) {
  idle_ = std::move(idle);
  quit_ = false;
  while (true) {
    RunIdle();
    if (quit_) return exitCode_;
    if (loopActions_.empty()) {
      Unexpected("the message loop waits for input but no user action is queued");
      return -1;
    }
    auto action = std::move(loopActions_.front());
    loopActions_.pop_front();
    Dispatch(action);
  }
}

void SimDesktop::Quit(int exitCode) {
  quit_ = true;
  exitCode_ = exitCode;
}

// --- Questions ------------------------------------------------------------------------------

int SimDesktop::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  boxes_.push_back({text, caption, flags, 0});
  if (boxAnswers_.empty()) {
    Unexpected("message box without a queued answer: \"" + Cp932ToUtf8(text) + "\" (caption \"" +
               Cp932ToUtf8(caption) + "\")");
    // What closing the box with Esc answers.
    const unsigned buttons = flags & 0xF;
    const int answer = buttons == MbOk ? IdOk : buttons == MbYesNo ? IdNo : IdCancel;
    boxes_.back().Answer = answer;
    return answer;
  }
  const BoxAnswer answer = boxAnswers_.front();
  boxAnswers_.pop_front();
  if (answer.Text && *answer.Text != text) {
    Unexpected("message box \"" + Cp932ToUtf8(text) + "\" where \"" + Cp932ToUtf8(*answer.Text) +
               "\" was expected");
  }
  boxes_.back().Answer = answer.Answer;
  if (answer.WhileOpen) answer.WhileOpen();
  return answer.Answer;
}

void SimDesktop::ShowError(const std::string& message) {
  errors_.push_back(message);
  if (expectedErrors_ > 0) {
    --expectedErrors_;
    return;
  }
  Unexpected("error box: \"" + Cp932ToUtf8(message) + "\"");
}

bool SimDesktop::FileDialog(bool save, FileDialogOptions& options) {
  fileDialogs_.push_back({save, options});
  auto& queue = save ? saveAnswers_ : openAnswers_;
  if (queue.empty()) {
    Unexpected(std::string(save ? "save" : "open") + " file dialog \"" +
               Cp932ToUtf8(options.Title) + "\" without a queued answer");
    return false;
  }
  FileDialogAnswer answer = std::move(queue.front());
  queue.pop_front();
  if (!answer.Selections.empty()) {
    SimWindow* owner = foreground_;
    ForeignWindow window;
    window.Text = options.Title;
    window.Bounds = kFileDialogBounds;
    const WindowHandle dialog = desktopWindows_.AddForeignWindow(std::move(window));
    desktopWindows_.SetForeground(dialog);
    for (const std::string& path : answer.Selections) {
      if (options.OnSelectionChange) options.OnSelectionChange({path, kFileDialogBounds, dialog});
      if (answer.WhileOpen) answer.WhileOpen(path);
    }
    desktopWindows_.RemoveForeignWindow(dialog);
    // The dialog's owner takes the activation back, as it does when a modal dialog closes.
    if (owner) owner->SetForeground();
  }
  if (options.OnClose) options.OnClose();
  if (!answer.Ok || answer.Files.empty()) return false;
  options.FileName = answer.Files.front();
  options.FileNames =
      options.AllowMultiSelect ? answer.Files : std::vector<std::string>{answer.Files.front()};
  if (answer.FilterIndex > 0) options.FilterIndex = answer.FilterIndex;
  return true;
}

bool SimDesktop::OpenFileDialog(FileDialogOptions& options) {
  return FileDialog(false, options);
}
bool SimDesktop::SaveFileDialog(FileDialogOptions& options) {
  return FileDialog(true, options);
}

void SimDesktop::SetModalScript(const std::string& captionOrName,
                                std::function<void(SimWindow&)> script) {
  modalScripts_[captionOrName] = std::move(script);
}

bool SimDesktop::AllAnswersUsed() const {
  return boxAnswers_.empty() && expectedErrors_ == 0 && openAnswers_.empty() &&
         saveAnswers_.empty() && popupAnswers_.empty() && modalQueue_.empty() &&
         loopActions_.empty() && fontAnswers_.empty() && colorAnswers_.empty() &&
         printAnswers_.empty() && folderAnswers_.empty();
}

// --- Outside --------------------------------------------------------------------------------

bool SimDesktop::ShellOpen(const std::string& target) {
  shellOpens_.push_back(target);
  return shellOpenResult_ && !shellFailures_.count(target);
}

bool SimDesktop::ShellOpenWith(const std::string& program, const std::string& parameters) {
  shellOpens_.push_back(program + " " + parameters);
  return shellOpenResult_ && !shellFailures_.count(program);
}

void SimDesktop::LoseForeground() {
  SimWindow* old = foreground_;
  foreground_ = nullptr;
  focus_ = nullptr;
  if (old) old->Events().OnActivate(false);
}

bool SimDesktop::ShowHelp(const std::string& helpFile) {
  helpCalls_.push_back(helpFile);
  return files_.FileExists(helpFile);
}

bool SimDesktop::PickFont(FontSpec& font) {
  fontStarts_.push_back(font);
  const std::optional<FontSpec> answer = NextAnswer(fontAnswers_, "font dialog");
  if (!answer) return false;
  font = *answer;
  return true;
}

std::string SimDesktop::BrowseForFolder(Window* owner, const std::string& title) {
  if (!owner) Unexpected("folder browser without an owner window");
  folderBrowses_.push_back(title);
  return NextAnswer(folderAnswers_, "folder browser").value_or(std::string());
}

bool SimDesktop::PickColor(Color& color, std::vector<Color>& /*customColors*/) {
  colorStarts_.push_back(color);
  const std::optional<Color> answer = NextAnswer(colorAnswers_, "colour dialog");
  if (!answer) return false;
  color = *answer;
  return true;
}

void SimDesktop::OtherProgramEmptiesClipboard(WindowHandle owner) {
  clipText_.clear();
  hasText_ = false;
  clipPicture_.reset();
  clipboardOwner_ = owner;
  chain_.ClipboardChanged();
}

WindowHandle SimDesktop::JoinViewerChain(Window& window, ClipboardViewer& viewer) {
  return chain_.Join(desktopWindows_.HandleOf(window), &viewer);
}

void SimDesktop::LeaveViewerChain(Window& window, WindowHandle next) {
  chain_.Leave(desktopWindows_.HandleOf(window), next);
}

bool SimDesktop::GetPicture(ClipboardPicture& picture) {
  if (!clipPicture_ || !ReadBmpInfo(clipPicture_->Bmp)) return false;
  picture = *clipPicture_;
  return true;
}

void SimDesktop::SetPicture(const std::string& bmpFile) {
  // Unsound bytes leave the clipboard as it was, as on Windows.
  if (const std::optional<BmpInfo> info = ReadBmpInfo(bmpFile))
    SetClipboardPicture({bmpFile, info->Format});
}

bool SimDesktop::SetDevicePicture(const std::string& bmpFile) {
  if (clipboardHeld_ || !ReadBmpInfo(bmpFile)) return false;
  SetClipboardPicture({bmpFile, PixelFormat::Device});
  return true;
}

namespace {
class SimPrintJob : public PrintJob {
 public:
  SimPrintJob(std::vector<PrintRecord>& log, std::size_t index) : log_(log), index_(index) {}
  Size PixelsPerInch() override { return log_[index_].PixelsPerInch; }
  void PrintRichEdit(Window& edit) override { log_[index_].RichText += edit.Text(); }
  void DrawBitmap(const Rect& dest, std::string_view bmpFile) override {
    if (ReadBmpInfo(bmpFile)) log_[index_].Bitmaps.push_back({dest, std::string(bmpFile)});
  }
  bool Finish() override {
    log_[index_].Finished = true;
    return true;
  }

 private:
  std::vector<PrintRecord>& log_;
  std::size_t index_;
};
}  // namespace

std::unique_ptr<PrintJob> SimDesktop::StartPrint(const std::string& title) {
  const std::optional<Size> answer = NextAnswer(printAnswers_, "print dialog");
  if (!answer) return nullptr;
  printed_.push_back({title, *answer, {}, {}, false});
  return std::make_unique<SimPrintJob>(printed_, printed_.size() - 1);
}

void SimDesktop::ShowFindDialog(bool replace, const std::string& findText,
                                std::function<void(FindAction, const FindRequest&)> onAction) {
  findDialogs_.push_back({replace, findText});
  findAction_ = std::move(onAction);
}

void SimDesktop::UserFindDialogButton(FindAction action, const FindRequest& fields) {
  if (!findAction_) {
    Unexpected("a find dialog button without an open find dialog");
    return;
  }
  // A copy: the press may show the dialog again.
  const auto press = findAction_;
  press(action, fields);
}

LibraryCall SimDesktop::CallArchiver(const std::string& commandLine) {
  ++libraryLoads_;
  if (archiverAvailability_ != LibraryCall::Called) return archiverAvailability_;
  archiverCommands_.push_back(commandLine);
  if (archiverRun_) archiverRun_(commandLine);
  return LibraryCall::Called;
}

std::unique_ptr<TrayIcon> SimDesktop::CreateTrayIcon() {
  return std::make_unique<SimTrayIcon>(*this);
}

bool SimDesktop::TrayIconShown() const {
  return std::any_of(trayIcons_.begin(), trayIcons_.end(),
                     [](SimTrayIcon* t) { return t->shown_; });
}

std::string SimDesktop::TrayTip() const {
  for (SimTrayIcon* t : trayIcons_) {
    if (t->shown_) return t->tip_;
  }
  return {};
}

void SimDesktop::TrayMouse(unsigned mouseMessage, Point cursor) {
  cursor_ = cursor;
  SimTrayIcon* icon = nullptr;
  for (SimTrayIcon* t : trayIcons_) {
    if (t->shown_) icon = t;
  }
  if (!icon) return Unexpected("tray mouse message but no tray icon is shown");
  if (icon->OnCallback) {
    auto callback = icon->OnCallback;
    Dispatch([&] { callback(mouseMessage, cursor); });
  }
}

// --- Windows --------------------------------------------------------------------------------

std::vector<SimWindow*> SimDesktop::ZOrder() const {
  return zOrder_;
}

SimWindow* SimDesktop::FindWindow(const std::string& caption) const {
  for (SimWindow* w : zOrder_) {
    if (w->IsVisible() && w->Text() == caption) return w;
  }
  return nullptr;
}

SimWindow& SimDesktop::Sim(Window* window) {
  auto* sim = dynamic_cast<SimWindow*>(window);
  if (!sim) throw SimUnexpected("not a simulated window");
  return *sim;
}

}  // namespace quillpad::platform::sim

namespace quillpad::platform::sim {

bool SimDesktop::RegisterHotKey(int id, unsigned shortCut, std::function<void()> pressed) {
  hotKeys_.erase(id);
  if ((shortCut & 0xFF) == 0 || heldHotKeys_.count(shortCut)) return false;
  for (const auto& [other, entry] : hotKeys_) {
    if (entry.first == shortCut) return false;  // the system gives a key to one id only
  }
  hotKeys_[id] = {shortCut, std::move(pressed)};
  return true;
}

bool SimDesktop::UserPressesHotKey(unsigned shortCut) {
  for (const auto& [id, entry] : hotKeys_) {
    if (entry.first != shortCut) continue;
    const std::function<void()> pressed = entry.second;  // it may register the keys afresh
    pressed();
    return true;
  }
  return false;
}

std::map<int, unsigned> SimDesktop::RegisteredHotKeys() const {
  std::map<int, unsigned> keys;
  for (const auto& [id, entry] : hotKeys_) keys[id] = entry.first;
  return keys;
}

}  // namespace quillpad::platform::sim
