#include "archiver/lzh_archive.h"

#include <ctime>

#include "archiver/crc16.h"
#include "archiver/lh5_encoder.h"

namespace quillpad::archiver {

namespace {

constexpr std::size_t kLevel2Base = 26;  // fixed fields up to and including the first ext size

unsigned U8(std::string_view b, std::size_t at) {
  return static_cast<unsigned char>(b[at]);
}
unsigned U16(std::string_view b, std::size_t at) {
  return U8(b, at) | U8(b, at + 1) << 8;
}
std::uint32_t U32(std::string_view b, std::size_t at) {
  return U16(b, at) | static_cast<std::uint32_t>(U16(b, at + 2)) << 16;
}

void Put16(std::string& out, unsigned v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void Put32(std::string& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

bool IsLead(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Level 0 and 1 headers keep local time in the MS-DOS layout.
std::int64_t FromDosTime(std::uint32_t dos) {
  std::tm tm{};
  tm.tm_year = static_cast<int>((dos >> 25) & 0x7F) + 80;
  tm.tm_mon = static_cast<int>((dos >> 21) & 0x0F) - 1;
  tm.tm_mday = static_cast<int>((dos >> 16) & 0x1F);
  tm.tm_hour = static_cast<int>((dos >> 11) & 0x1F);
  tm.tm_min = static_cast<int>((dos >> 5) & 0x3F);
  tm.tm_sec = static_cast<int>(dos & 0x1F) * 2;
  tm.tm_isdst = -1;
  const std::time_t t = std::mktime(&tm);
  return t == static_cast<std::time_t>(-1) ? 0 : static_cast<std::int64_t>(t);
}

// Folder separators in stored names become '\' (0xFF in level 2 folder names, '/' from others).
std::string NormalizeName(std::string_view name) {
  std::string out;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    if (IsLead(c) && i + 1 < name.size()) {
      out.append(name.substr(i, 2));
      ++i;
    } else {
      out.push_back(c == 0xFF || c == '/' ? '\\' : static_cast<char>(c));
    }
  }
  while (!out.empty() && out.back() == '\\' && LastSeparator(out) == out.size() - 1) out.pop_back();
  return out;
}

std::string JoinName(std::string_view folder, std::string_view name) {
  std::string dir = NormalizeName(folder);
  std::string file = NormalizeName(name);
  if (dir.empty()) return file;
  return dir + '\\' + file;
}

// Extended headers: type, data, size of the next one; sizes count the whole extended header.
// Returns false when a size runs outside [at, end).
bool ReadExtended(std::string_view h, std::size_t at, std::size_t end, unsigned next,
                  std::string& name, std::string& folder, std::size_t* crcAt,
                  std::size_t& extendedTotal) {
  extendedTotal = 0;
  while (next != 0) {
    if (next < 3 || next > end - at) return false;
    const unsigned char type = static_cast<unsigned char>(h[at]);
    const std::string_view data = h.substr(at + 1, next - 3);
    if (type == 0x00 && crcAt != nullptr && data.size() >= 2) *crcAt = at + 1;
    if (type == 0x01) name.assign(data);
    if (type == 0x02) folder.assign(data);
    extendedTotal += next;
    at += next;
    next = U16(h, at - 2);
  }
  return true;
}

bool PlausibleMethod(std::string_view m) {
  return m.size() == 5 && m[0] == '-' && m[1] == 'l' && m[4] == '-';
}

// One member at the start of b; its total size in used. Nothing when it does not hold together.
std::optional<LzhMember> ParseMember(std::string_view b, std::size_t& used) {
  if (b.size() < 22) return std::nullopt;
  const unsigned level = U8(b, 20);
  LzhMember m;
  m.Method.assign(b.substr(2, 5));
  if (!PlausibleMethod(m.Method)) return std::nullopt;
  std::uint64_t packed = U32(b, 7);
  m.OriginalSize = U32(b, 11);
  m.Attribute = static_cast<std::uint8_t>(U8(b, 19));
  std::size_t headerSize = 0;
  std::string name, folder;
  if (level == 0 || level == 1) {
    headerSize = U8(b, 0) + 2u;
    const std::size_t nameLength = U8(b, 21);
    const std::size_t need = 22 + nameLength + 2 + (level == 1 ? 3 : 0);
    if (headerSize < need || headerSize > b.size()) return std::nullopt;
    unsigned sum = 0;
    for (std::size_t i = 2; i < headerSize; ++i) sum += U8(b, i);
    if ((sum & 0xFF) != U8(b, 1)) return std::nullopt;
    name.assign(b.substr(22, nameLength));
    m.Crc = static_cast<std::uint16_t>(U16(b, 22 + nameLength));
    m.ModifiedTime = FromDosTime(U32(b, 15));
    if (level == 1) {
      // The packed size counts the extended headers that follow the base header.
      std::size_t extended = 0;
      if (!ReadExtended(b, headerSize, b.size(), U16(b, headerSize - 2), name, folder, nullptr,
                        extended) ||
          extended > packed) {
        return std::nullopt;
      }
      headerSize += extended;
      packed -= extended;
    }
  } else if (level == 2) {
    if (b.size() < kLevel2Base) return std::nullopt;
    headerSize = U16(b, 0);
    if (headerSize < kLevel2Base || headerSize > b.size()) return std::nullopt;
    m.Crc = static_cast<std::uint16_t>(U16(b, 21));
    m.ModifiedTime = U32(b, 15);
    std::size_t crcAt = 0, extended = 0;
    if (!ReadExtended(b, kLevel2Base, headerSize, U16(b, 24), name, folder, &crcAt, extended)) {
      return std::nullopt;
    }
    if (crcAt != 0) {
      std::string header(b.substr(0, headerSize));
      header[crcAt] = header[crcAt + 1] = 0;
      if (Crc16(header) != U16(b, crcAt)) return std::nullopt;
    }
  } else {
    return std::nullopt;
  }
  if (packed > b.size() - headerSize) return std::nullopt;
  if (m.Method == "-lh0-" && packed != m.OriginalSize) return std::nullopt;
  m.Name = JoinName(folder, name);
  if (m.Name.empty()) return std::nullopt;
  used = headerSize + static_cast<std::size_t>(packed);
  m.Raw.assign(b.substr(0, used));
  m.PackedOffset = headerSize;
  return m;
}

}  // namespace

std::size_t LastSeparator(std::string_view cp932) {
  std::size_t last = std::string_view::npos;
  for (std::size_t i = 0; i < cp932.size(); ++i) {
    const auto c = static_cast<unsigned char>(cp932[i]);
    if (IsLead(c)) {
      ++i;
    } else if (c == '\\' || c == '/') {
      last = i;
    }
  }
  return last;
}

bool SameMemberName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (IsLead(x)) {
      if (x != y || i + 1 >= a.size() || a[i + 1] != b[i + 1]) return false;
      ++i;
      continue;
    }
    if (x >= 'a' && x <= 'z') x -= 'a' - 'A';
    if (y >= 'a' && y <= 'z') y -= 'a' - 'A';
    if (x != y) return false;
  }
  return true;
}

std::optional<std::vector<LzhMember>> ParseLzhArchive(std::string_view bytes) {
  std::vector<LzhMember> members;
  std::size_t at = 0;
  while (true) {
    if (at >= bytes.size()) return std::nullopt;  // no closing zero: cut short
    if (bytes[at] == 0) return members;
    std::size_t used = 0;
    std::optional<LzhMember> m = ParseMember(bytes.substr(at), used);
    if (!m) return std::nullopt;
    members.push_back(std::move(*m));
    at += used;
  }
}

bool VerifyLzhMember(const LzhMember& m) {
  if (m.Method == "-lh0-") return Crc16(m.Packed()) == m.Crc;
  if (m.Method != "-lh5-") return true;
  std::uint16_t crc = 0;
  const bool ok = DecodeLh5(m.Packed(), m.OriginalSize,
                            [&](std::string_view piece) { crc = Crc16(piece, crc); });
  return ok && crc == m.Crc;
}

std::optional<LzhMember> MakeLzhMember(std::string_view name, std::int64_t modifiedTime,
                                       std::string_view data) {
  if (name.empty() || data.size() > 0xFFFFFFFFu) return std::nullopt;
  const std::size_t split = LastSeparator(name);
  const std::string_view file = split == std::string_view::npos ? name : name.substr(split + 1);
  std::string folder;
  if (split != std::string_view::npos) {
    folder.assign(name.substr(0, split));
    for (std::size_t i = 0; i < folder.size(); ++i) {
      if (IsLead(static_cast<unsigned char>(folder[i])))
        ++i;
      else if (folder[i] == '\\' || folder[i] == '/')
        folder[i] = '\xFF';
    }
    folder.push_back('\xFF');
  }
  if (file.empty() || file.size() + folder.size() > 60000) return std::nullopt;
  LzhMember m;
  m.Name.assign(name);
  m.ModifiedTime = modifiedTime;
  m.OriginalSize = data.size();
  m.Crc = Crc16(data);
  std::string packed = EncodeLh5(data);
  m.Method = packed.size() < data.size() ? "-lh5-" : "-lh0-";
  if (m.Method == "-lh0-") packed.assign(data);

  std::size_t total = kLevel2Base + 5 + 3 + file.size() + (folder.empty() ? 0 : 3 + folder.size());
  // A size whose low byte is zero would read as the archive's closing byte.
  const bool pad = (total & 0xFF) == 0;
  total += pad;
  std::string& h = m.Raw;
  Put16(h, static_cast<unsigned>(total));
  h += m.Method;
  Put32(h, static_cast<std::uint32_t>(packed.size()));
  Put32(h, static_cast<std::uint32_t>(data.size()));
  Put32(h, static_cast<std::uint32_t>(modifiedTime));
  h.push_back(static_cast<char>(m.Attribute));
  h.push_back(2);  // header level
  Put16(h, m.Crc);
  h.push_back('M');  // the names are MS-DOS (CP932) text
  Put16(h, 5);
  const std::size_t crcAt = h.size() + 1;
  h.push_back(0x00);
  Put16(h, 0);
  Put16(h, static_cast<unsigned>(3 + file.size()));
  h.push_back(0x01);
  h += file;
  Put16(h, folder.empty() ? 0 : static_cast<unsigned>(3 + folder.size()));
  if (!folder.empty()) {
    h.push_back(0x02);
    h += folder;
    Put16(h, 0);
  }
  if (pad) h.push_back(0);
  const std::uint16_t headerCrc = Crc16(h);
  h[crcAt] = static_cast<char>(headerCrc & 0xFF);
  h[crcAt + 1] = static_cast<char>(headerCrc >> 8);
  m.PackedOffset = h.size();
  h += packed;
  return m;
}

std::string WriteLzhArchive(const std::vector<LzhMember>& members) {
  std::string out;
  for (const LzhMember& m : members) out += m.Raw;
  out.push_back(0);
  return out;
}

}  // namespace quillpad::archiver
