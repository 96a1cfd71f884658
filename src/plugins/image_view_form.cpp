#include "plugins/image_view_form.h"

#include "base/bmp_image.h"

namespace quillpad {

TImageViewForm::TImageViewForm(ui::Component* owner) : ui::Form(owner) {
  Name = "ImageViewForm";
  SetCaption("イメージビューア");
  SetBorderStyle(platform::BorderStyle::None);
  SetToolWindowExStyle(true);
  // Coming up beside the dialog, it leaves the dialog's title bar lit.
  SetShowInactive(true);
  Image1 = new ui::PaintBox(this, this);
  Image1->Name = "Image1";
  Image1->SetAlign(ui::Align::Client);
  Image1->OnPaint = [this](platform::Canvas& canvas) {
    if (const auto info = ReadBmpInfo(picture_))
      canvas.DrawBitmap({0, 0, info->Width, info->Height}, picture_);
  };
  Image1->OnMouseUp = [this](platform::MouseButton button, unsigned, int, int) {
    if (button == platform::MouseButton::Left) Hide();
  };
}

void TImageViewForm::SetPicture(std::string bmp) {
  picture_ = std::move(bmp);
  Image1->Invalidate();
}

}  // namespace quillpad
