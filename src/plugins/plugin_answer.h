// What a picture plug-in hands back, checked before a single pixel is read: plug-ins are other
// people's code and their answers are outside data.
#pragma once

#include <string>
#include <string_view>

namespace quillpad {

// The BMP file image of a plug-in's answer: its picture information's width and height, the
// header block (BITMAPINFO) and the pixel block. Empty unless the header describes a picture
// this program draws, of exactly that size, with every row inside the pixel block.
std::string BmpFromPluginAnswer(int width, int height, std::string_view header,
                                std::string_view pixels);

}  // namespace quillpad
