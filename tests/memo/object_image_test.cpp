#include "memo/object_image.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "memo/test_bytes.h"

namespace quillpad {
namespace {

using test::Hex;
using test::ToHex;

// Bytes of one property as the writer emits it (name short string + value).
std::string PropertyBytes(const std::string& name, const ObjectValue& value) {
  ObjectNode object;
  object.ClassName = "T";
  object.Name = "";
  object.Add(name, value);
  const std::string image = WriteObjectImage(object);
  // "TPF0" 01 'T' 00 ... 00 00
  return image.substr(4 + 2 + 1, image.size() - 4 - 3 - 2);
}

TEST(ObjectImageTest, WorkedBytes) {
  ObjectNode form;
  form.ClassName = "TMemoForm";
  form.Name = "MemoForm";
  EXPECT_EQ(ToHex(WriteObjectImage(form).substr(0, 14)),
            "54 50 46 30 09 54 4D 65 6D 6F 46 6F 72 6D");
  EXPECT_EQ(ToHex(PropertyBytes("Tag", ObjectValue::Integer(4))), "03 54 61 67 02 04");
  EXPECT_EQ(ToHex(PropertyBytes("Left", ObjectValue::Integer(640))), "04 4C 65 66 74 03 80 02");
  EXPECT_EQ(ToHex(PropertyBytes("Visible", ObjectValue::Boolean(true))),
            "07 56 69 73 69 62 6C 65 09");
  EXPECT_EQ(ToHex(PropertyBytes("FormStyle", ObjectValue::Identifier("fsStayOnTop"))),
            "09 46 6F 72 6D 53 74 79 6C 65 07 0B 66 73 53 74 61 79 4F 6E 54 6F 70");
}

TEST(ObjectImageTest, IntegerWidthFollowsRange) {
  struct Case {
    std::int64_t Value;
    ValueTag Tag;
    std::size_t PayloadBytes;
  };
  const Case cases[] = {
      {0, ValueTag::Int8, 1},
      {127, ValueTag::Int8, 1},
      {-128, ValueTag::Int8, 1},
      {128, ValueTag::Int16, 2},
      {-129, ValueTag::Int16, 2},
      {32767, ValueTag::Int16, 2},
      {-32768, ValueTag::Int16, 2},
      {32768, ValueTag::Int32, 4},
      {-32769, ValueTag::Int32, 4},
      {INT32_MAX, ValueTag::Int32, 4},
      {INT32_MIN, ValueTag::Int32, 4},
      {INT32_MAX + 1LL, ValueTag::Int64, 8},
      {INT32_MIN - 1LL, ValueTag::Int64, 8},
  };
  for (const Case& c : cases) {
    const ObjectValue value = ObjectValue::Integer(c.Value);
    EXPECT_EQ(value.Tag, c.Tag) << c.Value;
    const std::string bytes = PropertyBytes("X", value);
    ASSERT_EQ(bytes.size(), 2 + 1 + c.PayloadBytes) << c.Value;
    EXPECT_EQ(static_cast<ValueTag>(bytes[2]), c.Tag);
    // And it reads back as the same number.
    ObjectNode object;
    object.ClassName = "T";
    object.Add("X", value);
    auto back = ParseObjectImage(WriteObjectImage(object));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Find("X")->AsInteger(), c.Value);
  }
}

TEST(ObjectImageTest, StringFormFollowsLength) {
  EXPECT_EQ(ObjectValue::Text(std::string(255, 'a')).Tag, ValueTag::String);
  EXPECT_EQ(ObjectValue::Text(std::string(256, 'a')).Tag, ValueTag::LString);
  // A short-string value that grew too long is still written whole, as a long string.
  ObjectValue grown = ObjectValue::Text("x");
  grown.Bytes.assign(300, 'y');
  ObjectNode object;
  object.ClassName = "T";
  object.Add("S", grown);
  auto back = ParseObjectImage(WriteObjectImage(object));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Find("S")->Tag, ValueTag::LString);
  EXPECT_EQ(back->Find("S")->Bytes.size(), 300u);
}

TEST(ObjectImageTest, ColoursWithNamesAreIdentifiers) {
  EXPECT_EQ(ObjectValue::Colour(kClWhite).Tag, ValueTag::Ident);
  EXPECT_EQ(ObjectValue::Colour(kClWhite).Bytes, "clWhite");
  EXPECT_EQ(ObjectValue::Colour(kClBtnFace).Bytes, "clBtnFace");
  const ObjectValue other = ObjectValue::Colour(0x123456);
  EXPECT_TRUE(other.IsInteger());
  EXPECT_EQ(other.AsColour(), 0x123456);
  // A system colour without a name is a negative integer.
  const ObjectValue system = ObjectValue::Colour(static_cast<ColorValue>(0x80000019u));
  EXPECT_EQ(system.Int, static_cast<std::int32_t>(0x80000019u));
  EXPECT_EQ(system.AsColour(), static_cast<ColorValue>(0x80000019u));
}

