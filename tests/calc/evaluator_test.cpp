#include "calc/evaluator.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc_test_util.h"

namespace quillpad {
namespace {

using test::Eval;
using test::EvalWith;
using test::Outcome;
using test::Value;
using test::Waiting;

TEST(EvaluatorTest, StartsWithPiOnly) {
  Evaluator evaluator;
  EXPECT_EQ(evaluator.VariableCount, 1);
  EXPECT_EQ(evaluator.Variables[0].Name, "pi");
  EXPECT_EQ(evaluator.Variables[0].Value, std::acos(-1.0));
  EXPECT_EQ(evaluator.FindVariable("pi"), 0);
  EXPECT_EQ(evaluator.FindVariable("Pi"), -1);
  EXPECT_EQ(evaluator.ResultText, "");
  EXPECT_EQ(evaluator.Message, "");
}

TEST(EvaluatorTest, LastClosedStatementGivesTheResult) {
  EXPECT_EQ(Eval("1+2;@"), Value("3"));
  EXPECT_EQ(Eval("1;2;@"), Value("2"));
  EXPECT_EQ(Eval(";;7;;@"), Value("7"));
  // "@" ends the text before the second statement is closed.
  EXPECT_EQ(Eval("1;2@"), Value("1"));
  // Nothing after "@" is read.
  EXPECT_EQ(Eval("1;@ 2+"), Value("1"));
  EXPECT_EQ(Eval("1 + 2"), Waiting());
  EXPECT_EQ(Eval(""), Waiting());
}

TEST(EvaluatorTest, KindTellsHowTheEvaluationEnded) {
  Evaluator evaluator;
  evaluator.Evaluate("1+2;@");
  EXPECT_EQ(evaluator.Kind, Evaluator::kEnd);
  evaluator.Evaluate("1+@");  // an end marker where an operand is due is "unfinished"
  EXPECT_EQ(evaluator.Kind, Evaluator::kNone);
  EXPECT_EQ(evaluator.Message, test::kWaiting);
  evaluator.Evaluate("x;@");
  EXPECT_EQ(evaluator.Kind, Evaluator::kEnd);
}

TEST(EvaluatorTest, EndMarkerWithoutNewStatementKeepsPreviousOutcome) {
  Evaluator evaluator;
  EXPECT_EQ(EvalWith(evaluator, "1+2;@"), Value("3"));
  EXPECT_EQ(EvalWith(evaluator, "@"), Value("3"));
  EXPECT_EQ(EvalWith(evaluator, " ;;@"), Value("3"));
  EXPECT_EQ(EvalWith(evaluator, "x;@"), test::Error(u8"変数名が未定義"));
  EXPECT_EQ(EvalWith(evaluator, "@"), test::Error(u8"変数名が未定義"));
  EXPECT_EQ(EvalWith(evaluator, "1+"), Waiting());
  EXPECT_EQ(EvalWith(evaluator, "@"), Waiting());
}

TEST(EvaluatorTest, LaterFailureEmptiesEarlierResult) {
  EXPECT_EQ(Eval("1;2+;@"), Waiting());
  EXPECT_EQ(Eval("1;2;1/0;@"), test::Error(u8"ゼロでのわり算"));
  // An error stops the evaluation: the statement after it is never evaluated.
  EXPECT_EQ(Eval("x;1;@"), test::Error(u8"変数名が未定義"));
}

TEST(EvaluatorScannerTest, NumberForms) {
  EXPECT_EQ(Eval("1,234,567;@"), Value("1234567"));
  EXPECT_EQ(Eval("1,000*2;@"), Value("2000"));
  EXPECT_EQ(Eval("1,,2.5,;@"), Value("12.5"));
  EXPECT_EQ(Eval(".;@"), Value("0"));
  EXPECT_EQ(Eval("1.;@"), Value("1"));
  EXPECT_EQ(Eval(".5;@"), Value("0.5"));
  EXPECT_EQ(Eval("2e;@"), Value("2"));
  EXPECT_EQ(Eval("1e+;@"), Value("1"));
  EXPECT_EQ(Eval(".e5;@"), Value("0"));
  EXPECT_EQ(Eval("1E3;@"), Value("1000"));
  EXPECT_EQ(Eval("1e-5+1;@"), Value("1.00001"));
  EXPECT_EQ(Eval("2.5e+2;@"), Value("250"));
  EXPECT_EQ(Eval("0001e0000000002;@"), Value("100"));
  EXPECT_EQ(Eval("1e-400;@"), Value("0"));  // underflow passes silently
}

TEST(EvaluatorScannerTest, SignBelongsToNumberOnlyAfterExponentMark) {
  EXPECT_EQ(Eval("2-3;@"), Value("-1"));
  EXPECT_EQ(Eval("2e2-3;@"), Value("197"));
  EXPECT_EQ(Eval("1e+-5;@"), Value("-4"));    // "1e+" then "-5"
  EXPECT_EQ(Eval("1e,-2;@"), Value("0.01"));  // commas are invisible inside a number
}

TEST(EvaluatorScannerTest, MalformedNumbersAreUnfinished) {
  for (const char* text : {"1..2;@", "1.2.3;@", "1e2.5;@", "1e5e1;@", "1E2e;@", ".1.;@"}) {
    EXPECT_EQ(Eval(text), Waiting()) << text;
  }
  Evaluator evaluator;
  EvalWith(evaluator, "5;@");
  EXPECT_EQ(EvalWith(evaluator, "1..2;@"), Waiting());
  EXPECT_EQ(evaluator.Kind, Evaluator::kNone);
}

TEST(EvaluatorScannerTest, BlanksAndOtherBytes) {
  EXPECT_EQ(Eval(" 1\t+\n2 ;\n@"), Value("3"));
  EXPECT_EQ(Eval("1\r+2;@"), Waiting());  // carriage return is not a blank
  EXPECT_EQ(Eval(std::string("1\0+2;@", 6)), Waiting());
  EXPECT_EQ(Eval("1#2;@"), Waiting());
  EXPECT_EQ(Eval("1 & 2;@"), Waiting());
}

TEST(EvaluatorScannerTest, Names) {
  EXPECT_EQ(Eval("a_1=2; a_1*x9=3;@"), Value("6"));
  EXPECT_EQ(Eval("_a=1;@"), Waiting());
  EXPECT_EQ(Eval("2a;@"), Waiting());
  EXPECT_EQ(Eval("Pi;@"), test::Error(u8"変数名が未定義"));
  EXPECT_EQ(Eval("A=1; a=2; A;@"), Value("1"));
  // A kana makes and continues names as a whole character; 0x83 0x61 has the trail byte 'a'.
  EXPECT_EQ(Eval("\x83\x61=1;@"), Value("1"));
  EXPECT_EQ(Eval("a=1; a\x83\x61;@"), test::Error(u8"変数名が未定義"));
  EXPECT_EQ(Eval("x=1; x\xe9;@"), Waiting());
}

TEST(EvaluatorScannerTest, NamesLongerThan35CharactersAreRefused) {
  const std::string name35(35, 'n');
  const std::string name36 = name35 + "x";
  EXPECT_EQ(Eval(name35 + "=4; " + name35 + "*2;@"), Value("8"));
  EXPECT_EQ(Eval(name36 + "=4;@"), Waiting());
  EXPECT_EQ(Eval(name35 + "=4; " + name36 + ";@"), Waiting());
  EXPECT_EQ(Eval(std::string(100000, 'q') + ";@"), Waiting());
}

TEST(EvaluatorGrammarTest, Precedence) {
  EXPECT_EQ(Eval("1+2*3;@"), Value("7"));
  EXPECT_EQ(Eval("(1+2)*3;@"), Value("9"));
  EXPECT_EQ(Eval("10-4-3;@"), Value("3"));
  EXPECT_EQ(Eval("24/4/3;@"), Value("2"));
  EXPECT_EQ(Eval("2*3^2;@"), Value("18"));
  EXPECT_EQ(Eval("2^3^2;@"), Value("64"));  // left-associative
  EXPECT_EQ(Eval("-2^2;@"), Value("4"));    // the sign binds tighter
  EXPECT_EQ(Eval("2^-1;@"), Value("0.5"));
  EXPECT_EQ(Eval("2^3!;@"), Value("40320"));
  EXPECT_EQ(Eval("3!*2;@"), Value("12"));
  EXPECT_EQ(Eval("10%4*3;@"), Value("6"));
  EXPECT_EQ(Eval("+2;@"), Value("2"));
  EXPECT_EQ(Eval("-(2+3);@"), Value("-5"));
}

TEST(EvaluatorGrammarTest, OperandChecks) {
  // After "+" and "-" a sign is refused, after "*", "/", "^" and "%" it is accepted.
  EXPECT_EQ(Eval("1+-2;@"), Waiting());
  EXPECT_EQ(Eval("1-+2;@"), Waiting());
  EXPECT_EQ(Eval("1--2;@"), Waiting());
  EXPECT_EQ(Eval("--2;@"), Waiting());
  EXPECT_EQ(Eval("-+2;@"), Waiting());
  EXPECT_EQ(Eval("1*-2;@"), Value("-2"));
  EXPECT_EQ(Eval("1/-2;@"), Value("-0.5"));
  EXPECT_EQ(Eval("1*+2;@"), Value("2"));
  EXPECT_EQ(Eval("7%-4;@"), Value("3"));
  // An end marker or separator where an operand is due.
  for (const char* text : {"1+;@", "1*;@", "2^;@", "2%;@", "-;@", "(;@", "sqrt;@", "a=;@", "1/@"}) {
    EXPECT_EQ(Eval(text), Waiting()) << text;
  }
  // Tokens that cannot start an operand.
  for (const char* text : {")1;@", "*2;@", "=1;@", "!;@", "2*)3;@", "(2+3;@", "2+3);@"}) {
    EXPECT_EQ(Eval(text), Waiting()) << text;
  }
}

TEST(EvaluatorGrammarTest, NoImplicitMultiplicationOrFollowUps) {
  EXPECT_EQ(Eval("2(3);@"), Waiting());
  EXPECT_EQ(Eval("2 3;@"), Waiting());
  EXPECT_EQ(Eval("3!!;@"), Waiting());
  EXPECT_EQ(Eval("3!^2;@"), Waiting());
  EXPECT_EQ(Eval("a=2; a a;@"), Waiting());
}

TEST(EvaluatorGrammarTest, FunctionsTakeOneOperand) {
  EXPECT_EQ(Eval("sqrt 16;@"), Value("4"));
  EXPECT_EQ(Eval("sqrt(16);@"), Value("4"));
  EXPECT_EQ(Eval("sqrt 16+9;@"), Value("13"));
  EXPECT_EQ(Eval("sqrt sqrt 16;@"), Value("2"));
  EXPECT_EQ(Eval("-sqrt 4;@"), Value("-2"));
  EXPECT_EQ(Eval("sqrt -4^2;@"), test::Error(u8"sqrtの引数が負"));  // argument is -4
  EXPECT_EQ(Eval("sin=1;@"), Waiting());
  EXPECT_EQ(Eval("SQRT(4);@"), test::Error(u8"変数名が未定義"));
}

TEST(EvaluatorGrammarTest, FunctionValues) {
  const std::pair<const char*, const char*> cases[] = {
      {"exp 0", "1"},
      {"exp 1", "2.71828182845905"},
      {"log 1", "0"},
      {"log10 1000", "3"},
      {"abs -2.5", "2.5"},
      {"sin 0", "0"},
      {"cos 0", "1"},
      {"tan(pi/4)", "1"},
      {"asin 1", "1.5707963267949"},
      {"acos 1", "0"},
      {"atan 1", "0.785398163397448"},
      {"ceil 1.2", "2"},
      {"ceil -1.2", "-1"},
      {"floor -1.2", "-2"},
      {"sinh 0", "0"},
      {"cosh 0", "1"},
      {"tanh 100", "1"},
      {"step(-0.5)", "0"},
      {"step 0", "1"},
      {"sqrt 0", "0"},
      {"log10 0.001", "-3"},
  };
  for (const auto& [text, result] : cases) {
    EXPECT_EQ(Eval(std::string(text) + ";@"), Value(result)) << text;
  }
}

TEST(EvaluatorGrammarTest, RemainderAndFactorial) {
  EXPECT_EQ(Eval("7%0;@"), Value("0"));
  EXPECT_EQ(Eval("-7%3;@"), Value("-1"));
  EXPECT_EQ(Eval("7.5%2;@"), Value("1.5"));
  EXPECT_EQ(Eval("0!;@"), Value("1"));
  EXPECT_EQ(Eval("(-3.7)!;@"), Value("6"));
  EXPECT_EQ(Eval("-4!;@"), Value("24"));  // the sign goes with the operand
  EXPECT_EQ(Eval("0.9!;@"), Value("1"));
  EXPECT_EQ(Eval("20!;@"), Value("2.43290200817664E18"));
  EXPECT_EQ(Eval("170!;@"), Value("7.25741561530799E306"));
}

TEST(EvaluatorAssignmentTest, AssignmentRules) {
  EXPECT_EQ(Eval("a=1+2*3; a;@"), Value("7"));
  EXPECT_EQ(Eval("2*a=3;@"), Value("6"));
  EXPECT_EQ(Eval("2*a=3; a;@"), Value("3"));
  EXPECT_EQ(Eval("a=b=4; a+b;@"), Value("8"));
  EXPECT_EQ(Eval("(a=2); a;@"), Value("2"));
  EXPECT_EQ(Eval("a=2; a=a+1; a;@"), Value("3"));
  EXPECT_EQ(Eval("a=2; b=a*3;@"), Value("6"));
  EXPECT_EQ(Eval("a=a+1;@"), test::Error(u8"変数名が未定義"));
}

TEST(EvaluatorAssignmentTest, VariablesLastOneEvaluationButPiStays) {
  Evaluator evaluator;
  EXPECT_EQ(EvalWith(evaluator, "a=2; b=a*3;@"), Value("6"));
  EXPECT_EQ(EvalWith(evaluator, "b;@"), test::Error(u8"変数名が未定義"));
  EXPECT_EQ(evaluator.FindVariable("a"), -1);
  EXPECT_EQ(EvalWith(evaluator, "pi;@"), Value("3.14159265358979"));
  EXPECT_EQ(EvalWith(evaluator, "pi=3;@"), Value("3"));
  EXPECT_EQ(EvalWith(evaluator, "pi;@"), Value("3"));
  EXPECT_EQ(EvalWith(evaluator, "1+;@"), Waiting());
  EXPECT_EQ(EvalWith(evaluator, "pi*2;@"), Value("6"));
}

TEST(EvaluatorAssignmentTest, TableHolds256EntriesWithPi) {
  std::string text;
  for (int i = 0; i < 255; ++i) text += "v" + std::to_string(i) + "=" + std::to_string(i) + ";";
  Evaluator evaluator;
  EXPECT_EQ(EvalWith(evaluator, text + "v254+v0;@"), Value("254"));
  EXPECT_EQ(evaluator.VariableCount, 256);

  // The 257th name is not stored; its statement still completes and replaces the message.
  EXPECT_EQ(EvalWith(evaluator, text + "w=7;@"), Value("7"));
  EXPECT_EQ(evaluator.FindVariable("w"), -1);
  EXPECT_EQ(evaluator.VariableCount, 256);
  EXPECT_EQ(EvalWith(evaluator, text + "w=7; w;@"), test::Error(u8"変数名が未定義"));
  // Unless nothing replaces it.
  EXPECT_EQ(EvalWith(evaluator, text + "w=7@"), test::Error(u8"変数の数が多すぎます"));
  EXPECT_EQ(evaluator.Kind, Evaluator::kEnd);
  // Known names are still assignable when the table is full.
  EXPECT_EQ(EvalWith(evaluator, text + "v3=100; v3;@"), Value("100"));
  // The next evaluation starts with pi alone again.
  EXPECT_EQ(EvalWith(evaluator, "w=1; w;@"), Value("1"));
  EXPECT_EQ(evaluator.VariableCount, 2);
}

TEST(EvaluatorAssignmentTest, ManyMoreNamesThanTheTableHolds) {
  std::string text;
  for (int i = 0; i < 2000; ++i) text += "name" + std::to_string(i) + "=1;";
  EXPECT_EQ(Eval(text + "name10;@"), Value("1"));
  EXPECT_EQ(Eval(text + "name1999;@"), test::Error(u8"変数名が未定義"));
}

TEST(EvaluatorAssignmentTest, DirectVariableAccess) {
  Evaluator evaluator;
  evaluator.SetVariable("x", 2.5);
  EXPECT_EQ(evaluator.FindVariable("x"), 1);
  EXPECT_EQ(evaluator.GetVariable("x"), 2.5);
  evaluator.SetVariable("x", 4);
  EXPECT_EQ(evaluator.VariableCount, 2);
  EXPECT_EQ(evaluator.GetVariable("x"), 4);
  evaluator.Kind = Evaluator::kNumber;
  evaluator.GetVariable("y");
  EXPECT_EQ(evaluator.Kind, Evaluator::kEnd);
  EXPECT_EQ(evaluator.Message, test::Cp932(u8"変数名が未定義"));
}

TEST(EvaluatorNestingTest, DeepNestingIsUnfinishedNotACrash) {
  const int deep = 200000;
  EXPECT_EQ(Eval(std::string(deep, '(') + "1" + std::string(deep, ')') + ";@"), Waiting());
  std::string functions;
  for (int i = 0; i < deep; ++i) functions += "abs ";
  EXPECT_EQ(Eval(functions + "1;@"), Waiting());
  std::string signs;
  for (int i = 0; i < deep; ++i) signs += "-(";
  EXPECT_EQ(Eval(signs + "1;@"), Waiting());
  std::string assignments;
  for (int i = 0; i < deep; ++i) assignments += "a=";
  EXPECT_EQ(Eval(assignments + "1;@"), Waiting());
}

TEST(EvaluatorNestingTest, ReasonableNestingEvaluates) {
  const int depth = 400;
  EXPECT_EQ(Eval(std::string(depth, '(') + "1" + std::string(depth, ')') + ";@"), Value("1"));
  std::string signs;
  for (int i = 0; i < depth; ++i) signs += "-(";
  EXPECT_EQ(Eval(signs + "1" + std::string(depth, ')') + ";@"), Value("1"));
  // Nesting is counted per operand, not for the whole text.
  std::string flat;
  for (int i = 0; i < 5000; ++i) flat += "(1)+";
  EXPECT_EQ(Eval(flat + "0;@"), Value("5000"));
}

}  // namespace
}  // namespace quillpad
