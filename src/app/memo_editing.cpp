// TMainForm: starting, keeping and discarding the editor's memo text.
#include <algorithm>

#include "app/main_form.h"
#include "app/window_placement.h"
#include "base/text.h"
#include "memo/memo_form.h"

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
  CurrentMemo = nullptr;
  if (!Visible()) {
    CentreOnScreen();
    Show();
  }
  SetForeground();
  SetEditorModified(false);
  RichEdit1->SetFocus();
}

void TMainForm::ShowNewMemoClick(ui::Component*) {
  CurrentMemo = nullptr;
  ShowMemoClick(nullptr);
}

void TMainForm::ShowMemoClick(ui::Component*) {
  WriteEditorToMemo();
  if (CurrentMemo) CurrentMemo->Show();
  RichEdit1->Clear();
  SetEditFile(FileNames::kMemoText, NewMemoCaption());
  SetEditorModified(false);
  CurrentMemo = nullptr;
  MainFormHideClick(nullptr);
  RefreshTrayTip();
  // Saving re-creates every memo window, and a memo's own command may be what runs now: the
  // idle turn saves once the command has returned.
  if (bSaveMemoAtEdit) {
    SaveAllPending = true;
    IdleDone = false;
  }
}

void TMainForm::WriteEditorToMemo() {
  const std::string text = RichEdit1->Text();
  if (Trim(text).empty()) {
    // Blanks only: no memo is made or changed.
    SetEditorModified(false);
    CurrentMemo = nullptr;
    MainFormHideClick(nullptr);
    return;
  }
  const bool isNew = CurrentMemo == nullptr;
  if (isNew) {
    CurrentMemo = CreateMemo();
    MemoList.push_back(CurrentMemo);
  }
  MemoRecord memo = CurrentMemo->Record();
  memo.Color = static_cast<ColorValue>(ColorDialog1Color);
  memo.Font = FromPlatformFont(FontDialog1Font);
  memo.ParentFont = false;
  memo.BorderStyle = Item("ShowBorder")->Checked() ? MemoBorder::SizeToolWin : MemoBorder::None;
  memo.LabelLeft = 4;
  memo.LabelTop = 4;
  memo.Text = text;
  if (const std::optional<MemoKind> kind = CheckedBackground()) memo.Kind = *kind;
  if (bDefaultSize) {
    memo.ClientWidth = iDefaultWidth;
    memo.ClientHeight = iDefaultHeight;
  } else {
    platform::WindowSystem& windows = system_.Windows();
    const std::vector<std::string> lines = RichEdit1->Lines();
    int w = 0;
    for (const std::string& line : lines) w = std::max(w, windows.TextExtent(line, FontDialog1Font).Width);
    const int h = windows.TextExtent("A", FontDialog1Font).Height;
    const int n = static_cast<int>(lines.size());
    if (FullScreen.Width < w + 4) w = FullScreen.Width - 16;
    memo.ClientWidth = w + 8;
    memo.ClientHeight = (FullScreen.Height < h * n + 4 ? FullScreen.Height - 16 : h * n) + 8;
  }
  memo.StampText = NowText();
  CurrentMemo->SetRecord(memo);
  // The memo's own command erases a showing memo over the wallpaper at once.
  if (memo.Kind == MemoKind::mkWallpaper && Item("BgErase")->Checked()) CurrentMemo->BgEraseClick();
  PlaceNewMemo(isNew);
}

void TMainForm::PlaceNewMemo(bool isNew) {
  TMemoForm* memo = CurrentMemo;
  if (!memo) return;
  const int count = MemoCount();
  if (isNew && count == 1) {
    memo->SetBounds(FullScreen.Width - memo->Width(), WorkArea.Top, memo->Width(), memo->Height());
  } else if (isNew && count >= 2) {
    const TMemoForm* p = MemoList[static_cast<std::size_t>(count - 2)];
    memo->SetBounds(p->Left() + p->Width() - memo->Width(), p->Top() + p->Height() + 1, memo->Width(),
                    memo->Height());
  }
  memo->SetBoundsRect(quillpad::ClampToWorkArea(memo->BoundsRect(), WorkArea));
}

void TMainForm::MemoFile0Click(ui::Component* sender) {
  auto* item = dynamic_cast<ui::MenuItem*>(sender);
  if (!item || !AskSaveEditorText()) return;
  RichEdit1->Clear();
  CurrentMemo = nullptr;
  Hide();
  if (!item->Checked()) {
    // Written first: a failed write leaves the switch undone and the memos where they are.
    SaveMemoList(CurMemoFileName);
    item->SetChecked(true);
    iCurMemoFile = item->Tag;
    CurMemoFileName = FileNames::kMemoFiles[iCurMemoFile];
    LoadMemoList(CurMemoFileName);
    CurMemoFileDisplayName = item->Caption();
  }
  SetEditFile(FileNames::kMemoText, NewMemoCaption());
  RefreshTrayTip();
}

void TMainForm::ChangeMemoFileClick(ui::Component*) {
  const int next = iCurMemoFile == 2 ? 0 : iCurMemoFile + 1;
  MemoFile0Click(Item(("MemoFile" + IntToStr(next)).c_str()));
  SetEditFile(FileNames::kMemoText, NewMemoCaption());
}

void TMainForm::ShowAllMemoClick(ui::Component*) {
  for (TMemoForm* memo : MemoList) memo->Show();
  bShowMemo = true;
}

void TMainForm::HideAllMemoClick(ui::Component*) {
  for (TMemoForm* memo : MemoList) memo->Hide();
  bShowMemo = false;
}

void TMainForm::ShowHideAllMemoClick(ui::Component*) {
  if (bShowMemo) {
    HideAllMemoClick(nullptr);
  } else {
    ShowAllMemoClick(nullptr);
  }
}

}  // namespace quillpad
