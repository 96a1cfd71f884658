#include "memo/object_text.h"

#include <gtest/gtest.h>

#include "memo/memo_record.h"
#include "memo/test_bytes.h"

namespace quillpad {
namespace {

using test::Contains;
using test::Hex;

std::string U8(const char8_t* text) {
  return reinterpret_cast<const char*>(text);
}

std::string Dump(const std::string& bytes) {
  std::string text;
  EXPECT_TRUE(ObjectImagesToText(bytes, text));
  return text;
}

std::string Load(const std::string& text) {
  std::string bytes;
  std::string error;
  EXPECT_TRUE(TextToObjectImages(text, bytes, error)) << error;
  return bytes;
}

MemoRecord SampleMemo() {
  MemoRecord record;
  record.Left = 640;
  record.Top = -20;
  record.BorderStyle = MemoBorder::SizeToolWin;
  record.StampText = "2026/12/08 1:02:03";
  record.Color = 0x00C0FFEE;
  record.Font.Name = "ＭＳ Ｐゴシック";
  record.Font.Style = kFsBold;
  record.StayOnTop = true;
  record.Kind = MemoKind::mkMarquee;
  record.Visible = true;
  record.Text = "a=3*4;\r\na/5 'quoted'\r\n表示\tタブ";
  record.LabelWidth = 120;
  record.LabelHeight = 26;
  return record;
}

TEST(ObjectTextTest, ReadableMemoDump) {
  const std::string text = Dump(WriteMemoRecord(SampleMemo()));
  EXPECT_EQ(text.substr(0, 32), "object MemoForm: TMemoForm\n  Lef");
  EXPECT_TRUE(Contains(text, "\n  Left = 640\n"));
  EXPECT_TRUE(Contains(text, "\n  Top = -20\n"));
  EXPECT_TRUE(Contains(text, "\n  BorderStyle = bsSizeToolWin\n"));
  EXPECT_TRUE(Contains(text, "\n  Color = 12648430\n"));
  EXPECT_TRUE(Contains(text, "\n  Font.Style = [fsBold]\n"));
  EXPECT_TRUE(Contains(text, U8(u8"\n  Font.Name = 'ＭＳ Ｐゴシック'\n")));
  EXPECT_TRUE(Contains(text, "\n  Visible = True\n"));
  EXPECT_TRUE(Contains(text, "\n  object MemoLabel: TLabel\n    Left = 4\n"));
  EXPECT_TRUE(Contains(text, U8(u8"    Caption = 'a=3*4;'#13#10 +\n      'a/5 ''quoted'''#13#10 "
                                u8"+\n      '表示'#9'タブ'\n")));
  EXPECT_TRUE(Contains(text, "    Transparent = True\n  end\n  object ClipImage: TImage\n"));
  EXPECT_EQ(text.substr(text.size() - 10), "  end\nend\n");
}

TEST(ObjectTextTest, FilesComeBackByteForByte) {
  MemoRecord image;
  image.Kind = MemoKind::mkImage;
  image.ParentFont = true;
  image.Picture = std::string("BM") + std::string(100, '\x7f') + Hex("00 01 FE FF");
  image.PictureHint = "256色";
  MemoRecord longText = SampleMemo();
  longText.Text.clear();
  for (int i = 0; i < 100; ++i) longText.Text += "長いメモの行\r\n";
  const std::string files[] = {
      WriteMemoFile({SampleMemo(), image, longText, MemoRecord{}}),
      WriteMemoFontFile(DefaultMemoFont()),
      WriteMemoColorFile(0x00ABCDEF),
      WriteMemoColorFile(kClBtnFace),
      std::string(),
  };
  for (const std::string& bytes : files) {
    const std::string text = Dump(bytes);
    EXPECT_EQ(Load(text), bytes) << text;
  }
}

TEST(ObjectTextTest, BytesThatWouldNotComeBackAreCodes) {
  ObjectNode object;
  object.ClassName = "TThing";
  // A lone lead byte, an undefined double-byte code, DEL, a line end and a trail byte that is '\'.
  object.Add("S", ObjectValue::Text("x\x82"
                                    "\x7f"
                                    "\xEF\xFC"
                                    "\r\n"
                                    "\x95\x5C"
                                    "\x87\x90"
                                    "\x81\xE0"));
  const std::string bytes = WriteObjectImage(object);
  const std::string text = Dump(bytes);
  EXPECT_TRUE(Contains(text, "S = 'x'#130#127")) << text;
  EXPECT_EQ(Load(text), bytes);
}

TEST(ObjectTextTest, EveryValueKindComesBack) {
  ObjectNode object;
  object.ClassName = "TAll";
  object.Name = "All";
  ObjectValue list;
  list.Tag = ValueTag::List;
  list.List = {ObjectValue::Integer(-300), ObjectValue::Text("it's"),
               ObjectValue::Identifier("alClient")};
  object.Add("List", list);
  object.Add("EmptyList", [] {
    ObjectValue v;
    v.Tag = ValueTag::List;
    return v;
  }());
  ObjectValue collection;
  collection.Tag = ValueTag::Collection;
  collection.Items.resize(2);
  collection.Items[0].Index = ObjectValue::Integer(1000);
  collection.Items[0].Properties.push_back({"Width", ObjectValue::Integer(64)});
  collection.Items[1].Properties.push_back({"Caption", ObjectValue::Text("b")});
  object.Add("Columns", collection);
  ObjectValue value;
  value.Tag = ValueTag::Extended;
  value.Float = 0.1;
  object.Add("Ext", value);
  value.Tag = ValueTag::Single;
  value.Float = 2.5;
  object.Add("Single", value);
  value.Tag = ValueTag::Date;
  value.Float = 46000.75;
  object.Add("Date", value);
  value = ObjectValue{};
  value.Tag = ValueTag::Currency;
  value.Int = -123456789;
  object.Add("Money", value);
  value = ObjectValue{};
  value.Tag = ValueTag::WString;
  value.Wide = u"wide \u00e9\U0001F600'\n" + std::u16string(1, u'\xD800');
  object.Add("Wide", value);
  value = ObjectValue{};
  value.Tag = ValueTag::Nil;
  object.Add("Ref", value);
  value.Tag = ValueTag::Null;
  object.Add("Nothing", value);
  object.Add("Big", ObjectValue::Integer(1LL << 40));
  object.Add("Neg", ObjectValue::Integer(INT32_MIN));
  object.Add("Empty", ObjectValue::Text(""));
  object.Add("Set", ObjectValue::SetOf({}));
  object.Add("Bin", ObjectValue::BinaryData(std::string(70, '\xAB')));
  object.Add("NoBin", ObjectValue::BinaryData(""));
  ObjectNode child;
  child.Prefix = 0xF2;
  child.Position = 2;
  child.ClassName = "TChild";
  object.Children.push_back(child);
  child.Prefix = 0xF1;
  child.Name = "Inherited";
  object.Children.push_back(child);
  const std::string bytes = WriteObjectImage(object);
  const std::string text = Dump(bytes);
  EXPECT_TRUE(Contains(text, "  Ext = 0.1\n")) << text;
  EXPECT_TRUE(Contains(text, "  Single = 2.5s\n"));
  EXPECT_TRUE(Contains(text, "  Money = -12345.6789c\n"));
  EXPECT_TRUE(Contains(text, "  object TChild [2]\n"));
  EXPECT_TRUE(Contains(text, "  inherited Inherited: TChild\n"));
  EXPECT_EQ(Load(text), bytes) << text;
}

TEST(ObjectTextTest, HandWrittenTextLoads) {
  const std::string text =
      U8(u8"object MemoForm: TMemoForm\r\n"
         u8"  Left = 640\r\n"
         u8"  Caption = 'メモ' + #13#10 + 'two'\r\n"
         u8"  FormStyle = fsStayOnTop\r\n"
         u8"  object MemoLabel: TLabel\r\n"
         u8"  end\r\n"
         u8"end\r\n");
  const auto object = ParseObjectImage(Load(text));
  ASSERT_TRUE(object);
  EXPECT_EQ(object->Find("Left")->Tag, ValueTag::Int16);
  EXPECT_EQ(object->Find("Caption")->AsText(), "メモ\r\ntwo");
  EXPECT_EQ(object->Find("FormStyle")->AsIdentifier(), "fsStayOnTop");
  ASSERT_EQ(object->Children.size(), 1u);
}

TEST(ObjectTextTest, ErrorsNameTheLine) {
  std::string bytes;
  std::string error;
  EXPECT_FALSE(TextToObjectImages("object A: TA\n  Left = \nend\n", bytes, error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(TextToObjectImages("object A: TA\n  Caption = 'open\nend\n", bytes, error));
  EXPECT_EQ(error.substr(0, 7), "line 2:");
  EXPECT_FALSE(TextToObjectImages("object A: TA\n  Data = {0}\nend\n", bytes, error));
  EXPECT_FALSE(TextToObjectImages("object A: TA\n  N = 99999999999999999999\nend\n", bytes, error));
  EXPECT_FALSE(TextToObjectImages("object A: TA\n  S = #256\nend\n", bytes, error));
  EXPECT_FALSE(TextToObjectImages("object A: TA\n", bytes, error));
  EXPECT_FALSE(TextToObjectImages("thing\n", bytes, error));
}

// Control bytes in names and identifiers are written as %XX: a dump cannot move the cursor or
// fake a property line, and loading it gives the same bytes back.
TEST(ObjectTextTest, NamesWithControlBytesAreEscapedAndComeBack) {
  ObjectNode object;
  object.ClassName = "T\x1b[2J";
  object.Name = "A\nLeft = 1";
  object.Properties.push_back({"Odd%\r", ObjectValue::Identifier("id\x07")});
  ObjectValue set;
  set.Tag = ValueTag::Set;
  set.Set = {"fs\x1b", "ok"};
  object.Properties.push_back({"S", set});
  std::string bytes;
  AppendObjectImage(bytes, object);
  const std::string text = Dump(bytes);
  for (char c : text) EXPECT_TRUE(c == '\n' || static_cast<unsigned char>(c) >= 0x20) << int(c);
  EXPECT_TRUE(Contains(text, "object A%0ALeft%20%3D%201: T%1B%5B2J\n"));
  EXPECT_TRUE(Contains(text, "Odd%25%0D = id%07\n"));
  EXPECT_TRUE(Contains(text, "S = [fs%1B, ok]\n"));
  EXPECT_EQ(Hex(Load(text)), Hex(bytes));
}

// What the file could not hold as written is refused with its line, not changed silently.
TEST(ObjectTextTest, LoadRefusesWhatWouldChangeSilently) {
  const std::pair<std::string, std::string> cases[] = {
      {"  Caption = '" + U8(u8"\U0001F600") + "'\n", "no CP932 form"},
      {"  Caption = '" + U8(u8"한") + "'\n", "no CP932 form"},
      {"  " + std::string(256, 'N') + " = 1\n", "longer than 255"},
      {"  K = " + std::string(256, 'i') + "\n", "longer than 255"},
      {"  K = [" + std::string(256, 's') + "]\n", "longer than 255"},
      {"  F = 1e999\n", "out of range"},
      {"  F = 1e39s\n", "out of range"},
      {"  C = <item [4294967296] end>\n", "outside 32 bits"},
  };
  for (const auto& [line, message] : cases) {
    std::string bytes, error;
    EXPECT_FALSE(TextToObjectImages("object A: TA\n" + line + "end\n", bytes, error)) << line;
    EXPECT_EQ(error.substr(0, 7), "line 2:") << error;
    EXPECT_TRUE(Contains(error, message)) << error;
  }
  std::string bytes, error;
  EXPECT_FALSE(TextToObjectImages("object A: T" + std::string(239, 'x') + "\nend\n", bytes, error));
  EXPECT_TRUE(Contains(error, "240 bytes")) << error;
  // At the limits the same text loads.
  EXPECT_TRUE(TextToObjectImages(
      "object A: T" + std::string(238, 'x') + "\n  " + std::string(255, 'N') + " = 1.5\nend\n",
      bytes, error))
      << error;
}

TEST(ObjectTextTest, DamagedBytesDumpWhatCameBefore) {
  const std::string one = WriteMemoRecord(SampleMemo());
  std::string text;
  EXPECT_FALSE(ObjectImagesToText(one + one.substr(0, 40), text));
  EXPECT_EQ(text, Dump(one));
}

}  // namespace
}  // namespace quillpad
