// TMainForm: the backup copy of the memo file and archiving files dropped on a memo.
#include "app/backup.h"
#include "app/main_form.h"

namespace quillpad {

void TMainForm::MakeBackUpClick(ui::Component*) {
  if (bReadOnly) {
    system_.MessageBox("読み込み専用モードです", application_.Title, platform::MbOk);
    return;
  }
  SaveAllMemoClick(nullptr);
  CopyToBackup(system_, application_.Title, WorkDir, CurMemoFileName);
}

bool TMainForm::ArchiveDropped(const std::vector<std::string>& paths) {
  return ArchiveDroppedFiles(system_, application_.Title, paths, asLZHDir, ProgramDir);
}

}  // namespace quillpad
