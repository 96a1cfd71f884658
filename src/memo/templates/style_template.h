// Style templates as values: the look a memo takes (colour, font, border, background mode), the
// one-line description a template carries as its text and the list row height that description
// asks for. No windows, no files.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "memo/memo_list_rules.h"
#include "memo/memo_record.h"

namespace quillpad {

struct MemoStyle {
  ColorValue Color = kClWhite;
  FontSpec Font = DefaultMemoFont();
  bool Border = true;
  MemoKind Kind = MemoKind::mkNormal;  // mkNormal, mkMarquee, mkWallpaper or mkGradation
  friend bool operator==(const MemoStyle&, const MemoStyle&) = default;
};

// The font's size in points, rounded as the system rounds it.
int FontPointSize(const FontSpec& font, int pixelsPerInch);

// Font name, ",", size, "ポイント", then ",ボーダーあり" with a border and ",マーキー表示",
// ",グラデーション表示" or ",透明表示" for the background mode.
std::string TemplateDescription(const MemoStyle& style, int pixelsPerInch);

// The list row of a description: its third comma-list field read as a decimal number (10
// when it is none) in points, plus 10 pixels; kept within what a list row can be.
int TemplateItemHeight(std::string_view description, int pixelsPerInch);

// A hidden memo record carrying the style, with the description as its text.
MemoRecord TemplateRecord(const MemoStyle& style, int pixelsPerInch);

}  // namespace quillpad
