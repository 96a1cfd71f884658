// TMainForm: the options dialog and what follows from its OK, and the screen saver commands.
#include <array>

#include "app/main_form.h"
#include "app/option_dlg.h"
#include "app/tool_list.h"
#include "base/app_error.h"
#include "base/text.h"
#include "clipboard/clipboard_form.h"

namespace quillpad {

namespace {
constexpr std::array<const char*, 4> kFolderKeys = {"asLZHDir", "asTextDir", "asBitmapDir",
                                                    "asJPEGDir"};
}  // namespace

void TMainForm::SaveToolList() {
  WriteOwnFile(ProgramPath(FileNames::kToolList), WriteToolListFile(ToolList));
}

void TMainForm::RegisterDroppedTools(const std::vector<std::string>& paths) {
  SortToolEntries(ToolList);
  AddDroppedEntries(ToolList, paths);
  BuildToolMenu();
  SaveToolList();
}

void TMainForm::SetOptionClick(ui::Component*) {
  OptionInputs inputs;
  for (std::size_t i = 0; i < 3; ++i)
    inputs.MemoFileNames[i] = Item(("MemoFile" + IntToStr(static_cast<int>(i))).c_str())->Caption();
  inputs.WorkDir = WorkDir;
  inputs.ProgramDir = ProgramDir;
  inputs.Tools = ToolList;
  platform::Profile ini = Ini();
  // The file's values, not the run's last-used folders.
  for (std::size_t i = 0; i < kFolderKeys.size(); ++i)
    inputs.Folders[i] = ini.ReadString(kFormSection, kFolderKeys[i], "");
  {
    TOptionDlg dlg(this, application_, *this, Ini(), inputs);
    try {
      if (dlg.ShowModal() == ui::MrOk) ApplyOptions(dlg);
    } catch (...) {
      RefreshMemoFileDisplayName();
      throw;
    }
  }
  RefreshMemoFileDisplayName();
}

void TMainForm::RefreshMemoFileDisplayName() {
  CurMemoFileDisplayName = Item(("MemoFile" + IntToStr(iCurMemoFile)).c_str())->Caption();
  RefreshTrayTip();
}

void TMainForm::ApplyOptions(TOptionDlg& dlg) {
  for (std::size_t i = 0; i < 3; ++i)
    Item(("MemoFile" + IntToStr(static_cast<int>(i))).c_str())
        ->SetCaption(dlg.edMemoFile[i]->Text());
  ToolList = dlg.Tools();
  BuildToolMenu();
  // A failed write is told at once; the other changes of this OK still apply.
  try {
    SaveToolList();
  } catch (const AppError& e) {
    system_.ShowError(e.what());
  }
  ChangeWorkDir(dlg.edWorkDir->Text());
  platform::Profile ini = Ini();
  const std::array<ui::Edit*, 4> fields = {dlg.edLZHDir, dlg.edTextDir, dlg.edBitmapDir,
                                           dlg.edJPEGDir};
  std::array<std::string*, 4> runCopies = {&asLZHDir, &asTextDir, &asBitmapDir, &asJPEGDir};
  bool written = true;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    written = ini.WriteString(kFormSection, kFolderKeys[i], fields[i]->Text()) && written;
    // The run goes on from the folders just chosen, so the exit does not write the old ones
    // back over them.
    *runCopies[i] = fields[i]->Text();
  }
  if (!written) ReportWriteFailure(ini.Path());
  if (ClipboardForm)
    ClipboardForm->SetLimits(dlg.csMaxCount->Value(), dlg.csNeglectRowCount->Value());
}

void TMainForm::ChangeWorkDir(const std::string& folder) {
  // Exactly the same text is no change; the same folder written otherwise is one.
  if (folder == WorkDir || !system_.Files().FolderExists(folder)) return;
  if (!bReadOnly) {
    const int answer =
        system_.MessageBox("ワークフォルダーを変更する前に現在のメモファイルを上書き保存しますか？",
                           application_.Title, platform::MbYesNo | platform::MbIconWarning);
    try {
      SaveMemoList(CurMemoFileName, answer == platform::IdYes);
    } catch (const AppError& e) {
      // The memos stay on the desktop and in the old folder.
      system_.ShowError(e.what());
      return;
    }
  } else {
    SaveMemoList(CurMemoFileName, false);
  }
  WorkDir = folder;
  LoadMemoList(CurMemoFileName);
  CurrentMemo = nullptr;
}

void TMainForm::ExecScreenSaverClick(ui::Component*) {
  system_.StartScreenSaver();
}
void TMainForm::ActivateScreenSaverClick(ui::Component*) {
  system_.SetScreenSaverActive(true);
}
void TMainForm::DeactivateScreenSaverClick(ui::Component*) {
  system_.SetScreenSaverActive(false);
}

}  // namespace quillpad
