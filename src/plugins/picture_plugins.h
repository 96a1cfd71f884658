// The picture plug-in libraries as one object: the picture open dialog's filter, the extensions
// that get a preview, and decoding a file through the first plug-in that takes it. Each library
// is loaded for one operation and released afterwards.
#pragma once

#include <string>
#include <vector>

#include "platform/picture_plugins.h"
#include "plugins/picture_filter.h"

namespace quillpad {

// Tried in this order.
inline constexpr const char* kPluginNames[] = {"ifjpeg.spi", "lzr.spi",   "lzrp.spi",
                                               "ifgif2.spi", "ifgif.spi", "ifpng.spi"};

class PicturePlugins {
 public:
  explicit PicturePlugins(platform::PluginLoader& loader) : loader_(loader) {}

  std::string BuildPictureFilter();
  std::string SupportedExtensions();
  // The picture as a BMP file image, from the first plug-in whose IsSupported takes the file:
  // that answer (non-zero) on success; 0, with bmp unchanged, when none takes it or its picture
  // is refused.
  int LoadPictureToBitmap(const std::string& file, std::string& bmp);
  // The same, with the picture information's height and width.
  int LoadPictureToImage(const std::string& file, std::string& bmp, int& height, int& width);

  // A plug-in that reports more file types than this is cut short there.
  static constexpr int kMaxFileTypes = 64;

 private:
  std::vector<PluginFileType> FileTypes();
  platform::PluginLoader& loader_;
};

}  // namespace quillpad
