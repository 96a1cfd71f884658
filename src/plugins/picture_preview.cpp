#include "plugins/picture_preview.h"

#include <string>

#include "base/path.h"
#include "base/text.h"

namespace quillpad {

PicturePreview::PicturePreview(PicturePlugins& plugins, platform::System& system)
    : plugins_(plugins), system_(system) {}

bool PicturePreview::Previewable(const std::string& path, std::string_view extensions) {
  const std::string ext = ExtractFileExt(path);
  if (ext.empty() || !system_.Files().FileExists(path)) return false;
  while (!extensions.empty()) {
    const std::size_t end = extensions.find('\n');
    if (SameText(extensions.substr(0, end), ext)) return true;
    if (end == std::string_view::npos) break;
    extensions.remove_prefix(end + 1);
  }
  return false;
}

void PicturePreview::SelectionChange(const platform::FileDialogSelection& selection,
                                     std::string_view extensions) {
  std::string bmp;
  int height = 0;
  int width = 0;
  // A file the plug-ins then refuse leaves no preview: the last picture would stand for it.
  if (!Previewable(selection.Path, extensions) ||
      plugins_.LoadPictureToImage(selection.Path, bmp, height, width) == 0) {
    form_.reset();
    return;
  }
  if (!form_) form_ = std::make_unique<TImageViewForm>(nullptr);
  form_->SetPicture(std::move(bmp));
  const std::string hint = "高さ:" + std::to_string(height) + " 幅:" + std::to_string(width);
  form_->SetHint(hint);
  form_->Image1->SetHint(hint);
  const platform::Rect& dialog = selection.DialogBounds;
  form_->SetBounds(dialog.Left - width, dialog.Top, width, height);
  form_->Show();
  system_.Desktop().SetForeground(selection.Dialog);
}

}  // namespace quillpad
