#include "memo/memo_record.h"

#include <array>
#include <utility>

#include "base/text.h"

namespace quillpad {

namespace {

constexpr std::string_view kMemoClass = "TMemoForm";
constexpr std::string_view kLabelClass = "TLabel";
constexpr std::string_view kLabelName = "MemoLabel";
constexpr std::string_view kImageClass = "TImage";
constexpr std::string_view kImageName = "ClipImage";
constexpr std::string_view kBitmapClass = "TBitmap";

constexpr std::array<std::pair<unsigned, std::string_view>, 4> kFontStyles{{
    {kFsBold, "fsBold"},
    {kFsItalic, "fsItalic"},
    {kFsUnderline, "fsUnderline"},
    {kFsStrikeOut, "fsStrikeOut"},
}};

// A record as it reads when the file stores nothing for a field: the values the writer leaves
// out (0, empty, False, the class defaults).
MemoRecord AbsentRecord() {
  MemoRecord record;
  record.ClientWidth = 0;
  record.ClientHeight = 0;
  record.Color = kClBtnFace;
  record.LabelLeft = 0;
  record.LabelTop = 0;
  return record;
}

void AddIntegerIfSet(ObjectNode& object, const char* name, std::int64_t value) {
  if (value != 0) object.Add(name, ObjectValue::Integer(value));
}

void AddIdentifier(ObjectNode& object, const char* name, const char* identifier) {
  object.Add(name, ObjectValue::Identifier(identifier));
}

void ReadInt(const ObjectNode& object, std::string_view name, int& field) {
  if (const ObjectValue* value = object.Find(name)) {
    if (auto v = value->AsInteger(); v && *v >= INT32_MIN && *v <= INT32_MAX) field = static_cast<int>(*v);
  }
}

void ReadBool(const ObjectNode& object, std::string_view name, bool& field) {
  if (const ObjectValue* value = object.Find(name)) {
    if (auto v = value->AsBoolean()) field = *v;
  }
}

void ReadText(const ObjectNode& object, std::string_view name, std::string& field) {
  if (const ObjectValue* value = object.Find(name)) {
    if (auto v = value->AsText()) field = std::move(*v);
  }
}

std::optional<std::string> ReadIdentifier(const ObjectNode& object, std::string_view name) {
  if (const ObjectValue* value = object.Find(name)) return value->AsIdentifier();
  return std::nullopt;
}

std::string PictureData(std::string_view bitmap) {
  std::string data;
  data.push_back(static_cast<char>(kBitmapClass.size()));
  data.append(kBitmapClass);
  const std::uint32_t size = static_cast<std::uint32_t>(bitmap.size());
  for (int i = 0; i < 4; ++i) data.push_back(static_cast<char>((size >> (8 * i)) & 0xFF));
  data.append(bitmap);
  return data;
}

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

const ObjectNode* FindChild(const ObjectNode& object, std::string_view className, std::string_view name) {
  for (const ObjectNode& child : object.Children) {
    if (child.ClassName == className) return &child;
  }
  for (const ObjectNode& child : object.Children) {
    if (child.Name == name) return &child;
  }
  return nullptr;
}

}  // namespace

FontSpec DefaultMemoFont() {
  FontSpec font;
  font.Charset = kShiftJisCharset;
  font.Color = kClWhite;
  font.Height = -12;
  font.Name = "ＭＳ Ｐゴシック";
  font.Style = 0;
  return font;
}

std::string MemoObjectName(std::size_t index) {
  if (index == 0) return std::string(kUnknownStamp);
  return std::string(kUnknownStamp) + "_" + IntToStr(static_cast<long long>(index));
}

void AddFontProperties(ObjectNode& object, const FontSpec& font) {
  if (auto name = CharsetToName(font.Charset)) {
    object.Add("Font.Charset", ObjectValue::Identifier(std::string(*name)));
  } else {
    object.Add("Font.Charset", ObjectValue::Integer(font.Charset));
  }
  object.Add("Font.Color", ObjectValue::Colour(font.Color));
  object.Add("Font.Height", ObjectValue::Integer(font.Height));
  object.Add("Font.Name", ObjectValue::Text(font.Name));
  std::vector<std::string> styles;
  for (const auto& [flag, name] : kFontStyles) {
    if (font.Style & flag) styles.emplace_back(name);
  }
  object.Add("Font.Style", ObjectValue::SetOf(std::move(styles)));
}

void ReadFontProperties(const ObjectNode& object, FontSpec& font) {
  if (const ObjectValue* value = object.Find("Font.Charset")) {
    if (auto name = value->AsIdentifier()) {
      if (auto charset = NameToCharset(*name)) font.Charset = *charset;
    } else if (auto number = value->AsInteger(); number && *number >= 0 && *number <= 255) {
      font.Charset = static_cast<int>(*number);
    }
  }
  if (const ObjectValue* value = object.Find("Font.Color")) {
    if (auto color = value->AsColour()) font.Color = *color;
  }
  ReadInt(object, "Font.Height", font.Height);
  ReadText(object, "Font.Name", font.Name);
  if (const ObjectValue* value = object.Find("Font.Style"); value && value->Tag == ValueTag::Set) {
    font.Style = 0;
    for (const std::string& name : value->Set) {
      for (const auto& [flag, styleName] : kFontStyles) {
        if (name == styleName) font.Style |= flag;
      }
    }
  }
}

ObjectNode MemoRecordToObject(const MemoRecord& record, std::string_view objectName) {
  ObjectNode form;
  form.ClassName = kMemoClass;
  form.Name = objectName;
  AddIntegerIfSet(form, "Left", record.Left);
  AddIntegerIfSet(form, "Top", record.Top);
  form.Add("HorzScrollBar.Visible", ObjectValue::Boolean(false));
  form.Add("VertScrollBar.Visible", ObjectValue::Boolean(false));
  if (record.BorderStyle == MemoBorder::SizeToolWin) form.Add("AutoScroll", ObjectValue::Boolean(false));
  if (record.BorderStyle == MemoBorder::None) AddIdentifier(form, "BorderStyle", "bsNone");
  if (record.BorderStyle == MemoBorder::SizeToolWin) AddIdentifier(form, "BorderStyle", "bsSizeToolWin");
  if (!record.StampText.empty()) form.Add("Caption", ObjectValue::Text(record.StampText));
  AddIntegerIfSet(form, "ClientHeight", record.ClientHeight);
  AddIntegerIfSet(form, "ClientWidth", record.ClientWidth);
  // Written even when it is the class default, so that every colour survives a reload.
  form.Add("Color", ObjectValue::Colour(record.Color));
  if (record.HandCursor) AddIdentifier(form, "Cursor", "crHandPoint");
  if (record.ParentFont) {
    form.Add("ParentFont", ObjectValue::Boolean(true));
  } else {
    AddFontProperties(form, record.Font);
  }
  if (record.StayOnTop) AddIdentifier(form, "FormStyle", "fsStayOnTop");
  form.Add("OldCreateOrder", ObjectValue::Boolean(false));
  form.Add("ShowHint", ObjectValue::Boolean(true));
  AddIntegerIfSet(form, "Tag", static_cast<int>(record.Kind));
  form.Add("UseDockManager", ObjectValue::Boolean(true));
  if (record.Visible) form.Add("Visible", ObjectValue::Boolean(true));
  AddIdentifier(form, "OnActivate", "FormActivate");
  AddIdentifier(form, "OnClose", "FormClose");
  AddIdentifier(form, "OnCreate", "FormCreate");
  AddIdentifier(form, "OnDeactivate", "FormDeactivate");
  AddIdentifier(form, "OnMouseDown", "FormMouseDown");
  AddIdentifier(form, "OnPaint", "FormPaint");
  form.Add("PixelsPerInch", ObjectValue::Integer(96));
  form.Add("TextHeight", ObjectValue::Integer(12));

  ObjectNode label;
  label.ClassName = kLabelClass;
  label.Name = kLabelName;
  AddIntegerIfSet(label, "Left", record.LabelLeft);
  AddIntegerIfSet(label, "Top", record.LabelTop);
  AddIntegerIfSet(label, "Width", record.LabelWidth);
  AddIntegerIfSet(label, "Height", record.LabelHeight);
  if (!record.Text.empty()) label.Add("Caption", ObjectValue::Text(record.Text));
  label.Add("ShowAccelChar", ObjectValue::Boolean(false));
  if (record.PositionFixed) label.Add("Tag", ObjectValue::Integer(1));
  label.Add("Transparent", ObjectValue::Boolean(true));
  form.Children.push_back(std::move(label));

  ObjectNode image;
  image.ClassName = kImageClass;
  image.Name = kImageName;
  AddIdentifier(image, "Align", "alClient");
  image.Add("AutoSize", ObjectValue::Boolean(true));
  image.Add("Center", ObjectValue::Boolean(true));
  if (!record.PictureHint.empty()) image.Add("Hint", ObjectValue::Text(record.PictureHint));
  if (!record.Picture.empty()) image.Add("Picture.Data", ObjectValue::BinaryData(PictureData(record.Picture)));
  if (record.Kind == MemoKind::mkImage) image.Add("ShowHint", ObjectValue::Boolean(true));
  image.Add("Stretch", ObjectValue::Boolean(true));
  AddIdentifier(image, "OnMouseDown", "ClipImageMouseDown");
  form.Children.push_back(std::move(image));
  return form;
}

MemoRecord MemoRecordFromObject(const ObjectNode& object) {
  MemoRecord record = AbsentRecord();
  ReadInt(object, "Left", record.Left);
  ReadInt(object, "Top", record.Top);
  ReadInt(object, "ClientWidth", record.ClientWidth);
  ReadInt(object, "ClientHeight", record.ClientHeight);
  if (auto border = ReadIdentifier(object, "BorderStyle")) {
    if (*border == "bsNone") {
      record.BorderStyle = MemoBorder::None;
    } else if (*border == "bsSizeToolWin") {
      record.BorderStyle = MemoBorder::SizeToolWin;
    } else {
      record.BorderStyle = MemoBorder::Dialog;
    }
  }
  ReadText(object, "Caption", record.StampText);
  if (const ObjectValue* value = object.Find("Color")) {
    if (auto color = value->AsColour()) record.Color = *color;
  }
  ReadBool(object, "ParentFont", record.ParentFont);
  ReadFontProperties(object, record.Font);
  if (auto style = ReadIdentifier(object, "FormStyle")) record.StayOnTop = *style == "fsStayOnTop";
  int kind = 0;
  ReadInt(object, "Tag", kind);
  record.Kind = kind >= 0 && kind <= 4 ? static_cast<MemoKind>(kind) : MemoKind::mkNormal;
  if (auto cursor = ReadIdentifier(object, "Cursor")) record.HandCursor = *cursor == "crHandPoint";
  ReadBool(object, "Visible", record.Visible);

  if (const ObjectNode* label = FindChild(object, kLabelClass, kLabelName)) {
    ReadText(*label, "Caption", record.Text);
    ReadInt(*label, "Left", record.LabelLeft);
    ReadInt(*label, "Top", record.LabelTop);
    ReadInt(*label, "Width", record.LabelWidth);
    ReadInt(*label, "Height", record.LabelHeight);
    int tag = 0;
    ReadInt(*label, "Tag", tag);
    record.PositionFixed = tag == 1;
  }
  if (const ObjectNode* image = FindChild(object, kImageClass, kImageName)) {
    if (const ObjectValue* data = image->Find("Picture.Data"); data && data->Tag == ValueTag::Binary) {
      record.Picture = BitmapFromPictureData(data->Bytes);
    }
    ReadText(*image, "Hint", record.PictureHint);
  }
  return record;
}

std::string WriteMemoRecord(const MemoRecord& record, std::string_view objectName) {
  return WriteObjectImage(MemoRecordToObject(record, objectName));
}

MemoFileContents ReadMemoFile(std::string_view bytes) {
  MemoFileContents contents;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    ObjectNode object;
    if (!ReadObjectImage(bytes, pos, object)) {
      contents.Partial = true;
      break;
    }
    contents.Records.push_back(MemoRecordFromObject(object));
  }
  return contents;
}

