#include "calc/line_calculation.h"

#include <gtest/gtest.h>

#include "calc_test_util.h"

namespace quillpad {
namespace {

using Lines = std::vector<std::string>;

TEST(GatherExpressionTextTest, EveryLineAddsASpace) {
  EXPECT_EQ(GatherExpressionText({}), "");
  EXPECT_EQ(GatherExpressionText({"1+2", "+3"}), " 1+2 +3");
  EXPECT_EQ(GatherExpressionText({"", "  \t"}), "  ");
  EXPECT_EQ(GatherExpressionText({" \t a = 1;\x01\r "}), " a = 1;");
}

TEST(GatherExpressionTextTest, CommentsAreCutAtTheFirstMarker) {
  EXPECT_EQ(GatherExpressionText({"a=100; // price", "a*1.08"}), " a=100;  a*1.08");
  EXPECT_EQ(GatherExpressionText({"5 // note -- more"}), " 5 ");
  EXPECT_EQ(GatherExpressionText({"5 -- note // more"}), " 5 ");
  EXPECT_EQ(GatherExpressionText({"--x"}), " ");
  EXPECT_EQ(GatherExpressionText({"// only", "7"}), "  7");
  // Double-byte text in and before a comment stays whole.
  const std::string zei = "\x90\xc5";  // 税
  EXPECT_EQ(GatherExpressionText({"3 //" + zei, zei + "--" + zei}), " 3  " + zei);
}

TEST(GatherExpressionTextTest, TripleMarkerEndsTheSheet) {
  EXPECT_EQ(GatherExpressionText({"1", "---", "2"}), " 1 ");
  EXPECT_EQ(GatherExpressionText({"1", "2 /// stop", "3"}), " 1 2 ");
  // The triple marker counts even inside a comment.
  EXPECT_EQ(GatherExpressionText({"4 // see --- below", "5"}), " 4 ");
  EXPECT_EQ(GatherExpressionText({"a-b/c", "--/", "6"}), " a-b/c  6");
}

TEST(GroupDigitsTest, GroupsIntegerDigitsByThree) {
  EXPECT_EQ(GroupDigits("1234567.891"), "1,234,567.891");
  EXPECT_EQ(GroupDigits("-123456"), "-123,456");
  EXPECT_EQ(GroupDigits("-1234.5"), "-1,234.5");
  EXPECT_EQ(GroupDigits("1000"), "1,000");
  EXPECT_EQ(GroupDigits("123456789012345"), "123,456,789,012,345");
  EXPECT_EQ(GroupDigits("0.000012345"), "0.000012345");
}

TEST(GroupDigitsTest, LeavesShortAndSpecialTextsAlone) {
  for (const char* text : {"", "0", "999", "-999", "-100", "1.5E20", "1E20", "1.23456789012346E15",
                           "INF", "-INF", "NAN", "1E-5"}) {
    EXPECT_EQ(GroupDigits(text), text);
  }
}

TEST(CalculateSheetTest, EmptyEditorClearsThePaneWithoutEvaluating) {
  Evaluator evaluator;
  CalculateSheet(evaluator, {"5"}, true);
  const SheetResult sheet = CalculateSheet(evaluator, {}, true);
  EXPECT_FALSE(sheet.Evaluated);
  EXPECT_EQ(sheet.OutputText, "");
  EXPECT_EQ(evaluator.ResultText, "5");
  // One empty line is a sheet, and closes nothing: the last outcome stands.
  const SheetResult blank = CalculateSheet(evaluator, {""}, true);
  EXPECT_TRUE(blank.Evaluated);
  EXPECT_EQ(blank.OutputText, "5");
}

TEST(CalculateSheetTest, SheetsOfTheEditor) {
  Evaluator evaluator;
  const auto output = [&](const Lines& lines) {
    return CalculateSheet(evaluator, lines, true).OutputText;
  };
  EXPECT_EQ(output({"a=3*4;", "a/5"}), "2.4");
  EXPECT_EQ(output({"a=100; // price", "a*1.08"}), "108");
  EXPECT_EQ(output({"1+2", "+3"}), "6");
  EXPECT_EQ(output({"2*3", "---", "garbage ((( 1e5000"}), "6");
  EXPECT_EQ(output({"1,000 * 3 // three thousand"}), "3,000");
  EXPECT_EQ(output({"x=2;", "y=x^10; -- kilo", "y"}), "1,024");
  EXPECT_EQ(output({"1;", "2 // 3;"}), "2");
  const SheetResult unfinished = CalculateSheet(evaluator, {"1+"}, true);
  EXPECT_EQ(unfinished.OutputText, "");
  EXPECT_EQ(unfinished.Message, test::kWaiting);
  const SheetResult error = CalculateSheet(evaluator, {"1/0"}, true);
  EXPECT_EQ(error.OutputText, "");
  EXPECT_EQ(error.Message, test::Cp932(u8"ゼロでのわり算"));
}

// Japanese names beside ASCII ones; full-width symbols stay outside names, and a trail byte
// that looks like a letter or "\\" does not end or start one.
TEST(CalculateSheetTest, NamesMayBeJapanese) {
  Evaluator evaluator;
  const auto output = [&](const char8_t* a, const char8_t* b, const char8_t* c) {
    return CalculateSheet(evaluator, {test::Cp932(a), test::Cp932(b), test::Cp932(c)}, true);
  };
  EXPECT_EQ(output(u8"売上=1200*3;", u8"税=売上*0.1;", u8"売上+税").OutputText, "3,960");
  EXPECT_EQ(output(u8"表x_2=5;", u8"ソース=表x_2*2;", u8"ソース+pi*0").OutputText, "10");
  EXPECT_EQ(output(u8"ｶﾅ々ー=3;", u8"a=ｶﾅ々ー;", u8"a^2").OutputText, "9");
  const SheetResult fullWidth = output(u8"売上=1;", u8"税=2;", u8"売上＋税");
  EXPECT_EQ(fullWidth.Message, test::kWaiting);
  EXPECT_EQ(output(u8"売上=1;", u8"", u8"売").Message, test::Cp932(u8"変数名が未定義"));
}

TEST(CalculateSheetTest, DigitGroupingFollowsTheSetting) {
  Evaluator evaluator;
  EXPECT_EQ(CalculateSheet(evaluator, {"1234567"}, true).OutputText, "1,234,567");
  EXPECT_EQ(CalculateSheet(evaluator, {"-1234.5"}, true).OutputText, "-1,234.5");
  EXPECT_EQ(CalculateSheet(evaluator, {"1234567"}, false).OutputText, "1234567");
  EXPECT_EQ(CalculateSheet(evaluator, {"-1234.5"}, false).OutputText, "-1234.5");
  EXPECT_EQ(CalculateSheet(evaluator, {"1e20"}, true).OutputText, "1E20");
}

TEST(CalculateSheetTest, FaultsPassThroughAndTheNextChangeRecalculates) {
  Evaluator evaluator;
  EXPECT_THROW(CalculateSheet(evaluator, {"2*", "1e400"}, true), FloatOverflowError);
  EXPECT_THROW(CalculateSheet(evaluator, {"1e5000"}, true), AppError);
  EXPECT_EQ(CalculateSheet(evaluator, {"2*", "4"}, true).OutputText, "8");
}

}  // namespace
}  // namespace quillpad
