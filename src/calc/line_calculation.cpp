#include "calc/line_calculation.h"

#include <algorithm>

#include "base/text.h"

namespace quillpad {

namespace {

// Byte index of the marker on a character boundary, or npos. No boundary-aligned occurrence can
// come before the first occurrence of the bytes, so the character-wise scan starts there.
std::size_t FindMarker(const std::string& line, std::string_view marker) {
  const std::size_t bytes = line.find(marker);
  if (bytes == std::string::npos) return std::string::npos;
  return FindText(line, marker, bytes);
}

}  // namespace

std::string GatherExpressionText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& raw : lines) {
    const std::string line = Trim(raw);
    // Markers are found on character boundaries only, never across a double-byte character.
    const std::size_t slashes = FindMarker(line, "//");
    const std::size_t dashes = FindMarker(line, "--");
    const std::size_t comment = std::min(slashes, dashes);
    text += ' ';
    if (comment != std::string::npos) {
      text.append(line, 0, comment);
    } else {
      text += line;
    }
    // "///" holds "//" and "---" holds "--".
    if ((slashes != std::string::npos && FindText(line, "///", slashes) != std::string::npos) ||
        (dashes != std::string::npos && FindText(line, "---", dashes) != std::string::npos)) {
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
