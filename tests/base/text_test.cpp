#include "base/text.h"

#include <gtest/gtest.h>

#include "base/encoding.h"

namespace quillpad {
namespace {

// "表" is 0x95 0x5C and "ソ" is 0x83 0x5C: trail bytes that look like a backslash.
const std::string kHyou = "\x95\x5c";
const std::string kA = "\x82\xa0";  // あ

TEST(TextTest, TrimRemovesBlanksAndControlBytesOnly) {
  EXPECT_EQ(Trim(std::string(" \t\x01\x00 ab c\r\n\x1f", 11)), "ab c");
  EXPECT_EQ(Trim(" " + kHyou + " "), kHyou);
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(TrimLeft("  a  "), "a  ");
  EXPECT_EQ(TrimRight("  a  "), "  a");
}

TEST(TextTest, CompareTextFoldsAsciiButNotTrailBytes) {
  EXPECT_TRUE(SameText("Form", "FORM"));
  EXPECT_FALSE(SameText("Form", "Forms"));
  // 0x83 0x61 and 0x83 0x41 are different katakana; their trail bytes must not fold.
  EXPECT_FALSE(SameText("\x83\x61", "\x83\x41"));
  EXPECT_LT(CompareText("abc", "ABD"), 0);
  EXPECT_EQ(UpperCaseAscii("a\x83\x61z"), "A\x83\x61Z");
}

TEST(TextTest, FindTextSkipsTrailBytes) {
  const std::string s = "a" + kHyou + "\\b";
  EXPECT_EQ(FindText(s, "\\"), 3u);
  EXPECT_EQ(FindLastChar(kHyou, '\\'), std::string::npos);
  EXPECT_EQ(FindText("x//y", "//"), 1u);
  EXPECT_EQ(FindText("abc", "z"), std::string::npos);
  EXPECT_TRUE(IsTrailByteAt(s, 2));
  EXPECT_FALSE(IsTrailByteAt(s, 3));
}

TEST(TextTest, CutBytesNeverSplitsADoubleByteCharacter) {
  const std::string s = "ab" + kA + kA;
  EXPECT_EQ(CutBytes(s, 3), "ab");
  EXPECT_EQ(CutBytes(s, 4), "ab" + kA);
  EXPECT_EQ(CutBytes(s, 100), s);
  EXPECT_EQ(CutBytes(s, 0), "");
}

TEST(TextTest, LinesSplitOnEveryLineEndAndJoinWithCrLf) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n"), (std::vector<std::string>{"a"}));
  EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_TRUE(SplitLines("").empty());
  EXPECT_EQ(JoinLines({"a", "b"}), "a\r\nb\r\n");
  EXPECT_EQ(JoinLinesInner({"a", "b"}), "a\r\nb");
}

TEST(TextTest, IntegersParseLikeIniValues) {
  EXPECT_EQ(StrToIntDef(" 42 ", 7), 42);
  EXPECT_EQ(StrToIntDef("-5", 7), -5);
  EXPECT_EQ(StrToIntDef("$1F", 7), 31);
  EXPECT_EQ(StrToIntDef("4x", 7), 7);
  EXPECT_EQ(StrToIntDef("", 7), 7);
  EXPECT_EQ(StrToIntDef("99999999999", 7), 7);
  EXPECT_EQ(StrToIntDef("--1", 7), 7);
}

TEST(EncodingTest, RoundTripsJapaneseText) {
  // u8 literals stay UTF-8 whatever the execution character set.
  const std::string utf8 = reinterpret_cast<const char*>(u8"入力・修正待ち 表示");
  const std::string cp932 = Utf8ToCp932(utf8);
  EXPECT_EQ(cp932, "入力・修正待ち 表示");  // the literal is CP932 in the binary
  EXPECT_EQ(Cp932ToUtf8(cp932), utf8);
  EXPECT_EQ(Utf16ToCp932(Cp932ToUtf16(cp932)), cp932);
}

TEST(EncodingTest, UnconvertibleBytesBecomeQuestionMarks) {
  EXPECT_EQ(Cp932ToUtf8("a\xa0" "b"), "a?b");
  EXPECT_EQ(Cp932ToUtf8("x\x81"), "x?");
}

}  // namespace
}  // namespace quillpad
