#include "calc/evaluator.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

#include "base/text.h"
#include "calc/format_number.h"

namespace quillpad {

namespace {

const char kWaiting[] = "入力・修正待ち";
const char kDivisionByZero[] = "ゼロでのわり算";
const char kUndefinedName[] = "変数名が未定義";
const char kTooManyVariables[] = "変数の数が多すぎます";
const char kSqrtNegative[] = "sqrtの引数が負";
const char kLogNegative[] = "logの引数が負";
const char kAsinRange[] = "asinの引数が範囲外";
const char kAcosRange[] = "acosの引数が範囲外";

constexpr std::uint32_t KindBit(std::int32_t kind) {
  return 1u << (kind + 1);
}
constexpr std::uint32_t kEndOrSeparator = KindBit(Evaluator::kEnd) | KindBit(Evaluator::kSeparator);
constexpr std::uint32_t kEndSeparatorOrSign =
    kEndOrSeparator | KindBit(Evaluator::kPlus) | KindBit(Evaluator::kMinus);

// Kinds of the single-byte tokens, by byte; kNone for every other byte.
constexpr std::array<std::int8_t, 256> kSymbolKinds = [] {
  std::array<std::int8_t, 256> kinds{};
  const std::string_view symbols = "@;+-*/()=^%!";
  const std::int8_t symbolKinds[] = {
      Evaluator::kEnd,    Evaluator::kSeparator, Evaluator::kPlus,      Evaluator::kMinus,
      Evaluator::kTimes,  Evaluator::kDivide,    Evaluator::kOpen,      Evaluator::kClose,
      Evaluator::kAssign, Evaluator::kPower,     Evaluator::kRemainder, Evaluator::kFactorial};
  for (std::size_t i = 0; i < symbols.size(); ++i) {
    kinds[static_cast<unsigned char>(symbols[i])] = symbolKinds[i];
  }
  return kinds;
}();

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
constexpr bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Japanese letters make names too ("売上=1200"): the bytes of the kana, kanji, half-width kana
// or iteration and long-vowel mark at index i, else 0. Full-width punctuation and symbols stay
// outside names, so "売上＋税" is still no sum.
std::size_t JapaneseLetterLength(const std::string& s, std::size_t i) {
  if (i >= s.size()) return 0;
  const auto lead = static_cast<unsigned char>(s[i]);
  if (lead >= 0xA6 && lead <= 0xDF) return 1;
  if (!IsLeadByte(lead) || i + 1 >= s.size()) return 0;
  const auto trail = static_cast<unsigned char>(s[i + 1]);
  if (trail < 0x40 || trail == 0x7F || trail > 0xFC) return 0;
  const bool mark = lead == 0x81 && ((trail >= 0x52 && trail <= 0x55) || trail == 0x58 ||
                                     trail == 0x59 || trail == 0x5B);
  const bool letters = lead == 0x82 || lead == 0x83 || (lead >= 0x88 && lead <= 0x9F) ||
                       (lead >= 0xE0 && lead <= 0xEE) || lead >= 0xFA;
  return mark || letters ? 2 : 0;
}

enum Function {
  kSqrt,
  kExp,
  kLog,
  kLog10,
  kAbs,
  kSin,
  kCos,
  kTan,
  kAsin,
  kAcos,
  kAtan,
  kCeil,
  kFloor,
  kSinh,
  kCosh,
  kTanh,
  kStep,
  kFunctionCount
};

constexpr std::string_view kFunctionNames[kFunctionCount] = {
    "sqrt", "exp",  "log",  "log10", "abs",  "sin",  "cos",  "tan", "asin",
    "acos", "atan", "ceil", "floor", "sinh", "cosh", "tanh", "step"};

int FindFunction(std::string_view name) {
  for (int i = 0; i < kFunctionCount; ++i) {
    if (kFunctionNames[i][0] == name[0] && kFunctionNames[i] == name) return i;
  }
  return -1;
}

// The arithmetic runs without hardware traps; a fault is recognised by its result instead, the
// same way on every platform: infinity out of finite operands is an overflow, NAN out of
// numbers is an invalid operation.
double Checked(double result, double left, double right) {
  if (std::isinf(result) && std::isfinite(left) && std::isfinite(right)) {
    throw FloatOverflowError();
  }
  if (std::isnan(result) && !std::isnan(left) && !std::isnan(right)) {
    throw FloatInvalidOperationError();
  }
  return result;
}

// Largest value of the 80-bit format the number text passes through: 1.18973149535723176502e4932.
constexpr std::string_view kExtendedMaxDigits = "118973149535723176502";
constexpr long long kExtendedMaxExponent = 4932;
// Enough digits to round any decimal text to double correctly; the rest only says "nonzero".
constexpr std::size_t kSignificantDigitLimit = 800;

// Converts a collected number text (digits, one optional ".", an optional exponent mark with
// optional sign and digits; commas already dropped). The range is decided on the decimal
// exponent, so the outcome does not depend on the platform's long double.
double ConvertNumber(const std::string& text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  std::string digits;  // integer and fraction digits without the point
  std::size_t integerDigits = 0;
  while (i < n && IsDigit(text[i])) digits += text[i++];
  integerDigits = digits.size();
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && IsDigit(text[i])) digits += text[i++];
  }
  long long exponent = 0;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Exponent digits are taken only while the exponent is below 500; any left over are an
    // error, whatever their value.
    while (i < n && IsDigit(text[i]) && exponent < 500)
      exponent = exponent * 10 + (text[i++] - '0');
    if (i < n && IsDigit(text[i])) throw FloatConversionError(text);
    if (negative) exponent = -exponent;
  }

  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return 0;
  std::size_t last = digits.find_last_not_of('0');
  std::string_view significant(digits.data() + first, last - first + 1);
  // value = d1.d2d3... x 10^scientific
  const long long scientific =
      static_cast<long long>(integerDigits) - static_cast<long long>(first) - 1 + exponent;

  if (scientific > kExtendedMaxExponent ||
      (scientific == kExtendedMaxExponent && significant > kExtendedMaxDigits)) {
    throw FloatConversionError(text);
  }
  // Far below the smallest double: the underflow passes silently as zero.
  if (scientific < -400) return 0;

  std::string normal;
  normal += significant[0];
  normal += '.';
  if (significant.size() > kSignificantDigitLimit) {
    normal.append(significant.substr(1, kSignificantDigitLimit - 2));
    normal += '1';
  } else {
    normal.append(significant.substr(1));
  }
  normal += 'e';
  normal += std::to_string(scientific);

  double value = 0;
  const auto result = std::from_chars(normal.data(), normal.data() + normal.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    if (scientific > 0) throw FloatOverflowError();
    return 0;
  }
  return value;
}

}  // namespace

