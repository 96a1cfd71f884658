// One picture plug-in library: the four exports around one decoder (QUILLPAD_SPI_CODEC, set by
// the build), reading files by name through the program's own Windows file code.
#include "platform/win32/win32_file_system.h"  // <windows.h> first
// clang-format off
#include "platform/win32/plugin_abi.h"
// clang-format on

#include <algorithm>
#include <cstring>
#include <optional>

#include "base/bmp_image.h"
#include "plugins/codecs/picture_codecs.h"

namespace {

using quillpad::DecodedPicture;
using quillpad::PictureCodec;

const PictureCodec& Codec() {
  return quillpad::QUILLPAD_SPI_CODEC;
}

// Answers of GetPictureInfo and GetPicture.
enum Result : int { kDone = 0, kNotOurs = 1, kNoMemory = 4, kUnreadable = 5, kOnlyFiles = 6 };

// Pictures come from files only, by name: no offset into a file, no memory input.
std::optional<DecodedPicture> DecodeFile(const char* path, long offset, unsigned flags,
                                         bool sizeOnly, int& result) {
  if (!path || offset != 0 || (flags & 7) != 0) {
    result = kOnlyFiles;
    return std::nullopt;
  }
  quillpad::platform::win32::Win32FileSystem files;
  std::string bytes;
  if (!files.ReadFile(path, bytes, 1ull << 30)) {
    result = kUnreadable;
    return std::nullopt;
  }
  std::optional<DecodedPicture> decoded =
      Codec().Decode(bytes, sizeOnly, quillpad::kMaxPicturePixels);
  result = decoded ? kDone : kNotOurs;
  return decoded;
}

HLOCAL Block(std::string_view bytes) {
  HLOCAL block = LocalAlloc(LMEM_MOVEABLE, bytes.size());
  if (!block) return nullptr;
  void* to = LocalLock(block);
  if (!to) {
    LocalFree(block);
    return nullptr;
  }
  std::memcpy(to, bytes.data(), bytes.size());
  LocalUnlock(block);
  return block;
}

int Text(const char* text, char* buffer, int size) {
  if (!buffer || size <= 0) return 0;
  const int n = std::min(static_cast<int>(std::strlen(text)), size - 1);
  std::memcpy(buffer, text, static_cast<std::size_t>(n));
  buffer[n] = '\0';
  return n;
}

}  // namespace

extern "C" {

// 0 and 1 name the library; 2 and 3 are its one file type's pattern and description.
int WINAPI GetPluginInfo(int number, char* buffer, int size) {
  switch (number) {
    case 0:
      return Text("Quillpad picture plug-in", buffer, size);
    case 1:
      return Text(Codec().Description, buffer, size);
    case 2:
      return Text(Codec().Pattern, buffer, size);
    case 3:
      return Text(Codec().Description, buffer, size);
    default:
      return 0;
  }
}

int WINAPI IsSupported(const char*, HANDLE file) {
  char head[16] = {};
  DWORD got = 0;
  if (!file || file == INVALID_HANDLE_VALUE ||
      !ReadFile(file, head, static_cast<DWORD>(Codec().SignatureBytes), &got, nullptr)) {
    return 0;
  }
  return Codec().Sniff(std::string_view(head, got)) ? 1 : 0;
}

int WINAPI GetPictureInfo(const char* path, long offset, unsigned flags,
                          quillpad::plugin_abi::PictureRecord* info) {
  int result = kDone;
  const std::optional<DecodedPicture> decoded = DecodeFile(path, offset, flags, true, result);
  if (!decoded || !info) return result;
  *info = {};
  info->Width = decoded->Width;
  info->Height = decoded->Height;
  info->ColorDepth = 24;
  return kDone;
}

int WINAPI GetPicture(const char* path, long offset, unsigned flags, HLOCAL* header, HLOCAL* pixels,
                      FARPROC, long) {
  int result = kDone;
  const std::optional<DecodedPicture> decoded = DecodeFile(path, offset, flags, false, result);
  if (!decoded) return result;
  if (!header || !pixels) return kNotOurs;
  const std::optional<quillpad::BmpInfo> bmp = quillpad::ReadBmpInfo(decoded->Bmp);
  if (!bmp) return kNotOurs;
  const std::string_view file = decoded->Bmp;
  HLOCAL head = Block(file.substr(14, bmp->PixelOffset - 14));
  HLOCAL rows = head ? Block(file.substr(bmp->PixelOffset)) : nullptr;
  if (!rows) {
    if (head) LocalFree(head);
    return kNoMemory;
  }
  *header = head;
  *pixels = rows;
  return kDone;
}

}  // extern "C"
