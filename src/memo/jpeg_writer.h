// Picture memos saved as JPEG files: baseline, with the encoder's default settings.
#pragma once

#include <string>
#include <string_view>

namespace quillpad {

// The JPEG file of a BMP file image; empty when the bytes are no picture this program reads or
// the encoder gave up.
std::string EncodeJpeg(std::string_view bmpFile);

}  // namespace quillpad
