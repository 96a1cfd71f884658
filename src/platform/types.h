// Plain values shared by the platform interfaces.
#pragma once

#include <cstdint>
#include <string>

namespace quillpad::platform {

struct Point {
  int X = 0;
  int Y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int Width = 0;
  int Height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// 0x00BBGGRR; system colours carry 0x80 in the high byte and the system colour index below.
using Color = std::uint32_t;

// Message box flags and answers carry the values of the Windows constants they stand for.
enum MessageBoxFlags : unsigned {
  MbOk = 0x0,
  MbOkCancel = 0x1,
  MbYesNoCancel = 0x3,
  MbYesNo = 0x4,
  MbIconError = 0x10,
  MbIconQuestion = 0x20,
  MbIconWarning = 0x30,
  MbIconInformation = 0x40,
};

enum MessageBoxResult : int {
  IdOk = 1,
  IdCancel = 2,
  IdYes = 6,
  IdNo = 7,
};

enum class MouseButton { Left, Right, Middle };

}  // namespace quillpad::platform
