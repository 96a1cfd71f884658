// Comma lists: one text line holding several fields, as the holiday rule file and other lists
// keep them. Bytes are CP932; the separators (blanks, control bytes, comma, double quote) are
// never trail bytes, so the rules work byte by byte.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillpad {

// Splits a line into fields. Blanks and control bytes (1-32) before a field are skipped. A field
// that starts with a double quote runs to the matching quote ("" inside is one quote); without
// a closing quote it takes the rest of the line. Any other field ends at a comma or at a byte of
// 32 or below, so unquoted blanks separate fields like commas. After a field, blanks and one
// comma (with the blanks behind it) are skipped. A NUL byte ends the line.
// A trailing comma adds no empty field: "3,20," gives two fields.
std::vector<std::string> SplitCommaList(std::string_view line);

// Joins fields with commas. A field holding a blank, a control byte, a comma or a double quote
// is enclosed in double quotes with inner quotes doubled; other fields (also empty ones) are
// written as they are. SplitCommaList gives fields without NUL bytes back, except that a
// single empty last field is lost (the line then ends in a comma).
std::string JoinCommaList(const std::vector<std::string>& fields);

}  // namespace quillpad
