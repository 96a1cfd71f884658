#include "memo/templates/style_template.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "base/comma_list.h"
#include "base/text.h"

namespace quillpad {

namespace {

// Rows of the system list box hold at most 255 pixels.
constexpr int kMaxItemHeight = 255;
constexpr int kFallbackPoints = 10;

bool ReadDecimal(std::string_view text, long long& value) {
  if (!text.empty() && (text[0] == '+')) text.remove_prefix(1);
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value, 10);
  return !text.empty() && ec == std::errc() && ptr == end;
}

}  // namespace

int FontPointSize(const FontSpec& font, int pixelsPerInch) {
  if (pixelsPerInch <= 0) pixelsPerInch = 96;
  const long long scaled = -static_cast<long long>(font.Height) * 72;
  // Halves away from zero.
  const long long half = pixelsPerInch / 2;
  const long long size = scaled >= 0 ? (scaled + half) / pixelsPerInch : (scaled - half) / pixelsPerInch;
  return static_cast<int>(std::clamp<long long>(size, INT32_MIN, INT32_MAX));
}

std::string TemplateDescription(const MemoStyle& style, int pixelsPerInch) {
  std::string text = style.Font.Name + "," + IntToStr(FontPointSize(style.Font, pixelsPerInch)) + "ポイント";
  if (style.Border) text += ",ボーダーあり";
  switch (style.Kind) {
    case MemoKind::mkMarquee: text += ",マーキー表示"; break;
    case MemoKind::mkGradation: text += ",グラデーション表示"; break;
    case MemoKind::mkWallpaper: text += ",透明表示"; break;
    default: break;
  }
  return text;
}

int TemplateItemHeight(std::string_view description, int pixelsPerInch) {
  const std::vector<std::string> fields = SplitCommaList(description);
  long long points = kFallbackPoints;
  if (fields.size() < 3 || !ReadDecimal(fields[2], points)) points = kFallbackPoints;
  // Any number a damaged file holds stays a row the list can show.
  points = std::clamp<long long>(points, -100000, 100000);
  const long long height = points * std::max(pixelsPerInch, 1) / 72 + 10;
  return static_cast<int>(std::clamp<long long>(height, 1, kMaxItemHeight));
}

MemoRecord TemplateRecord(const MemoStyle& style, int pixelsPerInch) {
  MemoRecord record;
  record.Color = style.Color;
  record.Font = style.Font;
  record.ParentFont = false;
  record.BorderStyle = style.Border ? MemoBorder::SizeToolWin : MemoBorder::None;
  record.Kind = style.Kind;
  record.Text = TemplateDescription(style, pixelsPerInch);
  record.Visible = false;
  return record;
}

}  // namespace quillpad
