#include "archiver/unlha_command.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "archiver/file_names.h"
#include "archiver/lzh_archive.h"

namespace quillpad::archiver {

namespace fs = std::filesystem;

namespace {

struct Command {
  std::string Archive;
  std::string Folder;  // ends in '\'
  std::string Name;    // empty: the whole folder
};

std::optional<Command> ParseCommand(std::string_view line) {
  std::vector<std::string> words;
  bool relative = false;
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i == line.size()) break;
    std::string word;
    if (line[i] == '"') {
      // '"' and ' ' are never trail bytes in CP932, so bytes can be scanned one by one.
      const std::size_t close = line.find('"', i + 1);
      if (close == std::string_view::npos) return std::nullopt;
      word.assign(line.substr(i + 1, close - i - 1));
      i = close + 1;
      words.push_back(std::move(word));
      continue;
    }
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') word.push_back(line[i++]);
    if (word[0] == '-' || word[0] == '/') {
      if (word != "-d1" && word != "/d1") return std::nullopt;
      relative = true;
      continue;
    }
    words.push_back(std::move(word));
  }
  (void)relative;  // -d1 is how names are always stored
  if (words.size() < 3 || words.size() > 4 || (words[0] != "u" && words[0] != "U")) {
    return std::nullopt;
  }
  Command c{words[1], words[2], words.size() == 4 ? words[3] : std::string()};
  if (c.Archive.empty() || c.Folder.empty()) return std::nullopt;
  if (LastSeparator(c.Folder) != c.Folder.size() - 1) c.Folder.push_back('\\');
  // The name stays inside the folder: not rooted, no drive, no step up.
  while (!c.Name.empty() && LastSeparator(c.Name) == c.Name.size() - 1) c.Name.pop_back();
  if (!c.Name.empty()) {
    if (c.Name[0] == '\\' || c.Name[0] == '/' || c.Name.find(':') != std::string::npos) {
      return std::nullopt;
    }
    for (const fs::path& step : NativePath(c.Name)) {
      if (step == "..") return std::nullopt;
    }
  }
  return c;
}

struct Source {
  std::string Name;
  fs::path Path;
};

bool SamePath(const fs::path& a, const fs::path& b) {
  std::error_code e1, e2;
  const fs::path x = fs::weakly_canonical(a, e1), y = fs::weakly_canonical(b, e2);
  return !e1 && !e2 && x == y;
}

// The files to add, sorted by stored name; nothing when the source does not exist.
std::optional<std::vector<Source>> CollectSources(const Command& c, const fs::path& archive) {
  const fs::path root = NativePath(c.Folder + c.Name);
  std::error_code ec;
  std::vector<Source> sources;
  if (!c.Name.empty() && fs::is_regular_file(root, ec)) {
    sources.push_back({c.Name, root});
    return sources;
  }
  if (!fs::is_directory(root, ec)) return std::nullopt;
  const std::string prefix = c.Name.empty() ? std::string() : c.Name + '\\';
  fs::recursive_directory_iterator it(root, ec), end;
  if (ec) return std::nullopt;
  for (; it != end; it.increment(ec)) {
    if (ec) return std::nullopt;
    if (!it->is_regular_file(ec) || SamePath(it->path(), archive)) continue;
    sources.push_back({prefix + StoredName(it->path().lexically_relative(root)), it->path()});
  }
  if (ec) return std::nullopt;
  std::sort(sources.begin(), sources.end(),
            [](const Source& a, const Source& b) { return a.Name < b.Name; });
  return sources;
}

std::optional<std::string> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

std::optional<std::int64_t> ModifiedTime(const fs::path& path) {
  std::error_code ec;
  const fs::file_time_type t = fs::last_write_time(path, ec);
  if (ec) return std::nullopt;
  const auto sys = std::chrono::file_clock::to_sys(t);
  return std::chrono::floor<std::chrono::seconds>(sys).time_since_epoch().count();
}

// Writes next to the archive and swaps it in, so the old archive survives any failure.
bool ReplaceFile(const fs::path& archive, const std::string& bytes) {
  fs::path temp = archive;
  temp += ".tmp";
  std::error_code ec;
  for (int n = 0; fs::exists(temp, ec) && n < 100; ++n) {
    temp = archive;
    temp += ".tmp" + std::to_string(n);
  }
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      fs::remove(temp, ec);
      return false;
    }
  }
  if (!ReplaceWith(temp, archive)) {
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

int Run(std::string_view commandLine, std::string& message) {
  const std::optional<Command> command = ParseCommand(commandLine);
  if (!command) return message = "bad args", kUnlhaBadCommandLine;
  const fs::path archivePath = NativePath(command->Archive);
  const std::optional<std::vector<Source>> sources = CollectSources(*command, archivePath);
  if (!sources) return message = "no source", kUnlhaSourceMissing;

  std::vector<LzhMember> members;
  std::error_code ec;
  const bool exists = fs::exists(archivePath, ec);
  if (ec) return message = "no access", kUnlhaArchiveDamaged;
  if (exists) {
    const std::optional<std::string> bytes = ReadFile(archivePath);
    if (!bytes) return message = "no access", kUnlhaArchiveDamaged;
    std::optional<std::vector<LzhMember>> parsed = ParseLzhArchive(*bytes);
    if (!parsed) return message = "damaged", kUnlhaArchiveDamaged;
    for (const LzhMember& m : *parsed) {
      if (!VerifyLzhMember(m)) return message = "damaged", kUnlhaArchiveDamaged;
    }
    members = std::move(*parsed);
  }

  bool changed = !exists;
  for (const Source& source : *sources) {
    const auto same = std::find_if(members.begin(), members.end(), [&](const LzhMember& m) {
      return SameMemberName(m.Name, source.Name);
    });
    const std::optional<std::int64_t> time = ModifiedTime(source.Path);
    if (!time) return message = "no source", kUnlhaSourceMissing;
    if (same != members.end() && *time <= same->ModifiedTime) continue;
    const std::optional<std::string> data = ReadFile(source.Path);
    if (!data) return message = "no source", kUnlhaSourceMissing;
    std::optional<LzhMember> member = MakeLzhMember(source.Name, *time, *data);
    if (!member) return message = "too large", kUnlhaWriteFailed;
    if (same != members.end()) {
      *same = std::move(*member);
    } else {
      members.push_back(std::move(*member));
    }
    changed = true;
  }
  if (changed && !ReplaceFile(archivePath, WriteLzhArchive(members))) {
    return message = "write err", kUnlhaWriteFailed;
  }
  message = "ok";
  return kUnlhaOk;
}

}  // namespace

int RunUnlhaCommand(std::string_view commandLine, char* output, unsigned long outputSize) {
  std::string message;
  int status;
  try {
    status = Run(commandLine, message);
  } catch (const std::exception&) {
    status = kUnlhaWriteFailed;
    message = "failed";
  }
  if (output != nullptr && outputSize > 0) {
    const std::size_t n = std::min<std::size_t>(message.size(), outputSize - 1);
    std::memcpy(output, message.data(), n);
    output[n] = '\0';
  }
  return status;
}

}  // namespace quillpad::archiver
