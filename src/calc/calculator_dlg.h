// TCalculatorDlg: the calculator pad. Its buttons type into the owner's editor; it opens and
// closes the function and letter pads, which stay glued to it.
#pragma once

#include "calc/calculator_host.h"
#include "ui/form.h"
#include "ui/std_controls.h"

namespace quillpad {

class TFunctionDlg;
class TAlphabetDlg;

class TCalculatorDlg : public ui::Form {
 public:
  static constexpr int kButtonWidth = 32;

  TCalculatorDlg(ui::Component* owner, CalculatorHost& host);
  ~TCalculatorDlg() override;

  CalculatorHost& Host() const { return host_; }
  ui::Panel* ToolBar1 = nullptr;
  TFunctionDlg* FunctionDlg = nullptr;  // owned here, null when not open
  TAlphabetDlg* AlphabetDlg = nullptr;

  void FormShow();
  void FormClose();
  // The glued pads follow every move.
  void WMMove();

  void NumberBtn1Click(ui::Button& sender);
  void BSClick();
  void CRBtnClick();
  void ClearBtnClick();
  void SelectAllBtnClick();
  void ShowFunctionBtnClick();
  void ShowAlphabetBtnClick();
  ui::Button* Key(const std::string& caption) const;

 private:
  void DestroySubPads();
  // Destroys the pad when it exists, else makes and shows it.
  template <class Pad>
  void TogglePad(Pad*& pad);
  CalculatorHost& host_;
};

}  // namespace quillpad
