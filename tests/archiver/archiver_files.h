// Scratch folders and files for the archiver tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace quillpad::archiver::testing {

namespace fs = std::filesystem;

class ScratchFolder {
 public:
  ScratchFolder() {
    std::random_device seed;
    path_ = fs::temp_directory_path() / ("qp_archiver_" + std::to_string(seed()));
    fs::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

inline void WriteBytes(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline std::string RandomBytes(std::size_t size, std::uint32_t seed) {
  std::mt19937 random(seed);
  std::string out(size, '\0');
  for (char& c : out) c = static_cast<char>(random() & 0xFF);
  return out;
}

// Memo-like text: CP932 Japanese lines with numbers that vary.
inline std::string MemoText(std::size_t size) {
  std::string out;
  for (unsigned n = 0; out.size() < size; ++n) {
    out += "\x83\x81\x83\x82 No." + std::to_string(n * 7919 % 10007) +
           " \x93\xfa\x96\x7b\x8c\xea " + std::to_string(n % 97) +
           (n % 3 ? " todo\r\n" : " \x8a\xae\x97\xb9\r\n");
  }
  out.resize(size);
  return out;
}

}  // namespace quillpad::archiver::testing
