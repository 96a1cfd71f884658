// TMainForm: the editor as a calculation sheet, and the editor's clipboard and undo commands.
#include "app/main_form.h"
#include "calc/line_calculation.h"

namespace quillpad {

void TMainForm::RichEdit1Change() {
  // An evaluator error leaves here before anything changed: the pane, the status bar and the
  // modified mark keep their state, and the message loop shows the error.
  const SheetResult result = CalculateSheet(Calculator, RichEdit1->Lines(), bSeparateNumber);
  if (!result.Evaluated) {
    OutputMemo->Clear();
    return;
  }
  StatusBar1->SetPanelText(1, result.Message);
  OutputMemo->SetText(result.OutputText);
  SetEditorModified(true);
}

void TMainForm::RichEdit1SelectionChange() { ShowCaretPosition(); }

void TMainForm::Copy1Click(ui::Component*) {
  OutputMemo->SelectAll();
  OutputMemo->CopyToClipboard();
}

void TMainForm::CopyWithResultClick(ui::Component*) {
  system_.GetClipboard().SetText(RichEdit1->Text() + "\r\n=" + OutputMemo->Text());
}

void TMainForm::TextUndoClick(ui::Component*) { RichEdit1->Undo(); }
void TMainForm::TextCutClick(ui::Component*) { RichEdit1->CutToClipboard(); }
void TMainForm::TextCopyClick(ui::Component*) { RichEdit1->CopyToClipboard(); }

void TMainForm::TextPasteClick(ui::Component*) {
  // Plain text only, whatever else the clipboard holds.
  platform::Clipboard& clipboard = system_.GetClipboard();
  if (clipboard.HasText()) RichEdit1->SetSelText(clipboard.GetText());
}

void TMainForm::TextSelectAllClick(ui::Component*) { RichEdit1->SelectAll(); }

}  // namespace quillpad
