// The archiver library as the program reaches it: Win32System::CallArchiver loads Unlha32.dll
// from beside the program, hands it the command line the memo window builds, and the archive
// appears. tests/wine/archiver_check.sh then lists and unpacks it with an independent extractor.
//   win32_archiver_check.exe FOLDER   (a Windows path; the archive is FOLDER\notes.lzh)
// clang-format off
#include "platform/win32/win32_system.h"  // <windows.h> first, with its macros tamed
#include <shellapi.h>
// clang-format on

#include <cstdio>
#include <string>

namespace {

int failures = 0;
void Check(bool ok, const char* what) {
  std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
  if (!ok) ++failures;
}

std::string Cp932(const std::wstring& w) {
  const int n = WideCharToMultiByte(932, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n > 0 ? n - 1 : 0), '\0');
  WideCharToMultiByte(932, 0, w.c_str(), -1, out.data(), n, nullptr, nullptr);
  return out;
}

bool WriteBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD put = 0;
  const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr);
  CloseHandle(file);
  return ok && put == bytes.size();
}

}  // namespace

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
  Check(WriteBytes(source + L"\\メモ表.txt", memo), "the Japanese-named file is written");
  Check(WriteBytes(source + L"\\sub\\a.txt", "abc\r\n"), "the folder's file is written");
  const std::string archive = Cp932(folder + L"\\notes.lzh");
  const std::string base = Cp932(source) + "\\";
  Check(system.CallArchiver("u \"" + archive + "\" \"" + base + "\" \"" + Cp932(L"メモ表.txt") +
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
