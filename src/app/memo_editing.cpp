// TMainForm: starting, keeping and discarding the editor's memo text.
#include "app/main_form.h"
#include "base/text.h"

namespace quillpad {

bool TMainForm::AskSaveEditorText() {
  if (bSkipCheckFileSave) SetEditorModified(false);
  if (!RichEdit1->Modified()) return true;
  Show();
  const int answer = system_.MessageBox("編集中のメモが保存されていません。\n新規デスクトップメモととして保存しますか？",
                                        application_.Title, platform::MbYesNoCancel | platform::MbIconQuestion);
  if (answer == platform::IdYes) {
    ShowNewMemoClick(nullptr);
    return true;
  }
  return answer == platform::IdNo;
}

void TMainForm::NewMemoClick(ui::Component*) {
  if (!AskSaveEditorText()) return;
  RichEdit1->Clear();
  OutputMemo->Clear();
  SetEditFile(FileNames::kMemoText, NewMemoCaption());
  LoadDefaultStyle();
  EditorLayout();
  SetFormSizeClick(nullptr);
  if (!Visible()) {
    CentreOnScreen();
    Show();
  }
  SetForeground();
  SetEditorModified(false);
  RichEdit1->SetFocus();
}

void TMainForm::ShowNewMemoClick(ui::Component*) {
  // Storing the editor as a desktop memo arrives with the memo windows; until then the text
  // stays in the editor.
}

void TMainForm::MemoFile0Click(ui::Component* sender) {
  auto* item = dynamic_cast<ui::MenuItem*>(sender);
  if (!item || !AskSaveEditorText()) return;
  RichEdit1->Clear();
  Hide();
  if (!item->Checked()) {
    item->SetChecked(true);
    iCurMemoFile = item->Tag;
    CurMemoFileName = FileNames::kMemoFiles[iCurMemoFile];
    CurMemoFileDisplayName = item->Caption();
  }
  SetEditFile(FileNames::kMemoText, NewMemoCaption());
  RefreshTrayTip();
}

void TMainForm::ShowAllMemoClick(ui::Component*) { bShowMemo = true; }
void TMainForm::HideAllMemoClick(ui::Component*) { bShowMemo = false; }

}  // namespace quillpad
