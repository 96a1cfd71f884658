// Reading memo records, memo files and font files: the streaming record builder and what it
// needs to read a file of a thousand memos quickly.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <utility>

#include "memo/memo_record.h"
#include "memo/memo_record_layout.h"
#include "memo/object_image_stream.h"

namespace quillpad {

namespace {

using namespace memo_layout;

// A record as it reads when the file stores nothing for a field: the values the writer leaves
// out (0, empty, False, the class defaults). Only numbers differ from a default record.
MemoRecord AbsentRecord() {
  MemoRecord record;
  record.ClientWidth = 0;
  record.ClientHeight = 0;
  record.Color = kClBtnFace;
  record.LabelLeft = 0;
  record.LabelTop = 0;
  return record;
}

// Makes an AbsentRecord right in a list's storage: emplace_back() would clear the whole record
// before constructing it, and a copy of a template record copies its strings one by one.
struct NewAbsentRecord {
  operator MemoRecord() const { return AbsentRecord(); }
};

// The BMP image inside a Picture.Data payload; empty for other graphic classes and for a byte
// count that does not fit the payload.
std::string BitmapFromPictureData(std::string_view data) {
  if (data.empty()) return {};
  const std::size_t nameLength = static_cast<std::uint8_t>(data[0]);
  if (data.size() < 1 + nameLength + 4 || data.substr(1, nameLength) != kBitmapClass) return {};
  std::size_t pos = 1 + nameLength;
  std::uint32_t size = 0;
  for (int i = 3; i >= 0; --i) size = (size << 8) | static_cast<std::uint8_t>(data[pos + i]);
  pos += 4;
  if (size > data.size() - pos) return {};
  return std::string(data.substr(pos, size));
}

enum class FontField { None, Charset, Color, Height, Name, Style };

// The length sorts most names out before any comparison.
FontField FontFieldOf(std::string_view n) {
  switch (n.size()) {
    case 9:
      return n == "Font.Name" ? FontField::Name : FontField::None;
    case 10:
      return n == "Font.Color"   ? FontField::Color
             : n == "Font.Style" ? FontField::Style
                                 : FontField::None;
    case 11:
      return n == "Font.Height" ? FontField::Height : FontField::None;
    case 12:
      return n == "Font.Charset" ? FontField::Charset : FontField::None;
    default:
      return FontField::None;
  }
}

// The text of a String or LString value goes straight into the field; other tags as AsText.
void AssignText(const ValueRef& value, std::string& field) {
  if (value.Tag == ValueTag::String || value.Tag == ValueTag::LString) {
    // The field is nearly always empty: a new string of the exact size is one allocation and
    // one copy, where assign goes through the general replace.
    if (field.empty()) {
      field = std::string(value.Bytes);
    } else {
      field.assign(value.Bytes);
    }
  } else {
    field = value.AsText().value_or(std::string());
  }
}

// Applies one Font.* property; a value of the wrong kind gives the baseline's value, as if the
// property were absent.
void ApplyFontField(FontField field, const ValueRef& value, FontSpec& font,
                    const FontSpec& baseline) {
  switch (field) {
    case FontField::None:
      break;
    case FontField::Charset:
      font.Charset = baseline.Charset;
      if (auto id = value.AsIdentifier()) {
        if (auto charset = NameToCharset(*id)) font.Charset = *charset;
      } else if (auto number = value.AsInteger(); number && *number >= 0 && *number <= 255) {
        font.Charset = static_cast<int>(*number);
      }
      break;
    case FontField::Color:
      font.Color = value.AsColour().value_or(baseline.Color);
      break;
    case FontField::Height: {
      auto v = value.AsInteger();
      font.Height =
          v && *v >= INT32_MIN && *v <= INT32_MAX ? static_cast<int>(*v) : baseline.Height;
      break;
    }
    case FontField::Name:
      if (value.Tag == ValueTag::String || value.Tag == ValueTag::LString ||
          value.Tag == ValueTag::WString) {
        AssignText(value, font.Name);
      } else {
        font.Name = baseline.Name;
      }
      break;
    case FontField::Style:
      font.Style = baseline.Style;
      if (value.Tag == ValueTag::Set) {
        font.Style = 0;
        std::size_t pos = 0;
        std::string_view item;
        while (value.NextSetName(pos, item)) {
          for (const auto& [flag, styleName] : kFontStyles) {
            if (item == styleName) font.Style |= flag;
          }
        }
      }
      break;
  }
}

int IntOr(const ValueRef& value, int fallback) {
  auto v = value.AsInteger();
  return v && *v >= INT32_MIN && *v <= INT32_MAX ? static_cast<int>(*v) : fallback;
}

// The first and the last W bytes of a text at least W long, as one number.
template <typename Word>
std::pair<Word, Word> EndWords(std::string_view text) {
  Word first, last;
  std::memcpy(&first, text.data(), sizeof first);
  std::memcpy(&last, text.data() + text.size() - sizeof last, sizeof last);
  return {first, last};
}

// Two texts of the same length compared as overlapping words, without a library call: the
// field tables compare a name for nearly every property.
inline bool SameBytes(std::string_view a, std::string_view b) {
  const auto same = [&a, &b](auto word) {
    const auto [a0, a1] = EndWords<decltype(word)>(a);
    const auto [b0, b1] = EndWords<decltype(word)>(b);
    return ((a0 ^ b0) | (a1 ^ b1)) == 0;
  };
  const std::size_t size = a.size();
  if (size >= 8 && size <= 16) return same(std::uint64_t{});
  if (size >= 4 && size < 8) return same(std::uint32_t{});
  if (size >= 2 && size < 4) return same(std::uint16_t{});
  return a == b;
}

// Names to fields with one table look-up: a slot per length, first and last-but-one letter,
// checked when it is built to hold one name at most. Most names a memo stores are no field and
// leave after a comparison of lengths.
template <typename F>
class FieldTable {
 public:
  struct Entry {
    std::string_view Name;
    F Field{};
  };
  template <std::size_t N>
  constexpr explicit FieldTable(const std::array<Entry, N>& names) {
    for (const Entry& entry : names) {
      Entry& slot = slots_[Slot(entry.Name)];
      // Not a constant expression, so that two names sharing a slot do not compile.
      if (!slot.Name.empty()) SlotTaken();
      slot = entry;
    }
  }
  F Find(std::string_view name) const {
    if (name.size() < 2) return F{};
    const Entry& slot = slots_[Slot(name)];
    return slot.Name.size() == name.size() && SameBytes(slot.Name, name) ? slot.Field : F{};
  }

