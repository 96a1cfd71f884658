// The calculator of the main editor: statements separated by ";" and ended by "@", evaluated
// left to right in double precision by recursive descent.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/app_error.h"

namespace quillpad {

// Faults of the arithmetic. They leave Evaluate as errors and are not turned into messages,
// so the user sees them in the general error box.
class FloatConversionError : public AppError {
 public:
  explicit FloatConversionError(const std::string& numberText);
};

class FloatOverflowError : public AppError {
 public:
  FloatOverflowError();
};

class FloatInvalidOperationError : public AppError {
 public:
  FloatInvalidOperationError();
};

class FloatZeroDivideError : public AppError {
 public:
  FloatZeroDivideError();
};

class Evaluator {
 public:
  // Values of Kind: the token just scanned, or how the evaluation ended.
  enum : std::int32_t {
    kEnd = -1,  // "@", and every evaluation error
    kNone = 0,  // end of text, an unknown character or an unfinished construct
    kSeparator = 1,
    kNumber = 2,
    kPlus = 3,
    kMinus = 4,
    kTimes = 5,
    kDivide = 6,
    kOpen = 7,
    kClose = 8,
    kName = 9,
    kAssign = 10,
    kPower = 11,
    kRemainder = 12,
    kFactorial = 13,
  };

  static constexpr int kMaxVariables = 256;
  // A longer name is refused: the scanner reports it as kind 0, so the statement stays
  // unfinished. Cutting it instead would silently make two different names one variable.
  static constexpr std::size_t kMaxNameLength = 35;
  // Parentheses, signs, function calls and assignments nest through ParsePrimary; deeper
  // nesting than this is treated as unfinished instead of running the stack out.
  static constexpr int kMaxNesting = 1000;

  struct Variable {
    std::string Name;
    double Value = 0;
  };

  Evaluator();

  std::int32_t Kind = kNone;
  double NumberValue = 0;
  std::string TokenText;
  std::array<Variable, kMaxVariables> Variables;
  int VariableCount = 0;
  std::string Source;
  std::size_t Position = 1;  // 1-based; wider than 32 bits so that no text is too long
  std::string ResultText;
  std::string Message;

  // Afterwards ResultText and Message tell the outcome; may throw the Float*Error types.
  void Evaluate(std::string_view text);

  int FindVariable(std::string_view name) const;
  void SetVariable(std::string_view name, double value);
  double GetVariable(std::string_view name);

 private:
  // An operand that failed (error or unfinished construct) has no value.
  using Operand = std::optional<double>;

  void NextToken();
  void ScanNumber(char first);
  void ScanName();
  void Malformed();
  char ReadByte();
  char PeekByte() const;
  // Reads the next token; false (and Kind := 0) when its kind is one of `refused`.
  bool OperandReady(std::uint32_t refused);
  void Fail(const char* message);

  void ParseStatements();
  Operand ParseSum();
  Operand ParseProduct();
  Operand ParsePower();
  Operand ParsePrimary();
  Operand CallFunction(int function);
  static std::optional<double> FunctionValue(int function, double x);
  void FailFunction(int function);
  Operand VariableOrAssignment();

  int nesting_ = 0;
};

// The product 1 x 2 x ... x n for n = |x| truncated toward zero; throws FloatOverflowError when
// it leaves the double range or |x| does not fit 32 bits, FloatInvalidOperationError for NAN.
double Factorial(double x);

}  // namespace quillpad
