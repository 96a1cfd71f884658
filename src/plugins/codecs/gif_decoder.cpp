// GIF through giflib, its first picture only, on the logical screen; see-through pixels and the
// screen around the picture show white. Kept at 8 bits with the file's colours when they fit.
#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "base/bmp_image.h"
#include "plugins/codecs/picture_codecs.h"

namespace quillpad {

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

bool SniffGif(std::string_view head) {
  return head.size() >= 6 && (head.substr(0, 6) == "GIF87a" || head.substr(0, 6) == "GIF89a");
}

struct Source {
  std::string_view Bytes;
  std::size_t At = 0;
};

int ReadBytes(GifFileType* gif, GifByteType* out, int count) {
  auto* source = static_cast<Source*>(gif->UserData);
  const std::size_t n =
      std::min<std::size_t>(count < 0 ? 0 : count, source->Bytes.size() - source->At);
  std::memcpy(out, source->Bytes.data() + source->At, n);
  source->At += n;
  return static_cast<int>(n);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};

// The transparent colour index of a graphic control block, or -1.
int TransparentIndex(const GifByteType* block) {
  return block && block[0] >= 4 && (block[1] & 1) ? block[4] : -1;
}

// Walks the records up to the first picture; false on damage or the end of the file.
bool FindFirstPicture(GifFileType* gif, int& transparent) {
  for (;;) {
    GifRecordType type;
    if (DGifGetRecordType(gif, &type) == GIF_ERROR) return false;
    if (type == IMAGE_DESC_RECORD_TYPE) return DGifGetImageDesc(gif) != GIF_ERROR;
    if (type == TERMINATE_RECORD_TYPE) return false;
    if (type != EXTENSION_RECORD_TYPE) continue;
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) return false;
    if (code == GRAPHICS_EXT_FUNC_CODE) transparent = TransparentIndex(block);
    while (block) {
      if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) return false;
    }
  }
}

std::optional<DecodedPicture> DecodeGif(std::string_view file, bool sizeOnly,
                                        std::uint64_t maxPixels) {
  if (!SniffGif(file)) return std::nullopt;
  Source source{file, 0};
  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&source, ReadBytes, &error));
  if (!gif) return std::nullopt;
  int transparent = -1;
  if (!FindFirstPicture(gif.get(), transparent)) return std::nullopt;
  const GifImageDesc& frame = gif->Image;
  // A screen of no size takes the picture's.
  const int width = gif->SWidth > 0 ? gif->SWidth : frame.Left + frame.Width;
  const int height = gif->SHeight > 0 ? gif->SHeight : frame.Top + frame.Height;
  if (!PictureSizeAllowed(width, height, maxPixels)) return std::nullopt;
  DecodedPicture decoded{width, height, {}};
  if (sizeOnly) return decoded;
  const ColorMapObject* map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
  if (!map || frame.Width <= 0 || frame.Height <= 0 ||
      !PictureSizeAllowed(frame.Width, frame.Height, maxPixels)) {
    return std::nullopt;
  }

  std::vector<std::uint32_t> colours;
  for (int i = 0; i < map->ColorCount; ++i) {
    const GifColorType& c = map->Colors[i];
    colours.push_back(c.Red | c.Green << 8 | static_cast<std::uint32_t>(c.Blue) << 16);
  }
  RgbPicture picture{width, height,
                     std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, kWhite)};
  std::vector<GifPixelType> line(static_cast<std::size_t>(frame.Width));
  // Interlaced rows arrive in four passes: every 8th from 0, every 8th from 4, every 4th from 2,
  // every 2nd from 1.
  const int starts[4] = {0, 4, 2, 1}, steps[4] = {8, 8, 4, 2};
  const int passes = frame.Interlace ? 4 : 1;
  bool anyWhite = frame.Left > 0 || frame.Top > 0 || frame.Left + frame.Width < width ||
                  frame.Top + frame.Height < height;
  bool anyBlack = false;
  for (int pass = 0; pass < passes; ++pass) {
    const int step = frame.Interlace ? steps[pass] : 1;
    for (int row = frame.Interlace ? starts[pass] : 0; row < frame.Height; row += step) {
      if (DGifGetLine(gif.get(), line.data(), frame.Width) == GIF_ERROR) return std::nullopt;
      const int y = frame.Top + row;
      if (y >= height) continue;
      for (int x = 0; x < frame.Width && frame.Left + x < width; ++x) {
        const int index = line[static_cast<std::size_t>(x)];
        if (index == transparent) {
          anyWhite = true;
          continue;
        }
        // Indexes past the colour map read as black, as in a BMP.
        const bool known = index < map->ColorCount;
        anyBlack = anyBlack || !known;
        picture.Pixels[static_cast<std::size_t>(y) * width + frame.Left + x] =
            known ? colours[static_cast<std::size_t>(index)] : 0;
      }
    }
  }
  if (anyWhite && std::find(colours.begin(), colours.end(), kWhite) == colours.end())
    colours.push_back(kWhite);
  if (anyBlack && std::find(colours.begin(), colours.end(), 0u) == colours.end())
    colours.push_back(0);
  decoded.Bmp = !colours.empty() && colours.size() <= 256 ? EncodeBmp(picture, 8, colours)
                                                          : EncodeBmp(picture, 24);
  if (decoded.Bmp.empty()) return std::nullopt;
  return decoded;
}

}  // namespace

const PictureCodec kGifCodec{"*.gif", "GIFファイル", 6, SniffGif, DecodeGif};

}  // namespace quillpad