 private:
  static constexpr std::size_t Slot(std::string_view n) {
    return (n.size() * 8 + static_cast<unsigned char>(n[0]) * 7 +
            static_cast<unsigned char>(n[n.size() - 2])) %
           64;
  }
  static void SlotTaken() {}
  std::array<Entry, 64> slots_{};
};

// The last name looked up and what it gave. The records of one file are alike, so a colour or
// charset name usually equals the previous record's and skips the table. The name points into
// the bytes being read: a cache lives no longer than one read.
template <typename T>
class LastName {
 public:
  template <typename Lookup>
  std::optional<T> Get(std::string_view name, Lookup lookup) {
    if (name.size() != name_.size() || !SameBytes(name, name_)) {
      name_ = name;
      value_ = lookup(name);
    }
    return value_;
  }

 private:
  std::string_view name_;
  std::optional<T> value_;
};

// What the records of one read have in common; see LastName.
struct RecordNames {
  LastName<ColorValue> Color;
  LastName<ColorValue> FontColor;
  LastName<int> Charset;
};

// Fills a record from the reader's events. Each known property sets its field; the last one of
// a name wins, and a value of the wrong kind leaves the field as if nothing were stored.
class MemoRecordBuilder final : public ObjectImageHandler {
 public:
  // `record` starts as AbsentRecord(); `names` outlives nothing it was given.
  MemoRecordBuilder(MemoRecord& record, RecordNames& names) : Record(record), names_(names) {}
  MemoRecord& Record;

  void BeginObject(const ObjectHeader& header) override {
    ++depth_;
    if (depth_ == 2) {
      part_ = &kNoFields;
      if (!seenLabel_ && (header.ClassName == kLabelClass || header.Name == kLabelName)) {
        part_ = &kLabelFields;
        seenLabel_ = true;
      } else if (!seenImage_ && (header.ClassName == kImageClass || header.Name == kImageName)) {
        part_ = &kImageFields;
        seenImage_ = true;
      }
    }
    fields_ = FieldsAt(depth_);
  }