std::string WriteMemoFile(const std::vector<MemoRecord>& records) {
  std::string out;
  for (std::size_t i = 0; i < records.size(); ++i) {
    AppendObjectImage(out, MemoRecordToObject(records[i], MemoObjectName(i)));
  }
  return out;
}

std::string WriteMemoFontFile(const FontSpec& font) {
  ObjectNode dialog;
  dialog.ClassName = "TFontDialog";
  dialog.Name = "FontDialog1";
  AddFontProperties(dialog, font);
  return WriteObjectImage(dialog);
}

bool ReadMemoFontFile(std::string_view bytes, FontSpec& font) {
  std::size_t pos = 0;
  ObjectNode object;
  if (!ReadObjectImage(bytes, pos, object)) return false;
  ReadFontProperties(object, font);
  return true;
}

std::string WriteMemoColorFile(ColorValue color) {
  ObjectNode dialog;
  dialog.ClassName = "TColorDialog";
  dialog.Name = "ColorDialog1";
  dialog.Add("Color", ObjectValue::Colour(color));
  return WriteObjectImage(dialog);
}

std::optional<ColorValue> ReadMemoColorFile(std::string_view bytes) {
  std::size_t pos = 0;
  ObjectNode object;
  if (!ReadObjectImage(bytes, pos, object)) return std::nullopt;
  if (const ObjectValue* value = object.Find("Color")) return value->AsColour();
  return std::nullopt;
}

