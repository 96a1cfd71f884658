#include "base/path.h"

#include "base/text.h"

namespace quillpad {

namespace {
std::size_t LastSeparator(std::string_view path) {
  std::size_t found = std::string_view::npos;
  for (std::size_t i = 0; i < path.size(); i += CharLength(path, i)) {
    if (path[i] == '\\' || path[i] == ':' || path[i] == '/') found = i;
  }
  return found;
}
}  // namespace

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  path += '\\';
  path += name;
  return path;
}

std::string ExtractFileDir(std::string_view path) {
  const std::size_t sep = LastSeparator(path);
  if (sep == std::string_view::npos) return {};
  // Keep the colon of "C:" but not the backslash after it.
  if (path[sep] == ':') return std::string(path.substr(0, sep + 1));
  return std::string(path.substr(0, sep));
}

std::string ExtractFileName(std::string_view path) {
  const std::size_t sep = LastSeparator(path);
  return std::string(sep == std::string_view::npos ? path : path.substr(sep + 1));
}

std::string ExtractFileExt(std::string_view path) {
  const std::string name = ExtractFileName(path);
  const std::size_t dot = FindLastChar(name, '.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

bool HasTrailingBackslash(std::string_view path) {
  return !path.empty() && path.back() == '\\' && !IsTrailByteAt(path, path.size() - 1);
}

std::string ExcludeTrailingBackslash(std::string_view path) {
  std::string out(path);
  while (HasTrailingBackslash(out)) out.pop_back();
  return out;
}

}  // namespace quillpad
