// TImageViewForm: the borderless preview beside a picture file dialog. It shows one picture at
// its own size; a click on it hides the window.
#pragma once

#include <string>

#include "ui/form.h"
#include "ui/std_controls.h"

namespace quillpad {

class TImageViewForm : public ui::Form {
 public:
  explicit TImageViewForm(ui::Component* owner);

  ui::PaintBox* Image1;
  // A BMP file image, drawn at the client's top left.
  void SetPicture(std::string bmp);
  const std::string& Picture() const { return picture_; }

 private:
  std::string picture_;
};

}  // namespace quillpad