FloatConversionError::FloatConversionError(const std::string& numberText)
    : AppError("'" + numberText + "' は浮動小数点数ではありません") {}
FloatOverflowError::FloatOverflowError() : AppError("浮動小数点数のオーバーフロー") {}
FloatInvalidOperationError::FloatInvalidOperationError() : AppError("不正な浮動小数点数演算命令") {}
FloatZeroDivideError::FloatZeroDivideError() : AppError("0 による浮動小数点数除算") {}

double Factorial(double x) {
  if (std::isnan(x)) throw FloatInvalidOperationError();
  const double magnitude = std::trunc(std::fabs(x));
  if (magnitude >= 2147483648.0) throw FloatOverflowError();
  const int n = static_cast<int>(magnitude);
  // 171! is the first beyond the double range.
  if (n >= 171) throw FloatOverflowError();
  double result = 1;
  for (int i = 2; i <= n; ++i) result *= i;
  return result;
}

Evaluator::Evaluator() {
  SetVariable("pi", std::acos(-1.0));
}

void Evaluator::Evaluate(std::string_view text) {
  VariableCount = 1;
  Source.assign(text);
  Position = 1;
  nesting_ = 0;
  NextToken();
  if (Kind != kEnd) ParseStatements();
  if (Kind != kEnd) {
    Message = kWaiting;
    ResultText.clear();
  }
}

int Evaluator::FindVariable(std::string_view name) const {
  // Names of a sheet tend to share their length and first letter ("v1", "v2"), so the last
  // byte is compared before the whole name.
  for (int i = 0; i < VariableCount; ++i) {
    const std::string& candidate = Variables[i].Name;
    if (candidate.size() == name.size() && (name.empty() || candidate.back() == name.back()) &&
        candidate == name) {
      return i;
    }
  }
  return -1;
}

void Evaluator::SetVariable(std::string_view name, double value) {
  const int index = FindVariable(name);
  if (index >= 0) {
    Variables[index].Value = value;
  } else if (VariableCount < kMaxVariables) {
    Variables[VariableCount].Name.assign(name);
    Variables[VariableCount].Value = value;
    ++VariableCount;
  } else {
    ResultText.clear();
    Message = kTooManyVariables;
  }
}

double Evaluator::GetVariable(std::string_view name) {
  const int index = FindVariable(name);
  if (index >= 0) return Variables[index].Value;
  Fail(kUndefinedName);
  return 0;
}

