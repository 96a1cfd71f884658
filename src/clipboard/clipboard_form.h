// TClipboardForm: the clipboard history window. While it exists it sits in the clipboard viewer
// chain and records each text copied anywhere (ClipboardHistory); from the list the user pastes,
// copies, edits, deletes, sorts or thins out entries. The list lives in ClipboardHistory.txt.
#pragma once

#include <string>
#include <vector>

#include "clipboard/clipboard_history.h"
#include "clipboard/clipboard_host.h"
#include "platform/profile.h"
#include "platform/system.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/menu_item.h"
#include "ui/status_bar.h"
#include "ui/tool_bar.h"

namespace quillpad {

class TClipboardForm : public ui::Form, private platform::ClipboardViewer {
 public:
  static constexpr const char* kHistoryFile = "ClipboardHistory.txt";
  static constexpr const char* kSection = "ClipboardForm";

  // Creation loads the history, joins the viewer chain (capturing what the clipboard holds) and
  // applies the settings.
  TClipboardForm(ui::Component* owner, ClipboardHost& host, platform::System& system);
  ~TClipboardForm() override;

  ClipboardHistory History;

  ui::ToolBar* ToolBar1 = nullptr;
  ui::ToolButton* SendToActiveInputBtn = nullptr;
  ui::ToolButton* MakeMemoBtn = nullptr;
  ui::ToolButton* EditBtn = nullptr;
  ui::ToolButton* DeleteBtn = nullptr;
  ui::ToolButton* CopyBtn = nullptr;
  ui::ToolButton* SortBtn = nullptr;
  ui::ToolButton* ReduceListBtn = nullptr;
  ui::ToolButton* ClearBtn = nullptr;
  ui::ToolButton* BringToFrontBtn = nullptr;
  ui::ToolButton* OptionBtn = nullptr;
  ui::ListBox* ClipboardListBox = nullptr;
  ui::StatusBar* StatusBar1 = nullptr;
  ui::PopupMenu* pmClipboardListBox = nullptr;

  // The window after this one in the viewer chain.
  platform::WindowHandle NextViewer() const { return next_; }
  bool InViewerChain() const { return joined_; }

  void SetLimits(int maxCount, int neglectRowCount);
  void SendToActiveInputBtnClick();
  void MakeMemoBtnClick();
  void EditBtnClick();
  void DeleteBtnClick();
  void CopyBtnClick();
  void SortBtnClick();
  void ReduceListBtnClick();
  void ClearBtnClick();
  void BringToFrontBtnClick();
  void OptionBtnClick();
  void FormClose(ui::CloseAction& action);
  // A failed write raises the error after the rest was written.
  void SaveHistory();

 private:
  void BuildControls();
  void BuildMenu();
  void LoadHistory();
  void LoadSettings();
  void SaveSettings();
  void LeaveChain();
  // The list box shows the history again; panel 0 counts it.
  void ShowHistory();
  void ShowLimits();
  std::vector<bool> Selection() const;
  std::vector<std::string> SelectedEntries() const;
  platform::Profile Ini();
  void OnDrawClipboard() override;
  void OnChangeClipboardChain(platform::WindowHandle removed, platform::WindowHandle next) override;

  ClipboardHost& host_;
  platform::System& system_;
  platform::WindowHandle next_ = 0;
  bool joined_ = false;
};

}  // namespace quillpad
