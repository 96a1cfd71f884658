// The FORM section of Quillpad.ini: every key the main window owns, its default, read order and
// write order. The main window keeps these values in its menus and panes while it runs; it fills
// a Settings from them at exit and applies a loaded one at start.
#pragma once

#include <string>

#include "base/color.h"
#include "platform/profile.h"

namespace quillpad {

inline constexpr const char* kFormSection = "FORM";

struct Settings {
  int iLeftPanelWidth = 95;
  int iOutputMemoHeight = 20;
  int iTaskTrayClick = 2;
  int iTaskTrayDblClick = 4;
  int iTaskTrayRDblClick = 0;
  int iMemoDblClick = 0;
  int iAfterSizeChange = 3;
  int iDragDrop = 0;
  int iCurMemoFile = 0;
  int iDefaultHeight = 25;
  int iDefaultWidth = 100;
  bool bDefaultSize = false;
  bool bShowMemoAsHint = true;
  bool bSkipCheckFileSave = false;
  bool bSkipCheckDelete = false;
  bool bSaveMemoAtEdit = false;
  bool bSeparateNumber = true;
  bool bSendURLonDblClk = true;
  bool bShowCalendar = false;
  bool bShowClipboardViewer = false;
  bool bReadOnly = false;
  bool bUseStartMemo = false;
  bool bShowMemo = true;
  bool bShowBorder = true;
  bool bBgNormal = true;
  bool bBgErase = false;
  bool bBgGradation = false;
  bool bBgMarquee = false;
  bool bShowBasicToolBar = true;
  bool bShowEditorToolBar = true;
  bool bMainFormStayOnTop = false;
  bool bButtonFlat = false;
  std::string asMemoFile0 = "カテゴリ０";
  std::string asMemoFile1 = "カテゴリ１";
  std::string asMemoFile2 = "カテゴリ２";
  std::string asWorkDir;
  std::string asViewer;
  std::string asLZHDir;
  std::string asTextDir;
  std::string asBitmapDir;
  std::string asJPEGDir;
  ColorValue asDefaultColor = 0x008000;  // green
  std::string asLogFile = "Quillpad.log";
};

// Reads every FORM key in the load order. Action numbers and iCurMemoFile outside their ranges
// fall back to their defaults. The four background keys act as one radio choice: the last one
// that reads true stays, and all four may end up false.
Settings LoadSettings(platform::Profile& ini);

// Writes the FORM keys in the save order (asJPEGDir is not among them); false when a write
// failed.
bool SaveSettings(platform::Profile& ini, const Settings& settings);

// The five default-style keys, written when the current style becomes the default.
bool SaveStyleKeys(platform::Profile& ini, const Settings& settings);

}  // namespace quillpad
