#include "platform/sim/sim_file_system.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <system_error>

#include "base/text.h"

namespace fs = std::filesystem;

namespace quillpad::platform::sim {
namespace {

bool ValidComponent(const std::string& name) {
  if (name == "..") return false;
  for (unsigned char c : name) {
    if (c < 0x20 || c == '/') return false;
  }
  // Characters Windows forbids in names; a trail byte is never one of them except '\' and '|'
  // ... and '|' is 0x7C, which can be a trail byte, so check on character boundaries only.
  for (std::size_t i = 0; i < name.size(); i += CharLength(name, i)) {
    if (CharLength(name, i) == 2) continue;
    if (std::string_view("<>:\"|?*").find(name[i]) != std::string_view::npos) return false;
  }
  return true;
}

// Path components after "X:", split on backslashes that are whole characters.
std::optional<std::vector<std::string>> Components(const std::string& rest) {
  std::vector<std::string> parts;
  std::string current;
  for (std::size_t i = 0; i < rest.size();) {
    const std::size_t len = CharLength(rest, i);
    if (len == 1 && rest[i] == '\\') {
      if (!current.empty() && current != ".") parts.push_back(current);
      current.clear();
    } else {
      current.append(rest, i, len);
    }
    i += len;
  }
  if (!current.empty() && current != ".") parts.push_back(current);
  for (const auto& p : parts) {
    if (!ValidComponent(p)) return std::nullopt;
  }
  return parts;
}

bool MatchFrom(std::string_view name, std::size_t n, std::string_view mask, std::size_t m) {
  while (m < mask.size()) {
    if (mask[m] == '*') {
      while (m < mask.size() && mask[m] == '*') ++m;
      if (m == mask.size()) return true;
      for (std::size_t k = n; k <= name.size(); k += (k < name.size() ? CharLength(name, k) : 1)) {
        if (MatchFrom(name, k, mask, m)) return true;
      }
      return false;
    }
    if (n >= name.size()) return false;
    const std::size_t nl = CharLength(name, n);
    if (mask[m] == '?') {
      n += nl;
      ++m;
      continue;
    }
    const std::size_t ml = CharLength(mask, m);
    if (nl != ml || !SameText(name.substr(n, nl), mask.substr(m, ml))) return false;
    n += nl;
    m += ml;
  }
  return n == name.size();
}

}  // namespace

bool MatchesMask(std::string_view name, std::string_view mask) {
  if (mask == "*.*" || mask.empty()) mask = "*";
  return MatchFrom(name, 0, mask, 0);
}

void SimFileSystem::MapDrive(char letter, const fs::path& hostFolder) {
  drives_[static_cast<char>(std::toupper(static_cast<unsigned char>(letter)))] = hostFolder;
}

std::optional<fs::path> SimFileSystem::HostPath(const std::string& path) const {
  if (path.size() < 2 || path[1] != ':') return std::nullopt;
  const auto drive =
      drives_.find(static_cast<char>(std::toupper(static_cast<unsigned char>(path[0]))));
  if (drive == drives_.end()) return std::nullopt;
  const std::string rest = path.substr(2);
  if (!rest.empty() && rest[0] != '\\') return std::nullopt;  // "C:name" is relative; not ours
  const auto parts = Components(rest);
  if (!parts) return std::nullopt;
  fs::path host = drive->second;
  for (const std::string& part : *parts) {
    fs::path exact = host / part;
    std::error_code ec;
    if (!fs::exists(exact, ec)) {
      // Windows names ignore case: take an existing entry spelled differently.
      for (fs::directory_iterator it(host, ec), end; !ec && it != end; it.increment(ec)) {
        if (SameText(it->path().filename().string(), part)) {
          exact = it->path();
          break;
        }
      }
    }
    host = exact;
  }
  return host;
}

bool SimFileSystem::FileExists(const std::string& path) {
  const auto host = HostPath(path);
  std::error_code ec;
  return host && fs::is_regular_file(*host, ec);
}

bool SimFileSystem::FolderExists(const std::string& path) {
  const auto host = HostPath(path);
  std::error_code ec;
  return host && fs::is_directory(*host, ec);
}

bool SimFileSystem::CreateFolder(const std::string& path) {
  const auto host = HostPath(path);
  if (!host) return false;
  std::error_code ec;
  fs::create_directory(*host, ec);
  return fs::is_directory(*host, ec);
}

const SimFileSystem::Fault* SimFileSystem::FaultOn(FaultOp op, const std::string& path) const {
  if (!fault_ || fault_->Op != op) return nullptr;
  const std::size_t slash = path.find_last_of("\\:");
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return SameText(name, fault_->Name) ? &*fault_ : nullptr;
}

bool SimFileSystem::ReadFile(const std::string& path, std::string& bytes, std::uint64_t maxBytes) {
  ++readCount_;
  if (FaultOn(FaultOp::Read, path)) return false;
  const auto host = HostPath(path);
  std::error_code ec;
  if (!host || !fs::is_regular_file(*host, ec)) return false;
  const std::uint64_t size = fs::file_size(*host, ec);
  if (ec || size > maxBytes) return false;
  const int fd = ::open(host->c_str(), O_RDONLY);
  if (fd < 0) return false;
  std::string out(size, '\0');
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::read(fd, out.data() + done, size - done);
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  ::close(fd);
  if (done != size) return false;
  bytes = std::move(out);
  return true;
}

bool SimFileSystem::WriteBytes(const fs::path& host, const std::string& bytes, bool append,
                               std::optional<std::uint64_t> limit) {
  ++writeCount_;
  const int fd = ::open(host.c_str(), O_WRONLY | O_CREAT | (append ? O_APPEND : O_TRUNC), 0644);
  if (fd < 0) return false;
  std::size_t allowed = bytes.size();
  if (!limit) limit = writeLimit_;
  if (limit && *limit < allowed) allowed = static_cast<std::size_t>(*limit);
  std::size_t done = 0;
  bool ok = true;
  while (done < allowed) {
    const ssize_t n = ::write(fd, bytes.data() + done, allowed - done);
    if (n <= 0) {
      ok = false;
      break;
    }
    done += static_cast<std::size_t>(n);
  }
  if (allowed < bytes.size()) ok = false;
  if (ok && ::fsync(fd) != 0) ok = false;
  if (::close(fd) != 0) ok = false;
  return ok;
}

bool SimFileSystem::WriteWhole(const std::string& path, const std::string& bytes) {
  const Fault* fault = FaultOn(FaultOp::Write, path);
  if (failWrites_ || (fault && !fault->StopAfter)) return false;
  const auto host = HostPath(path);
  std::error_code ec;
  if (!host || fs::is_directory(*host, ec) || !fs::is_directory(host->parent_path(), ec))
    return false;
  fs::path temp = *host;
  temp += ".qptmp";
  if (!WriteBytes(temp, bytes, false, fault ? fault->StopAfter : std::nullopt)) {
    fs::remove(temp, ec);
    return false;
  }
  if (!FaultOn(FaultOp::Rename, path)) fs::rename(temp, *host, ec);
  if (ec || FaultOn(FaultOp::Rename, path)) {
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

bool SimFileSystem::AppendFile(const std::string& path, const std::string& bytes) {
  const Fault* fault = FaultOn(FaultOp::Write, path);
  if (failWrites_ || (fault && !fault->StopAfter)) return false;
  const auto host = HostPath(path);
  std::error_code ec;
  if (!host || fs::is_directory(*host, ec)) return false;
  return WriteBytes(*host, bytes, true, fault ? fault->StopAfter : std::nullopt);
}

std::vector<FileEntry> SimFileSystem::ListFolder(const std::string& folder,
                                                 const std::string& mask) {
  std::vector<FileEntry> entries;
  const auto host = HostPath(folder);
  std::error_code ec;
  if (!host || !fs::is_directory(*host, ec)) return entries;
  for (fs::directory_iterator it(*host, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.ends_with(".qptmp") || !MatchesMask(name, mask)) continue;
    FileEntry entry;
    entry.Name = name;
    entry.IsFolder = it->is_directory(ec);
    if (!entry.IsFolder) entry.Size = it->file_size(ec);
    entries.push_back(entry);
  }
  std::sort(entries.begin(), entries.end(), [](const FileEntry& a, const FileEntry& b) {
    const int c = CompareText(a.Name, b.Name);
    return c != 0 ? c < 0 : a.Name < b.Name;
  });
  return entries;
}

bool SimFileSystem::DeleteFile(const std::string& path) {
  const auto host = HostPath(path);
  std::error_code ec;
  if (!host || !fs::is_regular_file(*host, ec)) return false;
  return fs::remove(*host, ec);
}

bool SimFileSystem::CopyFile(const std::string& from, const std::string& to, bool failIfExists) {
  const auto src = HostPath(from);
  const auto dst = HostPath(to);
  std::error_code ec;
  if (!src || !dst || !fs::is_regular_file(*src, ec)) return false;
  if (failWrites_ || (failIfExists && fs::exists(*dst, ec))) return false;
  std::string bytes;
  if (!ReadFile(from, bytes, ~0ull)) return false;
  // A copy is written in place, as the system's copy does: one that stops leaves its part.
  if (const Fault* fault = FaultOn(FaultOp::Copy, to)) {
    if (fault->StopAfter) WriteBytes(*dst, bytes, false, fault->StopAfter);
    return false;
  }
  return WriteBytes(*dst, bytes, false);
}

bool SimFileSystem::RenameFile(const std::string& from, const std::string& to) {
  const auto src = HostPath(from);
  const auto dst = HostPath(to);
  std::error_code ec;
  // Windows refuses to rename onto an existing file.
  if (!src || !dst || !fs::exists(*src, ec) || fs::exists(*dst, ec)) return false;
  if (FaultOn(FaultOp::Rename, to)) return false;
  fs::rename(*src, *dst, ec);
  return !ec;
}

}  // namespace quillpad::platform::sim
