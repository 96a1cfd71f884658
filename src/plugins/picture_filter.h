// What the picture plug-ins report about themselves, turned into the picture open dialog's
// filter and the list of extensions that get a preview. Window-free: the plug-ins' answers
// come in as values.
#pragma once

#include <string>
#include <vector>

namespace quillpad {

// One file type of one plug-in: its pattern text ("*.jpg;*.jpeg") and description.
struct PluginFileType {
  std::string Pattern;
  std::string Description;
};

// "JPEG file(*.jpg;*.jpeg),ビットマップファイル(*.bmp)|*.jpg;*.jpeg;*.bmp|すべてのファイル(*.*)|*.*"
std::string BuildPictureFilter(const std::vector<PluginFileType>& types);
// The extensions of every pattern (".jpg"), one per line, blanks and control characters
// trimmed from the ends of the whole text.
std::string SupportedExtensions(const std::vector<PluginFileType>& types);
// Whether the path's extension is in that list, whatever the letter case.
bool HasSupportedExtension(const std::string& extensions, const std::string& path);

}  // namespace quillpad