void Evaluator::Fail(const char* message) {
  ResultText.clear();
  Message = message;
  Kind = kEnd;
}

char Evaluator::PeekByte() const {
  return Position <= Source.size() ? Source[Position - 1] : '\0';
}

char Evaluator::ReadByte() {
  const char c = PeekByte();
  ++Position;
  return c;
}

void Evaluator::NextToken() {
  char c;
  do {
    c = ReadByte();
  } while (c == ' ' || c == '\t' || c == '\n');

  const std::int8_t symbol = kSymbolKinds[static_cast<unsigned char>(c)];
  if (symbol != kNone) {
    Kind = symbol;
    return;
  }
  if (IsDigit(c) || c == '.') {
    ScanNumber(c);
  } else if (IsLetter(c) || JapaneseLetterLength(Source, Position - 2) > 0) {
    ScanName();
  } else {
    Kind = kNone;
  }
}

void Evaluator::ScanNumber(char first) {
  std::string text(1, first);
  bool point = first == '.';
  bool exponentMark = false;
  for (;;) {
    const char c = PeekByte();
    if (c == ',') {
      ++Position;
      continue;
    }
    if (c == 'e' || c == 'E') {
      if (exponentMark) return Malformed();
      exponentMark = true;
    } else if (c == '.') {
      if (point || exponentMark) return Malformed();
      point = true;
    } else if (c == '+' || c == '-') {
      // A sign belongs to the number only right after the exponent mark ("1e-5"); commas are
      // invisible here as everywhere else in a number.
      if (text.back() != 'e' && text.back() != 'E') break;
    } else if (!IsDigit(c)) {
      break;
    }
    text += c;
    ++Position;
  }
  NumberValue = ConvertNumber(text);
  Kind = kNumber;
}

void Evaluator::Malformed() {
  ResultText.clear();
  Kind = kNone;
}

void Evaluator::ScanName() {
  const std::size_t start = Position - 2;  // index of the letter already read
  std::size_t i = start;
  for (;;) {
    const char c = i < Source.size() ? Source[i] : '\0';
    if (IsLetter(c) || IsDigit(c) || c == '_') {
      ++i;
    } else if (const std::size_t n = JapaneseLetterLength(Source, i)) {
      i += n;
    } else {
      break;
    }
  }
  Position = i + 1;
  const std::size_t length = i - start;
  TokenText.assign(Source, start, length);
  Kind = length > kMaxNameLength ? kNone : kName;
}

bool Evaluator::OperandReady(std::uint32_t refused) {
  NextToken();
  if (KindBit(Kind) & refused) {
    Kind = kNone;
    return false;
  }
  return true;
}

void Evaluator::ParseStatements() {
  for (;;) {
    if (Kind != kSeparator) {
      const Operand value = ParseSum();
      if (Kind != kSeparator || !value) return;
      // A statement closed by ";" with no error has a value.
      Message.clear();
      ResultText = FormatNumber(*value);
    }
    NextToken();
  }
}

Evaluator::Operand Evaluator::ParseSum() {
  Operand value = ParseProduct();
  if (!value) return value;
  while (Kind == kPlus || Kind == kMinus) {
    const bool add = Kind == kPlus;
    if (!OperandReady(kEndSeparatorOrSign)) return std::nullopt;
    const Operand right = ParseProduct();
    if (!right) return right;
    const double left = *value;
    value = Checked(add ? left + *right : left - *right, left, *right);
  }
  return value;
}

Evaluator::Operand Evaluator::ParseProduct() {
  Operand value = ParsePower();
  if (!value) return value;
  while (Kind == kTimes || Kind == kDivide) {
    const bool multiply = Kind == kTimes;
    if (!OperandReady(kEndOrSeparator)) return std::nullopt;
    const Operand right = ParsePower();
    if (!right) return right;
    const double left = *value;
    if (multiply) {
      value = Checked(left * *right, left, *right);
    } else {
      if (*right >= -1e-100 && *right <= 1e-100) {
        Fail(kDivisionByZero);
        return std::nullopt;
      }
      value = Checked(left / *right, left, *right);
    }
  }
  return value;
}

Evaluator::Operand Evaluator::ParsePower() {
  Operand value = ParsePrimary();
  if (!value) return value;
  for (;;) {
    if (Kind == kPower || Kind == kRemainder) {
      const bool power = Kind == kPower;
      if (!OperandReady(kEndOrSeparator)) return std::nullopt;
      const Operand right = ParsePrimary();
      if (!right) return right;
      const double left = *value;
      if (power) {
        if (left == 0 && *right < 0) throw FloatZeroDivideError();
        value = Checked(std::pow(left, *right), left, *right);
      } else {
        value = *right == 0 ? 0.0 : Checked(std::fmod(left, *right), left, *right);
      }
    } else if (Kind == kFactorial) {
      value = Factorial(*value);
      NextToken();
      return value;
    } else {
      return value;
    }
  }
}

