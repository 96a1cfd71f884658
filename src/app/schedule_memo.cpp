// TMainForm: schedule memos, one text file per date in the "ScheduleMemo" folder, and the
// month list of the left panel.
#include "app/main_form.h"
#include "base/app_error.h"
#include "base/path.h"
#include "base/text.h"

namespace quillpad {

namespace {

constexpr const char* kDayFormat = "yyyy\"年\"mm\"月\"dd\"日\"";

// Characters from..from+count-1 of a name, or less when the name is short.
std::string Part(const std::string& name, std::size_t from, std::size_t count) {
  return from < name.size() ? name.substr(from, count) : std::string();
}

// The date a list item names in its first eight characters ("20240305.txt").
bool DateOfName(const std::string& name, DateTime& date) {
  long long y = 0, m = 0, d = 0;
  if (name.size() < 8 || !TryStrToInt(name.substr(0, 4), y) || !TryStrToInt(name.substr(4, 2), m) ||
      !TryStrToInt(name.substr(6, 2), d)) {
    return false;
  }
  for (std::size_t i = 0; i < 8; ++i) {
    if (name[i] < '0' || name[i] > '9') return false;
  }
  if (!IsValidDate(static_cast<int>(y), static_cast<int>(m), static_cast<int>(d))) return false;
  date = EncodeDate(static_cast<int>(y), static_cast<int>(m), static_cast<int>(d));
  return true;
}

// Restores the form's cursor when the list view ends, also by an error.
class BusyCursor {
 public:
  explicit BusyCursor(ui::Control& c) : c_(c), old_(c.Cursor()) {
    c_.SetCursor(platform::CursorKind::Wait);
  }
  ~BusyCursor() { c_.SetCursor(old_); }

