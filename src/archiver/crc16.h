// The CRC-16 the archive stores for headers and member data (polynomial 0xA001, reflected).
#pragma once

#include <cstdint>
#include <string_view>

namespace quillpad::archiver {

// Continues a running CRC; start with 0.
std::uint16_t Crc16(std::string_view bytes, std::uint16_t crc = 0);

}  // namespace quillpad::archiver
