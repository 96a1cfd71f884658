#include "app/settings.h"

namespace quillpad {

namespace {

int ReadRange(const platform::ProfileReader& ini, const char* key, int fallback, int low,
              int high) {
  const int value = ini.ReadInteger(kFormSection, key, fallback);
  return value < low || value > high ? fallback : value;
}

// The background marks are radio items: marking one clears the others.
void ReadBackground(const platform::ProfileReader& ini, Settings& s) {
  bool* const marks[] = {&s.bBgNormal, &s.bBgErase, &s.bBgGradation, &s.bBgMarquee};
  const char* const keys[] = {"bBgNormal", "bBgErase", "bBgGradation", "bBgMarquee"};
  bool* last = nullptr;
  for (int i = 0; i < 4; ++i) {
    if (ini.ReadBool(kFormSection, keys[i], *marks[i])) last = marks[i];
  }
  for (bool* mark : marks) *mark = mark == last;
}

}  // namespace

Settings LoadSettings(platform::Profile& profile) {
  const platform::ProfileReader ini(profile);
  Settings s;
  const Settings d;
  auto readBool = [&](const char* key, bool fallback) {
    return ini.ReadBool(kFormSection, key, fallback);
  };
  auto readText = [&](const char* key, const std::string& fallback) {
    return ini.ReadString(kFormSection, key, fallback);
  };
  s.iLeftPanelWidth = ini.ReadInteger(kFormSection, "iLeftPanelWidth", d.iLeftPanelWidth);
  s.iOutputMemoHeight = ini.ReadInteger(kFormSection, "iOutputMemoHeight", d.iOutputMemoHeight);
  s.iTaskTrayClick = ReadRange(ini, "iTaskTrayClick", d.iTaskTrayClick, 0, 9);
  s.iTaskTrayDblClick = ReadRange(ini, "iTaskTrayDblClick", d.iTaskTrayDblClick, 0, 9);
  s.iTaskTrayRDblClick = ReadRange(ini, "iTaskTrayRDblClick", d.iTaskTrayRDblClick, 0, 9);
  s.iMemoDblClick = ReadRange(ini, "iMemoDblClick", d.iMemoDblClick, 0, 6);
  s.iAfterSizeChange = ReadRange(ini, "iAfterSizeChange", d.iAfterSizeChange, 0, 4);
  s.iDragDrop = ReadRange(ini, "iDragDrop", d.iDragDrop, 0, 3);
  s.iCurMemoFile = ReadRange(ini, "iCurMemoFile", d.iCurMemoFile, 0, 2);
  s.iDefaultHeight = ini.ReadInteger(kFormSection, "iDefaultHeight", d.iDefaultHeight);
  s.iDefaultWidth = ini.ReadInteger(kFormSection, "iDefaultWidth", d.iDefaultWidth);
  s.bDefaultSize = readBool("bDefaultSize", d.bDefaultSize);
  s.bShowMemoAsHint = readBool("bShowMemoAsHint", d.bShowMemoAsHint);
  s.bSkipCheckFileSave = readBool("bSkipCheckFileSave", d.bSkipCheckFileSave);
  s.bSkipCheckDelete = readBool("bSkipCheckDelete", d.bSkipCheckDelete);
  s.bSaveMemoAtEdit = readBool("bSaveMemoAtEdit", d.bSaveMemoAtEdit);
  s.bSeparateNumber = readBool("bSeparateNumber", d.bSeparateNumber);
  s.bSendURLonDblClk = readBool("bSendURLonDblClk", d.bSendURLonDblClk);
  s.bShowCalendar = readBool("bShowCalendar", d.bShowCalendar);
  s.bShowClipboardViewer = readBool("bShowClipboardViewer", d.bShowClipboardViewer);
  s.bReadOnly = readBool("bReadOnly", d.bReadOnly);
  s.bUseStartMemo = readBool("bUseStartMemo", d.bUseStartMemo);
  s.bShowMemo = readBool("bShowMemo", d.bShowMemo);
  s.bShowBorder = readBool("bShowBorder", d.bShowBorder);
  ReadBackground(ini, s);
  s.bShowBasicToolBar = readBool("bShowBasicToolBar", d.bShowBasicToolBar);
  s.bShowEditorToolBar = readBool("bShowEditorToolBar", d.bShowEditorToolBar);
  s.bMainFormStayOnTop = readBool("bMainFormStayOnTop", d.bMainFormStayOnTop);
  s.bButtonFlat = readBool("bButtonFlat", d.bButtonFlat);
  s.asMemoFile0 = readText("asMemoFile0", d.asMemoFile0);
  s.asMemoFile1 = readText("asMemoFile1", d.asMemoFile1);
  s.asMemoFile2 = readText("asMemoFile2", d.asMemoFile2);
  s.asWorkDir = readText("asWorkDir", d.asWorkDir);
  s.asViewer = readText("asViewer", d.asViewer);
  s.asLZHDir = readText("asLZHDir", d.asLZHDir);
  s.asTextDir = readText("asTextDir", d.asTextDir);
  s.asBitmapDir = readText("asBitmapDir", d.asBitmapDir);
  s.asJPEGDir = readText("asJPEGDir", d.asJPEGDir);
  s.asDefaultColor = TextToColorDef(readText("asDefaultColor", "32768"), d.asDefaultColor);
  s.asLogFile = readText("asLogFile", d.asLogFile);
  return s;
}

bool SaveStyleKeys(platform::Profile& ini, const Settings& s) {
  bool ok = true;
  ok &= ini.WriteBool(kFormSection, "bShowBorder", s.bShowBorder);
  ok &= ini.WriteBool(kFormSection, "bBgNormal", s.bBgNormal);
  ok &= ini.WriteBool(kFormSection, "bBgErase", s.bBgErase);
  ok &= ini.WriteBool(kFormSection, "bBgGradation", s.bBgGradation);
  ok &= ini.WriteBool(kFormSection, "bBgMarquee", s.bBgMarquee);
  return ok;
}

bool SaveSettings(platform::Profile& ini, const Settings& s) {
  bool ok = true;
  auto writeInt = [&](const char* key, int value) {
    ok &= ini.WriteInteger(kFormSection, key, value);
  };
  auto writeBool = [&](const char* key, bool value) {
    ok &= ini.WriteBool(kFormSection, key, value);
  };
  auto writeText = [&](const char* key, const std::string& value) {
    ok &= ini.WriteString(kFormSection, key, value);
  };
  writeInt("iTaskTrayClick", s.iTaskTrayClick);
  writeInt("iTaskTrayDblClick", s.iTaskTrayDblClick);
  writeInt("iTaskTrayRDblClick", s.iTaskTrayRDblClick);
  writeInt("iMemoDblClick", s.iMemoDblClick);
  writeInt("iAfterSizeChange", s.iAfterSizeChange);
  writeInt("iDragDrop", s.iDragDrop);
  writeInt("iLeftPanelWidth", s.iLeftPanelWidth);
  writeInt("iOutputMemoHeight", s.iOutputMemoHeight);
  writeInt("iCurMemoFile", s.iCurMemoFile);
  writeInt("iDefaultHeight", s.iDefaultHeight);
  writeInt("iDefaultWidth", s.iDefaultWidth);
  writeBool("bDefaultSize", s.bDefaultSize);
  writeBool("bShowMemoAsHint", s.bShowMemoAsHint);
  writeBool("bSkipCheckFileSave", s.bSkipCheckFileSave);
  writeBool("bSkipCheckDelete", s.bSkipCheckDelete);
  writeBool("bSaveMemoAtEdit", s.bSaveMemoAtEdit);
  writeBool("bSeparateNumber", s.bSeparateNumber);
  writeBool("bSendURLonDblClk", s.bSendURLonDblClk);
  writeBool("bShowCalendar", s.bShowCalendar);
  writeBool("bShowClipboardViewer", s.bShowClipboardViewer);
  writeBool("bReadOnly", s.bReadOnly);
  writeBool("bUseStartMemo", s.bUseStartMemo);
  writeBool("bShowMemo", s.bShowMemo);
  ok &= SaveStyleKeys(ini, s);
  writeBool("bShowBasicToolBar", s.bShowBasicToolBar);
  writeBool("bShowEditorToolBar", s.bShowEditorToolBar);
  writeBool("bMainFormStayOnTop", s.bMainFormStayOnTop);
  writeBool("bButtonFlat", s.bButtonFlat);
  writeText("asDefaultColor", ColorToText(s.asDefaultColor));
  writeText("asMemoFile0", s.asMemoFile0);
  writeText("asMemoFile1", s.asMemoFile1);
  writeText("asMemoFile2", s.asMemoFile2);
  writeText("asWorkDir", s.asWorkDir);
  writeText("asViewer", s.asViewer);
  writeText("asLZHDir", s.asLZHDir);
  writeText("asTextDir", s.asTextDir);
  writeText("asBitmapDir", s.asBitmapDir);
  writeText("asLogFile", s.asLogFile);
  return ok;
}

}  // namespace quillpad
