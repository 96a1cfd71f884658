// Windows paths on host folders: each drive letter maps to a host folder the test chooses.
// Names resolve case-insensitively as on Windows; ".." is refused so nothing escapes a drive.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace quillpad::platform::sim {

class SimFileSystem : public FileSystem {
 public:
  void MapDrive(char letter, const std::filesystem::path& hostFolder);
  // Host path for a Windows path (the existing spelling where a name differs only in case);
  // nullopt when the drive is not mapped or the path is not a valid one.
  std::optional<std::filesystem::path> HostPath(const std::string& path) const;

  // Fault injection: every write stops after this many bytes and fails (a full disk).
  void SetWriteLimit(std::optional<std::uint64_t> bytes) { writeLimit_ = bytes; }
  int WriteCount() const { return writeCount_; }
  int ReadCount() const { return readCount_; }

  // One fault on the files whose name (without folder) is Name, case-insensitive: the operation
  // fails, or with StopAfter a write or copy stops after that many bytes and fails. A whole-file
  // write counts as a write of its temporary file and then a rename onto the target.
  enum class FaultOp { Read, Write, Rename, Copy };
  struct Fault {
    FaultOp Op = FaultOp::Write;
    std::string Name;
    std::optional<std::uint64_t> StopAfter;
  };
  void SetFault(std::optional<Fault> fault) { fault_ = std::move(fault); }

  bool FileExists(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  bool CreateFolder(const std::string& path) override;
  bool ReadFile(const std::string& path, std::string& bytes, std::uint64_t maxBytes) override;
  using FileSystem::ReadFile;
  bool WriteWhole(const std::string& path, const std::string& bytes) override;
  bool AppendFile(const std::string& path, const std::string& bytes) override;
  // A full disk: every write and append fails until this is switched off again.
  void FailWrites(bool fail) { failWrites_ = fail; }
  std::vector<FileEntry> ListFolder(const std::string& folder, const std::string& mask) override;
  bool DeleteFile(const std::string& path) override;
  bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) override;
  bool RenameFile(const std::string& from, const std::string& to) override;

 private:
  bool failWrites_ = false;
  bool WriteBytes(const std::filesystem::path& host, const std::string& bytes, bool append,
                  std::optional<std::uint64_t> limit = std::nullopt);
  const Fault* FaultOn(FaultOp op, const std::string& path) const;
  std::optional<Fault> fault_;

  std::map<char, std::filesystem::path> drives_;
  std::optional<std::uint64_t> writeLimit_;
  int writeCount_ = 0;
  int readCount_ = 0;
};

// Windows wildcard match ("*" any run, "?" one character), ASCII case-insensitive; "*.*" is "*".
bool MatchesMask(std::string_view name, std::string_view mask);

}  // namespace quillpad::platform::sim
