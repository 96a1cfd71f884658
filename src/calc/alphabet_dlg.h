// TAlphabetDlg: the letter pad, glued below the calculator pad: the small letters on the left
// bar, the capitals on the right one.
#pragma once

#include "ui/form.h"
#include "ui/std_controls.h"

namespace quillpad {

class TCalculatorDlg;

class TAlphabetDlg : public ui::Form {
 public:
  static constexpr int kButtonWidth = 16;

  // Owned by the calculator pad.
  explicit TAlphabetDlg(TCalculatorDlg& calculator);

  ui::Panel* ToolBar1 = nullptr;  // "a" to "z"
  ui::Panel* ToolBar2 = nullptr;  // "A" to "Z"
  void FormShow();
  void AlpabetBtn1Click(ui::Button& sender);
  ui::Button* Key(const std::string& caption) const;

 private:
  TCalculatorDlg& calculator_;
};

}  // namespace quillpad
