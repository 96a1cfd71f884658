// Archives the command writes, listed, tested and unpacked by lhasa, an extractor written
// independently from this code.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "archiver/archiver_files.h"
#include "archiver/unlha_command.h"

namespace quillpad::archiver {
namespace {

using namespace testing;

bool HaveLha() {
  return std::system("command -v lha >/dev/null 2>&1") == 0;
}

int Lha(const std::string& arguments) {
  return std::system(("lha " + arguments).c_str());
}

std::string Quote(const fs::path& p) {
  return "'" + p.string() + "'";
}

TEST(LhaOracle, ExtractsEveryMemberByteForByte) {
  if (!HaveLha()) GTEST_SKIP() << "lha (Debian package lhasa) is not installed";
  ScratchFolder scratch;
  const fs::path source = scratch.Path() / "source";
  const std::string block = RandomBytes(8192, 11);
  std::string repetitive;
  for (int i = 0; i < 16; ++i) repetitive += block;
  repetitive += std::string(300000, 'z');
  // Source names on Linux are UTF-8; the archive stores them as CP932.
  const fs::path japanese = source / fs::path(u8"メモ帳") / fs::path(u8"表示.txt");
  const std::string memo = MemoText(120000);
  WriteBytes(source / "empty.txt", "");
  WriteBytes(source / "random.bin", RandomBytes(1 << 20, 1));
  WriteBytes(source / "sub" / "repetitive.txt", repetitive);
  WriteBytes(japanese, memo);
  const fs::path archive = scratch.Path() / "all.lzh";
  const std::string line = "u \"" + archive.string() + "\" \"" + source.string() + "/\" -d1";
  ASSERT_EQ(RunUnlhaCommand(line, nullptr, 0), kUnlhaOk);

  EXPECT_EQ(Lha("tq " + Quote(archive)), 0);
  EXPECT_EQ(Lha("l " + Quote(archive) + " >" + Quote(scratch.Path() / "list.txt")), 0);
  const std::string list = ReadBytes(scratch.Path() / "list.txt");
  EXPECT_NE(list.find(" 4 files"), std::string::npos) << list;
  const fs::path out = scratch.Path() / "out";
  fs::create_directories(out);
  ASSERT_EQ(std::system(("cd " + Quote(out) + " && lha xqf " + Quote(archive)).c_str()), 0);
  EXPECT_EQ(ReadBytes(out / "empty.txt"), "");
  EXPECT_TRUE(fs::is_regular_file(out / "empty.txt"));
  EXPECT_EQ(ReadBytes(out / "random.bin"), RandomBytes(1 << 20, 1));
  EXPECT_EQ(ReadBytes(out / "sub" / "repetitive.txt"), repetitive);
  // lhasa writes the stored bytes as they are: the CP932 name, with 0x5C inside "表".
  const std::string storedFolder = "\x83\x81\x83\x82\x92\xa0";
  const std::string storedName = "\x95\x5c\x8e\xa6.txt";
  EXPECT_EQ(ReadBytes(out / storedFolder / storedName), memo);
  EXPECT_LT(fs::file_size(archive), (1u << 20) + repetitive.size() / 50 + memo.size() / 3);
}

}  // namespace
}  // namespace quillpad::archiver
