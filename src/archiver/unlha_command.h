// The archiver's one command, as the program sends it to Unlha32.dll (see README.md).
#pragma once

#include <string_view>

namespace quillpad::archiver {

enum UnlhaStatus : int {
  kUnlhaOk = 0,
  kUnlhaBadCommandLine = 1,
  kUnlhaSourceMissing = 2,
  kUnlhaArchiveDamaged = 3,  // also: cannot be read; it is left as it is
  kUnlhaWriteFailed = 4,
};

// Runs `u "<archive>" "<folder\>" ["<name>"] [-d1]` (CP932) and returns an UnlhaStatus. A short
// message goes to output, cut to outputSize and NUL-terminated (output may be null, size 0).
int RunUnlhaCommand(std::string_view commandLine, char* output, unsigned long outputSize);

}  // namespace quillpad::archiver
