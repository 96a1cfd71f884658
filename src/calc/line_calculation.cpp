#include "calc/line_calculation.h"

#include <algorithm>

#include "base/text.h"

namespace quillpad {

std::string GatherExpressionText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& raw : lines) {
    const std::string line = Trim(raw);
    // Markers are found on character boundaries only, never across a double-byte character.
    const std::size_t comment = std::min(FindText(line, "//"), FindText(line, "--"));
    text += ' ';
    if (comment != std::string::npos) {
      text.append(line, 0, comment);
    } else {
      text += line;
    }
    if (FindText(line, "///") != std::string::npos || FindText(line, "---") != std::string::npos) {
      break;
    }
  }
  return text;
}

std::string GroupDigits(const std::string& result) {
  const std::size_t begin = (!result.empty() && result[0] == '-') ? 1 : 0;
  std::size_t end = begin;
  while (end < result.size() && result[end] >= '0' && result[end] <= '9') ++end;
  const std::size_t count = end - begin;
  if (count <= 3) return result;
  std::string out(result, 0, begin);
  out.reserve(result.size() + count / 3);
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0 && (count - i) % 3 == 0) out += ',';
    out += result[begin + i];
  }
  out.append(result, end);
  return out;
}

SheetResult CalculateSheet(Evaluator& evaluator, const std::vector<std::string>& lines,
                           bool separateNumber) {
  SheetResult sheet;
  const std::string statements = GatherExpressionText(lines) + ";@";
  if (statements == ";@") return sheet;
  evaluator.Evaluate(statements);
  sheet.Evaluated = true;
  sheet.Message = evaluator.Message;
  sheet.OutputText = separateNumber ? GroupDigits(evaluator.ResultText) : evaluator.ResultText;
  return sheet;
}

}  // namespace quillpad
