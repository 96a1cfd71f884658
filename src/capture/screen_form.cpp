#include "capture/screen_form.h"

#include "capture/capture_rules.h"

namespace quillpad {

TScreenForm::TScreenForm(ui::Component* owner, CaptureHost& host, platform::System& system)
    : ui::Form(owner), host_(host), system_(system) {
  Name = "ScreenForm";
  SetBorderStyle(platform::BorderStyle::None);
  SetToolWindowExStyle(true);
  SetStayOnTop(true);
  const platform::Size screen = system_.ScreenSize();
  SetBounds(0, 0, screen.Width, screen.Height);
  DesktopImage = new ui::PaintBox(this, this);
  DesktopImage->Name = "DesktopImage";
  DesktopImage->SetAlign(ui::Align::Client);
  DesktopImage->SetCursor(platform::CursorKind::Cross);
  DesktopImage->OnPaint = [this](platform::Canvas& canvas) { DesktopImagePaint(canvas); };
  DesktopImage->OnMouseDown = [this](platform::MouseButton b, unsigned, int x, int y) {
    DesktopImageMouseDown(b, DesktopImage->ClientToScreen({x, y}));
  };
  DesktopImage->OnMouseMove = [this](unsigned, int x, int y) {
    DesktopImageMouseMove(DesktopImage->ClientToScreen({x, y}));
  };
  DesktopImage->OnMouseUp = [this](platform::MouseButton b, unsigned, int x, int y) {
    DesktopImageMouseUp(b, DesktopImage->ClientToScreen({x, y}));
  };

  // The screen goes through the clipboard, as every capture does; when another program holds
  // the clipboard, whatever picture is already there is shown instead.
  platform::Clipboard& clipboard = system_.GetClipboard();
  clipboard.SetDevicePicture(system_.GetScreen().Picture({0, 0, screen.Width, screen.Height}));
  platform::ClipboardPicture held;
  if (clipboard.GetPicture(held)) Picture = std::move(held.Bmp);
}

void TScreenForm::DesktopImagePaint(platform::Canvas& canvas) {
  if (!Picture.empty()) {
    const std::optional<BmpInfo> info = ReadBmpInfo(Picture);
    if (info) canvas.DrawBitmap({0, 0, info->Width, info->Height}, Picture);
  }
  if (Selecting) canvas.InvertFrame(OrderCorners(StartPoint, EndPoint));
}

void TScreenForm::DesktopImageMouseDown(platform::MouseButton button, platform::Point screen) {
  if (button != platform::MouseButton::Left) return;
  StartPoint = EndPoint = screen;
  Selecting = true;
  DesktopImage->Invalidate();
}

void TScreenForm::DesktopImageMouseMove(platform::Point screen) {
  if (!Selecting) return;
  EndPoint = screen;
  DesktopImage->Invalidate();
}

void TScreenForm::DesktopImageMouseUp(platform::MouseButton button, platform::Point screen) {
  if (button != platform::MouseButton::Left || !Selecting) return;
  Selecting = false;
  EndPoint = screen;
  DesktopImage->Invalidate();
  platform::Rect r = OrderCorners(StartPoint, EndPoint);
  // The picture may be smaller than the screen (another program's, from a held clipboard).
  if (const std::optional<BmpInfo> info = ReadBmpInfo(Picture))
    r = CutToDesktop(r, {0, 0, info->Width, info->Height});
  // A click without a drag chooses nothing: the form closes without a memo, which is also the
  // user's way out of the frozen screen.
  const std::string cut = CutPicture(Picture, r);
  if (!cut.empty() && system_.GetClipboard().SetDevicePicture(cut))
    host_.ClipboardToNewMemo(CaptureMemoPlace(r), false);
  SetModalResult(ui::MrOk);
}

}  // namespace quillpad
