// TMemoForm: the memo menu's commands on all memos, which the main window carries out.
#include "memo/memo_form.h"

namespace quillpad {

void TMemoForm::RightJustifyClick() {
  if (host_) host_->ArrangeMemos(ArrangeKind::RightJustify);
}
void TMemoForm::RightTileJustifyClick() {
  if (host_) host_->ArrangeMemos(ArrangeKind::RightTile);
}
void TMemoForm::LeftJustifyClick() {
  if (host_) host_->ArrangeMemos(ArrangeKind::LeftJustify);
}
void TMemoForm::LeftTileJustifyClick() {
  if (host_) host_->ArrangeMemos(ArrangeKind::LeftTile);
}
void TMemoForm::SetDefaultSizeAllClick() {
  if (host_) host_->SetDefaultSizeAll();
}
// Every memo goes through the editor, this one too: touch nothing after it.
void TMemoForm::SetAutoSizeAllClick() {
  if (host_) host_->SetAutoSizeAll();
}

}  // namespace quillpad
