// TMainForm: the editor's text into the window the user worked in before, and the window side of
// a memo's batch login.
#include <algorithm>

#include "app/main_form.h"
#include "base/text.h"
#include "calendar/calendar_form.h"
#include "memo/memo_form.h"
#include "memo/send_text.h"

namespace quillpad {

void TMainForm::SendToActiveInputClick(ui::Component*) {
  const std::string selected = RichEdit1->SelText();
  SendTextToPreviousWindow(Trim(selected.empty() ? RichEdit1->Text() : selected));
}

void TMainForm::SendTextToPreviousWindow(const std::string& text) {
  // The walk starts below this window, which is hidden while another program is in use.
  PasteIntoPreviousWindow(system_, system_.Desktop().HandleOf(*Peer()), text);
}

void TMainForm::HideForLogin(TMemoForm* memo) {
  for (TMemoForm* other : MemoList) other->Hide();
  Hide();
  if (CalendarForm) CalendarForm->Hide();
  memo->Show();
}

void TMainForm::ShowLoginInstructions(const std::string& text) {
  // The ID and password must not stay on the clipboard: TopTextMemo empties it again.
  if (TMemoForm* memo = TopTextMemo(text)) LoginMemo = memo;
}

void TMainForm::EndLogin(TMemoForm* memo) {
  if (LoginMemo && std::find(MemoList.begin(), MemoList.end(), LoginMemo) != MemoList.end()) {
    MarkDeleted(LoginMemo);
  }
  if (CurrentMemo == LoginMemo) CurrentMemo = nullptr;
  LoginMemo = nullptr;
  for (TMemoForm* other : MemoList) {
    if (!other->DeletedFlag) other->Show();
  }
  if (CalendarForm) CalendarForm->Show();
  memo->Show();
}

}  // namespace quillpad
