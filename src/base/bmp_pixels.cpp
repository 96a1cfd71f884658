// Pixels of BMP file images: every depth in, every depth out. The header is read only by
// ReadBmpInfo, which has already checked that the rows lie inside the bytes.
#include <algorithm>
#include <array>
#include <bit>
#include <memory>
#include <unordered_map>

#include "base/bmp_image.h"

namespace quillpad {

namespace {

constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kInfoHeader = 40;

std::uint32_t Byte(std::string_view b, std::size_t at) {
  return static_cast<unsigned char>(b[at]);
}

// The colour a bit field holds, widened to 8 bits.
std::uint32_t FieldValue(std::uint32_t pixel, std::uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const int width = std::min(std::popcount(mask >> shift), 8);
  const std::uint32_t value = (pixel & mask) >> shift >> (std::popcount(mask >> shift) - width);
  const std::uint32_t top = (1u << width) - 1;
  return width == 8 ? value : value * 255 / top;
}

std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return r | g << 8 | b << 16;
}

void Put32(std::string& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<char>(v >> (8 * i) & 0xFF));
}
void Put16(std::string& b, std::uint16_t v) {
  b.push_back(static_cast<char>(v & 0xFF));
  b.push_back(static_cast<char>(v >> 8));
}

int Distance(std::uint32_t a, std::uint32_t b) {
  int sum = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int d = static_cast<int>(a >> shift & 0xFF) - static_cast<int>(b >> shift & 0xFF);
    sum += d * d;
  }
  return sum;
}

// The palette index for each colour: exact entries first, then the entry nearest to the centre
// of the colour's 5-5-5 cell, worked out once per cell so large pictures stay quick.
class NearestEntry {
 public:
  explicit NearestEntry(const std::vector<std::uint32_t>& palette) : palette_(palette) {
    for (std::size_t i = palette.size(); i-- > 0;)
      exact_[palette[i] & 0xFFFFFF] = static_cast<int>(i);
    cells_.fill(-1);
  }
  int operator()(std::uint32_t color) {
    color &= 0xFFFFFF;
    if (const auto it = exact_.find(color); it != exact_.end()) return it->second;
    const std::uint32_t cell =
        (color >> 3 & 0x1F) | (color >> 11 & 0x1F) << 5 | (color >> 19 & 0x1F) << 10;
    int& entry = cells_[cell];
    if (entry < 0) {
      const std::uint32_t centre = (color & 0xF8F8F8) | 0x040404;
      int best = 0;
      for (std::size_t i = 1; i < palette_.size(); ++i)
        if (Distance(palette_[i], centre) < Distance(palette_[best], centre))
          best = static_cast<int>(i);
      entry = best;
    }
    return entry;
  }

 private:
  const std::vector<std::uint32_t>& palette_;
  std::unordered_map<std::uint32_t, int> exact_;
  std::array<int, 32768> cells_;
};

}  // namespace

std::optional<RgbPicture> DecodeBmp(std::string_view file) {
  const std::optional<BmpInfo> info = ReadBmpInfo(file);
  if (!info) return std::nullopt;
  std::vector<std::uint32_t> table(static_cast<std::size_t>(info->ColorCount));
  for (std::size_t i = 0; i < table.size(); ++i) {
    const std::size_t at = info->ColorTableOffset + 4 * i;  // blue, green, red, unused
    table[i] = Rgb(Byte(file, at + 2), Byte(file, at + 1), Byte(file, at));
  }
  RgbPicture picture;
  picture.Width = info->Width;
  picture.Height = info->Height;
  picture.Pixels.resize(static_cast<std::size_t>(info->Width) * info->Height);
  const std::size_t stride = (static_cast<std::size_t>(info->Width) * info->BitCount + 31) / 32 * 4;
  const int bits = info->BitCount;
  for (int y = 0; y < info->Height; ++y) {
    const int fileRow = info->TopDown ? y : info->Height - 1 - y;
    const std::size_t row = info->PixelOffset + stride * static_cast<std::size_t>(fileRow);
    std::uint32_t* out = &picture.Pixels[static_cast<std::size_t>(y) * info->Width];
    for (int x = 0; x < info->Width; ++x) {
      if (bits <= 8) {
        const std::size_t bit = static_cast<std::size_t>(x) * bits;
        const std::uint32_t index =
            Byte(file, row + bit / 8) >> (8 - bits - bit % 8) & ((1u << bits) - 1);
        out[x] = index < table.size() ? table[index] : 0;
      } else if (bits == 24) {
        const std::size_t at = row + 3 * static_cast<std::size_t>(x);
        out[x] = Rgb(Byte(file, at + 2), Byte(file, at + 1), Byte(file, at));
      } else {
        const std::size_t at = row + static_cast<std::size_t>(x) * (bits / 8);
        std::uint32_t pixel = Byte(file, at) | Byte(file, at + 1) << 8;
        if (bits == 32) pixel |= Byte(file, at + 2) << 16 | Byte(file, at + 3) << 24;
        out[x] = Rgb(FieldValue(pixel, info->Masks[0]), FieldValue(pixel, info->Masks[1]),
                     FieldValue(pixel, info->Masks[2]));
      }
    }
  }
  return picture;
}

