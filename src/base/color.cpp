#include "base/color.h"

#include <array>
#include <cstdio>
#include <span>

#include "base/text.h"

namespace quillpad {

namespace {

struct NamedValue {
  std::string_view Name;
  std::int64_t Value;
};

constexpr std::int64_t kSys = 0x80000000LL;

constexpr std::array<NamedValue, 52> kColors{{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clScrollBar", kSys + 0},
    {"clBackground", kSys + 1},
    {"clActiveCaption", kSys + 2},
    {"clInactiveCaption", kSys + 3},
    {"clMenu", kSys + 4},
    {"clWindow", kSys + 5},
    {"clWindowFrame", kSys + 6},
    {"clMenuText", kSys + 7},
    {"clWindowText", kSys + 8},
    {"clCaptionText", kSys + 9},
    {"clActiveBorder", kSys + 10},
    {"clInactiveBorder", kSys + 11},
    {"clAppWorkSpace", kSys + 12},
    {"clHighlight", kSys + 13},
    {"clHighlightText", kSys + 14},
    {"clBtnFace", kSys + 15},
    {"clBtnShadow", kSys + 16},
    {"clGrayText", kSys + 17},
    {"clBtnText", kSys + 18},
    {"clInactiveCaptionText", kSys + 19},
    {"clBtnHighlight", kSys + 20},
    {"cl3DDkShadow", kSys + 21},
    {"cl3DLight", kSys + 22},
    {"clInfoText", kSys + 23},
    {"clInfoBk", kSys + 24},
    {"clHotLight", kSys + 26},
    {"clGradientActiveCaption", kSys + 27},
    {"clGradientInactiveCaption", kSys + 28},
    {"clMenuHighlight", kSys + 29},
    {"clMenuBar", kSys + 30},
    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
}};

constexpr std::array<NamedValue, 19> kCharsets{{
    {"ANSI_CHARSET", 0},      {"DEFAULT_CHARSET", 1},    {"SYMBOL_CHARSET", 2},
    {"MAC_CHARSET", 77},      {"SHIFTJIS_CHARSET", 128}, {"HANGEUL_CHARSET", 129},
    {"JOHAB_CHARSET", 130},   {"GB2312_CHARSET", 134},   {"CHINESEBIG5_CHARSET", 136},
    {"GREEK_CHARSET", 161},   {"TURKISH_CHARSET", 162},  {"VIETNAMESE_CHARSET", 163},
    {"HEBREW_CHARSET", 177},  {"ARABIC_CHARSET", 178},   {"BALTIC_CHARSET", 186},
    {"RUSSIAN_CHARSET", 204}, {"THAI_CHARSET", 222},     {"EASTEUROPE_CHARSET", 238},
    {"OEM_CHARSET", 255},
}};

std::int64_t AsUnsigned(ColorValue color) {
  return static_cast<std::uint32_t>(color);
}

// Names are found through a small open-addressed table built at compile time: a memo file load
// looks up two colour names and a charset name per memo, and most table names share a length and
// a prefix or suffix.
constexpr std::size_t kNameSlots = 128;
constexpr std::uint8_t kNoEntry = 0xFF;

constexpr std::size_t NameHash(std::string_view name) {
  const auto at = [name](std::size_t i) {
    return static_cast<std::size_t>(static_cast<unsigned char>(name[i]));
  };
  return (name.size() * 131 + at(2) * 31 + at(name.size() / 2) * 7 + at(name.size() - 1)) %
         kNameSlots;
}

template <std::size_t N>
constexpr std::array<std::uint8_t, kNameSlots> MakeNameIndex(
    const std::array<NamedValue, N>& table) {
  static_assert(N < kNameSlots / 2 && N < kNoEntry);
  std::array<std::uint8_t, kNameSlots> slots{};
  for (std::uint8_t& slot : slots) slot = kNoEntry;
  for (std::size_t i = 0; i < N; ++i) {
    std::size_t h = NameHash(table[i].Name);
    while (slots[h] != kNoEntry) h = (h + 1) % kNameSlots;
    slots[h] = static_cast<std::uint8_t>(i);
  }
  return slots;
}

const NamedValue* FindName(std::span<const NamedValue> table,
                           const std::array<std::uint8_t, kNameSlots>& index,
                           std::string_view name) {
  if (name.size() < 3) return nullptr;  // every name in the tables is longer
  for (std::size_t h = NameHash(name); index[h] != kNoEntry; h = (h + 1) % kNameSlots) {
    const NamedValue& entry = table[index[h]];
    if (entry.Name == name) return &entry;
  }
  return nullptr;
}

constexpr auto kColorIndex = MakeNameIndex(kColors);
constexpr auto kCharsetIndex = MakeNameIndex(kCharsets);

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<std::string_view> ColorToName(ColorValue color) {
  for (const NamedValue& entry : kColors) {
    if (entry.Value == AsUnsigned(color)) return entry.Name;
  }
  return std::nullopt;
}

std::optional<ColorValue> NameToColor(std::string_view name) {
  if (const NamedValue* entry = FindName(kColors, kColorIndex, name))
    return static_cast<ColorValue>(static_cast<std::uint32_t>(entry->Value));
  return std::nullopt;
}

std::string ColorToText(ColorValue color) {
  if (auto name = ColorToName(color)) return std::string(*name);
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "$%08X",
                static_cast<unsigned>(static_cast<std::uint32_t>(color)));
  return buffer;
}

std::optional<ColorValue> TextToColor(std::string_view text) {
  const std::string trimmed = Trim(text);
  if (trimmed.empty()) return std::nullopt;
  for (const NamedValue& entry : kColors) {
    if (SameText(entry.Name, trimmed))
      return static_cast<ColorValue>(static_cast<std::uint32_t>(entry.Value));
  }
  if (trimmed[0] == '$') {
    if (trimmed.size() < 2 || trimmed.size() > 9) return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = 1; i < trimmed.size(); ++i) {
      const int digit = HexDigit(trimmed[i]);
      if (digit < 0) return std::nullopt;
      value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return static_cast<ColorValue>(value);
  }
  long long value = 0;
  if (!TryStrToInt(trimmed, value) || value < INT32_MIN || value > UINT32_MAX) return std::nullopt;
  return static_cast<ColorValue>(static_cast<std::uint32_t>(value));
}

ColorValue TextToColorDef(std::string_view text, ColorValue fallback) {
  return TextToColor(text).value_or(fallback);
}

std::optional<std::string_view> CharsetToName(int charset) {
  for (const NamedValue& entry : kCharsets) {
    if (entry.Value == charset) return entry.Name;
  }
  return std::nullopt;
}

std::optional<int> NameToCharset(std::string_view name) {
  if (const NamedValue* entry = FindName(kCharsets, kCharsetIndex, name))
    return static_cast<int>(entry->Value);
  return std::nullopt;
}

}  // namespace quillpad
