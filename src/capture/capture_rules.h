// The arithmetic of screen capture, apart from any window: the rectangle a drag chose, a
// window cut to the desktop, where the picture memo goes, the countdown's text and the end of
// the icon loop.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/date_time.h"
#include "platform/types.h"

namespace quillpad {

// The rectangle between two corners of a drag, whichever way it went.
platform::Rect OrderCorners(platform::Point a, platform::Point b);

// The part of a window's rectangle that lies on the desktop; empty (zero or negative width or
// height) when none does.
platform::Rect CutToDesktop(const platform::Rect& window, const platform::Rect& desktop);
bool IsEmptyCapture(const platform::Rect& r);

// A capture's memo lies over the spot it shows: its top-left corner 3 pixels in.
platform::Point CaptureMemoPlace(const platform::Rect& captured);

// The part of the selection inside a picture (a BMP file image) as a 24-bit BMP; empty when no
// part is inside or the picture is unsound.
std::string CutPicture(std::string_view bmpFile, const platform::Rect& r);

// The timer dialog's delay: its text as a whole number of seconds, 0 when it is none; the
// arrow control's range (0 to 100) bounds it.
inline constexpr int kMaxCaptureDelay = 100;
int CaptureDelaySeconds(std::string_view text);
// The arrow control's step from the edit's text: one up or down, within the range, no wrap.
int StepCaptureDelay(std::string_view text, int step);

// The whole seconds left until the deadline (never negative).
int RemainingSeconds(DateTime deadline, DateTime now);
std::string CountdownText(int seconds);

// What the system's icon extraction answers: 0 when the file has no icon at that index, 1 when
// it is no module or icon file at all; anything else is an icon.
inline bool IsIcon(std::uintptr_t value) {
  return value > 1;
}

}  // namespace quillpad
