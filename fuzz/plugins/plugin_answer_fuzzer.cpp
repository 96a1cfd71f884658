// A plug-in's answer as the manager takes it: the picture information's size, a header block
// and a pixel block, all arbitrary. Whatever comes back must be a sound picture of that size,
// made only of bytes inside the two blocks.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/bmp_image.h"
#include "plugins/plugin_answer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 6) return 0;
  // Two bytes for where the header block ends, two each for the reported width and height; a
  // reported size of 0 takes the header's own, so that sound answers are reached too.
  const std::size_t split = 6 + (data[0] | data[1] << 8) % (size - 5);
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string header = bytes.substr(6, split - 6);
  const std::string pixels = bytes.substr(split);
  int width = data[2] | data[3] << 8;
  int height = data[4] | data[5] << 8;
  if (header.size() >= 12) {
    const auto field = [&](std::size_t at) {
      return static_cast<std::int32_t>(
          static_cast<std::uint8_t>(header[at]) | static_cast<std::uint8_t>(header[at + 1]) << 8 |
          static_cast<std::uint8_t>(header[at + 2]) << 16 |
          static_cast<std::uint32_t>(static_cast<std::uint8_t>(header[at + 3])) << 24);
    };
    if (width == 0) width = field(4);
    if (height == 0) height = std::abs(field(8) == INT32_MIN ? 0 : field(8));
  }
  const std::string bmp = quillpad::BmpFromPluginAnswer(width, height, header, pixels);
  if (bmp.empty()) return 0;
  const auto info = quillpad::ReadBmpInfo(bmp);
  if (!info || info->Width != width || info->Height != height) std::abort();
  if (bmp.size() > 14 + header.size() + pixels.size()) std::abort();
  if (!quillpad::DecodeBmp(bmp)) std::abort();
  return 0;
}
