// Picture plug-ins on Windows: LoadLibraryW by bare name, the four exports by GetProcAddress.
#pragma once

#include "platform/picture_plugins.h"

namespace quillpad::platform::win32 {

class Win32PluginLoader : public PluginLoader {
 public:
  std::unique_ptr<PictureLibrary> Load(const std::string& name) override;
  std::unique_ptr<PluginFile> OpenForReading(const std::string& path) override;
};

}  // namespace quillpad::platform::win32
