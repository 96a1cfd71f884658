// quillpad-tool: the command-line companion. `quillpad-tool` alone lists the subcommands.
#include <string>
#include <vector>

#include "command.h"

int main(int argc, char** argv) {
  using namespace quillpad::tool;
  if (argc >= 2) {
    const std::string name = argv[1];
    for (const Command& command : Commands()) {
      if (name == command.Name) return command.Run(std::vector<std::string>(argv + 2, argv + argc));
    }
    WriteStderr("quillpad-tool: unknown command '" + name + "'\n");
  }
  std::string usage = "usage:\n";
  for (const Command& command : Commands()) usage += std::string("  quillpad-tool ") + command.Usage + "\n";
  WriteStderr(usage);
  return 64;
}
