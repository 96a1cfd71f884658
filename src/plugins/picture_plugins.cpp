#include "plugins/picture_plugins.h"

#include <memory>

#include "plugins/plugin_answer.h"

namespace quillpad {

std::vector<PluginFileType> PicturePlugins::FileTypes() {
  std::vector<PluginFileType> types;
  for (const char* name : kPluginNames) {
    std::unique_ptr<platform::PictureLibrary> library = loader_.Load(name);
    if (!library) continue;
    // A plug-in that answers every number would never end the list.
    for (int n = 0; n < kMaxFileTypes; ++n) {
      PluginFileType type;
      if (library->GetPluginInfo(2 * n + 3, type.Description) <= 0) break;
      library->GetPluginInfo(2 * n + 2, type.Pattern);
      types.push_back(std::move(type));
    }
  }
  return types;
}

std::string PicturePlugins::BuildPictureFilter() {
  return quillpad::BuildPictureFilter(FileTypes());
}

std::string PicturePlugins::SupportedExtensions() {
  return quillpad::SupportedExtensions(FileTypes());
}

int PicturePlugins::LoadPictureToImage(const std::string& file, std::string& bmp, int& height,
                                       int& width) {
  std::unique_ptr<platform::PluginFile> handle = loader_.OpenForReading(file);
  if (!handle) return 0;
  for (const char* name : kPluginNames) {
    std::unique_ptr<platform::PictureLibrary> library = loader_.Load(name);
    if (!library) continue;
    const int supported = library->IsSupported(file, *handle);
    if (supported == 0) continue;
    handle.reset();  // the plug-in reads the file by its name
    platform::PluginPictureInfo info;
    library->GetPictureInfo(file, info);
    // Declared after the library: its blocks are freed before the library goes.
    std::unique_ptr<platform::PluginPicture> picture = library->GetPicture(file);
    if (!picture) return 0;
    std::string decoded =
        BmpFromPluginAnswer(info.Width, info.Height, picture->Header(), picture->Pixels());
    if (decoded.empty()) return 0;
    bmp = std::move(decoded);
    height = info.Height;
    width = info.Width;
    return supported;
  }
  return 0;
}

int PicturePlugins::LoadPictureToBitmap(const std::string& file, std::string& bmp) {
  int height = 0;
  int width = 0;
  return LoadPictureToImage(file, bmp, height, width);
}

}  // namespace quillpad
