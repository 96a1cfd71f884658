// TMainForm: the clipboard history window it owns (at most one) and what that window asks of it.
#include "app/main_form.h"
#include "app/window_placement.h"
#include "clipboard/clipboard_form.h"

namespace quillpad {

platform::Rect TMainForm::ClampClipboardBounds(const platform::Rect& bounds) const {
  return quillpad::ClampToWorkArea(bounds, WorkArea);
}

void TMainForm::CreateClipboardViewer() {
  ClipboardForm = new TClipboardForm(this, *this, system_);
  ClipboardForm->Show();
}

void TMainForm::DestroyClipboardViewer() {
  if (!ClipboardForm) return;
  TClipboardForm* form = ClipboardForm;
  ClipboardForm = nullptr;
  // Forgotten first: a failed save reaches the error box, and the window still goes.
  struct Deleter {
    TClipboardForm* form;
    ~Deleter() { delete form; }
  } deleter{form};
  if (form->Tag >= 0) form->Close();
}

void TMainForm::RefreshClipboardMarks() {
  const bool shown = ClipboardForm != nullptr;
  Item("ShowClipboardViewer")->SetChecked(shown);
  Item("ShowClipboardViewer1")->SetChecked(shown);
  Button("ShowClipboardViewerBtn")->SetDown(shown);
}

void TMainForm::ShowClipboardViewerClick(ui::Component*) {
  IdleDone = false;
  if (ClipboardForm) {
    DestroyClipboardViewer();
  } else {
    CreateClipboardViewer();
  }
  RefreshClipboardMarks();
}

bool TMainForm::EditLinesAsNewMemo(const std::vector<std::string>& lines) {
  NewMemoClick(nullptr);
  // The user kept the unsaved editor text: nothing goes into it.
  if (!RichEdit1->Text().empty()) return false;
  RichEdit1->SetLines(lines);
  SetEditorModified(true);
  return true;
}

void TMainForm::OpenOptionsFromClipboard() {
  // The options dialog is the menu item's command, whatever it is wired to.
  Item("SetOption")->Click();
}

}  // namespace quillpad
