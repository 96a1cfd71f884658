// Archive files of -lh5- / -lh0- members: reading level 0, 1 and 2 headers, writing level 2.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillpad::archiver {

struct LzhMember {
  std::string Name;               // CP932, '\' between folders
  std::string Method;             // "-lh5-", "-lh0-", "-lhd-", ...
  std::int64_t ModifiedTime = 0;  // seconds since 1970-01-01 UTC
  std::uint8_t Attribute = 0x20;
  std::uint64_t OriginalSize = 0;
  std::uint16_t Crc = 0;  // of the original bytes
  // Header and packed bytes exactly as they stand in the archive.
  std::string Raw;
  std::size_t PackedOffset = 0;  // where the packed bytes start in Raw

  std::string_view Packed() const { return std::string_view(Raw).substr(PackedOffset); }
};

// The members of an archive, or nothing when any header or size does not hold together
// (a truncated or damaged archive is not read halfway).
std::optional<std::vector<LzhMember>> ParseLzhArchive(std::string_view bytes);

// True when a -lh0- or -lh5- member unpacks to its size and CRC (other methods are taken as
// they are). Time grows with OriginalSize; memory does not.
bool VerifyLzhMember(const LzhMember& member);

// A new member for data: -lh5-, or -lh0- when packing does not make it smaller. Nothing when
// the name or size cannot be stored.
std::optional<LzhMember> MakeLzhMember(std::string_view name, std::int64_t modifiedTime,
                                       std::string_view data);

// The archive file: every member's bytes, then the closing zero byte.
std::string WriteLzhArchive(const std::vector<LzhMember>& members);

// Index of the last '\' (or '/') that separates folders in a CP932 name, npos when none: a
// trail byte of a double-byte character may be 0x5C too.
std::size_t LastSeparator(std::string_view cp932);

// Names compare as Windows compares file names: ASCII letters without case.
bool SameMemberName(std::string_view a, std::string_view b);

}  // namespace quillpad::archiver