 private:
  ui::Control& c_;
  platform::CursorKind old_;
};

}  // namespace

std::string TMainForm::ScheduleMemoPath(DateTime date) const {
  return JoinPath(ScheduleMemoDir, FormatDateTime("yyyymmdd", date) + ".txt");
}

void TMainForm::CreateScheduleMemoDir() {
  platform::FileSystem& files = system_.Files();
  if (!files.FolderExists(ScheduleMemoDir)) files.CreateFolder(ScheduleMemoDir);
}

void TMainForm::SetScheduleMemoListColor() {
  ScheduleMemoListBox->SetColor(ScheduleMemoListBox->Count() > 0 ? ui::ClWindow : ui::ClBtnFace);
}

void TMainForm::RefreshScheduleMemoList() {
  ScheduleMemoListBox->SetDirectory(ScheduleMemoDir);
  ScheduleMemoListBox->SetMask(FormatDateTime("yyyymm", DateTimePicker1->Date()) + "*.txt");
  ScheduleMemoListBox->Update();
  SetFormSizeClick(nullptr);
  SetScheduleMemoListColor();
}

namespace {
std::string ReadMemoFile(platform::FileSystem& files, const std::string& path) {
  std::string bytes;
  if (!files.ReadFile(path, bytes)) throw AppError(path + "を開くことに失敗しました。");
  return bytes;
}
}  // namespace

void TMainForm::SaveScheduleMemoClick(ui::Component*) {
  if (RichEdit1->Text().empty()) {
    SetEditorModified(false);
    MainFormHideClick(nullptr);
    return;
  }
  CreateScheduleMemoDir();
  platform::FileSystem& files = system_.Files();
  const std::string path = ScheduleMemoPath(DateTimePicker1->Date());
  const bool existed = files.FileExists(path);
  if (existed) {
    const std::string text = "スケジュールメモ" + ExtractFileName(path) + "を上書きしますか？";
    if (system_.MessageBox(text, application_.Title,
                           platform::MbYesNoCancel | platform::MbIconWarning) != platform::IdYes) {
      return;
    }
  }
  if (!files.WriteFileAtomic(path, RichEdit1->Text()))
    throw AppError(WriteFailureText(path));
  if (!existed) ScheduleMemoListBox->Update();
  SetEditFile(path, path);
  SetEditorModified(false);

  SetScheduleMemoListColor();
  RichEdit1->Clear();
  SetEditFile(FileNames::kMemoText, NewMemoCaption());
  SetEditorModified(false);
  MainFormHideClick(nullptr);
  RebuildCalendarMonth();
}

void TMainForm::OpenScheduleMemoClick(ui::Component*) {
  if (!AskSaveEditorText()) return;
  CurrentMemo = nullptr;
  Hide();
  const std::string path = ScheduleMemoPath(DateTimePicker1->Date());
  if (system_.Files().FileExists(path)) {
    RichEdit1->SetText(ReadMemoFile(system_.Files(), path));
    SetEditFile(path, path);
  } else {
    RichEdit1->Clear();
    SetEditFile(FileNames::kMemoText, NewMemoCaption());
  }
  SetEditorModified(false);
  RefreshScheduleMemoList();
  LoadDefaultStyle();
  Show();
}

void TMainForm::DateTimePicker1CloseUp(ui::Component* sender) {
  if (!AskSaveEditorText()) return;
  // Text for a date is no longer the desktop memo's, also when it stays in the editor.
  CurrentMemo = nullptr;
  const std::string kept = RichEdit1->Text();
  RichEdit1->Clear();
  LoadDefaultStyle();
  const DateTime date = DateTimePicker1->Date();
  const std::string path = ScheduleMemoPath(date);
  if (!sender && system_.Files().FileExists(path)) {
    RichEdit1->SetText(ReadMemoFile(system_.Files(), path));
    SetEditFile(path, path + " ： " + FormatDateTime(kDayFormat, date) + "のメモ編集中...");
  } else {
    RichEdit1->SetText(kept);
    SetEditFile(FileNames::kMemoText, FormatDateTime(kDayFormat, date) + "の新規メモ編集中...");
  }
  SetEditorModified(false);
  RefreshScheduleMemoList();
}

void TMainForm::ScheduleMemoListBoxDblClick() {
  const int index = ScheduleMemoListBox->ItemIndex();
  if (index < 0 || index >= ScheduleMemoListBox->Count()) {
    system_.MessageBox("ﾌｧｲﾙを選択して下さい", application_.Title, platform::MbOk);
    return;
  }
  const std::string name = ScheduleMemoListBox->Items()[static_cast<std::size_t>(index)];
  const std::string path = JoinPath(ScheduleMemoListBox->Directory(), name);
  if (!AskSaveEditorText()) return;
  LoadDefaultStyle();
  RichEdit1->SetText(ReadMemoFile(system_.Files(), path));
  CurrentMemo = nullptr;
  DateTime date;
  const bool dated = DateOfName(name, date);
  if (dated) DateTimePicker1->SetDate(date);
  SetEditFile(path, path + " ： " + FormatDateTime(kDayFormat, DateTimePicker1->Date()) +
                        "のメモ編集中...");
  SetEditorModified(false);
  SetFormSizeClick(nullptr);
  // The memo stays open; only the date could not follow the name.
  if (!dated) throw AppError("'" + Part(name, 0, 8) + "' は正しい日付ではありません");
}

void TMainForm::FileDeleteClick(ui::Component*) {
  std::vector<std::string> names;
  for (int i = 0; i < ScheduleMemoListBox->Count(); ++i) {
    if (ScheduleMemoListBox->Selected(i))
      names.push_back(ScheduleMemoListBox->Items()[static_cast<std::size_t>(i)]);
  }
  if (names.empty()) {
    system_.MessageBox("ファイルを選択して下さい", application_.Title, platform::MbOk);
    return;
  }
  for (const std::string& name : names) {
    const std::string path = JoinPath(ScheduleMemoListBox->Directory(), name);
    if (system_.MessageBox(path + "を削除しますか？", application_.Title,
                           platform::MbOkCancel | platform::MbIconWarning) == platform::IdOk) {
      system_.Files().DeleteFile(path);
    }
  }
  ScheduleMemoListBox->Update();
  RebuildCalendarMonth();
  SetScheduleMemoListColor();
}

void TMainForm::DeleteCalendarDateMemo(DateTime date) {
  const std::string path = ScheduleMemoPath(date);
  if (!system_.Files().FileExists(path)) {
    system_.MessageBox("選択日の日付メモはありません", application_.Title, platform::MbOk);
    return;
  }
  const std::string text = FormatDateTime("yyyy/mm/dd", date) + "の日付メモを削除しますか？";
  if (system_.MessageBox(text, application_.Title,
                         platform::MbOkCancel | platform::MbIconWarning) != platform::IdOk) {
    return;
  }
  system_.Files().DeleteFile(path);
  RebuildCalendarMonth();
  ScheduleMemoListBox->Update();
  if (ScheduleMemoListBox->Count() == 0) ScheduleMemoListBox->SetColor(ui::ClBtnFace);
}

void TMainForm::ShowScheduleMemoList(const std::string& mask, const std::string& title) {
  if (!AskSaveEditorText()) return;
  BusyCursor busy(*this);
  SetEditFile(FileNames::kMemoText, title);
  LoadDefaultStyle();
  if (!LeftPanel->Visible() || LeftPanel->Width() < 1) ShowLeftPanelClick(nullptr);
  ScheduleMemoListBox->SetDirectory(ScheduleMemoDir);
  ScheduleMemoListBox->SetMask(mask);
  ScheduleMemoListBox->Update();

  std::string text;
  for (const std::string& name : ScheduleMemoListBox->Items()) {
    text += Part(name, 2, 2) + "/" + Part(name, 4, 2) + "/" + Part(name, 6, 2) + " ";
    for (const std::string& line :
         SplitLines(ReadMemoFile(system_.Files(), JoinPath(ScheduleMemoDir, name)))) {
      text += Trim(line);
    }
    text += "\r\n";
  }
  RichEdit1->SetText(text);
  CurrentMemo = nullptr;
  RichEdit1->SetSelStart(0);
  RichEdit1->ScrollToCaret();
  SetFormSizeClick(nullptr);
  if (!Visible()) CentreOnScreen();
  SetScheduleMemoListColor();
}

void TMainForm::ListAllScheduleMemoClick(ui::Component*) {
  ShowScheduleMemoList("*.txt", "すべての日付メモ一覧");
}

void TMainForm::ListMonthScheduleMemoClick(ui::Component*) {
  const DateTime date = DateTimePicker1->Date();
  ShowScheduleMemoList(FormatDateTime("yyyymm", date) + "*.txt",
                       FormatDateTime("yyyy\"年\"mm\"月\"", date) + "の日付メモ一覧");
}

void TMainForm::OpenCalendarDate(DateTime date, platform::Point topLeft) {
  if (!LeftPanel->Visible() || LeftPanel->Width() < 1) ShowLeftPanelClick(nullptr);
  SetBounds(topLeft.X, topLeft.Y, Width(), Height());
  DateTimePicker1->SetDate(date);
  DateTimePicker1CloseUp(nullptr);
  Show();
}

void TMainForm::ListMonthFromCalendar() {
  ListMonthScheduleMemoClick(nullptr);
  Show();
}

void TMainForm::ListAllFromCalendar() {
  ListAllScheduleMemoClick(nullptr);
  Show();
}

void TMainForm::ExitFromCalendar() {
  ExitRequested = true;
  IdleDone = false;
}

}  // namespace quillpad
