// Ini files parsed the way the system's profile calls read them. The file is kept as a list of
// raw lines (each with its own line end) so that a write changes only the line it must.
#include "platform/profile.h"

#include <climits>
#include <optional>
#include <vector>

#include "base/text.h"

namespace quillpad::platform {
namespace {

// Settings files are small; anything bigger is not ours and reads as defaults.
constexpr std::uint64_t kMaxProfileBytes = 16ull << 20;

struct RawLine {
  std::string Text;  // without the line end
  std::string End;   // "\r\n", "\n", "\r" or empty for a last line without one
};

struct ParsedLine {
  enum Kind { Other, Section, Key } LineKind = Other;
  std::string Name;   // section or key name, trimmed
  std::string Value;  // key value, trimmed, outer quotes removed
};

std::vector<RawLine> SplitRaw(const std::string& bytes) {
  std::vector<RawLine> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    // Line ends are ASCII and never trail bytes of a double-byte character, so a byte scan is safe.
    if (bytes[i] == '\r' || bytes[i] == '\n') {
      std::size_t endLen =
          (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
      lines.push_back({bytes.substr(start, i - start), bytes.substr(i, endLen)});
      i += endLen - 1;
      start = i + 1;
    }
  }
  if (start < bytes.size()) lines.push_back({bytes.substr(start), ""});
  return lines;
}

std::string Unquote(std::string value) {
  if (value.size() >= 2) {
    const char first = value.front();
    if ((first == '"' || first == '\'') && value.back() == first)
      return value.substr(1, value.size() - 2);
  }
  return value;
}

ParsedLine Parse(const std::string& text) {
  ParsedLine parsed;
  const std::string line = TrimLeft(text);
  if (line.empty()) return parsed;
  if (line[0] == '[') {
    std::size_t close = FindText(line, "]", 1);
    parsed.LineKind = ParsedLine::Section;
    parsed.Name = Trim(std::string_view(line).substr(
        1, close == std::string::npos ? std::string::npos : close - 1));
    return parsed;
  }
  const std::size_t eq = FindText(line, "=");
  if (eq == std::string::npos) return parsed;
  parsed.Name = Trim(std::string_view(line).substr(0, eq));
  if (parsed.Name.empty()) return parsed;
  parsed.LineKind = ParsedLine::Key;
  parsed.Value = Unquote(Trim(std::string_view(line).substr(eq + 1)));
  return parsed;
}

// The file's bytes, none for a missing file; false when it exists but cannot be read (or is too
// big to be ours).
bool LoadBytes(FileSystem& files, const std::string& path, bool& exists, std::string& bytes) {
  bytes.clear();
  exists = files.FileExists(path);
  return !exists || files.ReadFile(path, bytes, kMaxProfileBytes);
}

// The file as lines; nullopt when it cannot be read.
std::optional<std::vector<RawLine>> Load(FileSystem& files, const std::string& path, bool& exists) {
  std::string bytes;
  if (!LoadBytes(files, path, exists, bytes)) return std::nullopt;
  return SplitRaw(bytes);
}

std::string Join(const std::vector<RawLine>& lines) {
  std::string out;
  for (const RawLine& line : lines) out += line.Text + line.End;
  return out;
}

// Index of the first section line with this name, or -1.
int FindSection(const std::vector<RawLine>& lines, const std::string& section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const ParsedLine p = Parse(lines[i].Text);
    if (p.LineKind == ParsedLine::Section && SameText(p.Name, section)) return static_cast<int>(i);
  }
  return -1;
}

// One past the last line that belongs to the section starting at sectionLine.
std::size_t SectionEnd(const std::vector<RawLine>& lines, std::size_t sectionLine) {
  std::size_t i = sectionLine + 1;
  while (i < lines.size() && Parse(lines[i].Text).LineKind != ParsedLine::Section) ++i;
  return i;
}

// Keys, sections and values must not break the line structure of the file.
bool ValidName(const std::string& name, bool isSection) {
  if (Trim(name).empty()) return false;
  for (char c : name) {
    if (c == '\r' || c == '\n' || c == '\0') return false;
  }
  if (isSection) return FindText(name, "]") == std::string::npos;
  return FindText(name, "=") == std::string::npos && TrimLeft(name)[0] != '[';
}

}  // namespace

ProfileReader::ProfileReader(Profile& profile) {
  bool exists = false;
  readable_ = LoadBytes(profile.files_, profile.path_, exists, bytes_);
}

std::string ProfileReader::ReadString(const std::string& section, const std::string& key,
                                      const std::string& fallback) const {
  if (!readable_) return fallback;
  const std::vector<RawLine> lines = SplitRaw(bytes_);
  const int start = FindSection(lines, section);
  if (start < 0) return fallback;
  const std::size_t end = SectionEnd(lines, static_cast<std::size_t>(start));
  for (std::size_t i = static_cast<std::size_t>(start) + 1; i < end; ++i) {
    ParsedLine p = Parse(lines[i].Text);
    if (p.LineKind == ParsedLine::Key && SameText(p.Name, key)) return p.Value;
  }
  return fallback;
}

int ProfileReader::ReadInteger(const std::string& section, const std::string& key,
                               int fallback) const {
  long long value = 0;
  if (!TryStrToInt(ReadString(section, key, ""), value)) return fallback;
  if (value < INT_MIN || value > INT_MAX) return fallback;
  return static_cast<int>(value);
}

