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

}  // namespace

void TMainForm::WriteOwnFile(const std::string& path, const std::string& bytes) {
  platform::FileSystem& files = system_.Files();
  if (!files.WriteFileAtomic(path, bytes)) throw AppError(WriteFailureText(path));
}

std::string TMainForm::WorkPath(const std::string& name) const { return JoinPath(WorkDir, name); }
std::string TMainForm::ProgramPath(const std::string& name) const { return JoinPath(ProgramDir, name); }

TMemoForm* TMainForm::CreateMemo() {
  auto* memo = new TMemoForm(this, this);
  memo->Name.clear();  // many memos: the main window finds its own components by name
  return memo;
}

std::string TMainForm::ReadOwnedMemoFile(const std::string& path, std::vector<MemoRecord>& records) {
  platform::FileSystem& files = system_.Files();
  std::string bytes;
  const platform::FileSystem::Owned read = files.ReadOwned(path, bytes);
  if (read == platform::FileSystem::Owned::Unreadable) {
    system_.ShowError(HeldFileMessage(files, path, "を開くことに失敗しました。"));
  }
  MemoFileContents contents = ReadMemoFile(bytes);
  records = std::move(contents.Records);
  if (!contents.Partial) return bytes;
  if (read == platform::FileSystem::Owned::Whole && !KeepDamagedCopy(files, path, bytes)) {
    files.Hold(path);
    system_.ShowError(HeldFileMessage(files, path, "は壊れていて、控えを作れませんでした。"));
  }
  // Records after the damage cannot be reached: what is built on goes without it.
  return WriteMemoFile(records);
}

void TMainForm::WriteLiveMemos(const std::string& fileName) {
  if (bReadOnly) return;
  std::vector<TMemoForm*> kept;
  for (TMemoForm* memo : MemoList) {
    if (!memo->DeletedFlag) kept.push_back(memo);
  }
  // A failure keeps the memos on the desktop and the old file whole.
  WriteOwnFile(WorkPath(fileName), WriteMemoFile(RecordsOf(kept)));
}

void TMainForm::SaveMemoList(const std::string& fileName, bool write) {
  CurrentMemo = nullptr;
  if (write) WriteLiveMemos(fileName);
  // The windows wait, as they are, for the next load: a switch or a reload restyles and moves
  // them instead of making new ones (every window costs tens of milliseconds under Wine).
  std::vector<TMemoForm*> deleted;
  for (TMemoForm* memo : MemoList) (memo->DeletedFlag ? deleted : SpareMemos).push_back(memo);
  MemoList.clear();
  DestroyAll(deleted);
  RefreshTrayTip();
}

void TMainForm::LoadMemoList(const std::string& fileName) {
  DestroyAll(MemoList);
  CurrentMemo = nullptr;
  std::vector<MemoRecord> records;
  ReadOwnedMemoFile(WorkPath(fileName), records);
  std::size_t spare = 0;
  for (const MemoRecord& record : records) {
    TMemoForm* memo = nullptr;
    if (spare < SpareMemos.size()) {
      memo = SpareMemos[spare++];
      memo->PrepareForReuse();
    } else {
      memo = CreateMemo();
    }
    memo->SetRecord(record);
    MemoList.push_back(memo);
    memo->SetBoundsRect(quillpad::ClampToWorkArea(memo->BoundsRect(), WorkArea));
    memo->SetVisible(record.Visible && bShowMemo);
  }
  // Each tooltip counts the memos, known only now. (Showing them all after the loop instead costs
  // twice the time under Wine: every window shown on top passes all the hidden ones.)
  for (TMemoForm* memo : MemoList)
    if (memo->Visible()) memo->UpdateLooks();
  // Only the surplus goes.
  SpareMemos.erase(SpareMemos.begin(), SpareMemos.begin() + static_cast<std::ptrdiff_t>(spare));
  DestroyAll(SpareMemos);
  RefreshTrayTip();
}

void TMainForm::AppendMemoToCategory(TMemoForm* memo, int category) {
  if (category == iCurMemoFile || category < 0 || category > 2) return;
  const std::string path = WorkPath(FileNames::kMemoFiles[category]);
  std::vector<MemoRecord> records;
  std::string bytes = ReadOwnedMemoFile(path, records);
  bytes += WriteMemoRecord(memo->Record());
  // The memo stays where it is unless its record reached the other file.
  WriteOwnFile(path, bytes);
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
  const std::string path = ProgramPath(FileNames::kStyleTemplate);
  WriteOwnFile(path, WriteMemoFile(RecordsOf(TemplateList)));
  DestroyAll(TemplateList);
  TemplateListLoaded = false;
}

void TMainForm::LoadTemplateList() {
  DestroyAll(TemplateList);
  TemplateListLoaded = true;
  std::vector<MemoRecord> records;
  ReadOwnedMemoFile(ProgramPath(FileNames::kStyleTemplate), records);
  for (const MemoRecord& record : records) {
    TMemoForm* memo = CreateMemo();
    memo->SetRecord(record);
    memo->Hide();
    TemplateList.push_back(memo);
  }
}

void TMainForm::ReadDefaultFont() {
  std::string bytes;
  if (!platform::ReadOwnedFile(system_, ProgramPath(FileNames::kMemoFont), bytes)) return;
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
  WriteOwnFile(ProgramPath(FileNames::kMemoFont), WriteMemoFontFile(FromPlatformFont(FontDialog1Font)));
  CollectSettings();
  platform::Profile ini = Ini();
  if (!SaveStyleKeys(ini, *this)) throw AppError(WriteFailureText(ini.Path()));
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
