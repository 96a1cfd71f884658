// TMainForm: stepping through the memos, listing them, the editor's style and memos made from
// the clipboard.
#include <algorithm>

#include "app/main_form.h"
#include "base/text.h"
#include "memo/memo_form.h"

namespace quillpad {

void TMainForm::StepMemo(int direction) {
  if (MemoList.empty() || !AskSaveEditorText()) return;
  const int count = MemoCount();
  const auto current = std::find(MemoList.begin(), MemoList.end(), CurrentMemo);
  int i = current == MemoList.end() ? -1 : static_cast<int>(current - MemoList.begin());
  // One pass at most: pictures are passed over, and a list of pictures only loads nothing.
  for (int tries = 0; tries < count; ++tries) {
    if (direction > 0) {
      i = (i == -1 || i == count - 1) ? 0 : i + 1;
    } else {
      i = i == -1 ? 0 : (i == 0 ? count - 1 : i - 1);
    }
    TMemoForm* memo = MemoList[static_cast<std::size_t>(i)];
    if (memo->Kind() != MemoKind::mkImage) {
      OpenMemoInEditor(memo);
      return;
    }
  }
}

void TMainForm::EditNextMemoClick(ui::Component*) { StepMemo(+1); }
void TMainForm::EditPreviousMemoClick(ui::Component*) { StepMemo(-1); }

void TMainForm::ListAllMemoClick(ui::Component*) {
  if (!AskSaveEditorText()) return;
  SetCursor(platform::CursorKind::Wait);
  SetEditFile(FileNames::kMemoText, CurMemoFileDisplayName + "のメモ一覧");
  LoadDefaultStyle();
  EditorLayout();
  std::vector<std::string> lines;
  for (const TMemoForm* memo : MemoList) {
    if (memo->Kind() == MemoKind::mkImage) continue;
    for (std::string& line : SplitLines(memo->MemoText())) lines.push_back(std::move(line));
    lines.emplace_back();
  }
  RichEdit1->SetLines(lines);
  RichEdit1->CaretToStart();
  SetFormSizeClick(nullptr);
  if (!Visible()) CentreOnScreen();
  SetCursor(platform::CursorKind::Arrow);
}

void TMainForm::SetFontClick(ui::Component*) {
  platform::FontSpec font = FontDialog1Font;
  if (!system_.PickFont(font)) return;
  FontDialog1Font = font;
  RichEdit1->SetFont(font);
}

void TMainForm::SetColorClick(ui::Component*) {
  platform::Color color = ColorDialog1Color;
  if (!system_.PickColor(color, MemoCustomColors)) return;
  ColorDialog1Color = color;
  RichEdit1->SetColor(color);
  system_.Files().WriteFileAtomic(ProgramPath(FileNames::kMemoColor),
                                  WriteMemoColorFile(static_cast<ColorValue>(color)));
}

void TMainForm::ShowBorderClick(ui::Component*) {
  ui::MenuItem* item = Item("ShowBorder");
  item->SetChecked(!item->Checked());
  Button("ShowBorderBtn")->SetDown(item->Checked());
}

void TMainForm::PasteClipboardAsMemo(TMemoForm* target) {
  platform::Clipboard& clipboard = system_.GetClipboard();
  // Clipboard pictures become picture memos with the picture commands; until then only text.
  if (!clipboard.HasText() || !AskSaveEditorText()) return;
  RichEdit1->Clear();
  RichEdit1->SetText(clipboard.GetText());
  CurrentMemo = target;
  ShowMemoClick(nullptr);
}

void TMainForm::ClipNewMemoAtEndClick(ui::Component*) {
  LoadDefaultStyle();
  PasteClipboardAsMemo(nullptr);
  CurrentMemo = nullptr;
}

void TMainForm::ClipNewMemoAtStartClick(ui::Component*) {
  // The memo is made only when there is something to put in it: an empty clipboard or a
  // cancelled question leaves no empty memo at the front of the list.
  if (!system_.GetClipboard().HasText() || !AskSaveEditorText()) return;
  TMemoForm* memo = CreateMemo();
  MemoList.insert(MemoList.begin(), memo);
  memo->SetBounds(WorkArea.Right - memo->Width(), WorkArea.Top, memo->Width(), memo->Height());
  LoadDefaultStyle();
  SetEditorModified(false);
  PasteClipboardAsMemo(memo);
  memo->Show();
}

}  // namespace quillpad