bool ProfileReader::ReadBool(const std::string& section, const std::string& key,
                             bool fallback) const {
  long long value = 0;
  if (!TryStrToInt(ReadString(section, key, ""), value)) return fallback;
  return value != 0;
}

std::string Profile::ReadString(const std::string& section, const std::string& key,
                                const std::string& fallback) {
  return ProfileReader(*this).ReadString(section, key, fallback);
}

bool Profile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value) {
  if (!ValidName(section, true) || !ValidName(key, false)) return false;
  // A line end inside a value would split it into lines of its own; keep the first line only.
  std::string oneLine = value;
  const std::size_t lineEnd = oneLine.find_first_of("\r\n");
  if (lineEnd != std::string::npos) oneLine.resize(lineEnd);

  bool exists = false;
  auto loaded = Load(files_, path_, exists);
  // Never replace a file we could not read: its contents would be lost.
  if (!loaded) return false;
  std::vector<RawLine>& lines = *loaded;
  const RawLine newLine{key + "=" + oneLine, "\r\n"};

  const int start = FindSection(lines, section);
  if (start < 0) {
    if (!lines.empty() && lines.back().End.empty()) lines.back().End = "\r\n";
    lines.push_back({"[" + section + "]", "\r\n"});
    lines.push_back(newLine);
    return files_.WriteFileAtomic(path_, Join(lines));
  }
  const std::size_t end = SectionEnd(lines, static_cast<std::size_t>(start));
  std::size_t insertAt = static_cast<std::size_t>(start) + 1;
  for (std::size_t i = static_cast<std::size_t>(start) + 1; i < end; ++i) {
    const ParsedLine p = Parse(lines[i].Text);
    if (p.LineKind == ParsedLine::Key && SameText(p.Name, key)) {
      lines[i].Text = newLine.Text;
      if (lines[i].End.empty()) lines[i].End = "\r\n";
      return files_.WriteFileAtomic(path_, Join(lines));
    }
    if (!Trim(lines[i].Text).empty()) insertAt = i + 1;  // after the last line with content
  }
  if (insertAt > 0 && lines[insertAt - 1].End.empty()) lines[insertAt - 1].End = "\r\n";
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), newLine);
  return files_.WriteFileAtomic(path_, Join(lines));
}

int Profile::ReadInteger(const std::string& section, const std::string& key, int fallback) {
  return ProfileReader(*this).ReadInteger(section, key, fallback);
}

bool Profile::WriteInteger(const std::string& section, const std::string& key, int value) {
  return WriteString(section, key, IntToStr(value));
}

bool Profile::ReadBool(const std::string& section, const std::string& key, bool fallback) {
  return ProfileReader(*this).ReadBool(section, key, fallback);
}

bool Profile::WriteBool(const std::string& section, const std::string& key, bool value) {
  return WriteString(section, key, value ? "1" : "0");
}

std::vector<std::pair<std::string, std::string>> Profile::ReadSection(const std::string& section) {
  std::vector<std::pair<std::string, std::string>> values;
  bool exists = false;
  const auto lines = Load(files_, path_, exists);
  if (!lines) return values;
  const int start = FindSection(*lines, section);
  if (start < 0) return values;
  const std::size_t end = SectionEnd(*lines, static_cast<std::size_t>(start));
  for (std::size_t i = static_cast<std::size_t>(start) + 1; i < end; ++i) {
    ParsedLine p = Parse((*lines)[i].Text);
    if (p.LineKind != ParsedLine::Key) continue;
    bool seen = false;
    for (const auto& [name, value] : values) seen = seen || SameText(name, p.Name);
    if (!seen) values.emplace_back(std::move(p.Name), std::move(p.Value));
  }
  return values;
}

bool Profile::DeleteKey(const std::string& section, const std::string& key) {
  bool exists = false;
  auto loaded = Load(files_, path_, exists);
  if (!loaded) return false;
  std::vector<RawLine>& lines = *loaded;
  const int start = FindSection(lines, section);
  if (start < 0) return true;
  const std::size_t end = SectionEnd(lines, static_cast<std::size_t>(start));
  bool erased = false;
  for (std::size_t i = end; i-- > static_cast<std::size_t>(start) + 1;) {
    const ParsedLine p = Parse(lines[i].Text);
    if (p.LineKind == ParsedLine::Key && SameText(p.Name, key)) {
      lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
      erased = true;
    }
  }
  return !erased || files_.WriteFileAtomic(path_, Join(lines));
}

bool Profile::SectionExists(const std::string& section) {
  bool exists = false;
  const auto lines = Load(files_, path_, exists);
  return lines && FindSection(*lines, section) >= 0;
}

bool Profile::EraseSection(const std::string& section) {
  bool exists = false;
  auto loaded = Load(files_, path_, exists);
  if (!loaded) return false;
  std::vector<RawLine>& lines = *loaded;
  bool erased = false;
  // Every copy goes, so the section reads as missing afterwards.
  for (int start = FindSection(lines, section); start >= 0; start = FindSection(lines, section)) {
    const std::size_t end = SectionEnd(lines, static_cast<std::size_t>(start));
    lines.erase(lines.begin() + start, lines.begin() + static_cast<std::ptrdiff_t>(end));
    erased = true;
  }
  if (!erased) return true;
  return files_.WriteFileAtomic(path_, Join(lines));
}

}  // namespace quillpad::platform
