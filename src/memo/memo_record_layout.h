// The class and object names and the style names a stored memo is made of: one list for the
// memo record's writer and its reader. Internal to the memo record sources.
#pragma once

#include <array>
#include <string_view>
#include <utility>

#include "memo/memo_record.h"

namespace quillpad::memo_layout {

inline constexpr std::string_view kLabelClass = "TLabel";
inline constexpr std::string_view kLabelName = "MemoLabel";
inline constexpr std::string_view kImageClass = "TImage";
inline constexpr std::string_view kImageName = "ClipImage";
inline constexpr std::string_view kBitmapClass = "TBitmap";

inline constexpr std::array<std::pair<unsigned, std::string_view>, 4> kFontStyles{{
    {kFsBold, "fsBold"},
    {kFsItalic, "fsItalic"},
    {kFsUnderline, "fsUnderline"},
    {kFsStrikeOut, "fsStrikeOut"},
}};

}  // namespace quillpad::memo_layout
