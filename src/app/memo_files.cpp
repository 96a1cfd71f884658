// TMainForm: the memo list and its files, deferred removal of memos, the default style files.
#include <algorithm>

#include "app/main_form.h"
#include "app/window_placement.h"
#include "base/app_error.h"
#include "base/path.h"
#include "base/text.h"
#include "memo/memo_form.h"

namespace quillpad {

namespace {

std::vector<MemoRecord> RecordsOf(const std::vector<TMemoForm*>& memos) {
  std::vector<MemoRecord> records;
  records.reserve(memos.size());
  for (const TMemoForm* memo : memos) records.push_back(memo->Record());
  return records;
}

void DestroyAll(std::vector<TMemoForm*>& memos) {
  for (TMemoForm* memo : memos) delete memo;
  memos.clear();
}

// A damaged memo file stays readable beside the new one: "MemoData.dat.damaged", or with a
// number added when that name is taken already.
void KeepDamagedCopy(platform::FileSystem& files, const std::string& path) {
  const std::string base = path + ".damaged";
  std::string copy = base;
  for (int n = 1; files.FileExists(copy); ++n) copy = base + IntToStr(n);
  files.CopyFile(path, copy, true);
}

}  // namespace

std::string TMainForm::WorkPath(const std::string& name) const { return JoinPath(WorkDir, name); }
std::string TMainForm::ProgramPath(const std::string& name) const { return JoinPath(ProgramDir, name); }

TMemoForm* TMainForm::CreateMemo() {
  auto* memo = new TMemoForm(this, this);
  memo->Name.clear();  // many memos: the main window finds its own components by name
  return memo;
}

void TMainForm::WriteLiveMemos(const std::string& fileName) {
  if (bReadOnly) return;
  std::vector<TMemoForm*> kept;
  for (TMemoForm* memo : MemoList) {
    if (!memo->DeletedFlag) kept.push_back(memo);
  }
  const std::string path = WorkPath(fileName);
  if (!system_.Files().WriteFileAtomic(path, WriteMemoFile(RecordsOf(kept)))) {
    // The memos stay on the desktop and the old file stays whole.
    throw AppError(path + "に書き込めませんでした。");
  }
}

void TMainForm::SaveMemoList(const std::string& fileName) {
  CurrentMemo = nullptr;
  WriteLiveMemos(fileName);
  DestroyAll(MemoList);
  RefreshTrayTip();
}

void TMainForm::LoadMemoList(const std::string& fileName) {
  DestroyAll(MemoList);
  CurrentMemo = nullptr;
  platform::FileSystem& files = system_.Files();
  const std::string path = WorkPath(fileName);
  std::string bytes;
  if (files.FileExists(path) && files.ReadFile(path, bytes)) {
    const MemoFileContents contents = ReadMemoFile(bytes);
    if (contents.Partial) KeepDamagedCopy(files, path);
    for (const MemoRecord& record : contents.Records) {
      TMemoForm* memo = CreateMemo();
      memo->SetRecord(record);
      MemoList.push_back(memo);
      memo->SetBoundsRect(quillpad::ClampToWorkArea(memo->BoundsRect(), WorkArea));
      memo->SetVisible(record.Visible && bShowMemo);
    }
  }
  RefreshTrayTip();
}

void TMainForm::AppendMemoToCategory(TMemoForm* memo, int category) {
  if (category == iCurMemoFile || category < 0 || category > 2) return;
  platform::FileSystem& files = system_.Files();
  const std::string path = WorkPath(FileNames::kMemoFiles[category]);
  std::string bytes;
  if (files.FileExists(path) && !files.ReadFile(path, bytes)) {
    throw AppError(path + "を開くことに失敗しました。");
  }
  bytes += WriteMemoRecord(memo->Record());
  // The memo stays where it is unless its record reached the other file.
  if (!files.WriteFileAtomic(path, bytes)) throw AppError(path + "に書き込めませんでした。");
  MarkDeleted(memo);
}

void TMainForm::MarkDeleted(TMemoForm* memo) {
  memo->Hide();
  memo->DeletedFlag = true;
  IdleDone = false;
}

void TMainForm::IdleSweep() {
  auto deleted = [](TMemoForm* memo) { return memo->DeletedFlag; };
  for (auto it = std::find_if(MemoList.begin(), MemoList.end(), deleted); it != MemoList.end();
       it = std::find_if(MemoList.begin(), MemoList.end(), deleted)) {
    TMemoForm* memo = *it;
    MemoList.erase(it);
    if (memo == CurrentMemo) CurrentMemo = nullptr;
    try {
      delete memo;
    } catch (...) {
      // Already out of the list; a failure to destroy it is not the user's concern.
    }
  }
  RefreshTrayTip();
}

void TMainForm::SaveTemplateList() {
  if (!TemplateListLoaded) return;
  if (!system_.Files().WriteFileAtomic(ProgramPath(FileNames::kStyleTemplate), WriteMemoFile(RecordsOf(TemplateList)))) {
    throw AppError(ProgramPath(FileNames::kStyleTemplate) + "に書き込めませんでした。");
  }
  DestroyAll(TemplateList);
  TemplateListLoaded = false;
}

void TMainForm::LoadTemplateList() {
  DestroyAll(TemplateList);
  TemplateListLoaded = true;
  std::string bytes;
  if (!system_.Files().ReadFile(ProgramPath(FileNames::kStyleTemplate), bytes)) return;
  for (const MemoRecord& record : ReadMemoFile(bytes).Records) {
    TMemoForm* memo = CreateMemo();
    memo->SetRecord(record);
    memo->Hide();
    TemplateList.push_back(memo);
  }
}

void TMainForm::ReadDefaultFont() {
  std::string bytes;
  if (!system_.Files().ReadFile(ProgramPath(FileNames::kMemoFont), bytes)) return;
  FontSpec font = FromPlatformFont(FontDialog1Font);
  if (ReadMemoFontFile(bytes, font)) FontDialog1Font = ToPlatformFont(font);
}

void TMainForm::LoadDefaultStyle() {
  ReadDefaultFont();
  platform::Profile ini = Ini();
  // Each key's default is the item's present mark; the background items are radio items, so
  // the last one read as set stays marked.
  const char* const items[] = {"ShowBorder", "BgNormal", "BgErase", "BgGradation", "BgMarquee"};
  for (const char* name : items) {
    ui::MenuItem* item = Item(name);
    std::string key = "b";
    key += name;
    item->SetChecked(ini.ReadBool(kFormSection, key, item->Checked()));
  }
  Button("ShowBorderBtn")->SetDown(Item("ShowBorder")->Checked());
  ColorDialog1Color = static_cast<platform::Color>(asDefaultColor);
  RichEdit1->SetFont(FontDialog1Font);
  RichEdit1->SetColor(ColorDialog1Color);
}

void TMainForm::SaveDefaultStyle() {
  system_.Files().WriteFileAtomic(ProgramPath(FileNames::kMemoFont), WriteMemoFontFile(FromPlatformFont(FontDialog1Font)));
  CollectSettings();
  platform::Profile ini = Ini();
  SaveStyleKeys(ini, *this);
  asDefaultColor = static_cast<ColorValue>(ColorDialog1Color);
}

void TMainForm::SaveAllMemoClick(ui::Component*) {
  if (bReadOnly) {
    system_.MessageBox("読み込み専用モードです", application_.Title, platform::MbOk);
    return;
  }
  SaveMemoList(CurMemoFileName);
  LoadMemoList(CurMemoFileName);
}

}  // namespace quillpad
