// TMainForm: the find and replace dialogs, searching the memos of the current category one after
// another in the editor.
#include <algorithm>

#include "app/main_form.h"
#include "app/text_search.h"
#include "memo/memo_form.h"

namespace quillpad {

namespace {

class EditorSearch : public SearchHost {
 public:
  explicit EditorSearch(TMainForm& form) : form_(form) {}
  int CurrentMemoIndex() override {
    const auto& list = form_.MemoList;
    const auto it = std::find(list.begin(), list.end(), form_.CurrentMemo);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
  }
  int MemoCount() override { return form_.MemoCount(); }
  void EditNextMemo() override { form_.EditNextMemoClick(nullptr); }
  std::string EditorText() override { return form_.RichEdit1->Text(); }
  void GetSelection(int& start, int& length) override {
    start = form_.RichEdit1->SelStart();
    length = form_.RichEdit1->SelLength();
  }
  void Select(int start, int length) override { form_.RichEdit1->Select(start, length); }
  void ReplaceSelection(const std::string& text) override { form_.RichEdit1->SetSelText(text); }
  bool EditorModified() override { return form_.RichEdit1->Modified(); }
  void WriteBackKeepingCurrent() override {
    TMemoForm* memo = form_.CurrentMemo;
    form_.ShowMemoClick(nullptr);
    form_.CurrentMemo = memo;
  }
  void FocusEditor() override { form_.RichEdit1->SetFocus(); }

 private:
  TMainForm& form_;
};

}  // namespace

void TMainForm::TextFindClick(ui::Component*) {
  ShowSearchDialog(false);
}

void TMainForm::TextReplaceClick(ui::Component*) {
  ShowSearchDialog(true);
}

void TMainForm::ShowSearchDialog(bool replace) {
  system_.ShowFindDialog(replace, RichEdit1->SelText(),
                         [this](platform::FindAction action, const platform::FindRequest& request) {
                           if (action == platform::FindAction::FindNext) {
                             FindDialog1Find(request);
                           } else {
                             ReplaceDialog1Replace(request, action == platform::FindAction::ReplaceAll);
                           }
                         });
}

void TMainForm::FindDialog1Find(const platform::FindRequest& request) {
  EditorSearch search(*this);
  FindNextInMemos(search, request);
}

void TMainForm::ReplaceDialog1Replace(const platform::FindRequest& request, bool all) {
  EditorSearch search(*this);
  ReplaceInMemos(search, request, all);
}

}  // namespace quillpad
