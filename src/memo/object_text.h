// The readable text form of object images, for looking into memo, style and template files and
// for writing test files by hand:
//
//   object MemoForm: TMemoForm
//     Left = 640
//     Caption = 'line one'#13#10 +
//       'line two'
//     Font.Style = [fsBold]
//     object MemoLabel: TLabel
//     end
//   end
//
// Text is UTF-8 (the CP932 strings converted); a byte or byte sequence that would not come back
// unchanged is written as #nnn. Other values: identifiers bare, True / False, Null, nil, sets
// [a, b], lists ( ... ), collections < item ... end >, binary { hex }, floats with a decimal
// point (suffix s: 4-byte float, c: currency, d: date-time), wide strings W'...'.
// For every file the program writes, text -> bytes gives back exactly the bytes that were dumped.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "memo/object_image.h"

namespace quillpad {

std::string ObjectToText(const ObjectNode& object);

// All object images of `bytes` back to back (a memo file holds several). Returns false when the
// bytes do not end with a complete image; `text` then holds the complete ones before the damage.
bool ObjectImagesToText(std::string_view bytes, std::string& text);
// The same text handed to `sink` piece by piece as it is written (a few tens of kilobytes at a
// time), so that no image of any size is held as text or as values. After damage the sink has
// had the text up to it.
bool WriteObjectImagesAsText(std::string_view bytes,
                             const std::function<void(std::string_view)>& sink);

// Zero or more objects in text form to their object images, back to back. On failure returns
// false with a message naming the line.
bool TextToObjectImages(std::string_view text, std::string& bytes, std::string& error);

}  // namespace quillpad
