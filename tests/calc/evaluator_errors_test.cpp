// Messages the evaluator leaves behind, and the arithmetic faults that leave it as errors.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/evaluator.h"
#include "calc_test_util.h"

namespace quillpad {
namespace {

using test::Cp932;
using test::Error;
using test::Eval;
using test::EvalWith;
using test::Value;
using test::Waiting;

TEST(EvaluatorMessageTest, DivisionByNearZero) {
  for (const char* text :
       {"1/0;@", "1/1e-101;@", "1/1e-100;@", "1/-1e-100;@", "0/0;@", "1/(2-2);@"}) {
    EXPECT_EQ(Eval(text), Error(u8"ゼロでのわり算")) << text;
  }
  EXPECT_EQ(Eval("1/1.1e-100;@"), Value("9.09090909090909E99"));
}

TEST(EvaluatorMessageTest, DomainChecks) {
  EXPECT_EQ(Eval("sqrt(-1);@"), Error(u8"sqrtの引数が負"));
  EXPECT_EQ(Eval("log 0;@"), Error(u8"logの引数が負"));
  EXPECT_EQ(Eval("log -1;@"), Error(u8"logの引数が負"));
  EXPECT_EQ(Eval("log10 0;@"), Error(u8"logの引数が負"));
  EXPECT_EQ(Eval("asin 1.5;@"), Error(u8"asinの引数が範囲外"));
  EXPECT_EQ(Eval("asin -1.0001;@"), Error(u8"asinの引数が範囲外"));
  EXPECT_EQ(Eval("acos -2;@"), Error(u8"acosの引数が範囲外"));
  EXPECT_EQ(Eval("acos(-1);@"), Value("3.14159265358979"));
}

TEST(EvaluatorMessageTest, UndefinedNames) {
  EXPECT_EQ(Eval("x;@"), Error(u8"変数名が未定義"));
  EXPECT_EQ(Eval("e;@"), Error(u8"変数名が未定義"));
  EXPECT_EQ(Eval("1+x*2;@"), Error(u8"変数名が未定義"));
  EXPECT_EQ(Eval("x@"), Error(u8"変数名が未定義"));
}

TEST(EvaluatorMessageTest, OperandEvaluatedBeforeEndMarkerKeepsItsValue) {
  EXPECT_EQ(Eval("sqrt -4@"), Error(u8"sqrtの引数が負"));
  EXPECT_EQ(Eval("1/0@"), Error(u8"ゼロでのわり算"));
  Evaluator evaluator;
  EXPECT_EQ(EvalWith(evaluator, "9;@"), Value("9"));
  EXPECT_EQ(EvalWith(evaluator, "pi@"), Value("9"));  // a value, but no statement closed
}

TEST(EvaluatorMessageTest, ErrorsInsideParenthesesBecomeUnfinished) {
  EXPECT_EQ(Eval("(1/0);@"), Waiting());
  EXPECT_EQ(Eval("2*(x);@"), Waiting());
  EXPECT_EQ(Eval("(sqrt -1)+1;@"), Waiting());
  EXPECT_EQ(Eval("sqrt(log 0);@"), Waiting());
  Evaluator evaluator;
  evaluator.Evaluate("(1/0);@");
  EXPECT_EQ(evaluator.Kind, Evaluator::kNone);
  // Without parentheses the error keeps its message.
  EXPECT_EQ(Eval("sqrt log 0;@"), Error(u8"logの引数が負"));
}

TEST(EvaluatorMessageTest, FailedOperandGetsNoDomainCheck) {
  // The unclosed parenthesis has no value, so sqrt does not complain about -4.
  EXPECT_EQ(Eval("sqrt(-4;@"), Waiting());
  EXPECT_EQ(Eval("1/(0;@"), Waiting());
  // A failed operand does no arithmetic either: no overflow from the half-read product.
  EXPECT_EQ(Eval("1e300*(1e300;@"), Waiting());
}

class EvaluatorFaultTest : public ::testing::Test {
 protected:
  // The message of the error that Evaluate raises for the text, or "" when none.
  template <typename ErrorType>
  std::string Raised(const std::string& text) {
    try {
      evaluator_.Evaluate(text);
    } catch (const ErrorType& error) {
      return error.what();
    }
    return "";
  }
  Evaluator evaluator_;
};

TEST_F(EvaluatorFaultTest, NumberConversion) {
  EXPECT_EQ(Raised<FloatConversionError>("1e5000;@"),
            Cp932(u8"'1e5000' は浮動小数点数ではありません"));
  EXPECT_EQ(Raised<FloatConversionError>("1e-5000;@"),
            Cp932(u8"'1e-5000' は浮動小数点数ではありません"));
  // The text as collected: commas dropped.
  EXPECT_EQ(Raised<FloatConversionError>("2*1,2e4,9999;@"),
            Cp932(u8"'12e49999' は浮動小数点数ではありません"));
  // Beyond the 80-bit range: conversion; beyond double only: overflow.
  EXPECT_NE(Raised<FloatConversionError>("1.2e4932;@"), "");
  EXPECT_NE(Raised<FloatConversionError>("0.00012e4936;@"), "");
  EXPECT_NE(Raised<FloatConversionError>("1e4999;@"), "");
  EXPECT_NE(Raised<FloatConversionError>(std::string(5000, '9') + ";@"), "");
  EXPECT_NE(Raised<FloatOverflowError>("1.1e4932;@"), "");
  EXPECT_NE(Raised<FloatOverflowError>("11e4931;@"), "");
  EXPECT_NE(Raised<FloatOverflowError>("1e400;@"), "");
  EXPECT_NE(Raised<FloatOverflowError>("1.8e308;@"), "");
  EXPECT_NE(Raised<FloatOverflowError>(std::string(400, '9') + ";@"), "");
  // Tiny values are zero, however many digits they take.
  EXPECT_EQ(EvalWith(evaluator_, "0." + std::string(6000, '0') + "1;@"), Value("0"));
  EXPECT_EQ(EvalWith(evaluator_, "1e-4999;@"), Value("0"));
  EXPECT_EQ(EvalWith(evaluator_, "1.7976931348623157e308;@"), Value("1.79769313486232E308"));
  EXPECT_EQ(EvalWith(evaluator_, "0." + std::string(400, '0') + "1e420;@"), Value("1E19"));
}

TEST_F(EvaluatorFaultTest, ArithmeticOverflow) {
  const std::string overflow = Cp932(u8"浮動小数点数のオーバーフロー");
  for (const char* text :
       {"1e300*1e300;@", "-1e300*1e300;@", "1e308+1e308;@", "-1e308-1e308;@", "1e300/1e-99;@",
        "10^400;@", "171!;@", "2147483648!;@", "(-2147483648)!;@", "2147483647!;@", "1e20!;@"}) {
    EXPECT_EQ(Raised<FloatOverflowError>(text), overflow) << text;
  }
  EXPECT_EQ(Raised<FloatOverflowError>("(exp 1000)!;@"), overflow);
}

TEST_F(EvaluatorFaultTest, InvalidOperationAndZeroDivide) {
  const std::string invalid = Cp932(u8"不正な浮動小数点数演算命令");
  for (const char* text : {"exp 1000 - exp 1000;@", "exp 1000 * 0;@", "exp 1000 / exp 1000;@",
                           "(-8)^(1/3);@", "(exp 1000)%2;@"}) {
    EXPECT_EQ(Raised<FloatInvalidOperationError>(text), invalid) << text;
  }
  EXPECT_EQ(Raised<FloatZeroDivideError>("0^-1;@"), Cp932(u8"0 による浮動小数点数除算"));
  EXPECT_EQ(Raised<FloatZeroDivideError>("(-0)^-2;@"), Cp932(u8"0 による浮動小数点数除算"));
  EXPECT_THROW(Factorial(NAN), FloatInvalidOperationError);
}

// Infinity from a library function passes; a function that gives no number out of one raises
// the invalid operation, as the trap would.
TEST_F(EvaluatorFaultTest, LibraryFunctionsPassInfinityButNotNan) {
  EXPECT_EQ(EvalWith(evaluator_, "exp 1000;@"), Value("INF"));
  EXPECT_EQ(EvalWith(evaluator_, "-exp 1000;@"), Value("-INF"));
  EXPECT_EQ(EvalWith(evaluator_, "exp 1000 + 1;@"), Value("INF"));
  EXPECT_EQ(EvalWith(evaluator_, "1/exp 1000;@"), Value("0"));
  const std::string invalid = Cp932(u8"不正な浮動小数点数演算命令");
  for (const char* text :
       {"sin exp 1000;@", "cos(-exp 1000);@", "tan exp 1000 + 1;@", "a=sin exp 1000;@"}) {
    EXPECT_EQ(Raised<FloatInvalidOperationError>(text), invalid) << text;
  }
  EXPECT_EQ(EvalWith(evaluator_, "atan exp 1000;@"), Value("1.5707963267949"));
  EXPECT_EQ(EvalWith(evaluator_, "0^0;@"), Value("1"));
  EXPECT_EQ(EvalWith(evaluator_, "1e-300*1e-300;@"), Value("0"));  // underflow is no fault
  EXPECT_EQ(EvalWith(evaluator_, "(exp 1000)%0;@"), Value("0"));
}

TEST_F(EvaluatorFaultTest, AllFaultsShareTheApplicationErrorType) {
  for (const char* text : {"1e5000;@", "1e400;@", "0^-1;@", "(-1)^0.5;@"}) {
    EXPECT_THROW(evaluator_.Evaluate(text), AppError) << text;
  }
}

TEST_F(EvaluatorFaultTest, EvaluatorStaysUsableAfterAFault) {
  EXPECT_EQ(EvalWith(evaluator_, "2*3;@"), Value("6"));
  // A deep fault: the nesting count must not stay raised after it.
  std::string nested = std::string(900, '(') + "1e400" + std::string(900, ')') + ";@";
  for (int i = 0; i < 3; ++i) EXPECT_THROW(evaluator_.Evaluate(nested), FloatOverflowError);
  EXPECT_EQ(EvalWith(evaluator_, std::string(900, '(') + "7" + std::string(900, ')') + ";@"),
            Value("7"));
  EXPECT_THROW(evaluator_.Evaluate("a=1; 1e300*1e300;@"), FloatOverflowError);
  EXPECT_EQ(EvalWith(evaluator_, "a;@"), Error(u8"変数名が未定義"));
  EXPECT_EQ(EvalWith(evaluator_, "1+2;@"), Value("3"));
  EXPECT_EQ(evaluator_.VariableCount, 1);
}

}  // namespace
}  // namespace quillpad
