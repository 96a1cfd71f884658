// Files on Windows paths ("C:\folder\name"). The simulated desktop maps drive letters to host
// folders; the Win32 backend converts CP932 paths to UTF-16 and calls the W functions.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace quillpad::platform {

struct FileEntry {
  std::string Name;  // without folder
  bool IsFolder = false;
  std::uint64_t Size = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual bool FileExists(const std::string& path) = 0;  // a file, not a folder
  virtual bool FolderExists(const std::string& path) = 0;
  // One level only; true when the folder exists afterwards.
  virtual bool CreateFolder(const std::string& path) = 0;
  // The whole file; false when it cannot be read. Reads are bounded by maxBytes.
  virtual bool ReadFile(const std::string& path, std::string& bytes,
                        std::uint64_t maxBytes = 256ull << 20) = 0;
  // Writes a temporary file beside the target and then replaces the target, so a failed write
  // leaves the old file whole. A held file's bytes go to its sibling instead. False when
  // anything failed.
  bool WriteFileAtomic(const std::string& path, const std::string& bytes) {
    return WriteWhole(WriteTarget(path), bytes);
  }
  // Appends (creating the file when missing); used for logs.
  virtual bool AppendFile(const std::string& path, const std::string& bytes) = 0;
  // Entries of folder whose names match mask ("*.txt", "202612*.txt", "*"); "?" and "*" as in
  // Windows, case-insensitive; sorted by name. "." and ".." are never listed.
  virtual std::vector<FileEntry> ListFolder(const std::string& folder, const std::string& mask) = 0;
  virtual bool DeleteFile(const std::string& path) = 0;
  virtual bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) = 0;
  virtual bool RenameFile(const std::string& from, const std::string& to) = 0;

  // Files the program rewrites are read through here. One that exists but cannot be read whole
  // is held for the rest of the run: its writes go to a sibling, never over it. A later whole
  // read lifts the hold; while held, reads give the sibling's bytes (empty until written).
  enum class Owned { Whole, Missing, Unreadable, Held };
  Owned ReadOwned(const std::string& path, std::string& bytes);
  // Holds a file that reads but must keep its bytes (damaged, no verified copy); only the end
  // of the run lifts this.
  void Hold(const std::string& path);
  // Where writes of path go: "<path>.new" (or ".new1", ... when taken) while it is held.
  std::string WriteTarget(const std::string& path) const;

 protected:
  virtual bool WriteWhole(const std::string& path, const std::string& bytes) = 0;

 private:
  struct HeldFile {
    std::string Sibling;
    bool Sticky = false;
  };
  void HoldAs(const std::string& path, bool sticky);
  std::map<std::string, HeldFile> held_;  // by upper-cased path
};

}  // namespace quillpad::platform
