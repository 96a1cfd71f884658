// FileSystem on real Windows paths through the W calls.
#pragma once

#include "platform/win32/wide.h"
// (first: see wide.h)
#include "platform/file_system.h"

namespace quillpad::platform::win32 {

class Win32FileSystem : public FileSystem {
 public:
  bool FileExists(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  bool CreateFolder(const std::string& path) override;
  bool ReadFile(const std::string& path, std::string& bytes, std::uint64_t maxBytes) override;
  bool WriteWhole(const std::string& path, const std::string& bytes) override;
  bool AppendFile(const std::string& path, const std::string& bytes) override;
  std::vector<FileEntry> ListFolder(const std::string& folder, const std::string& mask) override;
  bool DeleteFile(const std::string& path) override;
  bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) override;
  bool RenameFile(const std::string& from, const std::string& to) override;
};

// Windows wildcard match ("*", "?"), case-insensitive, on the long name only.
bool MatchesMask(std::wstring_view name, std::wstring_view mask);

}  // namespace quillpad::platform::win32
