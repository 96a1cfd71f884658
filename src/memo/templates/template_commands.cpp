// TMemoForm: the memo menu's two template commands.
#include "memo/memo_form.h"

namespace quillpad {

void TMemoForm::SetStyleFromTemplateClick() {
  if (!host_ || memo_.Kind == MemoKind::mkImage) return;
  // The memo is stored back whether or not a template was applied: it keeps its own style then.
  host_->ChangeMemo(this, {}, [this](MemoEdit&) {
    host_->ChooseStyleTemplate();
    return true;
  });
}

void TMemoForm::SaveAsTemplateClick() {
  if (!host_ || memo_.Kind == MemoKind::mkImage) return;
  host_->SaveStyleAsTemplate(this);
}

}  // namespace quillpad
