#include "capture/capture_commands.h"

#include "capture/capture_rules.h"
#include "capture/capture_timer_form.h"
#include "capture/screen_form.h"

namespace quillpad {

namespace {
// RedrawWindow flags: invalidate, internal paint, erase, update now, erase now and frame, with
// or without the children.
constexpr unsigned kRepaintAll = 1927;
constexpr unsigned kRepaintWindow = 1799;
}  // namespace

CaptureCommands::CaptureCommands(ui::Component* owner, CaptureHost& host, platform::System& system,
                                 ui::Timer& pickTimer, ui::Timer& countdownTimer)
    : owner_(owner),
      host_(host),
      system_(system),
      pickTimer_(pickTimer),
      countdownTimer_(countdownTimer) {
  pickTimer_.SetOnTimer([this] { Timer2Timer(); });
  countdownTimer_.SetOnTimer([this] { Timer3Timer(); });
}

void CaptureCommands::CaptureWithoutMemoClick() {
  host_.HideWindowsForCapture();
  CaptureWithMemoClick();
  host_.ShowWindowsAfterCapture();
}

void CaptureCommands::CaptureWithMemoClick() {
  TScreenForm form(owner_, host_, system_);
  form.ShowModal();
}

bool CaptureCommands::AskWindowCapture() {
  return system_.MessageBox(
             "このメッセージが消えた後、クリックしたウインドウをキャプチャしますか？",
             host_.CaptureTitle(),
             platform::MbYesNoCancel | platform::MbIconQuestion) == platform::IdYes;
}

void CaptureCommands::CaptureWindowWithoutMemoClick() {
  if (!AskWindowCapture()) return;
  host_.HideWindowsForCapture();
  windowsHidden_ = true;
  host_.ParkMainWindow();
  system_.GetScreen().Settle();
  StartPicking();
}

void CaptureCommands::CaptureWindowWithMemoClick() {
  if (!AskWindowCapture()) return;
  StartPicking();
}

void CaptureCommands::StartPicking() {
  WindowUnderPointer = 0;
  PickingWindow = true;
  pickTimer_.SetEnabled(true);
  host_.HoldMouse(true);
}

void CaptureCommands::Timer2Timer() {
  if (PickingWindow) PickStep();
}

void CaptureCommands::PickStep() {
  const platform::WindowHandle window = system_.Desktop().WindowAt(system_.CursorPos());
  if (!window || window == WindowUnderPointer) return;
  platform::Screen& screen = system_.GetScreen();
  if (WindowUnderPointer) screen.RedrawWindow(WindowUnderPointer, kRepaintAll);
  screen.OutlineWindow(window);
  WindowUnderPointer = window;
}

void CaptureCommands::FormMouseDown() {
  if (!PickingWindow || TimedWindowCapture) return;
  // Picking ends first: the capture's own windows and questions must not start it again.
  pickTimer_.SetEnabled(false);
  PickingWindow = false;
  CaptureRemembered(kRepaintWindow);
  host_.HoldMouse(false);
  windowsHidden_ = false;
  host_.ShowWindowsAfterCapture();
}

void CaptureCommands::EndCapture() {
  if (!PickingWindow && !TimedWindowCapture && !CountdownRunning) return;
  pickTimer_.SetEnabled(false);
  countdownTimer_.SetEnabled(false);
  if (WindowUnderPointer) system_.GetScreen().RedrawWindow(WindowUnderPointer, kRepaintAll);
  WindowUnderPointer = 0;
  if (CountdownRunning) host_.RemoveCountdownMemo();
  if (PickingWindow || TimedWindowCapture) host_.HoldMouse(false);
  PickingWindow = TimedWindowCapture = CountdownRunning = false;
  if (windowsHidden_) host_.ShowWindowsAfterCapture();
  windowsHidden_ = false;
}

void CaptureCommands::CaptureRemembered(unsigned redrawFlags) {
  const platform::WindowHandle window = WindowUnderPointer;
  WindowUnderPointer = 0;
  if (!window) return;
  platform::Screen& screen = system_.GetScreen();
  screen.RedrawWindow(window, redrawFlags);
  system_.Desktop().SetForeground(window);
  screen.UpdateWindow(window);
  CaptureWindowToMemo(window);
}

bool CaptureCommands::CaptureWindowToMemo(platform::WindowHandle window) {
  platform::Screen& screen = system_.GetScreen();
  const platform::Rect r = CutToDesktop(screen.WindowRect(window), screen.DesktopRect());
  if (IsEmptyCapture(r)) return false;
  if (!system_.GetClipboard().SetDevicePicture(screen.Picture(r))) return false;
  return host_.ClipboardToNewMemo(CaptureMemoPlace(r), true);
}

void CaptureCommands::TimerCaptureClick() {
  StartTimedCapture(false);
}

void CaptureCommands::TimerWindowCaptureClick() {
  StartTimedCapture(true);
}

void CaptureCommands::StartTimedCapture(bool window) {
  // One countdown at a time: a second would leave the first one's memo behind.
  if (CountdownRunning || PickingWindow) return;
  int seconds = 0;
  {
    TCaptureTimerForm dialog(owner_);
    if (dialog.ShowModal() != ui::MrOk) return;
    seconds = dialog.DelaySeconds();
  }
  host_.HideWindowsForCapture();
  windowsHidden_ = true;
  const DateTime now = system_.Now();
  CaptureDeadline = {now.Ms + seconds * std::int64_t{1000}};
  host_.ShowCountdownMemo(CountdownText(RemainingSeconds(CaptureDeadline, now)));
  CountdownRunning = true;
  countdownTimer_.SetEnabled(true);
  if (window) {
    WindowUnderPointer = 0;
    TimedWindowCapture = true;
    host_.HoldMouse(true);
  }
}

void CaptureCommands::Timer3Timer() {
  if (!CountdownRunning) return;
  const DateTime now = system_.Now();
  if (now < CaptureDeadline) {
    host_.SetCountdownText(CountdownText(RemainingSeconds(CaptureDeadline, now)));
    if (TimedWindowCapture) PickStep();
    return;
  }
  countdownTimer_.SetEnabled(false);
  CountdownRunning = false;
  host_.RemoveCountdownMemo();
  if (TimedWindowCapture) {
    // The pointer may have rested on one window the whole time: it is the one under it now.
    PickStep();
    CaptureRemembered(kRepaintWindow);
    TimedWindowCapture = false;
    host_.HoldMouse(false);
    windowsHidden_ = false;
    host_.ShowWindowsAfterCapture();
  } else {
    windowsHidden_ = false;
    CaptureWithoutMemoClick();
  }
}

void CaptureCommands::IconCaptureClick() {
  platform::FileDialogOptions options;
  options.Title = "アイコン取得のファイルを指定";
  options.Filter = "exeﾌｧｲﾙ(*.exe)|*.exe|すべてのﾌｧｲﾙ(*.*)|*.*";
  options.InitialDir = host_.CaptureWorkDir();
  if (!system_.OpenFileDialog(options)) return;
  platform::Screen& screen = system_.GetScreen();
  for (int index = 0;; ++index) {
    const platform::IconHandle icon = screen.ExtractFileIcon(options.FileName, index);
    if (!IsIcon(icon)) break;
    const std::string picture = screen.IconPicture(icon);
    screen.DestroyIcon(icon);
    if (picture.empty() || !system_.GetClipboard().SetDevicePicture(picture)) break;
    host_.ClipboardToNewMemo(std::nullopt, false);
  }
}

}  // namespace quillpad