Evaluator::Operand Evaluator::ParsePrimary() {
  if (Kind == kEnd || Kind == kSeparator) return std::nullopt;
  if (nesting_ >= kMaxNesting) {
    Kind = kNone;
    return std::nullopt;
  }
  struct Nest {
    int& depth;
    explicit Nest(int& d) : depth(d) { ++depth; }
    ~Nest() { --depth; }
  } nest(nesting_);

  switch (Kind) {
    case kNumber: {
      const double value = NumberValue;
      NextToken();
      return value;
    }
    case kMinus: {
      if (!OperandReady(kEndSeparatorOrSign)) return std::nullopt;
      const Operand value = ParsePrimary();
      if (!value) return value;
      return -*value;
    }
    case kPlus:
      if (!OperandReady(kEndSeparatorOrSign)) return std::nullopt;
      return ParsePrimary();
    case kOpen: {
      if (!OperandReady(kEndOrSeparator)) return std::nullopt;
      const Operand value = ParseSum();
      // An error inside the parentheses ends as "unfinished", not with its own message.
      if (!value || Kind != kClose) {
        Kind = kNone;
        return std::nullopt;
      }
      NextToken();
      return value;
    }
    case kName: {
      const int function = FindFunction(TokenText);
      if (function >= 0) return CallFunction(function);
      return VariableOrAssignment();
    }
    default:
      Kind = kNone;
      return std::nullopt;
  }
}

Evaluator::Operand Evaluator::CallFunction(int function) {
  if (!OperandReady(kEndOrSeparator)) return std::nullopt;
  const Operand argument = ParsePrimary();
  if (!argument) return argument;
  const double x = *argument;
  const std::optional<double> value = FunctionValue(function, x);
  if (!value) {
    FailFunction(function);
    return std::nullopt;
  }
  // Not a number out of a number (sin of infinity): the invalid-operation trap.
  if (std::isnan(*value) && !std::isnan(x)) throw FloatInvalidOperationError();
  return value;
}

// The function's value; none when the argument is outside its domain.
std::optional<double> Evaluator::FunctionValue(int function, double x) {
  // A NAN argument passes the checks (it is not "negative") and gives NAN.
  switch (function) {
    case kSqrt:
      if (x < 0) break;
      return std::sqrt(x);
    case kExp:
      return std::exp(x);
    case kLog:
      if (x <= 0) break;
      return std::log(x);
    case kLog10:
      if (x <= 0) break;
      return std::log10(x);
    case kAbs:
      return std::fabs(x);
    case kSin:
      return std::sin(x);
    case kCos:
      return std::cos(x);
    case kTan:
      return std::tan(x);
    case kAsin:
      if (x < -1 || x > 1) break;
      return std::asin(x);
    case kAcos:
      if (x < -1 || x > 1) break;
      return std::acos(x);
    case kAtan:
      return std::atan(x);
    case kCeil:
      return std::ceil(x);
    case kFloor:
      return std::floor(x);
    case kSinh:
      return std::sinh(x);
    case kCosh:
      return std::cosh(x);
    case kTanh:
      return std::tanh(x);
    case kStep:
      return x >= 0 ? 1.0 : 0.0;
  }
  return std::nullopt;
}

void Evaluator::FailFunction(int function) {
  switch (function) {
    case kSqrt:
      Fail(kSqrtNegative);
      break;
    case kLog:
    case kLog10:
      Fail(kLogNegative);
      break;
    case kAsin:
      Fail(kAsinRange);
      break;
    default:
      Fail(kAcosRange);
      break;
  }
}

Evaluator::Operand Evaluator::VariableOrAssignment() {
  // The next token may be a name too, so the name is kept before reading it.
  std::string name = TokenText;
  NextToken();
  if (Kind != kAssign) {
    // The token after the name may itself be "@", so success is told by the lookup, not Kind.
    const int index = FindVariable(name);
    if (index < 0) {
      GetVariable(name);
      return std::nullopt;
    }
    return Variables[index].Value;
  }
  if (!OperandReady(kEndOrSeparator)) return std::nullopt;
  const Operand value = ParseSum();
  if (!value) return value;
  SetVariable(name, *value);
  return value;
}

}  // namespace quillpad
