// TMainForm: the calculator pad it owns (at most one), and what the pads ask of it.
#include "app/main_form.h"
#include "calc/calculator_dlg.h"

namespace quillpad {

platform::Size TMainForm::PadScreenExtent() const {
  // The work area's far edges: a pad stays clear of the task bar.
  return {WorkArea.Right, WorkArea.Bottom};
}

void TMainForm::CalculatorShown(bool shown) {
  Button("ShowCalculatorBtn")->SetDown(shown);
  // A pad closed from its title bar stays hidden until the idle turn destroys it.
  if (!shown) IdleDone = false;
}

void TMainForm::DestroyCalculator() {
  if (!CalculatorDlg) return;
  TCalculatorDlg* pad = CalculatorDlg;
  CalculatorDlg = nullptr;
  if (pad->Visible()) pad->Close();
  delete pad;
  Button("ShowCalculatorBtn")->SetDown(false);
}

void TMainForm::DockCalculator() {
  if (!CalculatorDlg) return;
  CalculatorDlg->SetBounds(Left() + Width(), Top(), CalculatorDlg->Width(),
                           CalculatorDlg->Height());
}

void TMainForm::ShowCalculatorClick(ui::Component*) {
  IdleDone = false;
  if (CalculatorDlg) {
    // Shown, or closed from its title bar and not yet swept: either way it goes, and no new
    // one comes.
    DestroyCalculator();
    RichEdit1->SetFocus();
    return;
  }
  SetFormSizeClick(nullptr);
  if (!Visible()) {
    CentreOnScreen();
    Show();
    LoadDefaultStyle();
  }
  CalculatorDlg = new TCalculatorDlg(this, *this);
  if (!Item("ShowBasicToolBar")->Checked()) ShowBasicToolBarClick(nullptr);
  if (!Item("ShowEditorToolBar")->Checked()) ShowEditorToolBarClick(nullptr);
  if (Item("ShowLeftPanel")->Checked()) ShowLeftPanelClick(nullptr);
  if (!Item("ShowOutputMemo")->Checked()) ShowOutputMemoClick(nullptr);
  DockCalculator();
  CalculatorDlg->Show();
  SetForeground();
  CalculatorDlg->SetForeground();
  RichEdit1->SetFocus();
}

}  // namespace quillpad
