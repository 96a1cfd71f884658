#include "plugins/picture_filter.h"

#include "base/path.h"
#include "base/text.h"

namespace quillpad {

std::string BuildPictureFilter(const std::vector<PluginFileType>& types) {
  std::string descriptions;
  std::string patterns;
  for (const PluginFileType& type : types) {
    if (!descriptions.empty()) descriptions += ",";
    if (!patterns.empty()) patterns += ";";
    descriptions += type.Description + "(" + type.Pattern + ")";
    patterns += type.Pattern;
  }
  if (!descriptions.empty()) descriptions += ",";
  if (!patterns.empty()) patterns += ";";
  descriptions += "ビットマップファイル(*.bmp)";
  patterns += "*.bmp";
  return descriptions + "|" + patterns + "|すべてのファイル(*.*)|*.*";
}

std::string SupportedExtensions(const std::vector<PluginFileType>& types) {
  std::string list;
  for (const PluginFileType& type : types) {
    std::size_t start = 0;
    while (start <= type.Pattern.size()) {
      std::size_t end = type.Pattern.find(';', start);
      if (end == std::string::npos) end = type.Pattern.size();
      list += ExtractFileExt(type.Pattern.substr(start, end - start)) + "\n";
      start = end + 1;
    }
  }
  return Trim(list);
}

bool HasSupportedExtension(const std::string& extensions, const std::string& path) {
  const std::string ext = ExtractFileExt(path);
  if (ext.empty()) return false;
  for (const std::string& line : SplitLines(extensions))
    if (SameText(line, ext)) return true;
  return false;
}

}  // namespace quillpad