// Every tag of the table, hand-assembled, in one property list.
TEST(ObjectImageTest, ReadsEveryTag) {
  const std::string bytes =
      Hex("54 50 46 30 01 54 01 6E"
          "01 61 00"                                               // a = Null
          "01 62 01 02 05 06 01 78 00"                             // b = (5 'x')
          "01 63 02 FF"                                            // c = -1
          "01 64 03 00 80"                                         // d = -32768
          "01 65 04 00 00 00 80"                                   // e = INT32_MIN
          "01 66 05 00 00 00 00 00 00 00 C0 FF 3F"                 // f = 1.5 extended
          "01 67 06 02 68 69"                                      // g = 'hi'
          "01 68 07 02 6F 6B"                                      // h = ok
          "01 69 08 01 6A 09"                                      // i = False, j = True
          "01 6B 0A 03 00 00 00 01 02 03"                          // k = {010203}
          "01 6C 0B 06 66 73 42 6F 6C 64 00"                       // l = [fsBold]
          "01 6D 0C 01 00 00 00 7A"                                // m = 'z' (long)
          "01 6E 0D"                                               // n = nil
          "01 6F 0E 02 07 01 01 70 02 01 00 01 01 71 02 02 00 00"  // o = <item [7] p=1 end item q=2
                                                                   // end>
          "01 70 0F 00 00 C0 3F"                                   // p = 1.5 single
          "01 71 10 10 27 00 00 00 00 00 00"                       // q = 1.0000 currency
          "01 72 11 00 00 00 00 00 00 F8 3F"                       // r = 1.5 date
          "01 73 12 02 00 00 00 42 30 41 00"                       // s = W'あA'
          "01 74 13 00 00 00 00 01 00 00 00"                       // t = 2^32
          "00 00");
  auto object = ParseObjectImage(bytes);
  ASSERT_TRUE(object);
  EXPECT_EQ(object->ClassName, "T");
  EXPECT_EQ(object->Name, "n");
  ASSERT_EQ(object->Properties.size(), 20u);
  EXPECT_EQ(object->Find("a")->Tag, ValueTag::Null);
  ASSERT_EQ(object->Find("b")->List.size(), 2u);
  EXPECT_EQ(object->Find("b")->List[0].Int, 5);
  EXPECT_EQ(object->Find("b")->List[1].Bytes, "x");
  EXPECT_EQ(object->Find("c")->AsInteger(), -1);
  EXPECT_EQ(object->Find("d")->AsInteger(), -32768);
  EXPECT_EQ(object->Find("e")->AsInteger(), INT32_MIN);
  EXPECT_DOUBLE_EQ(object->Find("f")->Float, 1.5);
  EXPECT_EQ(object->Find("g")->AsText(), "hi");
  EXPECT_EQ(object->Find("h")->AsIdentifier(), "ok");
  EXPECT_EQ(object->Find("i")->AsBoolean(), false);
  EXPECT_EQ(object->Find("j")->AsBoolean(), true);
  EXPECT_EQ(object->Find("k")->Bytes, Hex("01 02 03"));
  EXPECT_EQ(object->Find("l")->Set, std::vector<std::string>{"fsBold"});
  EXPECT_EQ(object->Find("m")->AsText(), "z");
  EXPECT_EQ(object->Find("n")->Tag, ValueTag::Nil);
  const ObjectValue& collection = *object->Find("o");
  ASSERT_EQ(collection.Items.size(), 2u);
  ASSERT_TRUE(collection.Items[0].Index);
  EXPECT_EQ(collection.Items[0].Index->Int, 7);
  EXPECT_EQ(collection.Items[0].Properties[0].Name, "p");
  EXPECT_FALSE(collection.Items[1].Index);
  EXPECT_EQ(collection.Items[1].Properties[0].Value.Int, 2);
  EXPECT_DOUBLE_EQ(object->Find("p")->Float, 1.5);
  EXPECT_EQ(object->Find("q")->Int, 10000);
  EXPECT_DOUBLE_EQ(object->Find("r")->Float, 1.5);
  EXPECT_EQ(object->Find("s")->Wide, u"\u3042A");
  EXPECT_EQ(object->Find("t")->AsInteger(), 1LL << 32);
  // Written again, the same bytes.
  EXPECT_EQ(ToHex(WriteObjectImage(*object)), ToHex(bytes));
}

