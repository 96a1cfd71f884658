#include "platform/profile.h"

#include "support/sim_fixture.h"

namespace quillpad::testing {
namespace {

class ProfileTest : public SimTest {
 protected:
  void SetFile(const std::string& bytes) { WriteHostFile(host, bytes); }
  std::string File() { return ReadHostFile(host); }
  std::filesystem::path host = temp.Path() / "Quillpad.ini";
  platform::Profile ini{desk.Files(), "C:\\Quillpad.ini"};
};

TEST_F(ProfileTest, MissingFileGivesDefaultsAndFirstWriteCreatesIt) {
  EXPECT_EQ(ini.ReadString("FORM", "asWorkDir", "def"), "def");
  EXPECT_EQ(ini.ReadInteger("FORM", "iDragDrop", 3), 3);
  EXPECT_TRUE(ini.ReadBool("FORM", "bShowMemo", true));
  EXPECT_FALSE(ini.SectionExists("FORM"));
  EXPECT_FALSE(std::filesystem::exists(host));  // reading never creates the file

  ASSERT_TRUE(ini.WriteInteger("FORM", "iDragDrop", 2));
  ASSERT_TRUE(ini.WriteBool("FORM", "bShowMemo", false));
  EXPECT_EQ(File(), "[FORM]\r\niDragDrop=2\r\nbShowMemo=0\r\n");
  EXPECT_EQ(ini.ReadInteger("FORM", "iDragDrop", 3), 2);
  EXPECT_FALSE(ini.ReadBool("FORM", "bShowMemo", true));
}

TEST_F(ProfileTest, LookupIgnoresCaseAndBlanksAroundTheEqualsSign) {
  SetFile("[Form]\r\n  IDRAGDROP   =   1  \r\nasName=\"  quoted  \"\r\n[other]\r\niDragDrop=9\r\n");
  EXPECT_EQ(ini.ReadInteger("FORM", "iDragDrop", 0), 1);
  EXPECT_EQ(ini.ReadString("form", "ASNAME", ""), "  quoted  ");
  EXPECT_EQ(ini.ReadInteger("OTHER", "idragdrop", 0), 9);
  EXPECT_EQ(ini.ReadString("FORM", "missing", "x"), "x");
}

TEST_F(ProfileTest, AReaderAnswersAsTheProfileFromOneReading) {
  SetFile("[Form]\r\n IDRAGDROP = 1 \r\nbShow=0\r\nasName=\"  q  \"\r\n[other]\r\nn=x\r\n");
  const int reads = desk.SimFiles().ReadCount();
  const platform::ProfileReader reader(ini);
  SetFile("[FORM]\r\niDragDrop=2\r\n");  // what it read stands
  EXPECT_EQ(reader.ReadInteger("FORM", "iDragDrop", 0), 1);
  EXPECT_FALSE(reader.ReadBool("FORM", "bShow", true));
  EXPECT_EQ(reader.ReadString("form", "ASNAME", ""), "  q  ");
  EXPECT_EQ(reader.ReadInteger("OTHER", "n", 7), 7);
  EXPECT_EQ(reader.ReadString("FORM", "missing", "x"), "x");
  EXPECT_EQ(desk.SimFiles().ReadCount(), reads + 1);
}

TEST_F(ProfileTest, DuplicateSectionsAndKeysReadTheFirstAndWritesGoThere) {
  SetFile("[FORM]\r\na=1\r\na=2\r\n[FORM]\r\na=3\r\nb=4\r\n");
  EXPECT_EQ(ini.ReadString("FORM", "a", ""), "1");
  EXPECT_EQ(ini.ReadString("FORM", "b", "none"), "none");  // only in the second copy
  ASSERT_TRUE(ini.WriteString("FORM", "A", "5"));
  EXPECT_EQ(File(), "[FORM]\r\nA=5\r\na=2\r\n[FORM]\r\na=3\r\nb=4\r\n");
}

TEST_F(ProfileTest, WritingKeepsEveryOtherByteOfTheFile) {
  const std::string before = "; comment\n[FORM]\niLeft = 95\n\n[Calendar]\r\nx=1\r\n\r\n";
  SetFile(before);
  ASSERT_TRUE(ini.WriteString("FORM", "asNew", "v"));
  // The new key goes after the section's last key, before its blank lines.
  EXPECT_EQ(File(), "; comment\n[FORM]\niLeft = 95\nasNew=v\r\n\n[Calendar]\r\nx=1\r\n\r\n");
  ASSERT_TRUE(ini.WriteString("Calendar", "x", "2"));
  EXPECT_EQ(File(), "; comment\n[FORM]\niLeft = 95\nasNew=v\r\n\n[Calendar]\r\nx=2\r\n\r\n");
}

TEST_F(ProfileTest, MissingFinalLineEndIsMendedBeforeAppending) {
  SetFile("[FORM]\r\na=1");
  EXPECT_EQ(ini.ReadString("FORM", "a", ""), "1");
  ASSERT_TRUE(ini.WriteString("FORM", "b", "2"));
  EXPECT_EQ(File(), "[FORM]\r\na=1\r\nb=2\r\n");
  ASSERT_TRUE(ini.WriteString("New", "c", "3"));
  EXPECT_EQ(File(), "[FORM]\r\na=1\r\nb=2\r\n[New]\r\nc=3\r\n");
}

TEST_F(ProfileTest, IntegersAndBooleansFallBackOnText) {
  SetFile("[FORM]\r\ni1= 12 \r\ni2=12abc\r\ni3=99999999999\r\ni4=-7\r\nb1=2\r\nb2=yes\r\nb3=0\r\n");
  EXPECT_EQ(ini.ReadInteger("FORM", "i1", 0), 12);
  EXPECT_EQ(ini.ReadInteger("FORM", "i2", 5), 5);
  EXPECT_EQ(ini.ReadInteger("FORM", "i3", 5), 5);
  EXPECT_EQ(ini.ReadInteger("FORM", "i4", 0), -7);
  EXPECT_TRUE(ini.ReadBool("FORM", "b1", false));
  EXPECT_TRUE(ini.ReadBool("FORM", "b2", true));
  EXPECT_FALSE(ini.ReadBool("FORM", "b2", false));
  EXPECT_FALSE(ini.ReadBool("FORM", "b3", true));
}

TEST_F(ProfileTest, Cp932TextStaysAsBytes) {
  // "表" ends in 0x5C and "ソ" in 0x5C as well: neither may look like a backslash or split.
  ASSERT_TRUE(ini.WriteString("FORM", "asMemoFile1", "表示ソフト"));
  ASSERT_TRUE(ini.WriteString("FORM", "asWorkDir", "C:\\表示"));
  EXPECT_EQ(ini.ReadString("FORM", "asMemoFile1", ""), "表示ソフト");
  EXPECT_EQ(ini.ReadString("FORM", "asWorkDir", ""), "C:\\表示");
  EXPECT_EQ(File(),
            std::string("[FORM]\r\nasMemoFile1=") + "表示ソフト" + "\r\nasWorkDir=C:\\表示\r\n");
}

TEST_F(ProfileTest, GarbageReadsAsDefaultsWithoutHarm) {
  using namespace std::string_literals;
  std::string garbage = "\x81[FORM\r\n\x00\x01=\xff\r\n[FORM]\r\n=novalue\r\n\x9f\r\n"s;
  garbage += std::string(100000, 'x') + "=long\r\n[\r\nkey\r\nk=v";
  SetFile(garbage);
  EXPECT_EQ(ini.ReadString("FORM", "", "d"), "d");
  EXPECT_EQ(ini.ReadString("FORM", "key", "d"), "d");  // no "=": not a key
  EXPECT_EQ(ini.ReadString("FORM", "k", "d"), "d");    // belongs to the section "" after "["
  EXPECT_EQ(ini.ReadString("", "k", "d"), "v");
  EXPECT_EQ(ini.ReadString("FORM", std::string(100000, 'x'), "d"), "long");
}

TEST_F(ProfileTest, FailedWriteLeavesTheOldFileWhole) {
  const std::string before = "[FORM]\r\na=1\r\n";
  SetFile(before);
  desk.SimFiles().SetWriteLimit(5);
  EXPECT_FALSE(ini.WriteString("FORM", "a", "2"));
  EXPECT_EQ(File(), before);
  desk.SimFiles().SetWriteLimit(std::nullopt);
  EXPECT_TRUE(ini.WriteString("FORM", "a", "2"));
  EXPECT_EQ(ini.ReadString("FORM", "a", ""), "2");
}

TEST_F(ProfileTest, AFileThatCannotBeReadIsNeverOverwritten) {
  // Bigger than any settings file: treated as unreadable.
  const std::string huge = "[FORM]\r\na=1\r\n" + std::string(17u << 20, ';');
  SetFile(huge);
  EXPECT_EQ(ini.ReadString("FORM", "a", "d"), "d");
  EXPECT_EQ(platform::ProfileReader(ini).ReadInteger("FORM", "a", 5), 5);
  EXPECT_FALSE(ini.WriteString("FORM", "a", "2"));
  EXPECT_EQ(std::filesystem::file_size(host), huge.size());
}

TEST_F(ProfileTest, ValuesWithLineEndsAndBadNamesCannotBreakTheFile) {
  ASSERT_TRUE(ini.WriteString("FORM", "a", "first\r\n[evil]\r\nx=1"));
  EXPECT_EQ(ini.ReadString("FORM", "a", ""), "first");
  EXPECT_FALSE(ini.SectionExists("evil"));
  EXPECT_FALSE(ini.WriteString("FORM", "k=v", "1"));
  EXPECT_FALSE(ini.WriteString("a]b", "k", "1"));
  EXPECT_FALSE(ini.WriteString("FORM", "", "1"));
}

TEST_F(ProfileTest, EraseSectionRemovesEveryCopyAndKeepsTheRest) {
  SetFile("[A]\r\nx=1\r\n[B]\r\ny=2\r\n[a]\r\nz=3\r\n");
  EXPECT_TRUE(ini.SectionExists("b"));
  ASSERT_TRUE(ini.EraseSection("A"));
  EXPECT_FALSE(ini.SectionExists("A"));
  EXPECT_EQ(File(), "[B]\r\ny=2\r\n");
  EXPECT_TRUE(ini.EraseSection("missing"));
}

}  // namespace
}  // namespace quillpad::testing
