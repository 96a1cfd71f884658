#include "plugins/plugin_answer.h"

#include <optional>

#include "base/bmp_image.h"

namespace quillpad {

std::string BmpFromPluginAnswer(int width, int height, std::string_view header,
                                std::string_view pixels) {
  if (width <= 0 || height <= 0) return {};
  std::string file = BmpFileFromParts(header, pixels);
  const std::optional<BmpInfo> info = ReadBmpInfo(file);
  // A picture that is not the size the plug-in reported is not the one it described.
  if (!info || info->Width != width || info->Height != height) return {};
  return file;
}

}  // namespace quillpad
