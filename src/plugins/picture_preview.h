// The preview that accompanies the picture file dialogs: while the chosen file is a picture the
// plug-ins read, it stands at the dialog's left, at the picture's own size, and the dialog keeps
// the keyboard.
#pragma once

#include <memory>
#include <string_view>

#include "platform/system.h"
#include "plugins/image_view_form.h"
#include "plugins/picture_plugins.h"

namespace quillpad {

class PicturePreview {
 public:
  PicturePreview(PicturePlugins& plugins, platform::System& system);

  // extensions: the plug-ins' extension list, one per line (".png").
  void SelectionChange(const platform::FileDialogSelection& selection, std::string_view extensions);
  void DialogClose() { form_.reset(); }
  // Null while no preview stands.
  TImageViewForm* Form() const { return form_.get(); }

 private:
  bool Previewable(const std::string& path, std::string_view extensions);
  PicturePlugins& plugins_;
  platform::System& system_;
  std::unique_ptr<TImageViewForm> form_;
};

}  // namespace quillpad
