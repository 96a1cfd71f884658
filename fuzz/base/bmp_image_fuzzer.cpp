// Arbitrary bytes as a BMP file image and as a clipboard packed bitmap.
#include <cstdint>
#include <cstdlib>
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
  return 0;
}
