// Subcommands of quillpad-tool register themselves here, one file each.
#pragma once

#include <string>
#include <vector>

namespace quillpad::tool {

// Returns the process exit status. Arguments exclude the program and subcommand names.
using CommandFunction = int (*)(const std::vector<std::string>& args);

struct Command {
  const char* Name;
  const char* Usage;  // one line, shown by `quillpad-tool` without arguments
  CommandFunction Run;
  const char* Details = nullptr;  // more lines for `quillpad-tool NAME --help`
};

// Called from a static initialiser in each *_command.cpp.
bool RegisterCommand(const Command& command);
const std::vector<Command>& Commands();

// Binary-safe standard streams (no CR LF translation on Windows).
std::string ReadAllStdin();
void WriteStdout(const std::string& bytes);
void WriteStderr(const std::string& bytes);

}  // namespace quillpad::tool
