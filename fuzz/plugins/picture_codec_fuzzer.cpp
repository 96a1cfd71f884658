// Our plug-ins' decoders on arbitrary bytes, each format trying every input (each looks at its
// own signature first). A picture they give must be a sound BMP of the size they report, and
// no claim beyond the pixel bound may be allocated (the run's memory limit catches that).
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/bmp_image.h"
#include "plugins/codecs/picture_codecs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (const quillpad::PictureCodec* codec :
       {&quillpad::kPngCodec, &quillpad::kGifCodec, &quillpad::kJpegCodec}) {
    const auto probed = codec->Decode(bytes, true, quillpad::kMaxPicturePixels);
    const auto decoded = codec->Decode(bytes, false, quillpad::kMaxPicturePixels);
    if (decoded && !probed) std::abort();
    if (!decoded) continue;
    if (probed->Width != decoded->Width || probed->Height != decoded->Height) std::abort();
    if (!quillpad::PictureSizeAllowed(decoded->Width, decoded->Height, quillpad::kMaxPicturePixels))
      std::abort();
    const auto info = quillpad::ReadBmpInfo(decoded->Bmp);
    if (!info || info->Width != decoded->Width || info->Height != decoded->Height) std::abort();
  }
  return 0;
}
