#include "platform/sim/sim_file_system.h"

#include "base/path.h"
#include "support/sim_fixture.h"

namespace quillpad::testing {
namespace {

using platform::sim::MatchesMask;

class SimFileSystemTest : public SimTest {
 protected:
  platform::FileSystem& fs = desk.Files();
};

TEST_F(SimFileSystemTest, ADoubleByteNameEndingInBackslashByteIsOneName) {
  const std::string folder = "C:\\表示";
  ASSERT_EQ(std::string("表").substr(1), "\\");  // the trail byte really is 0x5C
  ASSERT_TRUE(fs.CreateFolder(folder));
  const std::string file = JoinPath(folder, "メモ.txt");
  ASSERT_TRUE(fs.WriteFileAtomic(file, "abc"));
  // One host folder named with the CP932 bytes, not a folder "\x95" holding "\x8e\xa6".
  EXPECT_TRUE(std::filesystem::is_directory(temp.Path() / std::string("表示")));
  const auto entries = fs.ListFolder(folder, "*.txt");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].Name, "メモ.txt");
  EXPECT_EQ(entries[0].Size, 3u);
  std::string bytes;
  ASSERT_TRUE(fs.ReadFile(file, bytes));
  EXPECT_EQ(bytes, "abc");
}

TEST_F(SimFileSystemTest, NamesIgnoreCaseAsOnWindows) {
  ASSERT_TRUE(fs.CreateFolder("C:\\Work"));
  ASSERT_TRUE(fs.WriteFileAtomic("C:\\Work\\MemoData.dat", "x"));
  EXPECT_TRUE(fs.FileExists("c:\\WORK\\memodata.DAT"));
  EXPECT_TRUE(fs.FolderExists("C:\\work\\"));
  EXPECT_FALSE(fs.FileExists("C:\\work"));
  ASSERT_TRUE(fs.WriteFileAtomic("C:\\WORK\\MEMODATA.DAT", "y"));  // replaces, no second file
  EXPECT_EQ(fs.ListFolder("C:\\Work", "*").size(), 1u);
}

TEST_F(SimFileSystemTest, PathsOutsideTheMappedDrivesFail) {
  std::string bytes;
  WriteHostFile(temp.Path().parent_path() / "outside.txt", "secret");
  EXPECT_FALSE(fs.ReadFile("C:\\..\\outside.txt", bytes));
  EXPECT_FALSE(fs.WriteFileAtomic("D:\\a.txt", "x"));
  EXPECT_FALSE(fs.WriteFileAtomic("C:relative.txt", "x"));
  EXPECT_FALSE(fs.WriteFileAtomic("C:\\a?.txt", "x"));
  EXPECT_FALSE(fs.WriteFileAtomic("C:\\missing\\a.txt", "x"));
  std::filesystem::remove(temp.Path().parent_path() / "outside.txt");
}

TEST_F(SimFileSystemTest, AFailedWriteLeavesTheOldFileWholeAndNoTemporary) {
  ASSERT_TRUE(fs.WriteFileAtomic("C:\\MemoData.dat", "old contents"));
  desk.SimFiles().SetWriteLimit(3);
  EXPECT_FALSE(fs.WriteFileAtomic("C:\\MemoData.dat", "new contents that do not fit"));
  std::string bytes;
  ASSERT_TRUE(fs.ReadFile("C:\\MemoData.dat", bytes));
  EXPECT_EQ(bytes, "old contents");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.Path()), {}), 1);
  EXPECT_FALSE(fs.AppendFile("C:\\Quillpad.log", "more than three"));
}

TEST_F(SimFileSystemTest, ReadsAreBoundedAndAppendsCreate) {
  ASSERT_TRUE(fs.AppendFile("C:\\log.txt", "a\r\n"));
  ASSERT_TRUE(fs.AppendFile("C:\\log.txt", "b\r\n"));
  std::string bytes;
  EXPECT_FALSE(fs.ReadFile("C:\\log.txt", bytes, 5));
  ASSERT_TRUE(fs.ReadFile("C:\\log.txt", bytes, 6));
  EXPECT_EQ(bytes, "a\r\nb\r\n");
}

TEST_F(SimFileSystemTest, CopyRenameDelete) {
  ASSERT_TRUE(fs.WriteFileAtomic("C:\\a.dat", "A"));
  ASSERT_TRUE(fs.WriteFileAtomic("C:\\b.dat", "B"));
  EXPECT_FALSE(fs.CopyFile("C:\\a.dat", "C:\\b.dat", true));
  EXPECT_TRUE(fs.CopyFile("C:\\a.dat", "C:\\b.dat", false));
  EXPECT_FALSE(fs.RenameFile("C:\\a.dat", "C:\\b.dat"));  // the target exists
  EXPECT_TRUE(fs.RenameFile("C:\\a.dat", "C:\\c.dat"));
  EXPECT_TRUE(fs.DeleteFile("C:\\c.dat"));
  EXPECT_FALSE(fs.DeleteFile("C:\\c.dat"));
  std::string bytes;
  ASSERT_TRUE(fs.ReadFile("C:\\b.dat", bytes));
  EXPECT_EQ(bytes, "A");
}

TEST(MaskTest, WildcardsMatchWholeCharactersIgnoringCase) {
  EXPECT_TRUE(MatchesMask("20261207.txt", "202612*.txt"));
  EXPECT_FALSE(MatchesMask("20261107.txt", "202612*.txt"));
  EXPECT_TRUE(MatchesMask("README", "*.*"));
  EXPECT_TRUE(MatchesMask("Memo.TXT", "*.txt"));
  EXPECT_FALSE(MatchesMask("Memo.txt.bak", "*.txt"));
  EXPECT_TRUE(MatchesMask("表.txt", "?.txt"));  // one double-byte character is one "?"
  EXPECT_FALSE(MatchesMask("表.txt", "??.txt"));
  EXPECT_TRUE(MatchesMask("a", "*"));
  EXPECT_FALSE(MatchesMask("ab", "a"));
}

TEST_F(SimFileSystemTest, ListingIsSortedWithFoldersMarked) {
  ASSERT_TRUE(fs.CreateFolder("C:\\sub"));
  ASSERT_TRUE(fs.WriteFileAtomic("C:\\b.txt", ""));
  ASSERT_TRUE(fs.WriteFileAtomic("C:\\A.txt", ""));
  const auto entries = fs.ListFolder("C:\\", "*");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].Name, "A.txt");
  EXPECT_EQ(entries[1].Name, "b.txt");
  EXPECT_EQ(entries[2].Name, "sub");
  EXPECT_TRUE(entries[2].IsFolder);
}

}  // namespace
}  // namespace quillpad::testing
