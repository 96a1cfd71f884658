// Unlha32.dll: the entry point the program calls with its command line.
#include <windows.h>

#include "archiver/unlha_command.h"

extern "C" int WINAPI Unlha(HWND, LPCSTR commandLine, LPSTR output, DWORD outputSize) {
  if (commandLine == nullptr) {
    return quillpad::archiver::RunUnlhaCommand({}, output, outputSize);
  }
  return quillpad::archiver::RunUnlhaCommand(commandLine, output, outputSize);
}
