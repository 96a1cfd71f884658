// What screen capture needs from the window that owns it (the main window): its windows out of
// the picture and back, its mouse, its memos.
#pragma once

#include <optional>
#include <string>

#include "platform/types.h"

namespace quillpad {

class CaptureHost {
 public:
  virtual ~CaptureHost() = default;
  virtual std::string CaptureTitle() const = 0;    // the questions' caption
  virtual std::string CaptureWorkDir() const = 0;  // where the icon file dialog starts
  // Every desktop memo, the main window, the calendar and the clipboard history hidden, and the
  // screen repainted without them; then all of them but the main window shown again.
  virtual void HideWindowsForCapture() = 0;
  virtual void ShowWindowsAfterCapture() = 0;
  // The main window shown just beyond the work area's right edge, where it can hold the mouse
  // out of sight.
  virtual void ParkMainWindow() = 0;
  // While held, every click anywhere reaches the main window (CaptureCommands::FormMouseDown).
  virtual void HoldMouse(bool hold) = 0;
  // The clipboard's picture as a new memo at the end of the list (ClipNewMemoAtEndClick); its
  // top-left corner then moved to `at` when given, and it brought to the foreground when asked.
  // False when no memo was made.
  virtual bool ClipboardToNewMemo(std::optional<platform::Point> at, bool foreground) = 0;
  // The countdown memo: a text memo at the start of the list that stays on top of the others;
  // its text changes each tick, and it is destroyed at the deadline.
  virtual void ShowCountdownMemo(const std::string& text) = 0;
  virtual void SetCountdownText(const std::string& text) = 0;
  virtual void RemoveCountdownMemo() = 0;
};

}  // namespace quillpad