  // One look-up in the table of the object being read: most properties leave here.
  void Property(std::string_view name, const ValueRef& value) override {
    const Field field = fields_->Find(name);
    if (field != Field::Other) Set(field, value);
  }

  void EndObject() override { fields_ = FieldsAt(--depth_); }

 private:
  enum class Field {
    Other,
    // The window's.
    Left,
    Top,
    ClientWidth,
    ClientHeight,
    BorderStyle,
    StampText,
    Color,
    ParentFont,
    FormStyle,
    Kind,
    Cursor,
    Visible,
    FontCharset,
    FontColor,
    FontHeight,
    FontName,
    FontStyle,
    // The text child's.
    LabelLeft,
    LabelTop,
    LabelWidth,
    LabelHeight,
    Text,
    PositionFixed,
    // The picture child's.
    Picture,
    PictureHint,
  };
  using Fields = FieldTable<Field>;

  static constexpr Fields kWindowFields{std::array<Fields::Entry, 17>{{
      {"Left", Field::Left},
      {"Top", Field::Top},
      {"ClientWidth", Field::ClientWidth},
      {"ClientHeight", Field::ClientHeight},
      {"BorderStyle", Field::BorderStyle},
      {"Caption", Field::StampText},
      {"Color", Field::Color},
      {"ParentFont", Field::ParentFont},
      {"FormStyle", Field::FormStyle},
      {"Tag", Field::Kind},
      {"Cursor", Field::Cursor},
      {"Visible", Field::Visible},
      {"Font.Charset", Field::FontCharset},
      {"Font.Color", Field::FontColor},
      {"Font.Height", Field::FontHeight},
      {"Font.Name", Field::FontName},
      {"Font.Style", Field::FontStyle},
  }}};
  static constexpr Fields kLabelFields{std::array<Fields::Entry, 6>{{
      {"Left", Field::LabelLeft},
      {"Top", Field::LabelTop},
      {"Width", Field::LabelWidth},
      {"Height", Field::LabelHeight},
      {"Caption", Field::Text},
      {"Tag", Field::PositionFixed},
  }}};
  static constexpr Fields kImageFields{std::array<Fields::Entry, 2>{{
      {"Picture.Data", Field::Picture},
      {"Hint", Field::PictureHint},
  }}};
  static constexpr Fields kNoFields{std::array<Fields::Entry, 0>{}};

  const Fields* FieldsAt(int depth) const {
    return depth == 1 ? &kWindowFields : depth == 2 ? part_ : &kNoFields;
  }

  static const FontSpec& Baseline() {
    static const FontSpec baseline = DefaultMemoFont();
    return baseline;
  }

