// Placement rules that keep the program's windows on the screen. Pure arithmetic on rectangles.
#pragma once

#include "platform/types.h"

namespace quillpad {

// Moves a window back inside the work area: bottom, then right, then left, then top, so a window
// larger than the work area ends at its top-left corner. The size never changes.
platform::Rect ClampToWorkArea(const platform::Rect& window, const platform::Rect& workArea);

// Top-left corner that centres a window of the given size on the full screen (halves rounded
// toward zero).
platform::Point CentreOnScreen(platform::Size window, platform::Size fullScreen);

// The version box stands at the main window's corner that faces the middle of the screen.
platform::Point AboutBoxPosition(const platform::Rect& mainWindow, platform::Size box,
                                 platform::Size fullScreen);

// Client size that fits the editor's text: at least 430 x 250, wide enough for the left pane,
// the widest line and 44 pixels, high enough for the lines, the bars and 44 pixels.
struct FormSizeInput {
  int WidestLine = 0;      // pixels, editor font; 0 for an empty editor
  int LineHeight = 0;      // pixels, the main window's own font
  int LineCount = 0;
  int LeftPanelWidth = 0;
  int CoolBarHeight = 0;
  int OutputMemoHeight = 0;
  int StatusBarHeight = 0;
};
platform::Size FittedClientSize(const FormSizeInput& in);

}  // namespace quillpad