TEST(ObjectImageTest, PrefixBytesBeforeChildrenAreSkipped) {
  const std::string bytes =
      Hex("54 50 46 30 01 50 00 00"
          "F0 01 41 01 61 00 00"        // plain prefix
          "F2 02 03 01 42 01 62 00 00"  // with position 3
          "F5 01 43 00 00 00"           // inherited + inline flags, no position
          "00");
  auto object = ParseObjectImage(bytes);
  ASSERT_TRUE(object);
  ASSERT_EQ(object->Children.size(), 3u);
  EXPECT_EQ(object->Children[0].ClassName, "A");
  EXPECT_EQ(object->Children[1].ClassName, "B");
  EXPECT_EQ(object->Children[1].Position, 3);
  EXPECT_EQ(object->Children[2].ClassName, "C");
  EXPECT_EQ(ToHex(WriteObjectImage(*object)), ToHex(bytes));
}

TEST(ObjectImageTest, DamagedDataFailsWithoutReadingPastTheEnd) {
  ObjectNode object;
  object.ClassName = "TMemoForm";
  object.Name = "MemoForm";
  object.Add("Caption", ObjectValue::Text(std::string(300, 'q')));
  object.Add("Data", ObjectValue::BinaryData("abc"));
  object.Add("W", [] {
    ObjectValue v;
    v.Tag = ValueTag::WString;
    v.Wide = u"xyz";
    return v;
  }());
  ObjectNode child;
  child.ClassName = "TLabel";
  child.Add("Left", ObjectValue::Integer(4));
  object.Children.push_back(child);
  const std::string bytes = WriteObjectImage(object);
  ASSERT_TRUE(ParseObjectImage(bytes));
  for (std::size_t length = 0; length < bytes.size(); ++length) {
    // A copy of exactly `length` bytes, so that a read past it is caught by the sanitizers.
    const std::string cut = bytes.substr(0, length);
    std::size_t pos = 0;
    ObjectNode out;
    EXPECT_FALSE(ReadObjectImage(cut, pos, out)) << length;
    EXPECT_EQ(pos, 0u);
  }
}

TEST(ObjectImageTest, RejectsBadSignatureTagsAndLengths) {
  EXPECT_FALSE(ParseObjectImage(Hex("54 50 46 31 01 54 00 00 00")));           // "TPF1"
  EXPECT_FALSE(ParseObjectImage(Hex("54 50 46 30 01 54 00 01 61 14 00 00")));  // tag 20
  EXPECT_FALSE(
      ParseObjectImage(Hex("54 50 46 30 01 54 00 01 61 0C FF FF FF 7F 41 00 00")));  // huge length
  EXPECT_FALSE(
      ParseObjectImage(Hex("54 50 46 30 01 54 00 01 61 12 FF FF FF FF 41 00 00 00")));  // huge wide
  EXPECT_FALSE(ParseObjectImage(Hex("54 50 46 30 01 54 00 00 00 00")));  // trailing byte
  // Short strings and identifiers whose length runs past the end, with bytes left after the tag.
  EXPECT_FALSE(ParseObjectImage(Hex("54 50 46 30 01 54 00 01 61 06 09 41 42 00 00 00")));
  EXPECT_FALSE(ParseObjectImage(Hex("54 50 46 30 01 54 00 01 61 07 06 41 42 00 00 00")));
  EXPECT_TRUE(ParseObjectImage(Hex("54 50 46 30 01 54 00 01 61 07 03 41 42 00 00 00")));
  EXPECT_TRUE(ParseObjectImage(Hex("54 50 46 30 01 54 00 00 00")));
}

TEST(ObjectImageTest, DeepNestingIsRefused) {
  std::string deep = "TPF0" + Hex("01 54 00 01 61");
  for (int i = 0; i < 10000; ++i) deep.push_back(1);
  deep.append(10000, '\0');
  deep.append(2, '\0');
  EXPECT_FALSE(ParseObjectImage(deep));

  std::string children = "TPF0";
  for (int i = 0; i < 5000; ++i) children += Hex("01 54 00 00");
  children.append(5000, '\0');
  EXPECT_FALSE(ParseObjectImage(children));
}

TEST(ObjectImageTest, ExtendedConversion) {
  for (double value : {0.0, 1.0, -2.5, 1e300, -1e-300, 4.9e-324, 3.141592653589793}) {
    unsigned char bytes[10];
    DoubleToExtended(value, bytes);
    EXPECT_EQ(ExtendedToDouble(bytes), value);
  }
  unsigned char one[10];
  DoubleToExtended(1.0, one);
  EXPECT_EQ(ToHex(std::string(reinterpret_cast<char*>(one), 10)), "00 00 00 00 00 00 00 80 FF 3F");
}

TEST(ObjectImageTest, LastPropertyOfANameWins) {
  auto object = ParseObjectImage(Hex("54 50 46 30 01 54 00 01 61 02 01 01 61 02 02 00 00"));
  ASSERT_TRUE(object);
  EXPECT_EQ(object->Find("a")->AsInteger(), 2);
  EXPECT_EQ(object->Find("b"), nullptr);
}

}  // namespace
}  // namespace quillpad
