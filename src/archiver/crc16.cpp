#include "archiver/crc16.h"

#include <array>

namespace quillpad::archiver {

namespace {

constexpr std::array<std::uint16_t, 256> MakeTable() {
  std::array<std::uint16_t, 256> table{};
  for (unsigned i = 0; i < 256; ++i) {
    unsigned value = i;
    for (int bit = 0; bit < 8; ++bit) value = (value & 1) ? (value >> 1) ^ 0xA001 : value >> 1;
    table[i] = static_cast<std::uint16_t>(value);
  }
  return table;
}

constexpr std::array<std::uint16_t, 256> kTable = MakeTable();

}  // namespace

std::uint16_t Crc16(std::string_view bytes, std::uint16_t crc) {
  for (const char c : bytes) {
    crc = static_cast<std::uint16_t>(kTable[(crc ^ static_cast<unsigned char>(c)) & 0xFF] ^
                                     (crc >> 8));
  }
  return crc;
}

}  // namespace quillpad::archiver
