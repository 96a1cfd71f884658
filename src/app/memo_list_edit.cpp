// TMainForm as the owner of the memo list organiser: it opens the window and lends it the memo
// list and the categories.
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
  const std::string* const captions[] = {&asMemoFile0, &asMemoFile1, &asMemoFile2};
  return category >= 0 && category < kMemoCategoryCount ? *captions[category] : std::string();
}

void TMainForm::MoveListedMemo(int from, int to) {
  MoveListItem(MemoList, from, to);
}

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

}  // namespace quillpad
