// quillpad-tool calc: a sheet on stdin (UTF-8, one editor line per line), printed as the
// results pane (first line) and the evaluator's message (second line) would show it.
#include <string>
#include <vector>

#include "base/app_error.h"
#include "base/encoding.h"
#include "base/text.h"
#include "calc/evaluator.h"
#include "calc/line_calculation.h"
#include "command.h"

namespace quillpad::tool {
namespace {

int RunCalc(const std::vector<std::string>& args) {
  bool separateNumber = true;
  for (const std::string& arg : args) {
    if (arg == "--no-group") {
      separateNumber = false;
    } else {
      WriteStderr("usage: quillpad-tool calc [--no-group] < sheet.txt\n");
      return 64;
    }
  }
  std::string input = ReadAllStdin();
  if (input.compare(0, 3, "\xEF\xBB\xBF") == 0) input.erase(0, 3);
  const std::vector<std::string> lines = SplitLines(Utf8ToCp932(input));

  Evaluator evaluator;
  SheetResult sheet;
  try {
    sheet = CalculateSheet(evaluator, lines, separateNumber);
  } catch (const AppError& error) {
    WriteStderr(Cp932ToUtf8(error.what()) + "\n");
    return 2;
  }
  WriteStdout(Cp932ToUtf8(sheet.OutputText) + "\n" + Cp932ToUtf8(sheet.Message) + "\n");
  // A message means the last statement has no value: an error, or unfinished.
  return sheet.Message.empty() ? 0 : 1;
}

[[maybe_unused]] bool registered = RegisterCommand(
    {"calc", "calc [--no-group] < sheet.txt", &RunCalc,
     "  Prints the results pane (first line) and the message (second line).\n"
     "  --no-group leaves out the digit-group commas. Exit status: 0 when the last\n"
     "  statement has a value, 1 when it is an error or unfinished, 2 when the\n"
     "  evaluation stopped on a floating-point fault.\n"});

}  // namespace
}  // namespace quillpad::tool
