#include "app/settings.h"

#include <gtest/gtest.h>

#include "support/sim_fixture.h"

namespace quillpad {
namespace {

class SettingsTest : public testing::SimTest {
 protected:
  platform::Profile Ini() { return platform::Profile(desk.Files(), "C:\\Quillpad.ini"); }
  void WriteIni(const std::string& text) { testing::WriteHostFile(temp.Path() / "Quillpad.ini", text); }
  std::string ReadIni() { return testing::ReadHostFile(temp.Path() / "Quillpad.ini"); }
};

TEST_F(SettingsTest, MissingFileGivesEveryDefault) {
  platform::Profile ini = Ini();
  const Settings s = LoadSettings(ini);
  EXPECT_EQ(s.iLeftPanelWidth, 95);
  EXPECT_EQ(s.iTaskTrayClick, 2);
  EXPECT_EQ(s.iTaskTrayDblClick, 4);
  EXPECT_EQ(s.iAfterSizeChange, 3);
  EXPECT_TRUE(s.bSeparateNumber);
  EXPECT_TRUE(s.bBgNormal);
  EXPECT_FALSE(s.bBgGradation);
  EXPECT_EQ(s.asMemoFile1, "カテゴリ１");
  EXPECT_EQ(s.asDefaultColor, 0x008000);
  EXPECT_EQ(s.asLogFile, "Quillpad.log");
  EXPECT_FALSE(desk.Files().FileExists("C:\\Quillpad.ini"));  // reading writes nothing
}

TEST_F(SettingsTest, FirstSaveWritesEveryKeyInItsOrder) {
  platform::Profile ini = Ini();
  Settings s = LoadSettings(ini);
  s.asWorkDir = "C:";
  SaveSettings(ini, s);
  EXPECT_EQ(ReadIni(),
            "[FORM]\r\n"
            "iTaskTrayClick=2\r\niTaskTrayDblClick=4\r\niTaskTrayRDblClick=0\r\niMemoDblClick=0\r\n"
            "iAfterSizeChange=3\r\niDragDrop=0\r\niLeftPanelWidth=95\r\niOutputMemoHeight=20\r\n"
            "iCurMemoFile=0\r\niDefaultHeight=25\r\niDefaultWidth=100\r\n"
            "bDefaultSize=0\r\nbShowMemoAsHint=1\r\nbSkipCheckFileSave=0\r\nbSkipCheckDelete=0\r\n"
            "bSaveMemoAtEdit=0\r\nbSeparateNumber=1\r\nbSendURLonDblClk=1\r\nbShowCalendar=0\r\n"
            "bShowClipboardViewer=0\r\nbReadOnly=0\r\nbUseStartMemo=0\r\nbShowMemo=1\r\n"
            "bShowBorder=1\r\nbBgNormal=1\r\nbBgErase=0\r\nbBgGradation=0\r\nbBgMarquee=0\r\n"
            "bShowBasicToolBar=1\r\nbShowEditorToolBar=1\r\nbMainFormStayOnTop=0\r\nbButtonFlat=0\r\n"
            "asDefaultColor=clGreen\r\nasMemoFile0=カテゴリ０\r\nasMemoFile1=カテゴリ１\r\n"
            "asMemoFile2=カテゴリ２\r\nasWorkDir=C:\r\nasViewer=\r\nasLZHDir=\r\nasTextDir=\r\n"
            "asBitmapDir=\r\nasLogFile=Quillpad.log\r\n");
}

TEST_F(SettingsTest, RoundTripKeepsEveryValueButTheJpegFolder) {
  platform::Profile ini = Ini();
  Settings s;
  s.iLeftPanelWidth = 0;
  s.iTaskTrayClick = 9;
  s.iMemoDblClick = 6;
  s.iCurMemoFile = 2;
  s.bReadOnly = true;
  s.bBgNormal = false;
  s.bBgMarquee = true;
  s.asMemoFile1 = "仕事 表示";
  s.asViewer = "C:\\\x95\x5c\\view.exe";
  s.asJPEGDir = "C:\\jpeg";
  s.asDefaultColor = 0x123456;
  SaveSettings(ini, s);
  const Settings back = LoadSettings(ini);
  EXPECT_EQ(back.iLeftPanelWidth, 0);
  EXPECT_EQ(back.iTaskTrayClick, 9);
  EXPECT_EQ(back.iMemoDblClick, 6);
  EXPECT_EQ(back.iCurMemoFile, 2);
  EXPECT_TRUE(back.bReadOnly);
  EXPECT_FALSE(back.bBgNormal);
  EXPECT_TRUE(back.bBgMarquee);
  EXPECT_EQ(back.asMemoFile1, "仕事 表示");
  EXPECT_EQ(back.asViewer, s.asViewer);
  EXPECT_EQ(back.asDefaultColor, 0x123456);
  EXPECT_EQ(back.asJPEGDir, "");  // only the options dialog writes it
  EXPECT_NE(ReadIni().find("asDefaultColor=$00123456\r\n"), std::string::npos);
}

TEST_F(SettingsTest, HandEditedBackgroundKeysKeepOnlyTheLastMark) {
  WriteIni("[FORM]\r\nbBgNormal=1\r\nbBgGradation=1\r\n");
  platform::Profile ini = Ini();
  Settings s = LoadSettings(ini);
  EXPECT_FALSE(s.bBgNormal);
  EXPECT_TRUE(s.bBgGradation);
  WriteIni("[FORM]\r\nbBgNormal=0\r\n");
  s = LoadSettings(ini);
  EXPECT_FALSE(s.bBgNormal || s.bBgErase || s.bBgGradation || s.bBgMarquee);
}

TEST_F(SettingsTest, OutOfRangeAndMalformedNumbersFallBack) {
  WriteIni(
      "[form]\r\niTaskTrayClick=10\r\niTaskTrayDblClick=-1\r\niMemoDblClick=7\r\niDragDrop=3\r\n"
      "iCurMemoFile=3\r\niAfterSizeChange=x\r\niDefaultWidth=250\r\nbReadOnly=5\r\n"
      "asDefaultColor=clRed\r\n");
  platform::Profile ini = Ini();
  const Settings s = LoadSettings(ini);
  EXPECT_EQ(s.iTaskTrayClick, 2);
  EXPECT_EQ(s.iTaskTrayDblClick, 4);
  EXPECT_EQ(s.iMemoDblClick, 0);
  EXPECT_EQ(s.iDragDrop, 3);
  EXPECT_EQ(s.iCurMemoFile, 0);
  EXPECT_EQ(s.iAfterSizeChange, 3);
  EXPECT_EQ(s.iDefaultWidth, 250);
  EXPECT_TRUE(s.bReadOnly);  // any non-zero integer is true
  EXPECT_EQ(s.asDefaultColor, 0x0000FF);
}

}  // namespace
}  // namespace quillpad
