// TMainForm: the editor as a plain text editor — opening and saving text files, the log, printing
// and dates.
#include "app/main_form.h"
#include "base/app_error.h"
#include "base/path.h"
#include "base/text.h"
#include "memo/memo_form.h"

namespace quillpad {

namespace {
constexpr const char* kSaveFilter = "ﾃｷｽﾄﾌｧｲﾙ(*.txt),ﾛｸﾞﾌｧｲﾙ(*.log)|*.txt;*.log|すべてのﾌｧｲﾙ(*.*)|*.*";
constexpr const char* kLogFilter = "ﾛｸﾞﾌｧｲﾙ(*.log)|*.log";
}  // namespace

void TMainForm::TextOpenClick(ui::Component*) {
  OpenTextFile();
}

bool TMainForm::OpenTextFile() {
  if (!AskSaveEditorText()) return false;
  platform::FileDialogOptions options;
  options.Title = "テキストファイルを開く";
  options.Filter = kTextFileFilter;
  options.FileName = FileNames::kMemoText;
  options.InitialDir = TextFileFolder(system_.Files(), WorkDir, asTextDir);
  if (!system_.OpenFileDialog(options)) return false;
  LoadTextIntoEditor(options.FileName);
  return true;
}

void TMainForm::LoadTextIntoEditor(const std::string& path) {
  std::string text;
  // The editor stays as it was when the file cannot be read.
  if (!system_.Files().ReadFile(path, text)) throw AppError(path + "を開くことに失敗しました。");
  LoadDefaultStyle();
  RichEdit1->SetLines(SplitLines(text));
  CurrentMemo = nullptr;
  SetEditorModified(false);
  SetEditFile(path, path);
  asTextDir = ExtractFileDir(path);
  EditorLayout();
  SetFormSizeClick(nullptr);
}

void TMainForm::TextOpenAndShowClick(ui::Component*) {
  // A cancelled open leaves the editor's text, and that text becomes the memo all the same.
  OpenTextFile();
  ShowNewMemoClick(nullptr);
}

void TMainForm::LogOpenClick(ui::Component*) {
  if (!AskSaveEditorText()) return;
  platform::FileDialogOptions options;
  options.Title = "ログファイルを開く";
  options.Filter = kLogFilter;
  options.FileName = FileNames::kLogFile;
  // The log folder is the program folder's, whatever the work folder is.
  options.InitialDir = TextFileFolder(system_.Files(), ProgramDir, "");
  if (system_.OpenFileDialog(options)) {
    LoadTextIntoEditor(options.FileName);
    if (!Visible()) CentreOnScreen();
  }
  if (!Trim(RichEdit1->Text()).empty()) Show();
}

void TMainForm::TextSaveClick(ui::Component*) {
  platform::FileSystem& files = system_.Files();
  const std::string textFolder = TextFileFolder(files, WorkDir, asTextDir);
  platform::FileDialogOptions options;
  options.Title = "テキストの保存";
  options.Filter = kSaveFilter;
  options.FileName = EditFileName;
  options.OverwritePrompt = true;  // and no extension is added: "notes" stays "notes"
  options.InitialDir = files.FileExists(EditFileName) ? ExtractFileDir(EditFileName) : textFolder;
  if (!system_.SaveFileDialog(options)) return;
  const std::string& path = options.FileName;
  if (!files.WriteFileAtomic(path, JoinLines(RichEdit1->Lines()))) {
    throw AppError(path + "に書き込めませんでした。");
  }
  SetEditorModified(false);
  SetEditFile(path, path);
  // The text is a file of its own now; storing it must not overwrite the memo it came from.
  CurrentMemo = nullptr;
}

void TMainForm::PrintClick(ui::Component*) {
  std::unique_ptr<platform::PrintJob> job = system_.StartPrint(Caption());
  if (!job) return;
  job->PrintRichEdit(*RichEdit1->Peer());
  if (!job->Finish()) throw AppError("印刷できませんでした。");
}

// --- Dates ----------------------------------------------------------------------------------

void TMainForm::InsertDateClick(ui::Component*) {
  RichEdit1->SetSelText(FormatDateTime(system_.ShortDateFormat(), system_.Now()));
}

void TMainForm::InsertDateTimeClick(ui::Component*) {
  const DateTime now = system_.Now();
  std::string text = FormatDateTime(system_.ShortDateFormat(), now);
  // At exactly midnight the date stands alone.
  if (now != DateOf(now)) text += " " + FormatDateTime(system_.LongTimeFormat(), now);
  RichEdit1->SetSelText(text);
}

void TMainForm::InsertSelectedDateClick(ui::Component*) {
  RichEdit1->SetSelText(FormatDateTime("yy/mm/dd", DateTimePicker1->Date()));
}

}  // namespace quillpad
