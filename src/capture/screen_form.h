// TScreenForm: the frozen screen for choosing a region. It covers the whole screen with the
// picture taken when it was made; a left-button drag marks the region with an inverted frame, and
// the release puts that part of the picture on the clipboard and into a new memo over the spot.
#pragma once

#include <string>

#include "capture/capture_host.h"
#include "platform/system.h"
#include "ui/form.h"
#include "ui/std_controls.h"

namespace quillpad {

class TScreenForm : public ui::Form {
 public:
  TScreenForm(ui::Component* owner, CaptureHost& host, platform::System& system);

  ui::PaintBox* DesktopImage;
  // The picture the form shows (a BMP file image): the screen, as the clipboard took it.
  std::string Picture;
  platform::Point StartPoint;
  platform::Point EndPoint;
  bool Selecting = false;

  void DesktopImageMouseDown(platform::MouseButton button, platform::Point screen);
  void DesktopImageMouseMove(platform::Point screen);
  void DesktopImageMouseUp(platform::MouseButton button, platform::Point screen);

 private:
  void DesktopImagePaint(platform::Canvas& canvas);
  CaptureHost& host_;
  platform::System& system_;
};

}  // namespace quillpad
