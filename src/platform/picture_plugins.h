// Picture plug-in libraries as the program calls them: load one by its bare name, call its four
// exports, release it. Only the calls: what the answers mean and whether they can be trusted is
// decided above this layer (plugins/).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace quillpad::platform {

// GetPictureInfo's record, as the plug-in filled it (all zero when it filled nothing).
struct PluginPictureInfo {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::uint16_t HorizontalDensity = 0;
  std::uint16_t VerticalDensity = 0;
  std::int16_t ColorDepth = 0;
};

// A file opened for shared reading, handed to each plug-in's IsSupported in turn.
class PluginFile {
 public:
  virtual ~PluginFile() = default;
};

// The two memory blocks GetPicture handed over, locked while this object lives and freed with
// it. The views are exactly as long as the blocks; nothing in them has been checked.
class PluginPicture {
 public:
  virtual ~PluginPicture() = default;
  virtual std::string_view Header() const = 0;
  virtual std::string_view Pixels() const = 0;
};

// One loaded library; destroying it releases the library (FreeLibrary).
class PictureLibrary {
 public:
  virtual ~PictureLibrary() = default;
  // GetPluginInfo(number, buffer, 80): its return value, and the buffer's text up to its NUL
  // (at most 80 bytes).
  virtual int GetPluginInfo(int number, std::string& text) = 0;
  // IsSupported(file name, handle) with the file positioned at its start.
  virtual int IsSupported(const std::string& path, PluginFile& file) = 0;
  // GetPictureInfo(file name, 0, 0, record): its return value.
  virtual int GetPictureInfo(const std::string& path, PluginPictureInfo& info) = 0;
  // GetPicture(file name, 0, 0, header, pixels, no progress callback, 0); null when the plug-in
  // did not set both handles.
  virtual std::unique_ptr<PluginPicture> GetPicture(const std::string& path) = 0;
};

class PluginLoader {
 public:
  virtual ~PluginLoader() = default;
  // The library by its bare name through the system's library search (the program's folder
  // first); null when it does not load or lacks one of the four exports.
  virtual std::unique_ptr<PictureLibrary> Load(const std::string& name) = 0;
  // The file opened for reading, others may read it too; null when it cannot be opened.
  virtual std::unique_ptr<PluginFile> OpenForReading(const std::string& path) = 0;
};

}  // namespace quillpad::platform
