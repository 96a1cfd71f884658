// TMainForm: stepping through the memos, listing them, and the editor's style.
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
  // An overwrite would otherwise put every memo's text into the one being edited.
  CurrentMemo = nullptr;
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
  WriteOwnFile(ProgramPath(FileNames::kMemoColor), WriteMemoColorFile(static_cast<ColorValue>(color)));
}

void TMainForm::ShowBorderClick(ui::Component*) {
  ui::MenuItem* item = Item("ShowBorder");
  item->SetChecked(!item->Checked());
  Button("ShowBorderBtn")->SetDown(item->Checked());
}

}  // namespace quillpad