  void Set(Field field, const ValueRef& value) {
    MemoRecord& r = Record;
    switch (field) {
      case Field::Other:
        break;
      case Field::Left:
        r.Left = IntOr(value, 0);
        break;
      case Field::Top:
        r.Top = IntOr(value, 0);
        break;
      case Field::ClientWidth:
        r.ClientWidth = IntOr(value, 0);
        break;
      case Field::ClientHeight:
        r.ClientHeight = IntOr(value, 0);
        break;
      case Field::BorderStyle: {
        const auto id = value.AsIdentifier();
        r.BorderStyle = id == "bsNone"          ? MemoBorder::None
                        : id == "bsSizeToolWin" ? MemoBorder::SizeToolWin
                                                : MemoBorder::Dialog;
        break;
      }
      case Field::StampText:
        AssignText(value, r.StampText);
        break;
      case Field::Color:
        r.Color = value.Tag == ValueTag::Ident
                      ? names_.Color.Get(value.Bytes, NameToColor).value_or(kClBtnFace)
                      : value.AsColour().value_or(kClBtnFace);
        break;
      case Field::ParentFont:
        r.ParentFont = value.AsBoolean().value_or(false);
        break;
      case Field::FormStyle:
        r.StayOnTop = value.AsIdentifier() == "fsStayOnTop";
        break;
      case Field::Kind: {
        const int kind = IntOr(value, 0);
        r.Kind = kind >= 0 && kind <= 4 ? static_cast<MemoKind>(kind) : MemoKind::mkNormal;
        break;
      }
      case Field::Cursor:
        r.HandCursor = value.AsIdentifier() == "crHandPoint";
        break;
      case Field::Visible:
        r.Visible = value.AsBoolean().value_or(false);
        break;
      case Field::FontCharset:
        if (value.Tag == ValueTag::Ident) {
          r.Font.Charset =
              names_.Charset.Get(value.Bytes, NameToCharset).value_or(Baseline().Charset);
        } else {
          ApplyFontField(FontField::Charset, value, r.Font, Baseline());
        }
        break;
      case Field::FontColor:
        r.Font.Color =
            value.Tag == ValueTag::Ident
                ? names_.FontColor.Get(value.Bytes, NameToColor).value_or(Baseline().Color)
                : value.AsColour().value_or(Baseline().Color);
        break;
      case Field::FontHeight:
        ApplyFontField(FontField::Height, value, r.Font, Baseline());
        break;
      case Field::FontName:
        ApplyFontField(FontField::Name, value, r.Font, Baseline());
        break;
      case Field::FontStyle:
        ApplyFontField(FontField::Style, value, r.Font, Baseline());
        break;
      case Field::LabelLeft:
        r.LabelLeft = IntOr(value, 0);
        break;
      case Field::LabelTop:
        r.LabelTop = IntOr(value, 0);
        break;
      case Field::LabelWidth:
        r.LabelWidth = IntOr(value, 0);
        break;
      case Field::LabelHeight:
        r.LabelHeight = IntOr(value, 0);
        break;
      case Field::Text:
        AssignText(value, r.Text);
        break;
      case Field::PositionFixed:
        r.PositionFixed = IntOr(value, 0) == 1;
        break;
      case Field::Picture:
        r.Picture =
            value.Tag == ValueTag::Binary ? BitmapFromPictureData(value.Bytes) : std::string();
        break;
      case Field::PictureHint:
        AssignText(value, r.PictureHint);
        break;
    }
  }

  RecordNames& names_;
  int depth_ = 0;
  const Fields* part_ = &kNoFields;
  const Fields* fields_ = &kNoFields;
  bool seenLabel_ = false;
  bool seenImage_ = false;
};

// Reads the Font.* values of a style file over a starting font.
class FontBuilder : public ObjectImageHandler {
 public:
  explicit FontBuilder(const FontSpec& start) : Font(start), baseline_(start) {}
  FontSpec Font;
  void BeginObject(const ObjectHeader&) override { ++depth_; }
  void Property(std::string_view name, const ValueRef& value) override {
    if (depth_ == 1) ApplyFontField(FontFieldOf(name), value, Font, baseline_);
  }
  void EndObject() override { --depth_; }

 private:
  FontSpec baseline_;
  int depth_ = 0;
};

}  // namespace

void ReadFontProperties(const ObjectNode& object, FontSpec& font) {
  FontBuilder builder(font);
  ReplayObject(object, builder);
  font = builder.Font;
}

MemoRecord MemoRecordFromObject(const ObjectNode& object) {
  MemoRecord record = AbsentRecord();
  RecordNames names;
  MemoRecordBuilder builder(record, names);
  ReplayObject(object, builder);
  return record;
}

MemoFileContents ReadMemoFile(std::string_view bytes) {
  MemoFileContents contents;
  RecordNames names;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    // Filled where it stays in the list rather than moved there.
    MemoRecordBuilder builder(contents.Records.emplace_back(NewAbsentRecord{}), names);
    if (!object_image_stream::ReadObjectImageInto(bytes, pos, builder)) {
      contents.Records.pop_back();
      contents.Partial = true;
      break;
    }
    // The records of one file are alike: room for as many as the first one's size says, never
    // more records than the file has bytes for one of them.
    if (contents.Records.size() == 1 && pos < bytes.size())
      contents.Records.reserve(1 + bytes.size() / std::max(pos, sizeof(MemoRecord)));
  }
  return contents;
}

bool ReadMemoFontFile(std::string_view bytes, FontSpec& font) {
  std::size_t pos = 0;
  FontBuilder builder(font);
  if (!ReadObjectImage(bytes, pos, builder)) return false;
  font = builder.Font;
  return true;
}

}  // namespace quillpad
