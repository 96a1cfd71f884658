// TMainForm: arranging all memos and sizing them in bulk. The arithmetic is
// memo/arrangement; here the memo windows are fed to it and moved.
#include "app/main_form.h"
#include "app/window_placement.h"
#include "memo/arrangement.h"
#include "memo/memo_form.h"

namespace quillpad {

void TMainForm::RightJustifyClick(ui::Component*) {
  ArrangeMemos(ArrangeKind::RightJustify);
}
void TMainForm::RightTileJustifyClick(ui::Component*) {
  ArrangeMemos(ArrangeKind::RightTile);
}
void TMainForm::LeftJustifyClick(ui::Component*) {
  ArrangeMemos(ArrangeKind::LeftJustify);
}
void TMainForm::LeftTileJustifyClick(ui::Component*) {
  ArrangeMemos(ArrangeKind::LeftTile);
}

void TMainForm::ArrangeMemos(ArrangeKind kind) {
  // The screen may have changed since the start (resolution, task bar).
  RefreshWorkArea();
  // Memos already closed for deletion are gone once the idle sweep runs: they hold no place.
  std::vector<TMemoForm*> memos;
  std::vector<ArrangeMemo> rects;
  memos.reserve(MemoList.size());
  rects.reserve(MemoList.size());
  for (TMemoForm* memo : MemoList) {
    if (memo->DeletedFlag) continue;
    memos.push_back(memo);
    rects.push_back({memo->BoundsRect(), memo->PositionFixed()});
  }
  const std::vector<ArrangePlacement> placed =
      quillpad::ArrangeMemos(kind, rects, {WorkArea, FullScreen}, bUseStartMemo);
  for (const ArrangePlacement& p : placed) {
    TMemoForm* memo = memos[p.Index];
    memo->SetBounds(p.TopLeft.X, p.TopLeft.Y, memo->Width(), memo->Height());
    memo->BringToFront();
    ClampMemo(memo);
  }
}

void TMainForm::ArrangeAfterChange() {
  if (const std::optional<ArrangeKind> kind = ArrangementOf(iAfterSizeChange)) ArrangeMemos(*kind);
}

bool TMainForm::LastBulkSizeDefault() const {
  return Item("SetDefaultSize")->Tag != 0;
}

void TMainForm::SetLastBulkSizeDefault(bool isDefault) {
  Item("SetDefaultSize")->Tag = isDefault ? 1 : 0;
}

void TMainForm::SetDefaultSizeClick(ui::Component*) {
  for (TMemoForm* memo : MemoList) {
    if (memo->Kind() == MemoKind::mkImage || memo->PositionFixed()) continue;
    memo->SetClientSize(iDefaultWidth, iDefaultHeight);
  }
  SetLastBulkSizeDefault(true);
  ArrangeAfterChange();
}

void TMainForm::SetAutoSizeClick(ui::Component*) {
  if (!AskSaveEditorText()) return;
  TMemoForm* const current = CurrentMemo;
  const bool defaultSize = bDefaultSize;
  // Every memo passes through the editor; the editor's own style for the next new memo comes
  // back afterwards.
  const platform::FontSpec font = FontDialog1Font;
  const platform::Color color = ColorDialog1Color;
  const bool border = Item("ShowBorder")->Checked();
  const char* mode = nullptr;
  for (const char* name : {"BgNormal", "BgErase", "BgGradation", "BgMarquee"}) {
    if (Item(name)->Checked()) mode = name;
  }
  auto restore = [&] {
    RichEdit1->Clear();
    SetEditFile(FileNames::kMemoText, NewMemoCaption());
    SetEditorModified(false);
    bDefaultSize = defaultSize;
    CurrentMemo = current;
    FontDialog1Font = font;
    ColorDialog1Color = color;
    RichEdit1->SetFont(FontDialog1Font);
    RichEdit1->SetColor(ColorDialog1Color);
    Item("ShowBorder")->SetChecked(border);
    Button("ShowBorderBtn")->SetDown(border);
    if (mode) Item(mode)->SetChecked(true);
  };
  bDefaultSize = false;
  try {
    // Storing never adds or removes memos here, so the list can be walked as it stands.
    for (TMemoForm* memo : MemoList) {
      if (memo->DeletedFlag || memo->Kind() == MemoKind::mkImage || memo->PositionFixed()) continue;
      LoadMemoIntoEditor(memo);
      WriteEditorToMemo();
      memo->Show();
    }
  } catch (...) {
    restore();
    throw;
  }
  restore();
  SetLastBulkSizeDefault(false);
  ArrangeAfterChange();
}

}  // namespace quillpad
