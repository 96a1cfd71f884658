// quillpad-tool: the command-line companion. `quillpad-tool`, `--help`, `-h` and `help` list the
// subcommands; `quillpad-tool COMMAND --help` explains one.
#include <string>
#include <vector>

#include "command.h"

namespace {

using namespace quillpad::tool;

std::string Usage() {
  std::string usage = "usage: quillpad-tool COMMAND [ARGS...]   (COMMAND --help for details)\n";
  for (const Command& command : Commands())
    usage += std::string("  quillpad-tool ") + command.Usage + "\n";
  return usage;
}

bool IsHelp(const std::string& arg) {
  return arg == "--help" || arg == "-h";
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || IsHelp(args[0]) || args[0] == "help") {
    WriteStdout(Usage());
    return 0;
  }
  for (const Command& command : Commands()) {
    if (args[0] != command.Name) continue;
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    for (const std::string& arg : rest) {
      if (!IsHelp(arg)) continue;
      WriteStdout(std::string("usage: quillpad-tool ") + command.Usage + "\n" +
                  (command.Details ? command.Details : ""));
      return 0;
    }
    return command.Run(rest);
  }
  WriteStderr("quillpad-tool: unknown command '" + args[0] + "'\n" + Usage());
  return 64;
}
