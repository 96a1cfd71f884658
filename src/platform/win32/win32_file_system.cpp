#include "platform/win32/win32_file_system.h"

#include <algorithm>

#include "base/path.h"
#include "base/text.h"
#include "platform/win32/wide.h"

namespace quillpad::platform::win32 {

namespace {

class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  ~Handle() {
    if (ok()) CloseHandle(h_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool ok() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
  HANDLE get() const { return h_; }
  void Close() {
    if (ok()) CloseHandle(h_);
    h_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE h_;
};

bool WriteAll(HANDLE h, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
    DWORD written = 0;
    if (!::WriteFile(h, bytes.data() + done, chunk, &written, nullptr) || written == 0)
      return false;
    done += written;
  }
  return true;
}

wchar_t Upper(wchar_t c) {
  wchar_t s[2] = {c, 0};
  CharUpperBuffW(s, 1);
  return s[0];
}

}  // namespace

bool MatchesMask(std::wstring_view name, std::wstring_view mask) {
  // "*.*" means every name, dot or not, as the system treats it.
  if (mask == L"*.*") mask = L"*";
  std::size_t n = 0, m = 0, starM = std::wstring_view::npos, starN = 0;
  while (n < name.size()) {
    if (m < mask.size() && (mask[m] == L'?' || Upper(mask[m]) == Upper(name[n]))) {
      ++n;
      ++m;
    } else if (m < mask.size() && mask[m] == L'*') {
      starM = m++;
      starN = n;
    } else if (starM != std::wstring_view::npos) {
      m = starM + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == L'*') ++m;
  return m == mask.size();
}

bool Win32FileSystem::FileExists(const std::string& path) {
  const DWORD a = GetFileAttributesW(Wide(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::FolderExists(const std::string& path) {
  const DWORD a = GetFileAttributesW(Wide(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::CreateFolder(const std::string& path) {
  if (CreateDirectoryW(Wide(path).c_str(), nullptr)) return true;
  return FolderExists(path);
}

bool Win32FileSystem::ReadFile(const std::string& path, std::string& bytes,
                               std::uint64_t maxBytes) {
  Handle h(CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!h.ok()) return false;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(h.get(), &size) || size.QuadPart < 0) return false;
  // A file past the bound is not read at all: the caller asked for the whole file.
  if (static_cast<std::uint64_t>(size.QuadPart) > maxBytes) return false;
  std::string data(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t done = 0;
  while (done < data.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(data.size() - done, 1u << 30));
    DWORD got = 0;
    if (!::ReadFile(h.get(), data.data() + done, chunk, &got, nullptr)) return false;
    if (got == 0) break;  // shrank while we read
    done += got;
  }
  data.resize(done);
  bytes = std::move(data);
  return true;
}

bool Win32FileSystem::WriteWhole(const std::string& path, const std::string& bytes) {
  const std::string folder = ExtractFileDir(path);
  wchar_t temp[MAX_PATH + 1] = {};
  // Creates a unique empty file in the target's own folder, so the final move never crosses
  // volumes.
  if (!GetTempFileNameW(folder.empty() ? L"." : Wide(folder).c_str(), L"qp", 0, temp)) return false;
  bool ok;
  {
    Handle h(CreateFileW(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                         nullptr));
    ok = h.ok() && WriteAll(h.get(), bytes) && FlushFileBuffers(h.get());
  }
  if (ok) {
    ok = MoveFileExW(temp, Wide(path).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  }
  if (!ok) DeleteFileW(temp);
  return ok;
}

bool Win32FileSystem::AppendFile(const std::string& path, const std::string& bytes) {
  Handle h(CreateFileW(Wide(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr));
  return h.ok() && WriteAll(h.get(), bytes);
}

std::vector<FileEntry> Win32FileSystem::ListFolder(const std::string& folder,
                                                   const std::string& mask) {
  std::vector<FileEntry> entries;
  const std::wstring wideMask = Wide(mask);
  WIN32_FIND_DATAW data{};
  HANDLE find = FindFirstFileW(Wide(JoinPath(folder, mask)).c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return entries;
  do {
    const std::wstring_view name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    // The system also matches short 8.3 names ("*.htm" finding ".html"); keep long-name matches
    // only.
    if (!MatchesMask(name, wideMask)) continue;
    FileEntry e;
    e.Name = Narrow(name);
    e.IsFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    e.Size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    entries.push_back(std::move(e));
  } while (FindNextFileW(find, &data));
  FindClose(find);
  std::sort(entries.begin(), entries.end(), [](const FileEntry& a, const FileEntry& b) {
    const int c = CompareText(a.Name, b.Name);
    return c != 0 ? c < 0 : a.Name < b.Name;
  });
  return entries;
}

bool Win32FileSystem::DeleteFile(const std::string& path) {
  return DeleteFileW(Wide(path).c_str());
}

bool Win32FileSystem::CopyFile(const std::string& from, const std::string& to, bool failIfExists) {
  return CopyFileW(Wide(from).c_str(), Wide(to).c_str(), failIfExists);
}

bool Win32FileSystem::RenameFile(const std::string& from, const std::string& to) {
  return MoveFileW(Wide(from).c_str(), Wide(to).c_str());
}

}  // namespace quillpad::platform::win32
