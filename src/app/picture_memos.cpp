// TMainForm: picture files as memos, and the picture folders its memos save into.
#include "app/main_form.h"
#include "base/path.h"
#include "memo/memo_form.h"
#include "plugins/picture_plugins.h"
#include "plugins/picture_preview.h"

namespace quillpad {

const std::string& TMainForm::SupportedExtensionList() {
  if (!supportedExtensions_) supportedExtensions_ = PluginManager->SupportedExtensions();
  return *supportedExtensions_;
}

void TMainForm::SetBitmapDir(const std::string& folder) {
  asBitmapDir = folder;
}
void TMainForm::SetJpegDir(const std::string& folder) {
  JpegDir = folder;
}
void TMainForm::OpenPictureFile() {
  BitmapOpenAndShowClick(nullptr);
}

void TMainForm::OpenPictureDialog1SelectionChange(const platform::FileDialogSelection& selection) {
  PreviewOfPictureDialogs->SelectionChange(selection, SupportedExtensionList());
}
void TMainForm::SavePictureDialog1SelectionChange(const platform::FileDialogSelection& selection) {
  OpenPictureDialog1SelectionChange(selection);
}
void TMainForm::OpenPictureDialog1Close() {
  PreviewOfPictureDialogs->DialogClose();
}

void TMainForm::WithPreview(platform::FileDialogOptions& options, bool save) {
  options.OnSelectionChange = [this, save](const platform::FileDialogSelection& selection) {
    if (save) {
      SavePictureDialog1SelectionChange(selection);
    } else {
      OpenPictureDialog1SelectionChange(selection);
    }
  };
  options.OnClose = [this] { OpenPictureDialog1Close(); };
}

bool TMainForm::PictureSaveDialog(platform::FileDialogOptions& options) {
  WithPreview(options, true);
  return system_.SaveFileDialog(options);
}

bool TMainForm::ReadPictureFile(const std::string& path, std::string& bmp) {
  // Exactly ".bmp": other spellings are offered to the plug-ins with every other format.
  if (ExtractFileExt(path) != ".bmp") return PluginManager->LoadPictureToBitmap(path, bmp) != 0;
  std::string bytes;
  if (!system_.Files().ReadFile(path, bytes) || !ReadBmpInfo(bytes)) return false;
  bmp = std::move(bytes);
  return true;
}

void TMainForm::BitmapOpenAndShowClick(ui::Component*) {
  platform::FileSystem& files = system_.Files();
  const std::string own = JoinPath(WorkDir, FileNames::kBitmapDir);
  if (!files.FolderExists(own)) files.CreateFolder(own);
  platform::FileDialogOptions options;
  options.Title = "画像ファイルを開く";
  options.Filter = PluginManager->BuildPictureFilter();
  options.InitialDir = !asBitmapDir.empty() && files.FolderExists(asBitmapDir) ? asBitmapDir : own;
  WithPreview(options, false);
  if (!system_.OpenFileDialog(options)) return;
  const std::string& path = options.FileName;
  std::string bmp;
  if (!ReadPictureFile(path, bmp)) {
    system_.MessageBox(path + "を開くことに失敗しました。", application_.Title, platform::MbOk);
    return;
  }
  // Every picture memo is made through the clipboard, as the user's own pastes are.
  system_.GetClipboard().SetPicture(bmp);
  ClipNewMemoAtEndClick(nullptr);
  asBitmapDir = ExtractFileDir(path);
  ShowCaretPosition();
}

}  // namespace quillpad
