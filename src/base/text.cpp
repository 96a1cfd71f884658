#include "base/text.h"

#include <algorithm>
#include <charconv>

namespace quillpad {

namespace {
constexpr bool IsBlankOrControl(unsigned char c) { return c <= 0x20; }

constexpr unsigned char FoldAscii(unsigned char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}
}  // namespace

std::size_t CharLength(std::string_view s, std::size_t i) {
  if (i + 1 < s.size() && IsLeadByte(static_cast<unsigned char>(s[i]))) return 2;
  return 1;
}

bool IsTrailByteAt(std::string_view s, std::size_t i) {
  std::size_t pos = 0;
  while (pos < i) pos += CharLength(s, pos);
  return pos > i;
}

std::string TrimLeft(std::string_view s) {
  std::size_t begin = 0;
  while (begin < s.size() && IsBlankOrControl(static_cast<unsigned char>(s[begin]))) ++begin;
  return std::string(s.substr(begin));
}

std::string TrimRight(std::string_view s) {
  // A trail byte is never below 0x40, so cutting control bytes from the end is always safe.
  std::size_t end = s.size();
  while (end > 0 && IsBlankOrControl(static_cast<unsigned char>(s[end - 1]))) --end;
  return std::string(s.substr(0, end));
}

std::string Trim(std::string_view s) { return TrimLeft(TrimRight(s)); }

int CompareText(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  const std::size_t n = std::min(a.size(), b.size());
  bool inDoubleByte = false;
  for (; i < n; ++i) {
    unsigned char ca = static_cast<unsigned char>(a[i]);
    unsigned char cb = static_cast<unsigned char>(b[i]);
    if (!inDoubleByte) {
      ca = FoldAscii(ca);
      cb = FoldAscii(cb);
    }
    if (ca != cb) return ca < cb ? -1 : 1;
    // Both strings agree up to here, so they agree on character boundaries too.
    inDoubleByte = !inDoubleByte && IsLeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size();
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareText(a, b) == 0;
}

std::string UpperCaseAscii(std::string_view s) {
  std::string out(s);
  for (std::size_t i = 0; i < out.size(); i += CharLength(out, i)) {
    out[i] = static_cast<char>(FoldAscii(static_cast<unsigned char>(out[i])));
  }
  return out;
}

std::size_t FindText(std::string_view s, std::string_view needle, std::size_t from) {
  if (needle.empty()) return from <= s.size() ? from : std::string_view::npos;
  std::size_t i = 0;
  while (i < from && i < s.size()) i += CharLength(s, i);
  for (; i + needle.size() <= s.size(); i += CharLength(s, i)) {
    if (s.compare(i, needle.size(), needle) == 0) return i;
  }
  return std::string_view::npos;
}

std::size_t FindLastChar(std::string_view s, char c) {
  std::size_t found = std::string_view::npos;
  for (std::size_t i = 0; i < s.size(); i += CharLength(s, i)) {
    if (s[i] == c) found = i;
  }
  return found;
}

std::string CutBytes(std::string_view s, std::size_t maxBytes) {
  std::size_t end = 0;
  while (end < s.size()) {
    const std::size_t next = end + CharLength(s, end);
    if (next > maxBytes) break;
    end = next;
  }
  return std::string(s.substr(0, end));
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.emplace_back(text.substr(start, i - start));
      i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

std::string JoinLinesInner(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) text += "\r\n";
    text += lines[i];
  }
  return text;
}

std::string IntToStr(long long value) { return std::to_string(value); }

bool TryStrToInt(std::string_view text, long long& value) {
  const std::string t = Trim(text);
  std::string_view v = t;
  if (!v.empty() && v[0] == '+') v.remove_prefix(1);
  if (v.empty()) return false;
  long long result = 0;
  int base = 10;
  bool negative = false;
  if (v[0] == '-') {
    negative = true;
    v.remove_prefix(1);
  }
  // "$1F" and "0x1F" are hexadecimal, as the ini files of earlier versions may hold them.
  if (!v.empty() && v[0] == '$') {
    base = 16;
    v.remove_prefix(1);
  } else if (v.size() > 2 && v[0] == '0' && (v[1] == 'x' || v[1] == 'X')) {
    base = 16;
    v.remove_prefix(2);
  }
  if (v.empty() || v[0] == '-' || v[0] == '+') return false;
  auto [ptr, ec] = std::from_chars(v.data(), v.data() + v.size(), result, base);
  if (ec != std::errc() || ptr != v.data() + v.size()) return false;
  value = negative ? -result : result;
  return true;
}

int StrToIntDef(std::string_view text, int fallback) {
  long long value = 0;
  if (!TryStrToInt(text, value) || value < INT32_MIN || value > INT32_MAX) return fallback;
  return static_cast<int>(value);
}

bool IsSoundCp932Text(std::string_view bytes) {
  // A UTF-8 signature reads as two valid characters, but the text is not ours.
  if (bytes.starts_with("\xEF\xBB\xBF")) return false;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c == 0 || c == 0x80 || c == 0xA0 || c >= 0xFD) return false;
    if (!IsLeadByte(c)) continue;
    if (i + 1 >= bytes.size()) return false;
    const auto trail = static_cast<unsigned char>(bytes[++i]);
    if (trail < 0x40 || trail == 0x7F || trail > 0xFC) return false;
  }
  return true;
}

}  // namespace quillpad
