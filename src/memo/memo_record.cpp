#include "memo/memo_record.h"

#include <cstdint>
#include <utility>

#include "base/text.h"
#include "memo/memo_record_layout.h"

namespace quillpad {

namespace {

using namespace memo_layout;

constexpr std::string_view kMemoClass = "TMemoForm";

// Picture.Data starts with the graphic class and the byte count of the BMP image that follows.
std::string PicturePrefix(std::size_t bitmapSize) {
  std::string prefix;
  prefix.push_back(static_cast<char>(kBitmapClass.size()));
  prefix.append(kBitmapClass);
  const std::uint32_t size = static_cast<std::uint32_t>(bitmapSize);
  for (int i = 0; i < 4; ++i) prefix.push_back(static_cast<char>((size >> (8 * i)) & 0xFF));
  return prefix;
}

// Builds an ObjectNode from the same calls the byte writer takes.
class NodeSink {
 public:
  explicit NodeSink(ObjectNode& root) : root_(root) {}
  // Adds further properties to an object that already exists.
  static NodeSink Into(ObjectNode& object) {
    NodeSink sink(object);
    sink.stack_.push_back(&object);
    return sink;
  }
  void BeginObject(std::string_view className, std::string_view name) {
    ObjectNode* node = stack_.empty() ? &root_ : &stack_.back()->Children.emplace_back();
    node->ClassName = className;
    node->Name = name;
    stack_.push_back(node);
  }
  void Integer(std::string_view name, std::int64_t value) {
    Add(name, ObjectValue::Integer(value));
  }
  void Text(std::string_view name, std::string_view bytes) {
    Add(name, ObjectValue::Text(std::string(bytes)));
  }
  void Identifier(std::string_view name, std::string_view id) {
    Add(name, ObjectValue::Identifier(std::string(id)));
  }
  void Boolean(std::string_view name, bool value) { Add(name, ObjectValue::Boolean(value)); }
  void Colour(std::string_view name, ColorValue color) { Add(name, ObjectValue::Colour(color)); }
  void Binary(std::string_view name, std::string_view prefix, std::string_view bytes) {
    Add(name, ObjectValue::BinaryData(std::string(prefix) + std::string(bytes)));
  }
  void Set(std::string_view name, const std::vector<std::string_view>& names) {
    Add(name, ObjectValue::SetOf(std::vector<std::string>(names.begin(), names.end())));
  }
  void EndProperties() {}
  void EndObject() { stack_.pop_back(); }

