// CP932 text helpers. Strings hold CP932 bytes; nothing here splits a double-byte character,
// remembering that a trail byte may be '\' or an ASCII letter.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillpad {

// First byte of a double-byte character in code page 932.
constexpr bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Length in bytes (1 or 2) of the character starting at s[i]; a lead byte at the very end counts as 1.
std::size_t CharLength(std::string_view s, std::size_t i);

// True when s[i] is the trail byte of a double-byte character (scans from the start).
bool IsTrailByteAt(std::string_view s, std::size_t i);

// Removes leading and trailing blanks and control characters (bytes 0x00-0x20).
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

// Case-insensitive comparison of ASCII letters; double-byte characters compare exactly.
int CompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);
std::string UpperCaseAscii(std::string_view s);

// Byte index of the first occurrence of needle starting on a character boundary, or npos.
std::size_t FindText(std::string_view s, std::string_view needle, std::size_t from = 0);

// Index of the last occurrence of a single-byte character c on a character boundary, or npos.
std::size_t FindLastChar(std::string_view s, char c);

// At most maxBytes bytes of s, cut before a double-byte character that would not fit whole.
std::string CutBytes(std::string_view s, std::size_t maxBytes);

// Lines of a text: CR LF, lone LF and lone CR all end a line; a final line end adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);

// Each line followed by CR LF (the way a text of lines is written to a file).
std::string JoinLines(const std::vector<std::string>& lines);

// Lines joined with CR LF between them, no final line end (the way a text control holds them).
std::string JoinLinesInner(const std::vector<std::string>& lines);

std::string IntToStr(long long value);

// Decimal integer with optional sign and surrounding blanks; false when the text is not one.
bool TryStrToInt(std::string_view text, long long& value);
int StrToIntDef(std::string_view text, int fallback);

// True when the bytes are text in code page 932 that comes back unchanged once split into lines
// and joined again: no NUL, every lead byte with a trail byte, no byte the code page leaves
// unused, no UTF-8 signature. Files of anything else are kept as a copy before a rewrite.
bool IsSoundCp932Text(std::string_view bytes);

}  // namespace quillpad
