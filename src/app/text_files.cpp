// TMainForm: the editor as a plain text editor — opening text files, also straight into a memo.
#include "app/main_form.h"
#include "base/app_error.h"
#include "base/path.h"
#include "base/text.h"
#include "memo/memo_form.h"

namespace quillpad {

void TMainForm::TextOpenClick(ui::Component*) {
  OpenTextFile();
}

bool TMainForm::OpenTextFile() {
  if (!AskSaveEditorText()) return false;
  platform::FileSystem& files = system_.Files();
  platform::FileDialogOptions options;
  options.Title = "テキストファイルを開く";
  options.Filter = kTextFileFilter;
  options.FileName = FileNames::kMemoText;
  options.InitialDir = TextFileFolder(files, WorkDir, asTextDir);
  if (!system_.OpenFileDialog(options)) return false;
  const std::string& path = options.FileName;
  std::string text;
  // The editor stays as it was when the file cannot be read.
  if (!files.ReadFile(path, text)) throw AppError(path + "を開くことに失敗しました。");
  LoadDefaultStyle();
  RichEdit1->SetLines(SplitLines(text));
  CurrentMemo = nullptr;
  SetEditorModified(false);
  SetEditFile(path, path);
  asTextDir = ExtractFileDir(path);
  EditorLayout();
  SetFormSizeClick(nullptr);
  return true;
}

void TMainForm::TextOpenAndShowClick(ui::Component*) {
  // A cancelled open leaves the editor's text, and that text becomes the memo all the same.
  OpenTextFile();
  ShowNewMemoClick(nullptr);
}

}  // namespace quillpad
