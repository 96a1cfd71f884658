// What the clipboard history window needs from the window that owns it (the main window).
#pragma once

#include <string>
#include <vector>

#include "platform/types.h"

namespace quillpad {

class ClipboardHost {
 public:
  virtual ~ClipboardHost() = default;
  virtual std::string ClipboardProgramDir() const = 0;
  virtual platform::Rect ClampClipboardBounds(const platform::Rect& bounds) const = 0;
  // Puts the text on the clipboard and pastes it into the window the user worked in before.
  virtual void SendTextToPreviousWindow(const std::string& text) = 0;
  // A new memo in the editor with these lines; false when the user kept the old editor text.
  virtual bool EditLinesAsNewMemo(const std::vector<std::string>& lines) = 0;
  // The editor's text onto the desktop as a new memo.
  virtual void ShowEditorAsNewMemo() = 0;
  // The owner's options dialog.
  virtual void OpenOptionsFromClipboard() = 0;
  // The window marked itself for disposal (negative tag): the owner's idle turn must run.
  virtual void ClipboardClosed() = 0;
};

}  // namespace quillpad
