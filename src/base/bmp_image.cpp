#include "base/bmp_image.h"

namespace quillpad {

namespace {

constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kInfoHeader = 40;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitFields = 3;
constexpr int kMaxSide = 32768;

std::uint32_t U32(std::string_view b, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}
std::uint16_t U16(std::string_view b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                    static_cast<unsigned char>(b[at + 1]) << 8);
}
void Put32(std::string& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<char>(v >> (8 * i) & 0xFF));
}
void Put16(std::string& b, std::uint16_t v) {
  b.push_back(static_cast<char>(v & 0xFF));
  b.push_back(static_cast<char>(v >> 8));
}

// What the packed bitmap's header says, checked against the bytes that follow it; offsets are
// from the start of the packed bitmap. The pixel offset is where the colour table ends.
std::optional<BmpInfo> ReadDibInfo(std::string_view dib, std::uint64_t pixelsAt, bool pixelsGiven) {
  if (dib.size() < kInfoHeader) return std::nullopt;
  const std::uint32_t headerSize = U32(dib, 0);
  const auto width = static_cast<std::int32_t>(U32(dib, 4));
  const auto height = static_cast<std::int32_t>(U32(dib, 8));
  const int bitCount = U16(dib, 14);
  const std::uint32_t compression = U32(dib, 16);
  const std::uint32_t colorsUsed = U32(dib, 32);
  if (headerSize < kInfoHeader || headerSize > dib.size() || U16(dib, 12) != 1) return std::nullopt;
  if (width <= 0 || width > kMaxSide || height == 0 || height < -kMaxSide || height > kMaxSide) {
    return std::nullopt;
  }
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
      bitCount != 32) {
    return std::nullopt;
  }
  const bool bitFields = compression == kBiBitFields;
  if (compression != kBiRgb && !(bitFields && (bitCount == 16 || bitCount == 32)))
    return std::nullopt;
  const std::uint64_t colors = bitCount <= 8 ? (colorsUsed ? colorsUsed : 1u << bitCount) : 0;
  if (colors > 256) return std::nullopt;
  // A version 1 header keeps its three masks after it; later versions hold them inside.
  const std::uint64_t masks = bitFields && headerSize == kInfoHeader ? 12 : 0;
  const std::uint64_t tableEnd = headerSize + masks + colors * 4;
  if (tableEnd > dib.size()) return std::nullopt;
  if (!pixelsGiven) pixelsAt = tableEnd;
  if (pixelsAt < tableEnd || pixelsAt > dib.size()) return std::nullopt;
  const std::uint64_t rows = height < 0 ? -static_cast<std::int64_t>(height) : height;
  const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bitCount + 31) / 32 * 4;
  if (stride * rows > dib.size() - pixelsAt) return std::nullopt;

  BmpInfo info;
  info.Width = width;
  info.Height = static_cast<int>(rows);
  info.TopDown = height < 0;
  info.BitCount = bitCount;
  bool is565 = false;
  if (bitFields && bitCount == 16) {
    const std::size_t at = kInfoHeader;  // after a version 1 header, or inside a later one
    is565 = at + 8 <= dib.size() && U32(dib, at) == 0xF800 && U32(dib, at + 4) == 0x07E0;
  }
  info.Format = PixelFormatOf(bitCount, is565);
  info.PixelOffset = static_cast<std::uint32_t>(pixelsAt);
  info.ColorTableOffset = static_cast<std::uint32_t>(headerSize + masks);
  info.ColorCount = static_cast<int>(colors);
  if (bitFields) {
    const std::size_t at = kInfoHeader;  // after a version 1 header, or inside a later one
    for (int i = 0; i < 3; ++i)
      info.Masks[i] = at + 4 * i + 4 <= dib.size() ? U32(dib, at + 4 * i) : 0;
  } else if (bitCount == 16) {
    info.Masks[0] = 0x7C00, info.Masks[1] = 0x03E0, info.Masks[2] = 0x001F;
  } else if (bitCount == 32) {
    info.Masks[0] = 0xFF0000, info.Masks[1] = 0xFF00, info.Masks[2] = 0xFF;
  }
  return info;
}

}  // namespace

PixelFormat PixelFormatOf(int bitCount, bool bitFields565) {
  switch (bitCount) {
    case 1:
      return PixelFormat::Bits1;
    case 4:
      return PixelFormat::Bits4;
    case 8:
      return PixelFormat::Bits8;
    case 16:
      return bitFields565 ? PixelFormat::Bits16 : PixelFormat::Bits15;
    case 24:
      return PixelFormat::Bits24;
    case 32:
      return PixelFormat::Bits32;
    default:
      return PixelFormat::Device;
  }
}

