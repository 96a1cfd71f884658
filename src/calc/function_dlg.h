// TFunctionDlg: the function pad, glued to the right of the calculator pad with the bottom
// edges aligned. Its buttons put a function call around the editor's selection.
#pragma once

#include "ui/form.h"
#include "ui/std_controls.h"

namespace quillpad {

class TCalculatorDlg;

class TFunctionDlg : public ui::Form {
 public:
  static constexpr int kButtonWidth = 42;

  // Owned by the calculator pad.
  explicit TFunctionDlg(TCalculatorDlg& calculator);

  ui::Panel* ToolBar1 = nullptr;
  void FormShow();
  void FuncBtn1Click(ui::Button& sender);
  ui::Button* Key(const std::string& caption) const;

 private:
  TCalculatorDlg& calculator_;
};

}  // namespace quillpad