 private:
  void Add(std::string_view name, ObjectValue value) {
    stack_.back()->Add(std::string(name), std::move(value));
  }
  ObjectNode& root_;
  std::vector<ObjectNode*> stack_;
};

template <typename Sink>
void EmitFont(Sink& sink, const FontSpec& font) {
  if (auto name = CharsetToName(font.Charset)) {
    sink.Identifier("Font.Charset", *name);
  } else {
    sink.Integer("Font.Charset", font.Charset);
  }
  sink.Colour("Font.Color", font.Color);
  sink.Integer("Font.Height", font.Height);
  sink.Text("Font.Name", font.Name);
  std::vector<std::string_view> styles;
  for (const auto& [flag, name] : kFontStyles) {
    if (font.Style & flag) styles.push_back(name);
  }
  sink.Set("Font.Style", styles);
}

// The one description of a memo's stored properties and their order; a value equal to its
// default is left out.
template <typename Sink>
void EmitMemo(Sink& sink, const MemoRecord& record, std::string_view objectName) {
  auto integer = [&sink](std::string_view name, std::int64_t value) {
    if (value != 0) sink.Integer(name, value);
  };
  sink.BeginObject(kMemoClass, objectName);
  integer("Left", record.Left);
  integer("Top", record.Top);
  sink.Boolean("HorzScrollBar.Visible", false);
  sink.Boolean("VertScrollBar.Visible", false);
  if (record.BorderStyle == MemoBorder::SizeToolWin) sink.Boolean("AutoScroll", false);
  if (record.BorderStyle == MemoBorder::None) sink.Identifier("BorderStyle", "bsNone");
  if (record.BorderStyle == MemoBorder::SizeToolWin)
    sink.Identifier("BorderStyle", "bsSizeToolWin");
  if (!record.StampText.empty()) sink.Text("Caption", record.StampText);
  integer("ClientHeight", record.ClientHeight);
  integer("ClientWidth", record.ClientWidth);
  // The class default is what a reader assumes when the property is missing.
  if (record.Color != kClBtnFace) sink.Colour("Color", record.Color);
  if (record.HandCursor) sink.Identifier("Cursor", "crHandPoint");
  if (record.ParentFont) {
    sink.Boolean("ParentFont", true);
  } else {
    EmitFont(sink, record.Font);
  }
  if (record.StayOnTop) sink.Identifier("FormStyle", "fsStayOnTop");
  sink.Boolean("OldCreateOrder", false);
  sink.Boolean("ShowHint", true);
  integer("Tag", static_cast<int>(record.Kind));
  sink.Boolean("UseDockManager", true);
  if (record.Visible) sink.Boolean("Visible", true);
  sink.Identifier("OnActivate", "FormActivate");
  sink.Identifier("OnClose", "FormClose");
  sink.Identifier("OnCreate", "FormCreate");
  sink.Identifier("OnDeactivate", "FormDeactivate");
  sink.Identifier("OnMouseDown", "FormMouseDown");
  sink.Identifier("OnPaint", "FormPaint");
  sink.Integer("PixelsPerInch", 96);
  sink.Integer("TextHeight", 12);
  sink.EndProperties();

  sink.BeginObject(kLabelClass, kLabelName);
  integer("Left", record.LabelLeft);
  integer("Top", record.LabelTop);
  integer("Width", record.LabelWidth);
  integer("Height", record.LabelHeight);
  if (!record.Text.empty()) sink.Text("Caption", record.Text);
  sink.Boolean("ShowAccelChar", false);
  if (record.PositionFixed) sink.Integer("Tag", 1);
  sink.Boolean("Transparent", true);
  sink.EndProperties();
  sink.EndObject();

  sink.BeginObject(kImageClass, kImageName);
  sink.Identifier("Align", "alClient");
  sink.Boolean("AutoSize", true);
  sink.Boolean("Center", true);
  if (!record.PictureHint.empty()) sink.Text("Hint", record.PictureHint);
  if (!record.Picture.empty())
    sink.Binary("Picture.Data", PicturePrefix(record.Picture.size()), record.Picture);
  if (record.Kind == MemoKind::mkImage) sink.Boolean("ShowHint", true);
  sink.Boolean("Stretch", true);
  sink.Identifier("OnMouseDown", "ClipImageMouseDown");
  sink.EndProperties();
  sink.EndObject();

  sink.EndObject();
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

std::string_view MemoCategoryFileName(int category) {
  switch (category) {
    case 0:
      return "MemoData.dat";
    case 1:
      return "MemoData1.dat";
    case 2:
      return "MemoData2.dat";
    default:
      return {};
  }
}

std::string_view ColorDepthText(PixelFormat format) {
  switch (format) {
    case PixelFormat::Device:
      return "マシンのデフォルト解像度";
    case PixelFormat::Bits1:
      return "白黒";
    case PixelFormat::Bits4:
      return "16色";
    case PixelFormat::Bits8:
      return "256色";
    case PixelFormat::Bits15:
      return "";
    // Sic: the text the memo files already hold, although 16 bits make 65,536 colours.
    case PixelFormat::Bits16:
      return "25,536色";
    case PixelFormat::Bits24:
      return "16,777,216色";
    case PixelFormat::Bits32:
      return "4,294,967,296色";
  }
  return "";
}

std::string_view MemoCategoryCaption(int category) {
  switch (category) {
    case 0:
      return "カテゴリ０";
    case 1:
      return "カテゴリ１";
    case 2:
      return "カテゴリ２";
    default:
      return {};
  }
}

std::string MemoObjectName(std::size_t index) {
  if (index == 0) return std::string(kUnknownStamp);
  return std::string(kUnknownStamp) + "_" + IntToStr(static_cast<long long>(index));
}

void AddFontProperties(ObjectNode& object, const FontSpec& font) {
  NodeSink sink = NodeSink::Into(object);
  EmitFont(sink, font);
}

ObjectNode MemoRecordToObject(const MemoRecord& record, std::string_view objectName) {
  ObjectNode form;
  NodeSink sink(form);
  EmitMemo(sink, record, objectName);
  return form;
}

std::string WriteMemoRecord(const MemoRecord& record, std::string_view objectName) {
  std::string out;
  ObjectImageWriter writer(out);
  EmitMemo(writer, record, objectName);
  return out;
}

std::string WriteMemoFile(const std::vector<MemoRecord>& records) {
  std::size_t size = 0;
  for (const MemoRecord& record : records) size += 700 + record.Text.size() + record.Picture.size();
  std::string out;
  out.reserve(size);
  for (std::size_t i = 0; i < records.size(); ++i) {
    ObjectImageWriter writer(out);
    EmitMemo(writer, records[i], MemoObjectName(i));
  }
  return out;
}

std::string WriteMemoFontFile(const FontSpec& font) {
  std::string out;
  ObjectImageWriter writer(out);
  writer.BeginObject("TFontDialog", "FontDialog1");
  EmitFont(writer, font);
  writer.EndProperties();
  writer.EndObject();
  return out;
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

std::string DateTimeText(std::string_view shortDateFormat, std::string_view longTimeFormat,
                         DateTime value) {
  return FormatDateTime(shortDateFormat, value) + " " + FormatDateTime(longTimeFormat, value);
}

std::string StampLine(std::string_view stampText) {
  if (stampText == kUnknownStamp) return "[更新日時：不明]";
  return "[更新日時：" + std::string(stampText) + "]";
}

std::string SaveLine(std::string_view now) {
  return "[保存日時：" + std::string(now) + "]";
}

std::string DeleteLine(std::string_view now) {
  return "[削除日時：" + std::string(now) + "]";
}

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
