// Profile reads and writes on arbitrary file bytes: nothing may crash, a written key must read
// back, and a write must not change what other keys read.
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

#include "base/text.h"
#include "platform/profile.h"

namespace {

using quillpad::platform::FileEntry;

class MemoryFiles : public quillpad::platform::FileSystem {
 public:
  std::map<std::string, std::string> files;
  bool FileExists(const std::string& path) override { return files.count(path) > 0; }
  bool FolderExists(const std::string&) override { return true; }
  bool CreateFolder(const std::string&) override { return true; }
  bool ReadFile(const std::string& path, std::string& bytes, std::uint64_t maxBytes) override {
    auto it = files.find(path);
    if (it == files.end() || it->second.size() > maxBytes) return false;
    bytes = it->second;
    return true;
  }
  bool WriteWhole(const std::string& path, const std::string& bytes) override {
    files[path] = bytes;
    return true;
  }
  bool AppendFile(const std::string& path, const std::string& bytes) override {
    files[path] += bytes;
    return true;
  }
  std::vector<FileEntry> ListFolder(const std::string&, const std::string&) override { return {}; }
  bool DeleteFile(const std::string& path) override { return files.erase(path) > 0; }
  bool CopyFile(const std::string&, const std::string&, bool) override { return false; }
  bool RenameFile(const std::string&, const std::string&) override { return false; }
};

const char* const kSections[] = {"FORM", "form", "Key", "ClipboardForm", "\x95\\"};
const char* const kKeys[] = {"iLeftPanelWidth", "ileftpanelwidth", "bShowMemo", "asWorkDir", "a",
                             "\x95\\"};
const char* const kValues[] = {"1", "0", "C:\\work", "\x95\\\x8e\xa6", "-12"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  MemoryFiles files;
  const std::uint8_t choice = data[0];
  files.files["C:\\Quillpad.ini"] = std::string(reinterpret_cast<const char*>(data + 1), size - 1);
  quillpad::platform::Profile ini(files, "C:\\Quillpad.ini");

  std::map<std::pair<int, int>, std::string> before;
  for (int s = 0; s < 5; ++s) {
    for (int k = 0; k < 6; ++k) before[{s, k}] = ini.ReadString(kSections[s], kKeys[k], "\x01");
    ini.ReadInteger(kSections[s], "iLeftPanelWidth", 95);
    ini.ReadBool(kSections[s], "bShowMemo", true);
    ini.SectionExists(kSections[s]);
  }

  const int s = choice % 5;
  const int k = (choice / 5) % 6;
  const char* value = kValues[(choice / 30) % 5];
  if (!ini.WriteString(kSections[s], kKeys[k], value)) abort();
  if (ini.ReadString(kSections[s], kKeys[k], "\x01") != value) abort();
  for (int s2 = 0; s2 < 5; ++s2) {
    for (int k2 = 0; k2 < 6; ++k2) {
      // Names that differ only in case are the same entry; everything else keeps its value.
      const bool sameEntry = quillpad::SameText(kSections[s2], kSections[s]) &&
                             quillpad::SameText(kKeys[k2], kKeys[k]);
      if (!sameEntry && ini.ReadString(kSections[s2], kKeys[k2], "\x01") != before[{s2, k2}])
        abort();
    }
  }
  if (choice & 1) ini.EraseSection(kSections[s]);
  if (ini.SectionExists(kSections[s]) && (choice & 1)) abort();
  return 0;
}
