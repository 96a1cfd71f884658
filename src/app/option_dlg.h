// TOptionDlg: the options dialog. It edits most of the main window's settings, the tool list,
// the work folder and the clipboard history's limits; the main window applies what follows
// from an OK (SetOptionClick). The list's rules are in tool_list.h.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/settings.h"
#include "platform/profile.h"
#include "ui/application.h"
#include "ui/choice_controls.h"
#include "ui/edit_controls.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/page_control.h"
#include "ui/std_controls.h"
#include "ui/up_down.h"

namespace quillpad {

// What the dialog shows beside the settings: the main window's present state.
struct OptionInputs {
  std::array<std::string, 3> MemoFileNames;  // captions of MemoFile0..MemoFile2
  std::string WorkDir;
  std::string ProgramDir;
  std::vector<std::string> Tools;
  // The four folder keys as the ini file holds them: LZH, text, bitmap, JPEG.
  std::array<std::string, 4> Folders;
};

inline constexpr const char* kClipboardSection = "ClipboardForm";

class TOptionDlg : public ui::Form {
 public:
  // Fills the fields at once (FormCreate); the ini file gives the clipboard keys.
  TOptionDlg(ui::Component* owner, ui::Application& application, Settings& settings,
             platform::Profile ini, const OptionInputs& inputs);

  ui::PageControl* pcOption;
  ui::TabSheet* RegisterSheet;
  ui::TabSheet* TaskTraySheet;
  ui::TabSheet* MemoSheet;
  ui::TabSheet* FolderSheet;
  ui::TabSheet* ClipboardSheet;
  ui::TabSheet* OtherSheet;
  ui::Button* OKBtn;
  ui::Button* CancelBtn;
  // "登録"
  ui::Edit* edTool;
  ui::Button* FileRefBtn;
  ui::Button* FolderRefBtn;
  ui::ListBox* lbTool;
  ui::Button* ToolRegBtn;
  ui::Button* ToolDelBtn;
  // "タスクトレイ" and "メモ上の操作"
  ui::RadioGroup* rgTaskTrayClick;
  ui::RadioGroup* rgTaskTrayDblClick;
  ui::RadioGroup* rgTaskTrayRDblClick;
  ui::RadioGroup* rgMemoDblClick;
  ui::RadioGroup* rgDragDrop;
  ui::RadioGroup* rgAfterSizeChange;
  ui::CheckBox* ckSendURLonDblClk;
  // "フォルダ"
  ui::Edit* edWorkDir;
  ui::Button* DirRefBtin;
  ui::Button* DefDirBtn;
  ui::CheckBox* ckReadOnly;
  ui::Edit* edLZHDir;
  ui::Button* LZHRefBtn;
  ui::Edit* edTextDir;
  ui::Button* TextDirRefBtn;
  ui::Edit* edBitmapDir;
  ui::Button* BitmapDirRefBtn;
  ui::Edit* edJPEGDir;
  ui::Button* JPEGDirRefBtn;
  // "クリップボードビューア"
  ui::SpinEdit* csMaxCount;
  ui::SpinEdit* csNeglectRowCount;
  // "その他"
  ui::Edit* edHeight;
  ui::UpDown* udHeight;
  ui::Edit* edWidth;
  ui::UpDown* udWidth;
  ui::Panel* DemoPanel;
  ui::CheckBox* ckDefaultSize;
  std::array<ui::Edit*, 3> edMemoFile{};
  ui::CheckBox* ckUseStartMemo;
  ui::CheckBox* ckShowMemoAsHint;
  ui::CheckBox* ckSkipCheckFileSave;
  ui::CheckBox* ckSkipCheckDelete;
  ui::CheckBox* ckSaveMemoAtEdit;
  ui::CheckBox* ckSeparateNumber;
  ui::Edit* edViewer;
  ui::Button* ViewerRefBtn;

  void FormCreate(const OptionInputs& inputs);
  // Stores the fields into the settings and the clipboard keys into the ini file. The memo
  // file names stay in their fields for the main window's menu.
  void OKBtnClick();
  void ToolRegBtnClick();
  void ToolDelBtnClick();
  void lbToolKeyDown(int& key);
  void lbToolMouseUp();
  void FileRefBtnClick();
  void FolderRefBtnClick();
  void ViewerRefBtnClick();
  void DirRefBtinClick();
  void DefDirBtnClick();
  void LZHRefBtnClick() { BrowseInto(*edLZHDir, "書庫のデフォルトフォルダ選択："); }
  void TextDirRefBtnClick() {
    BrowseInto(*edTextDir, "テキストファイルのデフォルトフォルダ選択：");
  }
  void BitmapDirRefBtnClick() {
    BrowseInto(*edBitmapDir, "ビットマップファイルのデフォルトフォルダ選択：");
  }
  void JPEGDirRefBtnClick() { BrowseInto(*edJPEGDir, "JPEGファイルのデフォルトフォルダ選択："); }
  void udHeightClick();
  void udWidthClick();
  void FormDropFiles(const std::vector<std::string>& paths);

  // The entries of lbTool, in its sorted order.
  const std::vector<std::string>& Tools() const { return lbTool->Items(); }

 private:
  // Page building (option_pages.cpp).
  void BuildRegisterPage();
  void BuildTrayPages();
  void BuildFolderPage();
  void BuildClipboardPage();
  void BuildOtherPage();
  ui::Label* AddLabel(ui::Control* parent, const char* caption, int left, int top, int width = 330);
  ui::Edit* AddEdit(ui::Control* parent, const char* name, int left, int top, int width);
  ui::Button* AddButton(ui::Control* parent, const char* name, const char* caption, int left,
                        int top, int width);
  ui::CheckBox* AddCheck(ui::Control* parent, const char* name, const char* caption, int left,
                         int top, int width = 500);
  ui::RadioGroup* AddGroup(ui::Control* parent, const char* name, const char* caption,
                           const std::vector<std::string>& items, const platform::Rect& bounds);
  // The folder browser owned by the dialog; the field changes only when one was chosen.
  void BrowseInto(ui::Edit& field, const char* title);
  // A file dialog for a program, starting in the folder of the file the text names.
  bool ChooseProgram(std::string& path, const std::string& startFile, const char* filter,
                     const char* title);

  ui::Application& application_;
  platform::System& system_;
  Settings& settings_;
  platform::Profile ini_;
  std::string programDir_;
};

}  // namespace quillpad
