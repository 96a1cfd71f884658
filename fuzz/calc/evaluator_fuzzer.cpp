// Arbitrary bytes as a statement text and as editor lines. Besides crashes it checks what must
// hold after any evaluation: the outcome agrees with Kind, and a result text reads back as the
// value it stands for.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/app_error.h"
#include "base/text.h"
#include "calc/evaluator.h"
#include "calc/format_number.h"
#include "calc/line_calculation.h"

namespace {

using namespace quillpad;

void Check(bool condition) {
  if (!condition) std::abort();
}

// A number text reads back within the 15 digits it keeps.
void CheckNumberText(const std::string& text, double value) {
  if (std::isnan(value)) return Check(text == "NAN");
  if (std::isinf(value)) return Check(text == (value < 0 ? "-INF" : "INF"));
  Check(!text.empty() && text.find_first_not_of("-0123456789.E") == std::string::npos);
  Check(text.find('e') == std::string::npos);
  // Subnormal values keep fewer than 15 digits of their own, so they read back only roughly.
  const double back = std::strtod(text.c_str(), nullptr);
  // Near the top of the range the rounded text lies beyond it ("1.79769313486232E308").
  if (std::isinf(back)) {
    Check(std::fabs(value) >= 1.797693134862315e308);
  } else if (std::fabs(value) >= DBL_MIN) {
    Check(std::fabs(back - value) <= std::fabs(value) * 1e-14);
  }
  // At most 15 significant digits, and no trailing zeros after a point.
  const std::size_t mark = text.find('E');
  const std::string mantissa = text.substr(0, mark);
  std::size_t digits = 0;
  bool leading = true;
  for (char c : mantissa) {
    if (c >= '1' && c <= '9') leading = false;
    if (c >= '0' && c <= '9' && !leading) ++digits;
  }
  if (mantissa.find('.') == std::string::npos) {
    // Integers of up to 15 digits may end in zeros.
    Check(mark != std::string::npos || mantissa.size() <= 16);
  } else {
    Check(digits <= 15 && mantissa.back() != '0' && mantissa.back() != '.');
  }
}

void CheckOutcome(const Evaluator& evaluator) {
  Check(evaluator.VariableCount >= 1 && evaluator.VariableCount <= Evaluator::kMaxVariables);
  Check(evaluator.Variables[0].Name == "pi");
  if (evaluator.Kind != Evaluator::kEnd) {
    Check(evaluator.ResultText.empty());
    Check(evaluator.Message == "入力・修正待ち");
  }
  if (!evaluator.ResultText.empty()) {
    const std::string& r = evaluator.ResultText;
    if (r != "NAN" && r != "INF" && r != "-INF") {
      CheckNumberText(r, std::strtod(r.c_str(), nullptr));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);

  Evaluator evaluator;
  try {
    evaluator.Evaluate(text);
    CheckOutcome(evaluator);
  } catch (const AppError&) {
  }
  // The same evaluator goes on, as the editor's does after an error.
  try {
    evaluator.Evaluate(text + ";@");
    CheckOutcome(evaluator);
  } catch (const AppError&) {
  }

  try {
    const SheetResult sheet = CalculateSheet(evaluator, SplitLines(text), true);
    if (sheet.Evaluated) {
      CheckOutcome(evaluator);
      std::string ungrouped = sheet.OutputText;
      std::erase(ungrouped, ',');
      Check(ungrouped == evaluator.ResultText);
    }
  } catch (const AppError&) {
  }

  if (size >= sizeof(double)) {
    double value;
    std::memcpy(&value, data, sizeof value);
    CheckNumberText(FormatNumber(value), value);
  }
  return 0;
}
