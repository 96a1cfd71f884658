// Ini files with the semantics of the system's profile-string calls: section and key lookup is
// case-insensitive, a write reaches the file at once, a missing file or key gives the default.
// The file is read and written in CP932 whatever the Windows locale. Nothing is cached: each
// call reads (and a write rewrites) the whole file.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/file_system.h"

namespace quillpad::platform {

class ProfileReader;

class Profile {
 public:
  Profile(FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}

  const std::string& Path() const { return path_; }

  std::string ReadString(const std::string& section, const std::string& key, const std::string& fallback);
  // false when the file could not be written.
  bool WriteString(const std::string& section, const std::string& key, const std::string& value);

  // A value that is not an integer reads as the fallback.
  int ReadInteger(const std::string& section, const std::string& key, int fallback);
  bool WriteInteger(const std::string& section, const std::string& key, int value);
  // Any non-zero integer is true; written as "1" or "0".
  bool ReadBool(const std::string& section, const std::string& key, bool fallback);
  bool WriteBool(const std::string& section, const std::string& key, bool value);

  // Every key of the section with its value, in file order; a name that repeats keeps its first
  // value, as the lookup does.
  std::vector<std::pair<std::string, std::string>> ReadSection(const std::string& section);
  // Removes the key; a missing key or file is no change.
  bool DeleteKey(const std::string& section, const std::string& key);

  bool SectionExists(const std::string& section);
  // Removes the section with all its keys.
  bool EraseSection(const std::string& section);

 private:
  friend class ProfileReader;
  FileSystem& files_;
  std::string path_;
};

// The file as it is now, read once, for a run of lookups answered as Profile answers them: a
// start asks dozens of keys, and under Wine every opening of the file is a round trip.
class ProfileReader {
 public:
  explicit ProfileReader(Profile& profile);
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& fallback) const;
  int ReadInteger(const std::string& section, const std::string& key, int fallback) const;
  bool ReadBool(const std::string& section, const std::string& key, bool fallback) const;

 private:
  bool readable_ = false;
  std::string bytes_;
};

}  // namespace quillpad::platform
