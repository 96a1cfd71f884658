// The editor as a calculation sheet: its lines joined into one statement text, comments cut,
// evaluated on every change. Window-free, so the editor and quillpad-tool share it.
#pragma once

#include <string>
#include <vector>

#include "calc/evaluator.h"

namespace quillpad {

// Each line trimmed and cut before its first "//" or "--", appended after a space; a line holding
// "///" or "---" is the last one that counts.
std::string GatherExpressionText(const std::vector<std::string>& lines);

// Commas between groups of three integer digits: "-1234567.5" -> "-1,234,567.5". Texts in
// scientific notation, "INF" and "NAN" keep their form.
std::string GroupDigits(const std::string& result);

struct SheetResult {
  // False for an editor without lines: the results pane is cleared and nothing else changes.
  bool Evaluated = false;
  std::string OutputText;  // text for the results pane
  std::string Message;     // the evaluator's message
};

// What a change of the editor text does. The evaluator's errors (AppError) pass through; the
// caller then leaves the results pane and the status bar as they were.
SheetResult CalculateSheet(Evaluator& evaluator, const std::vector<std::string>& lines,
                           bool separateNumber);

}  // namespace quillpad