std::string DateTimeText(std::string_view shortDateFormat, std::string_view longTimeFormat, DateTime value) {
  return FormatDateTime(shortDateFormat, value) + " " + FormatDateTime(longTimeFormat, value);
}

std::string StampLine(std::string_view stampText) {
  if (stampText == kUnknownStamp) return "[更新日時：不明]";
  return "[更新日時：" + std::string(stampText) + "]";
}

std::string SaveLine(std::string_view now) { return "[保存日時：" + std::string(now) + "]"; }

std::string DeleteLine(std::string_view now) { return "[削除日時：" + std::string(now) + "]"; }

std::string AppendLogEntry(const std::optional<std::string>& existingLog, const MemoRecord& memo,
                           std::string_view now) {
  std::vector<std::string> lines;
  if (existingLog) lines = SplitLines(*existingLog);
  if (!lines.empty() && !Trim(lines.back()).empty()) lines.emplace_back();
  lines.push_back(StampLine(memo.StampText));
  lines.push_back(DeleteLine(now));
  lines.push_back(memo.Text);
  return JoinLines(lines);
}

std::string MemoTextExport(const MemoRecord& memo, std::string_view now) {
  return JoinLines({StampLine(memo.StampText), SaveLine(now), memo.Text});
}

std::string AllMemosTextExport(const std::vector<MemoRecord>& memos, std::string_view now) {
  std::vector<std::string> lines;
  for (const MemoRecord& memo : memos) {
    lines.push_back(StampLine(memo.StampText));
    lines.push_back(SaveLine(now));
    if (memo.Kind != MemoKind::mkImage) {
      lines.push_back(memo.Text);
      lines.emplace_back();
    }
  }
  return JoinLines(lines);
}

}  // namespace quillpad
