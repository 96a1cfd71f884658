// The capture commands of the main window: a region on the frozen screen, the window the user
// points at, either of them after a countdown, and the icons of a file, each into picture memos.
// The main window owns one of these and lends it its two capture timers.
#pragma once

#include "base/date_time.h"
#include "capture/capture_host.h"
#include "platform/system.h"
#include "ui/component.h"
#include "ui/timer.h"

namespace quillpad {

class CaptureCommands {
 public:
  // pickTimer: the main window's Timer2; countdownTimer: its Timer3.
  CaptureCommands(ui::Component* owner, CaptureHost& host, platform::System& system,
                  ui::Timer& pickTimer, ui::Timer& countdownTimer);

  // Picking and countdown state.
  platform::WindowHandle WindowUnderPointer = 0;
  bool PickingWindow = false;
  bool TimedWindowCapture = false;
  bool CountdownRunning = false;
  DateTime CaptureDeadline;

  void CaptureWithoutMemoClick();
  void CaptureWithMemoClick();
  void CaptureWindowWithoutMemoClick();
  void CaptureWindowWithMemoClick();
  void TimerCaptureClick();
  void TimerWindowCaptureClick();
  void IconCaptureClick();
  void Timer2Timer();
  void Timer3Timer();
  // A press of any mouse button on the main window (it holds the mouse while a window is picked).
  void FormMouseDown();
  // What the screen shows of the window, cut to the desktop, into a new memo over it; false when
  // none of it is on the desktop.
  bool CaptureWindowToMemo(platform::WindowHandle window);
  // A pick or countdown under way ends without a picture: the timers stop, the mouse is let go,
  // the countdown memo goes and hidden windows come back, so that what is saved now (at exit)
  // is the desktop as the user left it.
  void EndCapture();

 private:
  bool AskWindowCapture();
  void StartPicking();
  // The window under the pointer outlined and remembered, the previous one repainted.
  void PickStep();
  // The remembered window repainted, brought forward and captured.
  void CaptureRemembered(unsigned redrawFlags);
  void StartTimedCapture(bool window);

  ui::Component* owner_;
  CaptureHost& host_;
  platform::System& system_;
  ui::Timer& pickTimer_;
  ui::Timer& countdownTimer_;
  bool windowsHidden_ = false;  // by a pick or countdown that has not ended yet
};

}  // namespace quillpad
