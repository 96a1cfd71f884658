#include "app/window_placement.h"

namespace quillpad {

using platform::Point;
using platform::Rect;
using platform::Size;

Rect ClampToWorkArea(const Rect& window, const Rect& workArea) {
  Rect r = window;
  auto moveTo = [&r](int left, int top) {
    const int w = r.Width();
    const int h = r.Height();
    r = Rect{left, top, left + w, top + h};
  };
  if (r.Bottom > workArea.Bottom) moveTo(r.Left, workArea.Bottom - r.Height());
  if (r.Right > workArea.Right) moveTo(workArea.Right - r.Width(), r.Top);
  if (r.Left < workArea.Left) moveTo(workArea.Left, r.Top);
  if (r.Top < workArea.Top) moveTo(r.Left, workArea.Top);
  return r;
}

Point CentreOnScreen(Size window, Size fullScreen) {
  return Point{fullScreen.Width / 2 - window.Width / 2, fullScreen.Height / 2 - window.Height / 2};
}

Point AboutBoxPosition(const Rect& main, Size box, Size fullScreen) {
  const int top = main.Top < fullScreen.Height / 2 ? main.Top : main.Bottom - box.Height;
  const int left = main.Left < fullScreen.Width / 2 ? main.Left : main.Right - box.Width;
  return Point{left, top};
}

Size FittedClientSize(const FormSizeInput& in) {
  Size size{430, 250};
  const int width = in.LeftPanelWidth + in.WidestLine + 44;
  if (size.Width < width) size.Width = width;
  const int height =
      in.LineHeight * in.LineCount + in.CoolBarHeight + in.OutputMemoHeight + in.StatusBarHeight + 44;
  if (size.Height < height) size.Height = height;
  return size;
}

}  // namespace quillpad