std::string EncodeBmp(const RgbPicture& picture, int bitCount,
                      const std::vector<std::uint32_t>& palette) {
  const bool indexed = bitCount == 1 || bitCount == 4 || bitCount == 8;
  if (!indexed && bitCount != 16 && bitCount != 24 && bitCount != 32) return {};
  if (picture.Width <= 0 || picture.Height <= 0 ||
      picture.Pixels.size() != static_cast<std::size_t>(picture.Width) * picture.Height) {
    return {};
  }
  if (indexed && (palette.empty() || palette.size() > (1u << bitCount))) return {};
  const std::size_t colors = indexed ? palette.size() : 0;
  const std::size_t stride = (static_cast<std::size_t>(picture.Width) * bitCount + 31) / 32 * 4;
  const std::size_t pixelsAt = kFileHeader + kInfoHeader + 4 * colors;
  const std::size_t size = pixelsAt + stride * picture.Height;
  std::string file;
  file.reserve(size);
  file += "BM";
  Put32(file, static_cast<std::uint32_t>(size));
  Put32(file, 0);
  Put32(file, static_cast<std::uint32_t>(pixelsAt));
  Put32(file, kInfoHeader);
  Put32(file, static_cast<std::uint32_t>(picture.Width));
  Put32(file, static_cast<std::uint32_t>(picture.Height));  // bottom-up
  Put16(file, 1);
  Put16(file, static_cast<std::uint16_t>(bitCount));
  Put32(file, 0);  // uncompressed; 16 bits are then 5-5-5
  Put32(file, static_cast<std::uint32_t>(stride * picture.Height));
  Put32(file, 3780);  // 96 dots per inch
  Put32(file, 3780);
  Put32(file, static_cast<std::uint32_t>(colors));
  Put32(file, 0);
  for (std::size_t i = 0; i < colors; ++i)
    Put32(file, (palette[i] & 0xFF) << 16 | (palette[i] & 0xFF00) | (palette[i] >> 16 & 0xFF));

  std::unique_ptr<NearestEntry> nearest;
  if (indexed) nearest = std::make_unique<NearestEntry>(palette);
  std::string row(stride, '\0');
  for (int y = picture.Height - 1; y >= 0; --y) {
    std::fill(row.begin(), row.end(), '\0');
    for (int x = 0; x < picture.Width; ++x) {
      const std::uint32_t c = picture.At(x, y);
      const std::uint32_t r = c & 0xFF, g = c >> 8 & 0xFF, b = c >> 16 & 0xFF;
      if (indexed) {
        const std::size_t bit = static_cast<std::size_t>(x) * bitCount;
        const auto index = static_cast<unsigned>((*nearest)(c));
        row[bit / 8] = static_cast<char>(static_cast<unsigned char>(row[bit / 8]) |
                                         index << (8 - bitCount - bit % 8));
      } else if (bitCount == 16) {
        const std::uint32_t v = (r >> 3) << 10 | (g >> 3) << 5 | b >> 3;
        row[2 * x] = static_cast<char>(v & 0xFF);
        row[2 * x + 1] = static_cast<char>(v >> 8);
      } else {
        const std::size_t at = static_cast<std::size_t>(x) * (bitCount / 8);
        row[at] = static_cast<char>(b);
        row[at + 1] = static_cast<char>(g);
        row[at + 2] = static_cast<char>(r);
      }
    }
    file += row;
  }
  return file;
}

}  // namespace quillpad
