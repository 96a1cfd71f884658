// Arbitrary bytes as a BMP file image, as a clipboard packed bitmap and as a decoder's header
// and pixel buffer; decoded pictures must survive a 24-bit round trip.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "base/bmp_image.h"

using namespace quillpad;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (const std::optional<BmpInfo> info = ReadBmpInfo(bytes)) {
    // Every pixel row the header promises lies inside the bytes.
    const std::uint64_t stride = (static_cast<std::uint64_t>(info->Width) * info->BitCount + 31) / 32 * 4;
    if (info->PixelOffset > size || stride * info->Height > size - info->PixelOffset) std::abort();
  }
  const std::string file = BmpFileFromDib(bytes);
  if (!file.empty() && (!ReadBmpInfo(file) || DibOfBmpFile(file) != bytes)) std::abort();

  if (const std::optional<RgbPicture> picture = DecodeBmp(bytes)) {
    if (picture->Pixels.size() != static_cast<std::size_t>(picture->Width) * picture->Height)
      std::abort();
    if (!picture->Pixels.empty()) {
      const std::optional<RgbPicture> again = DecodeBmp(EncodeBmp(*picture, 24));
      if (!again || again->Width != picture->Width || again->Height != picture->Height) std::abort();
    }
  }

  // The first byte chooses where the header ends and the pixels begin.
  if (size > 1) {
    const std::size_t split = 1 + (static_cast<std::size_t>(data[0]) * 4) % (size - 1);
    const std::string joined = BmpFileFromParts(bytes.substr(1, split - 1), bytes.substr(split));
    if (!joined.empty() && !DecodeBmp(joined)) std::abort();
  }
  return 0;
}
