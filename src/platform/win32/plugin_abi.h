// The picture plug-ins' four exports as both sides of the call see them: the program's loader
// and our own plug-in libraries. Exported by undecorated name, standard call convention.
#pragma once

#include <windows.h>

#include <cstdint>

namespace quillpad::plugin_abi {

// Filled by GetPictureInfo, field after field without padding.
#pragma pack(push, 1)
struct PictureRecord {
  std::int32_t Left;
  std::int32_t Top;
  std::int32_t Width;
  std::int32_t Height;
  std::uint16_t HorizontalDensity;
  std::uint16_t VerticalDensity;
  std::int16_t ColorDepth;
  std::uint32_t TextBlock;  // a handle of a text block; the program never uses it
};
#pragma pack(pop)

using GetPluginInfoCall = int(WINAPI*)(int number, char* buffer, int size);
using IsSupportedCall = int(WINAPI*)(const char* path, HANDLE file);
using GetPictureInfoCall = int(WINAPI*)(const char* path, long offset, unsigned flags,
                                        PictureRecord* info);
using GetPictureCall = int(WINAPI*)(const char* path, long offset, unsigned flags, HLOCAL* header,
                                    HLOCAL* pixels, FARPROC progress, long data);

constexpr int kInfoBufferSize = 80;

}  // namespace quillpad::plugin_abi
