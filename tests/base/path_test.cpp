#include "base/path.h"

#include <gtest/gtest.h>

namespace quillpad {
namespace {

TEST(PathTest, ComposesAndSplitsPathsWithBackslashTrailBytes) {
  const std::string folder = "C:\\\x95\x5c\x8e\xa6";  // C:\表示
  const std::string path = JoinPath(folder, "Memo.txt");
  EXPECT_EQ(path, folder + "\\Memo.txt");
  EXPECT_EQ(ExtractFileDir(path), folder);
  EXPECT_EQ(ExtractFileName(path), "Memo.txt");
  EXPECT_EQ(ExtractFileName(folder), "\x95\x5c\x8e\xa6");
  EXPECT_EQ(ExtractFileDir(folder), "C:");
  EXPECT_FALSE(HasTrailingBackslash("C:\\\x95\x5c"));
  EXPECT_EQ(ExcludeTrailingBackslash("C:\\\x95\x5c"), "C:\\\x95\x5c");
}

TEST(PathTest, DriveRootAndExtensions) {
  EXPECT_EQ(ExtractFileDir("C:\\Quillpad.exe"), "C:");
  EXPECT_EQ(ExcludeTrailingBackslash("C:\\"), "C:");
  EXPECT_EQ(JoinPath(ExtractFileDir("C:\\Quillpad.exe"), "Quillpad.ini"), "C:\\Quillpad.ini");
  EXPECT_EQ(ExtractFileExt("C:\\a.b\\pic.BMP"), ".BMP");
  EXPECT_EQ(ExtractFileExt("C:\\a.b\\noext"), "");
}

}  // namespace
}  // namespace quillpad
