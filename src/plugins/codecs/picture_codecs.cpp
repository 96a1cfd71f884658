#include "plugins/codecs/picture_codecs.h"

namespace quillpad {

bool PictureSizeAllowed(std::uint64_t width, std::uint64_t height, std::uint64_t maxPixels) {
  return width > 0 && height > 0 && width <= 32768 && height <= 32768 &&
         width * height <= maxPixels;
}

}  // namespace quillpad
