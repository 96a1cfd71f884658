// The archiver library as the program reaches it: Win32System::CallArchiver loads Unlha32.dll
// from beside the program, hands it the command line the memo window builds, and the archive
// appears. tests/wine/archiver_check.sh then lists and unpacks it with an independent extractor.
//   win32_archiver_check.exe FOLDER   (a Windows path; the archive is FOLDER\notes.lzh)
// clang-format off
#include "platform/win32/win32_system.h"  // <windows.h> first, with its macros tamed
#include <shellapi.h>
#include "e2e_support.h"
// clang-format on


using namespace quillpad::e2e;

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 2) {
    std::printf("usage: win32_archiver_check FOLDER\n");
    return 2;
  }
  const std::wstring folder = argv[1];
  namespace qp = quillpad::platform;
  qp::win32::Win32System system;
  // A name whose CP932 bytes hold 0x5C ("表"), and a folder with two files in it.
  const std::wstring source = folder + L"\\in";
  CreateDirectoryW(source.c_str(), nullptr);
  CreateDirectoryW((source + L"\\sub").c_str(), nullptr);
  std::string memo;
  for (int i = 0; i < 2000; ++i) memo += "メモ " + std::to_string(i * 7) + " 表計算\r\n";
  Check(WriteFileBytes(source + L"\\メモ表.txt", memo), "the Japanese-named file is written");
  Check(WriteFileBytes(source + L"\\sub\\a.txt", "abc\r\n"), "the folder's file is written");
  const std::string archive = ToCp932(folder + L"\\notes.lzh");
  const std::string base = ToCp932(source) + "\\";
  Check(system.CallArchiver("u \"" + archive + "\" \"" + base + "\" \"" + ToCp932(L"メモ表.txt") +
                            "\" -d1") == qp::LibraryCall::Called,
        "the archiver library is loaded and called for a file");
  Check(system.CallArchiver("u \"" + archive + "\" \"" + base + "sub\\\"  -d1") ==
            qp::LibraryCall::Called,
        "the archiver library is called for a folder");
  Check(GetFileAttributesW((folder + L"\\notes.lzh").c_str()) != INVALID_FILE_ATTRIBUTES,
        "the archive exists");
  std::printf("%s\n", failures ? "win32_archiver_check: FAILED" : "win32_archiver_check: passed");
  return failures ? 1 : 0;
}
