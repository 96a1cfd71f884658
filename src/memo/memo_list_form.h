// TMemoListForm: the memo list organiser, a modal window listing the memos of the current
// category. The user reorders them by drag and drop, deletes them, drops them on another
// category's button, switches the category and runs the arrangements. It keeps no memo data:
// the list is refilled from the owner's memo list after every change.
#pragma once

#include <array>

#include "memo/memo_list_host.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/menu_item.h"
#include "ui/status_bar.h"
#include "ui/tool_bar.h"

namespace quillpad {

class TMemoListForm : public ui::Form {
 public:
  TMemoListForm(ui::Component* owner, MemoListHost& host);
  ~TMemoListForm() override;

  // Shows the window modally; meanwhile the application's hint goes to status panel 2.
  int Execute();

  ui::ToolBar* ToolBar1 = nullptr;
  ui::ToolButton* ExitBtn = nullptr;
  ui::ToolButton* JustifyBtn = nullptr;
  ui::ToolButton* DeleteBtn = nullptr;
  ui::ListBox* MemoListBox = nullptr;
  ui::ToolBar* ToolBar2 = nullptr;
  std::array<ui::ToolButton*, 3> MemoFileBtns{};  // MemoFile0Btn ... MemoFile2Btn, tags 0..2
  ui::StatusBar* StatusBar1 = nullptr;
  ui::PopupMenu* MemoListEditPopupMenu = nullptr;

  void Refill();
  void ExitBtnClick();
  void DeleteBtnClick();
  void MemoFile0BtnClick(int category);
  void MemoListBoxMouseDown(ui::MouseButton button, int x, int y);
  void MemoListBoxDragOver(ui::Control* source, bool& accept);
  void MemoListBoxDragDrop(int x, int y);
  void MemoFile0BtnDragOver(int category, ui::Control* source, bool& accept);
  void MemoFile0BtnDragDrop(int category);
  int MemoListBoxMeasureItem(int index);
  void MemoListBoxDrawItem(int index, platform::Canvas& canvas, const platform::Rect& r,
                           bool selected);

 private:
  void BuildControls();
  // Enabled states of the category buttons, their captions and the window caption.
  void UpdateCategory();
  // The memo at index goes; the same place is selected again.
  void DeleteAt(int index);
  void ShowHint();
  MemoListHost& host_;
};

}  // namespace quillpad
