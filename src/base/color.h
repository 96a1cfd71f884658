// Colour values with their standard names, and font character-set identifiers, as the object
// images and the ini file spell them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillpad {

// A Windows colour: 0x00BBGGRR, or 0x80000000 + index for a system colour.
using ColorValue = std::int32_t;

constexpr ColorValue kClBlack = 0x000000;
constexpr ColorValue kClYellow = 0x00FFFF;
constexpr ColorValue kClWhite = 0xFFFFFF;
constexpr ColorValue kClWindowText = static_cast<ColorValue>(0x80000008u);
constexpr ColorValue kClBtnFace = static_cast<ColorValue>(0x8000000Fu);
constexpr ColorValue kClNone = 0x1FFFFFFF;
constexpr ColorValue kClDefault = 0x20000000;

// The standard name of a colour ("clWhite", "clBtnFace"); the first name in table order wins.
std::optional<std::string_view> ColorToName(ColorValue color);
// Exact name match (as the object images write them); nullopt for an unknown name.
std::optional<ColorValue> NameToColor(std::string_view name);

// The ini form: the name if the colour has one, else "$" and eight hex digits ("$00123456").
std::string ColorToText(ColorValue color);
// Accepts a name (letter case ignored), "$" + hex digits, or a decimal integer.
std::optional<ColorValue> TextToColor(std::string_view text);
ColorValue TextToColorDef(std::string_view text, ColorValue fallback);

constexpr int kShiftJisCharset = 128;
constexpr int kDefaultCharset = 1;

// "SHIFTJIS_CHARSET" and the other character-set identifiers.
std::optional<std::string_view> CharsetToName(int charset);
std::optional<int> NameToCharset(std::string_view name);

}  // namespace quillpad
