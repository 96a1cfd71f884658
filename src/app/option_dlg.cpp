// TOptionDlg: filling, storing and the handlers of the tool list and the reference buttons.
#include "app/option_dlg.h"

#include "app/tool_list.h"
#include "base/path.h"
#include "base/text.h"
#include "ui/short_cut.h"

namespace quillpad {

void TOptionDlg::FormCreate(const OptionInputs& inputs) {
  const Settings& s = settings_;
  for (std::size_t i = 0; i < 3; ++i) edMemoFile[i]->SetText(inputs.MemoFileNames[i]);
  rgTaskTrayClick->SetItemIndex(s.iTaskTrayClick);
  rgTaskTrayDblClick->SetItemIndex(s.iTaskTrayDblClick);
  rgTaskTrayRDblClick->SetItemIndex(s.iTaskTrayRDblClick);
  rgMemoDblClick->SetItemIndex(s.iMemoDblClick);
  rgDragDrop->SetItemIndex(s.iDragDrop);
  rgAfterSizeChange->SetItemIndex(s.iAfterSizeChange);
  ckReadOnly->SetChecked(s.bReadOnly);
  ckUseStartMemo->SetChecked(s.bUseStartMemo);
  edWorkDir->SetText(inputs.WorkDir);
  edViewer->SetText(s.asViewer);
  lbTool->SetItems(inputs.Tools);
  udHeight->SetPosition(s.iDefaultHeight);
  udWidth->SetPosition(s.iDefaultWidth);
  ckDefaultSize->SetChecked(s.bDefaultSize);
  ckShowMemoAsHint->SetChecked(s.bShowMemoAsHint);
  ckSkipCheckFileSave->SetChecked(s.bSkipCheckFileSave);
  ckSkipCheckDelete->SetChecked(s.bSkipCheckDelete);
  ckSaveMemoAtEdit->SetChecked(s.bSaveMemoAtEdit);
  ckSeparateNumber->SetChecked(s.bSeparateNumber);
  ckSendURLonDblClk->SetChecked(s.bSendURLonDblClk);
  csMaxCount->SetValue(ini_.ReadInteger(kClipboardSection, "iMaxCount", 500));
  csNeglectRowCount->SetValue(ini_.ReadInteger(kClipboardSection, "iNeglectRowCount", 20));
  edLZHDir->SetText(inputs.Folders[0]);
  edTextDir->SetText(inputs.Folders[1]);
  edBitmapDir->SetText(inputs.Folders[2]);
  edJPEGDir->SetText(inputs.Folders[3]);
}

void TOptionDlg::OKBtnClick() {
  Settings& s = settings_;
  // A group with no mark keeps the setting it had.
  auto index = [](const ui::RadioGroup& g, int& value) {
    if (g.ItemIndex() >= 0) value = g.ItemIndex();
  };
  index(*rgTaskTrayClick, s.iTaskTrayClick);
  index(*rgTaskTrayDblClick, s.iTaskTrayDblClick);
  index(*rgTaskTrayRDblClick, s.iTaskTrayRDblClick);
  index(*rgMemoDblClick, s.iMemoDblClick);
  index(*rgDragDrop, s.iDragDrop);
  index(*rgAfterSizeChange, s.iAfterSizeChange);
  s.bReadOnly = ckReadOnly->Checked();
  s.bUseStartMemo = ckUseStartMemo->Checked();
  s.asViewer = edViewer->Text();
  s.iDefaultHeight = udHeight->Position();
  s.iDefaultWidth = udWidth->Position();
  s.bDefaultSize = ckDefaultSize->Checked();
  s.bShowMemoAsHint = ckShowMemoAsHint->Checked();
  s.bSkipCheckFileSave = ckSkipCheckFileSave->Checked();
  s.bSkipCheckDelete = ckSkipCheckDelete->Checked();
  s.bSaveMemoAtEdit = ckSaveMemoAtEdit->Checked();
  s.bSeparateNumber = ckSeparateNumber->Checked();
  s.bSendURLonDblClk = ckSendURLonDblClk->Checked();
  if (!ini_.WriteInteger(kClipboardSection, "iMaxCount", csMaxCount->Value()) ||
      !ini_.WriteInteger(kClipboardSection, "iNeglectRowCount", csNeglectRowCount->Value())) {
    system_.ShowError(system_.Files().WriteTarget(ini_.Path()) + "に書き込めませんでした。");
  }
}

void TOptionDlg::ToolRegBtnClick() {
  const std::string entry = edTool->Text();
  platform::FileSystem& files = system_.Files();
  const bool exists = files.FileExists(entry) || files.FolderExists(entry);
  std::vector<std::string> tools = Tools();
  switch (AddToolEntry(tools, entry, exists)) {
    case ToolAdd::NotFound:
      system_.MessageBox("参照ファイルが存在しません", application_.Title, platform::MbOk);
      break;
    case ToolAdd::Duplicate:
      system_.MessageBox("登録済みです", application_.Title, platform::MbOk);
      break;
    case ToolAdd::Added:
      lbTool->SetItems(std::move(tools));
      edTool->Clear();
      break;
  }
}

void TOptionDlg::ToolDelBtnClick() {
  const int index = lbTool->ItemIndex();
  if (index < 0 || index >= lbTool->Count()) return;
  const std::string entry = lbTool->Items()[static_cast<std::size_t>(index)];
  const int answer = system_.MessageBox(entry + "を登録リストから削除しますか", application_.Title,
                                        platform::MbYesNoCancel | platform::MbIconWarning);
  if (answer != platform::IdYes) return;
  std::vector<std::string> tools = Tools();
  tools.erase(tools.begin() + index);
  lbTool->SetItems(std::move(tools));
  edTool->Clear();
  ToolDelBtn->SetEnabled(false);
}

void TOptionDlg::lbToolKeyDown(int& key) {
  if (key != ui::VkDelete) return;
  key = 0;
  ToolDelBtnClick();
}

void TOptionDlg::lbToolMouseUp() {
  const int index = lbTool->ItemIndex();
  const bool selected = index >= 0 && index < lbTool->Count();
  ToolDelBtn->SetEnabled(selected);
  if (selected) edTool->SetText(lbTool->Items()[static_cast<std::size_t>(index)]);
}

bool TOptionDlg::ChooseProgram(std::string& path, const std::string& startFile, const char* filter,
                               const char* title) {
  platform::FileDialogOptions options;
  options.Filter = filter;
  options.Title = title;
  if (!startFile.empty() && system_.Files().FileExists(startFile))
    options.InitialDir = ExtractFileDir(startFile);
  if (!system_.OpenFileDialog(options)) return false;
  path = options.FileName;
  return true;
}

void TOptionDlg::FileRefBtnClick() {
  const int index = lbTool->ItemIndex();
  const std::string selected = index >= 0 && index < lbTool->Count()
                                   ? lbTool->Items()[static_cast<std::size_t>(index)]
                                   : std::string();
  std::string path;
  if (ChooseProgram(path, selected, "実行ﾌｧｲﾙ(*.exe)|*.exe|すべてのﾌｧｲﾙ(*.*)|*.*",
                    "登録するアプリケーションかファイルを選択"))
    edTool->SetText(path);
}

void TOptionDlg::ViewerRefBtnClick() {
  std::string path;
  if (ChooseProgram(path, edViewer->Text(), "画像加工ﾋﾞｭｰｱ/ﾂｰﾙ(*.exe)|*.exe|すべてのﾌｧｲﾙ(*.*)|*.*",
                    "登録するアプリケーションを選択"))
    edViewer->SetText(path);
}

void TOptionDlg::FolderRefBtnClick() {
  edTool->SetText(system_.BrowseForFolder(Peer(), "登録するフォルダーの選択："));
}

void TOptionDlg::BrowseInto(ui::Edit& field, const char* title) {
  const std::string folder = system_.BrowseForFolder(Peer(), title);
  if (!folder.empty()) field.SetText(folder);
}

void TOptionDlg::DirRefBtinClick() {
  BrowseInto(*edWorkDir, "ワークフォルダ（メモファイルの参照先）の選択：");
}

void TOptionDlg::DefDirBtnClick() {
  edWorkDir->SetText(programDir_);
}

void TOptionDlg::udHeightClick() {
  DemoPanel->SetHeight(udHeight->Position());
}
void TOptionDlg::udWidthClick() {
  DemoPanel->SetWidth(udWidth->Position());
}

void TOptionDlg::FormDropFiles(const std::vector<std::string>& paths) {
  if (pcOption->ActivePage() != RegisterSheet) return;
  std::vector<std::string> tools = Tools();
  if (AddDroppedEntries(tools, paths) > 0) lbTool->SetItems(std::move(tools));
}

}  // namespace quillpad
