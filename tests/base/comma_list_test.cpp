#include "base/comma_list.h"

#include <gtest/gtest.h>

#include <random>

namespace quillpad {
namespace {

using Fields = std::vector<std::string>;

TEST(CommaListTest, SplitsOnCommasAndUnquotedBlanks) {
  EXPECT_EQ(SplitCommaList("1,2Mon,name"), (Fields{"1", "2Mon", "name"}));
  EXPECT_EQ(SplitCommaList("  1 , 2 ,\tx  "), (Fields{"1", "2", "x"}));
  EXPECT_EQ(SplitCommaList("a b\tc"), (Fields{"a", "b", "c"}));
  EXPECT_EQ(SplitCommaList("a \x01\x1f b"), (Fields{"a", "b"}));
  EXPECT_EQ(SplitCommaList(""), Fields{});
  EXPECT_EQ(SplitCommaList(" \t\r\n"), Fields{});
}

TEST(CommaListTest, EmptyFieldsInsideCountButATrailingCommaDoesNot) {
  EXPECT_EQ(SplitCommaList("a,,b"), (Fields{"a", "", "b"}));
  EXPECT_EQ(SplitCommaList(",a"), (Fields{"", "a"}));
  EXPECT_EQ(SplitCommaList("3,20,"), (Fields{"3", "20"}));
  EXPECT_EQ(SplitCommaList("3,20, "), (Fields{"3", "20"}));
  EXPECT_EQ(SplitCommaList("3,,"), (Fields{"3", ""}));
  // Blanks around a comma belong to the separator, not to an empty field.
  EXPECT_EQ(SplitCommaList("a , , b"), (Fields{"a", "", "b"}));
}

TEST(CommaListTest, QuotedFieldsKeepSeparatorsAndUndoubleQuotes) {
  EXPECT_EQ(SplitCommaList("12,24,\"a b, c\""), (Fields{"12", "24", "a b, c"}));
  EXPECT_EQ(SplitCommaList("\"say \"\"hi\"\"\",x"), (Fields{"say \"hi\"", "x"}));
  EXPECT_EQ(SplitCommaList("\"\",x"), (Fields{"", "x"}));
  // Text right after a closing quote starts the next field.
  EXPECT_EQ(SplitCommaList("\"ab\"cd,e"), (Fields{"ab", "cd", "e"}));
  // A quote inside an unquoted field is an ordinary byte.
  EXPECT_EQ(SplitCommaList("a\"b,c"), (Fields{"a\"b", "c"}));
}

TEST(CommaListTest, UnbalancedQuoteTakesTheRestOfTheLine) {
  EXPECT_EQ(SplitCommaList("5,5,\"open, still open"), (Fields{"5", "5", "open, still open"}));
  EXPECT_EQ(SplitCommaList("\""), (Fields{""}));
  EXPECT_EQ(SplitCommaList("x,\"a\"\""), (Fields{"x", "a\""}));
}

TEST(CommaListTest, NulEndsTheLine) {
  EXPECT_EQ(SplitCommaList(std::string("5,5\0,x", 6)), (Fields{"5", "5"}));
  EXPECT_EQ(SplitCommaList(std::string("\"a\0b\"", 5)), (Fields{"a"}));
}

TEST(CommaListTest, DoubleByteCharactersStayWhole) {
  // "表" (0x95 0x5C) and "ソ" (0x83 0x5C) end in a backslash byte, "ア" (0x83 0x41) in 'A'.
  const std::string line = "\x95\x5c,\x83\x5c\x83\x41 \"\x82\xa0,\"";
  EXPECT_EQ(SplitCommaList(line), (Fields{"\x95\x5c", "\x83\x5c\x83\x41", "\x82\xa0,"}));
}

TEST(CommaListTest, JoinQuotesOnlyFieldsThatNeedIt) {
  EXPECT_EQ(JoinCommaList({"1", "2Mon", "name"}), "1,2Mon,name");
  EXPECT_EQ(JoinCommaList({"3", "20", ""}), "3,20,");
  EXPECT_EQ(JoinCommaList({"a b", "c,d", "e\"f", "g\th", "\x7f"}),
            "\"a b\",\"c,d\",\"e\"\"f\",\"g\th\",\x7f");
  EXPECT_EQ(JoinCommaList({}), "");
  EXPECT_EQ(JoinCommaList({"\x95\x5c"}), "\x95\x5c");
}

TEST(CommaListTest, JoinThenSplitGivesTheFieldsBack) {
  const std::vector<Fields> cases = {
      {"1", "1", "元日"},
      {"12", "24", "振替 休日"},
      {" lead", "trail ", "  "},
      {"\"", "\"\"", "a\"b\""},
      {"", "x", ""},
      {"a,b", ",", "\r\n"},
  };
  for (const Fields& fields : cases) {
    Fields expected = fields;
    if (!expected.empty() && expected.back().empty()) expected.pop_back();
    EXPECT_EQ(SplitCommaList(JoinCommaList(fields)), expected) << JoinCommaList(fields);
  }
}

TEST(CommaListTest, RandomFieldsSurviveARoundTrip) {
  // Bytes that matter to the rules, plus a double-byte character with a backslash trail byte.
  const std::vector<std::string> pieces = {"a",        " ",    ",", "\"",  "\t", "\x01", "\x95\x5c",
                                           "\x83\x41", "\xff", "1", "Mon", "\r", "\n"};
  std::mt19937 random(20261208);
  for (int round = 0; round < 2000; ++round) {
    Fields fields(1 + random() % 4);
    for (std::string& field : fields) {
      const int length = random() % 5;
      for (int k = 0; k < length; ++k) field += pieces[random() % pieces.size()];
    }
    Fields expected = fields;
    if (expected.back().empty()) expected.pop_back();
    const std::string line = JoinCommaList(fields);
    ASSERT_EQ(SplitCommaList(line), expected) << line;
  }
}

}  // namespace
}  // namespace quillpad