std::optional<BmpInfo> ReadBmpInfo(std::string_view file) {
  if (file.size() < kFileHeader + kInfoHeader || file[0] != 'B' || file[1] != 'M')
    return std::nullopt;
  const std::uint32_t offBits = U32(file, 10);
  if (offBits < kFileHeader) return std::nullopt;
  std::optional<BmpInfo> info = ReadDibInfo(file.substr(kFileHeader), offBits - kFileHeader, true);
  if (info) {
    info->PixelOffset += kFileHeader;
    info->ColorTableOffset += kFileHeader;
  }
  return info;
}

std::string BmpFileFromDib(std::string_view dib) {
  const std::optional<BmpInfo> info = ReadDibInfo(dib, 0, false);
  if (!info) return {};
  std::string file;
  file.reserve(kFileHeader + dib.size());
  file += "BM";
  Put32(file, static_cast<std::uint32_t>(kFileHeader + dib.size()));
  Put32(file, 0);
  Put32(file, static_cast<std::uint32_t>(kFileHeader + info->PixelOffset));
  file.append(dib);
  return file;
}

std::string BmpFileFromParts(std::string_view header, std::string_view pixels) {
  // The largest header with masks and a full colour table is 124 + 12 + 1024 bytes; a decoder's
  // block may be longer than what it describes, and the rest is none of the picture's.
  header = header.substr(0, 4096);
  std::string dib;
  dib.reserve(header.size() + pixels.size());
  dib.append(header);
  dib.append(pixels);
  const std::optional<BmpInfo> info = ReadDibInfo(dib, header.size(), true);
  if (!info) return {};
  const std::size_t stride = (static_cast<std::size_t>(info->Width) * info->BitCount + 31) / 32 * 4;
  const std::size_t tableEnd =
      info->ColorTableOffset + static_cast<std::size_t>(info->ColorCount) * 4;
  const std::size_t rows = stride * info->Height;
  std::string file;
  file.reserve(kFileHeader + tableEnd + rows);
  file += "BM";
  Put32(file, static_cast<std::uint32_t>(kFileHeader + tableEnd + rows));
  Put32(file, 0);
  Put32(file, static_cast<std::uint32_t>(kFileHeader + tableEnd));
  file.append(dib, 0, tableEnd);
  file.append(dib, header.size(), rows);
  return file;
}

std::string DibOfBmpFile(std::string_view file) {
  const std::optional<BmpInfo> info = ReadBmpInfo(file);
  if (!info) return {};
  // A file may leave a gap between its colour table and its pixels; the packed form has none.
  const std::optional<BmpInfo> packed = ReadDibInfo(file.substr(kFileHeader), 0, false);
  if (!packed) return {};
  std::string dib(file.substr(kFileHeader, packed->PixelOffset));
  dib.append(file.substr(info->PixelOffset));
  return dib;
}

std::string SolidBmpFile(int width, int height, std::uint32_t color) {
  if (width < 1) width = 1;
  if (height < 1) height = 1;
  const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 24 + 31) / 32 * 4;
  const std::uint32_t pixels = stride * static_cast<std::uint32_t>(height);
  std::string file;
  file.reserve(kFileHeader + kInfoHeader + pixels);
  file += "BM";
  Put32(file, static_cast<std::uint32_t>(kFileHeader + kInfoHeader + pixels));
  Put32(file, 0);
  Put32(file, kFileHeader + kInfoHeader);
  Put32(file, kInfoHeader);
  Put32(file, static_cast<std::uint32_t>(width));
  Put32(file, static_cast<std::uint32_t>(height));
  Put16(file, 1);
  Put16(file, 24);
  Put32(file, kBiRgb);
  Put32(file, pixels);
  Put32(file, 3780);  // 96 dots per inch
  Put32(file, 3780);
  Put32(file, 0);
  Put32(file, 0);
  std::string row(stride, '\0');
  for (int x = 0; x < width; ++x) {
    row[3 * x] = static_cast<char>(color >> 16 & 0xFF);  // blue first
    row[3 * x + 1] = static_cast<char>(color >> 8 & 0xFF);
    row[3 * x + 2] = static_cast<char>(color & 0xFF);
  }
  for (int y = 0; y < height; ++y) file += row;
  return file;
}

}  // namespace quillpad
