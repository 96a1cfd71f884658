// TMainForm as the host of its desktop memos: the settings they read and the editing, deleting
// and moving they ask of the main window.
#include <algorithm>

#include "app/main_form.h"
#include "app/window_placement.h"
#include "base/app_error.h"
#include "base/text.h"
#include "memo/memo_form.h"
#include "memo/memo_menu.h"

namespace quillpad {

MemoHostSettings TMainForm::MemoSettings() const {
  MemoHostSettings s;
  s.iMemoDblClick = iMemoDblClick;
  s.iDragDrop = iDragDrop;
  s.iDefaultWidth = iDefaultWidth;
  s.iDefaultHeight = iDefaultHeight;
  s.bShowMemoAsHint = bShowMemoAsHint;
  s.bSkipCheckDelete = bSkipCheckDelete;
  s.bSendURLonDblClk = bSendURLonDblClk;
  s.bReadOnly = bReadOnly;
  s.asTextDir = asTextDir;
  s.asLogFile = asLogFile;
  s.WorkDir = WorkDir;
  s.ProgramDir = ProgramDir;
  s.asViewer = asViewer;
  s.asBitmapDir = asBitmapDir;
  s.JpegDir = JpegDir;
  s.TextFileName = EditFileName;
  s.CurrentCategory = iCurMemoFile;
  s.CategoryCaptions[0] = asMemoFile0;
  s.CategoryCaptions[1] = asMemoFile1;
  s.CategoryCaptions[2] = asMemoFile2;
  s.WorkArea = WorkArea;
  s.FullScreen = FullScreen;
  return s;
}

void TMainForm::SetTextDir(const std::string& folder) {
  asTextDir = folder;
}
void TMainForm::SetLogFile(const std::string& fileName) {
  asLogFile = fileName;
}
const std::vector<TMemoForm*>& TMainForm::Memos() const {
  return MemoList;
}

const std::map<std::string, std::string>& TMainForm::MemoKeyList() {
  if (!MemoKeys) {
    MemoKeys.emplace();
    const std::string path = ProgramPath(FileNames::kKeyListOnMemo);
    if (system_.Files().FileExists(path)) {
      platform::Profile keys(system_.Files(), path);
      // A value no key text can hold marks a name the file does not have.
      const std::string absent = "\x01";
      for (const MemoMenuRow& row : MemoMenuRows()) {
        const std::string text = keys.ReadString("Key", row.Name, absent);
        if (text != absent) (*MemoKeys)[row.Name] = text;
      }
    }
  }
  return *MemoKeys;
}

bool TMainForm::ChooseFont(FontSpec& font) {
  platform::FontSpec chosen = ToPlatformFont(font);
  if (!system_.PickFont(chosen)) return false;
  font = FromPlatformFont(chosen);
  return true;
}

bool TMainForm::ChooseColor(ColorValue& color) {
  auto chosen = static_cast<platform::Color>(color);
  if (!system_.PickColor(chosen, MemoCustomColors)) return false;
  color = static_cast<ColorValue>(chosen);
  // The last chosen colour is offered again next time.
  WriteOwnFile(ProgramPath(FileNames::kMemoColor), WriteMemoColorFile(color));
  return true;
}

// The edit style takes the memo's: border and background marks, font, colour.
void TMainForm::TakeStyleOf(const TMemoForm* memo) {
  const MemoRecord record = memo->Record();
  Item("ShowBorder")->SetChecked(record.BorderStyle == MemoBorder::SizeToolWin);
  Button("ShowBorderBtn")->SetDown(Item("ShowBorder")->Checked());
  const char* mode = memo->Marquee()                        ? "BgMarquee"
                     : record.Kind == MemoKind::mkWallpaper ? "BgErase"
                     : record.Kind == MemoKind::mkGradation ? "BgGradation"
                                                            : "BgNormal";
  Item(mode)->SetChecked(true);
  FontDialog1Font = ToPlatformFont(record.Font);
  ColorDialog1Color = static_cast<platform::Color>(record.Color);
}

void TMainForm::LoadMemoIntoEditor(TMemoForm* memo) {
  CurrentMemo = memo;
  Hide();
  RichEdit1->Clear();
  TakeStyleIntoEditor(memo);
  RichEdit1->SetText(memo->MemoText());
}

void TMainForm::TakeStyleIntoEditor(TMemoForm* memo) {
  TakeStyleOf(memo);
  RichEdit1->SetFont(FontDialog1Font);
  RichEdit1->SetColor(ColorDialog1Color);
}

void TMainForm::EditMemo(TMemoForm* memo) {
  if (!AskSaveEditorText()) return;
  OpenMemoInEditor(memo);
}

void TMainForm::OpenMemoInEditor(TMemoForm* memo) {
  // A picture has no text to edit.
  if (memo->Kind() == MemoKind::mkImage) return;
  LoadMemoIntoEditor(memo);
  const auto it = std::find(MemoList.begin(), MemoList.end(), memo);
  const int n = static_cast<int>(it - MemoList.begin()) + 1;
  SetBounds(memo->Left(), memo->Top(), Width(), Height());
  EditorLayout();
  SetFormSizeClick(nullptr);
  SetEditFile(FileNames::kMemoText, CurMemoFileDisplayName + " ： メモ #" + IntToStr(n) + "/" +
                                        IntToStr(MemoCount()) + " 編集中...");
  Show();
  SetForeground();
  SetEditorModified(false);
  RichEdit1->SetFocus();
}

bool TMainForm::ChangeMemo(TMemoForm* memo, const MemoEdit& change,
                           const std::function<bool(MemoEdit&)>& choose) {
  if (!AskSaveEditorText()) return false;
  LoadMemoIntoEditor(memo);
  MemoEdit edit = change;
  if (choose && !choose(edit)) {
    RichEdit1->Clear();
    SetEditorModified(false);
    CurrentMemo = nullptr;
    return false;
  }
  if (edit.DefaultStyle) LoadDefaultStyle();
  if (edit.Text) RichEdit1->SetText(*edit.Text);
  if (edit.Font) {
    FontDialog1Font = ToPlatformFont(*edit.Font);
    RichEdit1->SetFont(FontDialog1Font);
  }
  if (edit.Color) {
    ColorDialog1Color = static_cast<platform::Color>(*edit.Color);
    RichEdit1->SetColor(ColorDialog1Color);
  }
  const bool defaultSize = bDefaultSize;
  if (edit.AutoSize) bDefaultSize = false;
  try {
    ShowMemoClick(nullptr);
  } catch (...) {
    bDefaultSize = defaultSize;
    throw;
  }
  bDefaultSize = defaultSize;
  return true;
}

TMemoForm* TMainForm::NewMemoAfter(TMemoForm* memo, const std::string& text) {
  // Blanks would store nothing and leave an empty window in the list.
  if (Trim(text).empty() || !AskSaveEditorText()) return nullptr;
  LoadMemoIntoEditor(memo);
  RichEdit1->SetText(text);
  TMemoForm* added = InsertCopyAfter(memo);
  CurrentMemo = added;
  ShowMemoClick(nullptr);
  return added;
}

TMemoForm* TMainForm::InsertCopyAfter(TMemoForm* memo) {
  TMemoForm* added = CreateMemo();
  const auto it = std::find(MemoList.begin(), MemoList.end(), memo);
  MemoList.insert(it == MemoList.end() ? it : it + 1, added);
  // A fresh memo, down and left of this one: its style comes through the editor with its
  // content, so it does not inherit stay-on-top, a fixed position or a picture's kind.
  MemoRecord record = added->Record();
  record.Left = memo->Left() - 20;
  record.Top = memo->Top() + 20;
  added->SetRecord(record);
  return added;
}

TMemoForm* TMainForm::DuplicateMemo(TMemoForm* memo) {
  const int width = memo->Width();
  const int height = memo->Height();
  TMemoForm* copy = NewMemoAfter(memo, memo->MemoText());
  if (copy) copy->SetBounds(copy->Left(), copy->Top(), width, height);
  return copy;
}

void TMainForm::SetDefaultStyleFrom(TMemoForm* memo) {
  Hide();
  TakeStyleOf(memo);
  SaveDefaultStyle();
}

void TMainForm::ClampMemo(TMemoForm* memo) {
  memo->SetBoundsRect(quillpad::ClampToWorkArea(memo->BoundsRect(), WorkArea));
}

bool TMainForm::OpenFileAsMemo(const std::string& path) {
  std::string text;
  if (!system_.Files().ReadFile(path, text)) {
    system_.MessageBox(path + "を開くことに失敗しました。", application_.Title, platform::MbOk);
    return false;
  }
  if (!AskSaveEditorText()) return false;
  LoadDefaultStyle();
  RichEdit1->SetText(text);
  CurrentMemo = nullptr;
  ShowMemoClick(nullptr);
  return true;
}

void TMainForm::NewMemo() {
  NewMemoClick(nullptr);
}
void TMainForm::OpenTextAsMemo() { TextOpenAndShowClick(nullptr); }
void TMainForm::ClipNewMemoAtStart() { ClipNewMemoAtStartClick(nullptr); }
void TMainForm::ClipNewMemoAtEnd() { ClipNewMemoAtEndClick(nullptr); }
void TMainForm::ListAllMemos() {
  ListAllMemoClick(nullptr);
  Show();
}
void TMainForm::ShowCalendar() { ShowCalendarClick(nullptr); }
void TMainForm::ShowAllMemos() {
  ShowAllMemoClick(nullptr);
}
void TMainForm::HideAllMemos() {
  HideAllMemoClick(nullptr);
}

void TMainForm::RequestExit() {
  ExitRequested = true;
  IdleDone = false;
}

}  // namespace quillpad
