#include "calendar/calendar_style.h"

#include <cstdio>

#include "base/text.h"
#include "memo/memo_record.h"
#include "memo/object_image.h"

namespace quillpad {

namespace {

FontSpec ToRecord(const platform::FontSpec& f) {
  return FontSpec{f.Charset, static_cast<ColorValue>(f.TextColor), f.Height, f.Name, f.Style};
}

platform::FontSpec FromRecord(const FontSpec& f) {
  return platform::FontSpec{f.Name, f.Height, static_cast<platform::Color>(f.Color), f.Charset,
                            f.Style};
}

ObjectNode FontDialog(const char* name, const platform::FontSpec& font) {
  ObjectNode node;
  node.ClassName = "TFontDialog";
  node.Name = name;
  AddFontProperties(node, ToRecord(font));
  return node;
}

// Custom colours are kept as "ColorA=RRGGBB" texts, A to P, in the dialog's own order.
std::string CustomColorText(int index, platform::Color c) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "%06X", static_cast<unsigned>(c & 0xFFFFFF));
  return std::string("Color") + static_cast<char>('A' + index) + "=" + hex;
}

}  // namespace

std::string WriteCalendarStyle(const CalendarStyle& style) {
  ObjectNode colors;
  colors.ClassName = "TColorDialog";
  colors.Name = "ColorDialog1";
  colors.Add("Color", ObjectValue::Colour(static_cast<ColorValue>(style.DialogColor)));
  ObjectValue list;
  list.Tag = ValueTag::List;
  for (std::size_t i = 0; i < style.CustomColors.size() && i < 16; ++i) {
    list.List.push_back(
        ObjectValue::Text(CustomColorText(static_cast<int>(i), style.CustomColors[i])));
  }
  colors.Add("CustomColors", std::move(list));
  return WriteObjectImage(FontDialog("FontDialog1", style.BaseFont)) +
         WriteObjectImage(FontDialog("FontDialog2", style.YearMonthFont)) +
         WriteObjectImage(colors);
}

bool ReadCalendarStyle(std::string_view bytes, CalendarStyle& style) {
  std::size_t pos = 0;
  ObjectNode base, yearMonth, colors;
  if (!ReadObjectImage(bytes, pos, base) || !ReadObjectImage(bytes, pos, yearMonth) ||
      !ReadObjectImage(bytes, pos, colors)) {
    return false;
  }
  CalendarStyle read = style;
  FontSpec font = ToRecord(read.BaseFont);
  ReadFontProperties(base, font);
  read.BaseFont = FromRecord(font);
  font = ToRecord(read.YearMonthFont);
  ReadFontProperties(yearMonth, font);
  read.YearMonthFont = FromRecord(font);
  if (const ObjectValue* c = colors.Find("Color")) {
    if (auto v = c->AsColour()) read.DialogColor = static_cast<platform::Color>(*v);
  }
  if (const ObjectValue* list = colors.Find("CustomColors")) {
    for (const ObjectValue& item : list->List) {
      const std::optional<std::string> text = item.AsText();
      // "ColorA=RRGGBB": the letter picks the slot.
      if (!text || text->size() < 8 || text->compare(0, 5, "Color") != 0 || (*text)[6] != '=')
        continue;
      const int slot = (*text)[5] - 'A';
      if (slot < 0 || slot >= 16) continue;
      char* end = nullptr;
      const unsigned long v = std::strtoul(text->c_str() + 7, &end, 16);
      if (*end != '\0') continue;
      read.CustomColors.resize(16, 0xFFFFFF);
      read.CustomColors[static_cast<std::size_t>(slot)] =
          static_cast<platform::Color>(v & 0xFFFFFF);
    }
  }
  style = std::move(read);
  return true;
}

}  // namespace quillpad
