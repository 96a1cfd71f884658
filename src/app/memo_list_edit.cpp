// TMainForm as the owner of the memo list organiser: it opens the window and lends it the memo
// list, the categories and the arrangements.
#include <algorithm>
#include <memory>

#include "app/main_form.h"
#include "memo/memo_form.h"
#include "memo/memo_list_form.h"
#include "memo/memo_list_rules.h"

namespace quillpad {

void TMainForm::MemoListEditClick(ui::Component*) {
  // Lives only while it is shown.
  auto form = std::make_unique<TMemoListForm>(this, *this);
  form->Execute();
}

std::string TMainForm::ListCategoryCaption(int category) const {
  switch (category) {
    case 0:
      return asMemoFile0;
    case 1:
      return asMemoFile1;
    case 2:
      return asMemoFile2;
    default:
      return {};
  }
}

void TMainForm::MoveListedMemo(int from, int to) { MoveListItem(MemoList, from, to); }

void TMainForm::DeleteListedMemo(TMemoForm* memo) {
  const auto it = std::find(MemoList.begin(), MemoList.end(), memo);
  if (it == MemoList.end()) return;
  MemoList.erase(it);
  if (memo == CurrentMemo) CurrentMemo = nullptr;
  delete memo;
  RefreshTrayTip();
}

void TMainForm::SwitchListCategory(int category) {
  if (category < 0 || category >= kMemoCategoryCount) return;
  const std::string name = "MemoFile" + std::to_string(category);
  MemoFile0Click(Item(name.c_str()));
}

void TMainForm::ArrangeMemos(MemoArrangement arrangement) {
  // The main menu's items run the arrangements, whoever handles them.
  const char* item = "RightJustify";
  switch (arrangement) {
    case MemoArrangement::RightJustify:
      item = "RightJustify";
      break;
    case MemoArrangement::LeftJustify:
      item = "LeftJustify";
      break;
    case MemoArrangement::RightTile:
      item = "RightTileJustify";
      break;
    case MemoArrangement::LeftTile:
      item = "LeftTileJustify";
      break;
  }
  Item(item)->Click();
}

}  // namespace quillpad
