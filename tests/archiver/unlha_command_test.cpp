#include "archiver/unlha_command.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "archiver/archiver_files.h"
#include "archiver/lh5_encoder.h"
#include "archiver/lzh_archive.h"

namespace quillpad::archiver {
namespace {

using namespace testing;

// The folder as the program writes it: Windows separators, ending in '\'.
std::string Backslashed(const fs::path& folder) {
  std::string s = folder.string() + "/";
  for (char& c : s) c = c == '/' ? '\\' : c;
  return s;
}

int Update(const fs::path& archive, const fs::path& folder, const std::string& name = "") {
  std::string line = "u \"" + archive.string() + "\" \"" + Backslashed(folder) + "\"";
  if (!name.empty()) line += " \"" + name + "\"";
  char output[10];
  return RunUnlhaCommand(line + " -d1", output, sizeof output);
}

std::vector<LzhMember> Members(const fs::path& archive) {
  std::optional<std::vector<LzhMember>> members = ParseLzhArchive(ReadBytes(archive));
  EXPECT_TRUE(members.has_value());
  return members.value_or(std::vector<LzhMember>{});
}

std::string Unpacked(const LzhMember& m) {
  if (m.Method == "-lh0-") return std::string(m.Packed());
  std::string out;
  EXPECT_TRUE(DecodeLh5(m.Packed(), m.OriginalSize, out));
  return out;
}

TEST(UnlhaCommand, AddsOneNamedFile) {
  ScratchFolder scratch;
  WriteBytes(scratch.Path() / "src" / "memo.txt", MemoText(5000));
  WriteBytes(scratch.Path() / "src" / "other.txt", "not asked for");
  const fs::path archive = scratch.Path() / "a.lzh";
  ASSERT_EQ(Update(archive, scratch.Path() / "src", "memo.txt"), kUnlhaOk);
  const std::vector<LzhMember> members = Members(archive);
  ASSERT_EQ(members.size(), 1u);
  EXPECT_EQ(members[0].Name, "memo.txt");
  EXPECT_EQ(members[0].Method, "-lh5-");
  EXPECT_EQ(Unpacked(members[0]), MemoText(5000));
}

TEST(UnlhaCommand, AddsAFolderWithItsSubFolders) {
  ScratchFolder scratch;
  const fs::path src = scratch.Path() / "src";
  WriteBytes(src / "a.txt", "aaa");
  WriteBytes(src / "deep" / "er" / "b.txt", "bbb");
  const fs::path archive = scratch.Path() / "a.lzh";
  ASSERT_EQ(Update(archive, src), kUnlhaOk);
  const std::vector<LzhMember> members = Members(archive);
  ASSERT_EQ(members.size(), 2u);
  EXPECT_EQ(members[0].Name, "a.txt");
  EXPECT_EQ(members[1].Name, "deep\\er\\b.txt");
  EXPECT_EQ(Unpacked(members[1]), "bbb");
}

TEST(UnlhaCommand, ReplacesOnlyNewerFilesAndKeepsTheOthers) {
  ScratchFolder scratch;
  const fs::path src = scratch.Path() / "src";
  WriteBytes(src / "keep.txt", MemoText(3000));
  WriteBytes(src / "old.txt", "first");
  WriteBytes(src / "new.txt", "first");
  const fs::path archive = scratch.Path() / "a.lzh";
  ASSERT_EQ(Update(archive, src), kUnlhaOk);
  const std::vector<LzhMember> before = Members(archive);
  ASSERT_EQ(before.size(), 3u);

  const auto stamp = fs::last_write_time(src / "old.txt");
  WriteBytes(src / "old.txt", "second, but dated earlier");
  fs::last_write_time(src / "old.txt", stamp - std::chrono::seconds(60));
  WriteBytes(src / "new.txt", "second");
  fs::last_write_time(src / "new.txt", stamp + std::chrono::seconds(60));
  WriteBytes(src / "added.txt", "third");
  ASSERT_EQ(Update(archive, src), kUnlhaOk);

  const std::vector<LzhMember> after = Members(archive);
  ASSERT_EQ(after.size(), 4u);
  EXPECT_EQ(after[0].Raw, before[0].Raw);  // keep.txt
  EXPECT_EQ(after[1].Name, "new.txt");
  EXPECT_EQ(Unpacked(after[1]), "second");
  EXPECT_EQ(after[2].Raw, before[2].Raw);  // old.txt: the file is older than its member
  EXPECT_EQ(after[3].Name, "added.txt");
}

TEST(UnlhaCommand, KeepsLevel0And1MembersByteForByte) {
  ScratchFolder scratch;
  const std::string old = ReadBytes(fs::path(QP_ARCHIVER_SEEDS) / "levels01.lzh");
  ASSERT_GT(old.size(), 1u);
  const fs::path archive = scratch.Path() / "a.lzh";
  WriteBytes(archive, old);
  WriteBytes(scratch.Path() / "src" / "c.txt", "new");
  ASSERT_EQ(Update(archive, scratch.Path() / "src"), kUnlhaOk);
  const std::vector<LzhMember> members = Members(archive);
  ASSERT_EQ(members.size(), 3u);
  EXPECT_EQ(members[0].Name, "old\\a.txt");
  EXPECT_EQ(members[1].Name, "dir\\b.txt");
  EXPECT_EQ(ReadBytes(archive).substr(0, old.size() - 1), old.substr(0, old.size() - 1));
}

TEST(UnlhaCommand, LeavesADamagedArchiveAlone) {
  ScratchFolder scratch;
  const fs::path src = scratch.Path() / "src";
  WriteBytes(src / "memo.txt", MemoText(20000));
  const fs::path archive = scratch.Path() / "a.lzh";
  ASSERT_EQ(Update(archive, src), kUnlhaOk);
  const std::string good = ReadBytes(archive);
  WriteBytes(src / "more.txt", "more");

  std::string flipped = good;
  flipped[flipped.size() / 2] ^= 0x10;  // inside the packed bytes: the CRC no longer holds
  std::string cut = good.substr(0, good.size() - 1);  // the closing zero is gone
  std::string header = good;
  header[15] ^= 1;  // the time: only the header CRC tells
  for (const std::string& damaged : {flipped, cut, header}) {
    WriteBytes(archive, damaged);
    EXPECT_EQ(Update(archive, src), kUnlhaArchiveDamaged);
    EXPECT_EQ(ReadBytes(archive), damaged);
  }
  // No temporary file is left behind either.
  EXPECT_EQ(std::distance(fs::directory_iterator(scratch.Path()), fs::directory_iterator()), 2);
}

TEST(UnlhaCommand, ReportsBadCallsInAShortMessage) {
  ScratchFolder scratch;
  const fs::path archive = scratch.Path() / "a.lzh";
  EXPECT_EQ(Update(archive, scratch.Path() / "missing"), kUnlhaSourceMissing);
  EXPECT_EQ(Update(archive, scratch.Path(), "missing.txt"), kUnlhaSourceMissing);
  EXPECT_EQ(Update(archive, scratch.Path(), "..\\up.txt"), kUnlhaBadCommandLine);
  EXPECT_FALSE(fs::exists(archive));
  char small[4];
  std::memset(small, 'x', sizeof small);
  EXPECT_EQ(RunUnlhaCommand("u \"unclosed", small, sizeof small), kUnlhaBadCommandLine);
  EXPECT_EQ(small[3], '\0');
  EXPECT_GT(std::strlen(small), 0u);
  EXPECT_EQ(RunUnlhaCommand("x \"a.lzh\" \"b\\\"", nullptr, 0), kUnlhaBadCommandLine);
  // No room for the archive next to its missing folder: a write failure, not a crash.
  WriteBytes(scratch.Path() / "src" / "a.txt", "a");
  EXPECT_EQ(Update(scratch.Path() / "no" / "a.lzh", scratch.Path() / "src"), kUnlhaWriteFailed);
}

}  // namespace
}  // namespace quillpad::archiver
