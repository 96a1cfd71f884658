#include "memo/memo_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string_view>

#include "memo/test_bytes.h"

namespace quillpad {
namespace {

using test::Contains;
using test::Hex;
using test::Lit;

// Every field away from its default.
MemoRecord FullRecord() {
  MemoRecord record;
  record.Left = -5;
  record.Top = 70000;
  record.ClientWidth = 320;
  record.ClientHeight = 129;
  record.BorderStyle = MemoBorder::SizeToolWin;
  record.StampText = "2026/12/08 1:02:03";
  record.Color = 0x00123456;
  record.Font.Charset = 0;
  record.Font.Color = kClWindowText;
  record.Font.Height = -16;
  record.Font.Name = "ＭＳ 明朝";
  record.Font.Style = kFsBold | kFsStrikeOut;
  record.StayOnTop = true;
  record.Kind = MemoKind::mkGradation;
  record.HandCursor = true;
  record.Visible = true;
  record.Text = "一行目\r\nsecond ソ表\\";
  record.LabelWidth = 300;
  record.LabelHeight = 24;
  record.PositionFixed = true;
  return record;
}

// A tiny 1x1 24-bit BMP file image.
std::string TinyBitmap() {
  return Hex(
      "42 4D 3A 00 00 00 00 00 00 00 36 00 00 00"
      "28 00 00 00 01 00 00 00 01 00 00 00 01 00 18 00 00 00 00 00 04 00 00 00"
      "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
      "FF 00 00 00");
}

MemoRecord ImageRecord() {
  MemoRecord record;
  record.Kind = MemoKind::mkImage;
  record.ParentFont = true;
  record.BorderStyle = MemoBorder::None;
  record.Picture = TinyBitmap();
  record.PictureHint = "24bit";
  return record;
}

MemoRecord RoundTrip(const MemoRecord& record) {
  auto object = ParseObjectImage(WriteMemoRecord(record));
  EXPECT_TRUE(object);
  return object ? MemoRecordFromObject(*object) : MemoRecord{};
}

TEST(MemoRecordTest, EveryFieldSurvivesARoundTrip) {
  const MemoRecord full = FullRecord();
  EXPECT_EQ(RoundTrip(full), full);
  const MemoRecord image = ImageRecord();
  EXPECT_EQ(RoundTrip(image), image);
  // Each border and kind on its own.
  for (MemoBorder border : {MemoBorder::Dialog, MemoBorder::None, MemoBorder::SizeToolWin}) {
    MemoRecord record = full;
    record.BorderStyle = border;
    EXPECT_EQ(RoundTrip(record).BorderStyle, border);
  }
  for (int kind = 0; kind <= 4; ++kind) {
    MemoRecord record = full;
    record.Kind = static_cast<MemoKind>(kind);
    EXPECT_EQ(RoundTrip(record).Kind, record.Kind);
  }
  MemoRecord black = full;
  black.Color = kClBlack;
  EXPECT_EQ(RoundTrip(black).Color, kClBlack);
}

TEST(MemoRecordTest, WrittenBytesFollowTheRules) {
  MemoRecord record = FullRecord();
  record.Left = 640;
  const std::string bytes = WriteMemoRecord(record);
  EXPECT_EQ(bytes.substr(0, 14), Hex("54 50 46 30 09 54 4D 65 6D 6F 46 6F 72 6D"));
  EXPECT_TRUE(Contains(bytes, Hex("03 54 61 67 02 04")));
  EXPECT_TRUE(Contains(bytes, Hex("04 4C 65 66 74 03 80 02")));
  EXPECT_TRUE(Contains(bytes, Hex("07 56 69 73 69 62 6C 65 09")));
  EXPECT_TRUE(
      Contains(bytes, Hex("09 46 6F 72 6D 53 74 79 6C 65 07 0B 66 73 53 74 61 79 4F 6E 54 6F 70")));
  EXPECT_TRUE(Contains(bytes,
                       "\x0C"
                       "Font.Charset\x07\x0C"
                       "ANSI_CHARSET"));
  EXPECT_TRUE(Contains(bytes,
                       "\x0A"
                       "Font.Color\x07\x0C"
                       "clWindowText"));
  EXPECT_TRUE(Contains(bytes, Lit("\x0A"
                                  "Font.Style\x0B\x06"
                                  "fsBold\x0B"
                                  "fsStrikeOut\x00")));
  EXPECT_TRUE(Contains(bytes,
                       "\x0A"
                       "AutoScroll\x08"));
  EXPECT_TRUE(Contains(bytes,
                       "\x0B"
                       "BorderStyle\x07\x0D"
                       "bsSizeToolWin"));
  EXPECT_TRUE(Contains(bytes,
                       "\x06"
                       "Cursor\x07\x0B"
                       "crHandPoint"));
  EXPECT_TRUE(Contains(bytes, Lit("\x05"
                                  "Color\x04\x56\x34\x12\x00")));
  EXPECT_TRUE(Contains(bytes, "\x06TLabel\x09MemoLabel"));
  EXPECT_TRUE(Contains(bytes,
                       "\x06TImage\x09"
                       "ClipImage"));
  EXPECT_LT(bytes.find("MemoLabel"), bytes.find("ClipImage"));
  EXPECT_FALSE(Contains(bytes, "ParentFont"));
  EXPECT_FALSE(Contains(bytes, "Picture.Data"));
  EXPECT_FALSE(Contains(bytes, "\x08ShowHint\x09\x07Stretch"));  // only image memos have it
}

TEST(MemoRecordTest, TreeAndStreamWritersAgree) {
  for (const MemoRecord& record : {FullRecord(), ImageRecord(), MemoRecord{}}) {
    EXPECT_EQ(WriteObjectImage(MemoRecordToObject(record, "MemoForm_7")),
              WriteMemoRecord(record, "MemoForm_7"));
  }
}

TEST(MemoRecordTest, PositionsAcrossIntegerWidths) {
  for (int value : {127, 128, -128, -129, 32767, 32768, -32768, -32769, INT32_MAX, INT32_MIN}) {
    MemoRecord record = FullRecord();
    record.Left = value;
    record.Top = value / 3;
    record.LabelWidth = value;
    const MemoRecord back = RoundTrip(record);
    EXPECT_EQ(back.Left, value);
    EXPECT_EQ(back.LabelWidth, value);
    EXPECT_EQ(back.Top, record.Top);
  }
}

TEST(MemoRecordTest, DefaultsAreLeftOut) {
  MemoRecord record;
  record.Left = 0;
  record.Top = 0;
  const std::string bytes = WriteMemoRecord(record);
  EXPECT_FALSE(Contains(bytes, Lit("\x04Left\x02\x00")));  // window Left 0
  EXPECT_FALSE(Contains(bytes, "BorderStyle"));
  EXPECT_FALSE(Contains(bytes, "AutoScroll"));
  EXPECT_FALSE(Contains(bytes, "FormStyle"));
  EXPECT_FALSE(Contains(bytes, "Visible\x09"));
  EXPECT_FALSE(Contains(bytes, "Cursor"));
  EXPECT_FALSE(Contains(bytes, "\x03Tag"));
  EXPECT_FALSE(Contains(bytes,
                        "\x07"
                        "Caption"));  // no stamp, no text
  EXPECT_TRUE(Contains(bytes, Lit("\x0A"
                                  "Font.Style\x0B\x00")));  // empty style still written
  const MemoRecord back = RoundTrip(record);
  EXPECT_EQ(back.Text, "");
  EXPECT_EQ(back.StampText, "");
  EXPECT_EQ(back, record);
}

TEST(MemoRecordTest, MemoTextFormByLength) {
  MemoRecord record;
  // 255 bytes with double-byte characters: still the short form.
  record.Text = std::string(253, 'a') + "あ";
  ASSERT_EQ(record.Text.size(), 255u);
  std::string bytes = WriteMemoRecord(record);
  EXPECT_TRUE(Contains(bytes,
                       "\x07"
                       "Caption\x06\xFF"));
  EXPECT_EQ(RoundTrip(record).Text, record.Text);
  // Longer: tag 12 with a 32-bit length.
  record.Text.clear();
  for (int i = 0; i < 400; ++i) record.Text += "漢字\r\n";
  bytes = WriteMemoRecord(record);
  const std::string length = Hex("60 09 00 00");  // 2400 bytes
  EXPECT_TRUE(Contains(bytes,
                       "\x07"
                       "Caption\x0C" +
                           length));
  EXPECT_EQ(RoundTrip(record).Text, record.Text);
}

TEST(MemoRecordTest, ImageRecordCarriesABitmap) {
  const std::string bytes = WriteMemoRecord(ImageRecord());
  const std::string bitmap = TinyBitmap();
  std::string payload = "\x07TBitmap" + std::string(1, static_cast<char>(bitmap.size())) +
                        std::string(3, '\0') + bitmap;
  std::string binaryLength(1, static_cast<char>(payload.size()));
  binaryLength.append(3, '\0');
  EXPECT_TRUE(Contains(bytes, "\x0CPicture.Data\x0A" + binaryLength + payload));
  EXPECT_TRUE(Contains(bytes, "\x03Tag\x02\x01"));
  EXPECT_TRUE(Contains(bytes, "\x0AParentFont\x09"));
  EXPECT_FALSE(Contains(bytes, "Font.Name"));
  EXPECT_TRUE(Contains(bytes, "\x08ShowHint\x09\x07Stretch"));
  const MemoRecord back = RoundTrip(ImageRecord());
  EXPECT_EQ(back.Picture, bitmap);
  EXPECT_EQ(back.Text, "");
}

ObjectNode WithPicture(const std::string& data) {
  ObjectNode form = MemoRecordToObject(ImageRecord(), "MemoForm");
  for (ObjectProperty& property : form.Children[1].Properties) {
    if (property.Name == "Picture.Data") property.Value.Bytes = data;
  }
  return form;
}

TEST(MemoRecordTest, OtherOrDamagedPicturesReadAsAbsent) {
  EXPECT_EQ(MemoRecordFromObject(WithPicture("\x05TIcon" + Hex("00 00 01 00"))).Picture, "");
  EXPECT_EQ(MemoRecordFromObject(WithPicture("\x07TBitmap" + Hex("FF 00 00 00") + "BM")).Picture,
            "");
  EXPECT_EQ(MemoRecordFromObject(WithPicture("\x07TBitm")).Picture, "");
  EXPECT_EQ(MemoRecordFromObject(WithPicture("")).Picture, "");
  EXPECT_EQ(MemoRecordFromObject(WithPicture("\x07TBitmap" + Hex("02 00 00 00") + "BM")).Picture,
            "BM");
}

TEST(MemoRecordTest, UnknownPropertiesAndOddTypesAreIgnored) {
  ObjectNode form = MemoRecordToObject(FullRecord(), "MemoForm_3");
  form.Properties.insert(form.Properties.begin(),
                         ObjectProperty{"Constraints.MinWidth", ObjectValue::Integer(50)});
  form.Add("Left",
           ObjectValue::Text("not a number"));  // wrong type: keep the earlier... value ignored
  form.Add("HelpFile", ObjectValue::Text("x.hlp"));
  ObjectValue wide;
  wide.Tag = ValueTag::WString;
  wide.Wide = u"wide stamp";
  form.Add("Caption", wide);  // the reader takes any text form
  form.Children[0].Add("Layout", ObjectValue::Identifier("tlCenter"));
  ObjectNode extra;
  extra.ClassName = "TTimer";
  extra.Name = "Timer1";
  extra.Add("Interval", ObjectValue::Integer(200));
  form.Children.insert(form.Children.begin(), extra);
  MemoRecord expected = FullRecord();
  expected.StampText = "wide stamp";
  // The last "Left" has the wrong type, so Left keeps the value nothing-stored gives.
  expected.Left = 0;
  EXPECT_EQ(MemoRecordFromObject(form), expected);
}

TEST(MemoRecordTest, AbsentValuesReadAsTheClassDefaults) {
  ObjectNode form;
  form.ClassName = "TMemoForm";
  form.Name = "MemoForm";
  const MemoRecord record = MemoRecordFromObject(form);
  EXPECT_EQ(record.Kind, MemoKind::mkNormal);
  EXPECT_EQ(record.BorderStyle, MemoBorder::Dialog);
  EXPECT_EQ(record.Color, kClBtnFace);
  EXPECT_FALSE(record.Visible);
  EXPECT_FALSE(record.StayOnTop);
  EXPECT_EQ(record.Text, "");
  EXPECT_EQ(record.Font, DefaultMemoFont());
  // Out-of-range kinds fall back to a plain memo.
  form.Add("Tag", ObjectValue::Integer(9));
  EXPECT_EQ(MemoRecordFromObject(form).Kind, MemoKind::mkNormal);
}

TEST(MemoFileTest, RecordsBackToBack) {
  const std::vector<MemoRecord> records{FullRecord(), ImageRecord(), MemoRecord{}};
  const std::string file = WriteMemoFile(records);
  EXPECT_EQ(file, WriteMemoRecord(records[0], "MemoForm") +
                      WriteMemoRecord(records[1], "MemoForm_1") +
                      WriteMemoRecord(records[2], "MemoForm_2"));
  const MemoFileContents contents = ReadMemoFile(file);
  EXPECT_FALSE(contents.Partial);
  EXPECT_EQ(contents.Records, records);
  const MemoFileContents empty = ReadMemoFile("");
  EXPECT_TRUE(empty.Records.empty());
  EXPECT_FALSE(empty.Partial);
  EXPECT_EQ(MemoObjectName(0), "MemoForm");
  EXPECT_EQ(MemoObjectName(12), "MemoForm_12");
  EXPECT_EQ(MemoCategoryFileName(0), "MemoData.dat");
  EXPECT_EQ(MemoCategoryFileName(2), "MemoData2.dat");
  EXPECT_EQ(MemoCategoryFileName(3), "");
  EXPECT_EQ(MemoCategoryCaption(1), "カテゴリ１");
  EXPECT_EQ(MemoCategoryCaption(-1), "");
}

TEST(MemoFileTest, CutAtEveryByteLoadsTheCompleteRecords) {
  const std::vector<MemoRecord> records{FullRecord(), ImageRecord()};
  const std::string first = WriteMemoRecord(records[0], "MemoForm");
  const std::string file = WriteMemoFile(records);
  for (std::size_t length = 0; length <= file.size(); ++length) {
    const std::string cut = file.substr(0, length);
    const MemoFileContents contents = ReadMemoFile(cut);
    const std::size_t expected = length == file.size() ? 2 : length >= first.size() ? 1 : 0;
    ASSERT_EQ(contents.Records.size(), expected) << length;
    EXPECT_EQ(contents.Partial, length != file.size() && length != first.size() && length != 0)
        << length;
    if (expected >= 1) {
      EXPECT_EQ(contents.Records[0], records[0]);
    }
  }
}

TEST(MemoFileTest, GarbageAfterTheRecordsIsAPartialLoad) {
  const std::string file = WriteMemoFile({FullRecord()}) + std::string(3, '\0');
  const MemoFileContents contents = ReadMemoFile(file);
  EXPECT_EQ(contents.Records.size(), 1u);
  EXPECT_TRUE(contents.Partial);
}

// Gives a property of the object a new value, or drops it when there is none.
void Replace(ObjectNode& object, std::string_view name, std::optional<ObjectValue> value) {
  auto& properties = object.Properties;
  auto it = std::find_if(properties.begin(), properties.end(),
                         [name](const ObjectProperty& property) { return property.Name == name; });
  ASSERT_NE(it, properties.end()) << name;
  if (value) {
    it->Value = *value;
  } else {
    properties.erase(it);
  }
}

// Records of one file mostly name the same colours and charset, and the reader remembers the
// last names it looked up: what one record named must not show in the next one, whether that
// one stores nothing, an unknown name of the same length or another name.
TEST(MemoFileTest, NamedValuesDoNotCarryIntoTheNextRecord) {
  MemoRecord named = FullRecord();
  named.Color = kClYellow;
  named.Font.Color = 0x0000FF;       // clRed
  ASSERT_EQ(named.Font.Charset, 0);  // ANSI_CHARSET, not the default font's
  ObjectNode first = MemoRecordToObject(named, "MemoForm");
  ObjectNode second = MemoRecordToObject(named, "MemoForm_1");
  Replace(second, "Color", std::nullopt);
  Replace(second, "Font.Color", ObjectValue::Identifier("clRex"));
  Replace(second, "Font.Charset", ObjectValue::Identifier("ANSI_CHARSEX"));
  ObjectNode third = MemoRecordToObject(named, "MemoForm_2");
  Replace(third, "Color", ObjectValue::Identifier("clAqua"));
  const MemoFileContents contents =
      ReadMemoFile(WriteObjectImage(first) + WriteObjectImage(second) + WriteObjectImage(third));
  ASSERT_EQ(contents.Records.size(), 3u);
  EXPECT_FALSE(contents.Partial);

  MemoRecord expected = named;
  expected.Color = kClBtnFace;
  expected.Font.Color = DefaultMemoFont().Color;
  expected.Font.Charset = DefaultMemoFont().Charset;
  EXPECT_EQ(contents.Records[1], expected);
  EXPECT_EQ(contents.Records[1], MemoRecordFromObject(second));
  expected = named;
  expected.Color = 0xFFFF00;  // clAqua
  EXPECT_EQ(contents.Records[2], expected);
  EXPECT_EQ(contents.Records[0], named);
}

TEST(StyleFileTest, FontAndColourFiles) {
  FontSpec font;
  font.Charset = kShiftJisCharset;
  font.Color = 0x0000FF;
  font.Height = -21;
  font.Name = "ＭＳ ゴシック";
  font.Style = kFsItalic | kFsUnderline;
  const std::string bytes = WriteMemoFontFile(font);
  EXPECT_EQ(bytes.substr(0, 28), std::string("TPF0\x0BTFontDialog\x0B"
                                             "FontDialog1"));
  EXPECT_TRUE(Contains(bytes,
                       "\x0A"
                       "Font.Color\x07\x05"
                       "clRed"));
  FontSpec back;
  ASSERT_TRUE(ReadMemoFontFile(bytes, back));
  EXPECT_EQ(back, font);
  FontSpec untouched = DefaultMemoFont();
  EXPECT_FALSE(ReadMemoFontFile(bytes.substr(0, bytes.size() - 1), untouched));

  // Left and Top in the font file mean nothing and do no harm.
  ObjectNode dialog;
  dialog.ClassName = "TFontDialog";
  dialog.Name = "FontDialog1";
  dialog.Add("Left", ObjectValue::Integer(10));
  dialog.Add("Font.Height", ObjectValue::Integer(-15));
  FontSpec partial = DefaultMemoFont();
  ASSERT_TRUE(ReadMemoFontFile(WriteObjectImage(dialog), partial));
  EXPECT_EQ(partial.Height, -15);
  EXPECT_EQ(partial.Name, DefaultMemoFont().Name);

  const std::string color = WriteMemoColorFile(kClYellow);
  EXPECT_EQ(color, Lit("TPF0\x0CTColorDialog\x0C"
                       "ColorDialog1\x05"
                       "Color\x07\x08"
                       "clYellow\x00\x00"));
  EXPECT_EQ(ReadMemoColorFile(color), kClYellow);
  EXPECT_EQ(ReadMemoColorFile(WriteMemoColorFile(kClBlack)), kClBlack);
  EXPECT_EQ(ReadMemoColorFile(WriteMemoColorFile(0x00ABCDEF)), 0x00ABCDEF);
  EXPECT_EQ(ReadMemoColorFile("TPF0"), std::nullopt);
}

TEST(MemoExportTest, StampSaveAndDeleteLines) {
  EXPECT_EQ(DateTimeText("yyyy/mm/dd", "h:nn:ss", EncodeDateTime(2026, 12, 8, 9, 5, 7)),
            "2026/12/08 9:05:07");
  EXPECT_EQ(StampLine("2026/12/08 9:05:07"), "[更新日時：2026/12/08 9:05:07]");
  EXPECT_EQ(StampLine("MemoForm"), "[更新日時：不明]");
  EXPECT_EQ(SaveLine("x"), "[保存日時：x]");
  EXPECT_EQ(DeleteLine("x"), "[削除日時：x]");
}

TEST(MemoExportTest, LogEntry) {
  MemoRecord memo;
  memo.StampText = "S";
  memo.Text = "a\r\nb";
  const std::string entry = "[更新日時：S]\r\n[削除日時：N]\r\na\r\nb\r\n";
  EXPECT_EQ(AppendLogEntry(std::nullopt, memo, "N"), entry);
  EXPECT_EQ(AppendLogEntry(std::string(), memo, "N"), entry);
  EXPECT_EQ(AppendLogEntry(std::string("old\r\n"), memo, "N"), "old\r\n\r\n" + entry);
  EXPECT_EQ(AppendLogEntry(std::string("old"), memo, "N"), "old\r\n\r\n" + entry);
  EXPECT_EQ(AppendLogEntry(std::string("old\r\n\r\n"), memo, "N"), "old\r\n\r\n" + entry);
  EXPECT_EQ(AppendLogEntry(std::string("old\r\n  \r\n"), memo, "N"), "old\r\n  \r\n" + entry);
}

TEST(MemoExportTest, TextSaves) {
  MemoRecord text;
  text.StampText = "MemoForm";
  text.Text = "メモ";
  MemoRecord image = ImageRecord();
  image.StampText = "";
  EXPECT_EQ(MemoTextExport(text, "N"), "[更新日時：不明]\r\n[保存日時：N]\r\nメモ\r\n");
  EXPECT_EQ(AllMemosTextExport({text, image, text}, "N"),
            "[更新日時：不明]\r\n[保存日時：N]\r\nメモ\r\n\r\n"
            "[更新日時：]\r\n[保存日時：N]\r\n"
            "[更新日時：不明]\r\n[保存日時：N]\r\nメモ\r\n\r\n");
}

// Values the record does not read are stepped over, nested ones included: what follows them
// reads right, and a cut inside any of them fails the record instead of reading on.
TEST(MemoFileTest, UnreadValuesAreSkippedAndCheckedToTheEnd) {
  MemoRecord record = FullRecord();
  record.Font.Style = kFsBold | kFsStrikeOut;
  const std::string plain = WriteMemoRecord(record);
  // list (with a nested list and a wide string), set, collection with and without an index,
  // binary; each before a property the record reads.
  const std::string parts[] = {Lit("\x01"
                                   "A"
                                   "\x01"
                                   "\x02\x05"
                                   "\x01\x06\x01x\x00"
                                   "\x12\x01\x00\x00\x00"
                                   "A\x00"
                                   "\x00"),
                               Lit("\x01"
                                   "B"
                                   "\x0B"
                                   "\x03one"
                                   "\x03two"
                                   "\x00"),
                               Lit("\x01"
                                   "C"
                                   "\x0E"
                                   "\x02\x07"
                                   "\x01"
                                   "\x01p\x09"
                                   "\x00"
                                   "\x01"
                                   "\x00"
                                   "\x00"),
                               Lit("\x01"
                                   "D"
                                   "\x0A"
                                   "\x03\x00\x00\x00"
                                   "\x00\x00\x00")};
  std::string unread;
  std::vector<std::size_t> whole{0};  // cuts that leave only complete properties
  for (const std::string& part : parts) whole.push_back((unread += part).size());
  const std::size_t windowProperties = 4 + 1 + 9 + 1 + 8;  // "TPF0", class, object name
  std::string file = plain;
  file.insert(windowProperties, unread);
  const std::size_t label = file.find("MemoLabel") + 9;
  file.insert(label, unread);
  const MemoFileContents contents = ReadMemoFile(file + plain);
  ASSERT_EQ(contents.Records.size(), 2u);
  EXPECT_FALSE(contents.Partial);
  EXPECT_EQ(contents.Records[0], record);
  for (std::size_t cut = 1; cut < unread.size(); ++cut) {
    if (std::find(whole.begin(), whole.end(), cut) != whole.end()) continue;
    std::string damaged = plain;
    damaged.insert(windowProperties, unread.substr(0, cut));
    const MemoFileContents read = ReadMemoFile(damaged);
    EXPECT_TRUE(read.Records.empty() && read.Partial) << cut;
  }
}

}  // namespace
}  // namespace quillpad
