// A selection cut out of any bytes as a picture, as the frozen screen does with whatever picture
// the clipboard held: the first 8 bytes are the selection's corners, the rest the picture. The
// cut is a sound picture no larger than the selection or the picture.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "base/bmp_image.h"
#include "capture/capture_rules.h"

using namespace quillpad;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 8) return 0;
  std::int16_t corners[4];
  std::memcpy(corners, data, sizeof corners);
  const platform::Rect r = OrderCorners({corners[0], corners[1]}, {corners[2], corners[3]});
  const std::string_view picture(reinterpret_cast<const char*>(data) + 8, size - 8);
  const std::string cut = CutPicture(picture, r);
  if (cut.empty()) return 0;
  const std::optional<BmpInfo> info = ReadBmpInfo(cut);
  const std::optional<BmpInfo> whole = ReadBmpInfo(picture);
  if (!info || !whole || info->Width > r.Width() || info->Height > r.Height() ||
      info->Width > whole->Width || info->Height > whole->Height)
    std::abort();
  return 0;
}
