// TMainForm: the capture menu rows, and what screen capture asks of the main window: its
// windows out of the picture and back, its mouse, and the memos the pictures become.
#include <algorithm>

#include "app/main_form.h"
#include "base/text.h"
#include "calendar/calendar_form.h"
#include "capture/capture_commands.h"
#include "clipboard/clipboard_form.h"
#include "memo/memo_form.h"

namespace quillpad {

void TMainForm::CreateCapture() {
  Capture = std::make_unique<CaptureCommands>(this, *this, system_, *Timer2, *Timer3);
  OnMouseDown = [this](platform::MouseButton, unsigned, int, int) { Capture->FormMouseDown(); };
}

void TMainForm::CaptureWithoutMemoClick(ui::Component*) {
  Capture->CaptureWithoutMemoClick();
}
void TMainForm::CaptureWithMemoClick(ui::Component*) {
  Capture->CaptureWithMemoClick();
}
void TMainForm::CaptureWindowWithoutMemoClick(ui::Component*) {
  Capture->CaptureWindowWithoutMemoClick();
}
void TMainForm::CaptureWindowWithMemoClick(ui::Component*) {
  Capture->CaptureWindowWithMemoClick();
}
void TMainForm::TimerCaptureClick(ui::Component*) {
  Capture->TimerCaptureClick();
}
void TMainForm::TimerWindowCaptureClick(ui::Component*) {
  Capture->TimerWindowCaptureClick();
}
void TMainForm::IconCaptureClick(ui::Component*) {
  Capture->IconCaptureClick();
}

std::string TMainForm::CaptureTitle() const {
  return application_.Title;
}

void TMainForm::HideWindowsForCapture() {
  for (TMemoForm* memo : MemoList) memo->Hide();
  Hide();
  if (CalendarForm) CalendarForm->Hide();
  if (ClipboardForm) ClipboardForm->Hide();
  system_.GetScreen().Settle();
}

void TMainForm::ShowWindowsAfterCapture() {
  for (TMemoForm* memo : MemoList) {
    if (!memo->DeletedFlag) memo->Show();
  }
  if (CalendarForm) CalendarForm->Show();
  if (ClipboardForm) ClipboardForm->Show();
}

void TMainForm::ParkMainWindow() {
  SetLeft(WorkArea.Right);
  Show();
}

bool TMainForm::ClipboardToNewMemo(std::optional<platform::Point> at, bool foreground) {
  const std::size_t before = MemoList.size();
  ClipNewMemoAtEndClick(nullptr);
  if (MemoList.size() == before) return false;
  TMemoForm* memo = MemoList.back();
  if (at) memo->SetBounds(at->X, at->Y, memo->Width(), memo->Height());
  if (foreground) memo->SetForeground();
  return true;
}

TMemoForm* TMainForm::TopTextMemo(const std::string& text) {
  platform::Clipboard& clipboard = system_.GetClipboard();
  clipboard.SetText(text);
  const std::size_t before = MemoList.size();
  ClipNewMemoAtStartClick(nullptr);
  clipboard.SetText("");
  if (MemoList.size() == before) return nullptr;  // cancelled at the unsaved-text question
  TMemoForm* memo = MemoList.front();
  CurrentMemo = memo;
  memo->SetStayOnTop(true);
  return memo;
}

void TMainForm::ShowCountdownMemo(const std::string& text) {
  // The editor is refilled by the memo's text: what it holds is written back first.
  if (!Trim(RichEdit1->Text()).empty()) ShowMemoClick(nullptr);
  Hide();
  // The countdown takes the size of its text, whatever the default size says.
  const bool defaultSize = bDefaultSize;
  bDefaultSize = false;
  CountdownMemo = TopTextMemo(text);
  bDefaultSize = defaultSize;
}

void TMainForm::SetCountdownText(const std::string& text) {
  TMemoForm* memo = CountdownMemo;
  // The user may have deleted it or switched memo files meanwhile.
  if (!memo || std::find(MemoList.begin(), MemoList.end(), memo) == MemoList.end()) return;
  MemoRecord record = memo->Record();
  if (record.Text != text) {
    record.Text = text;
    memo->SetRecord(record);
    memo->SetStayOnTop(true);
  }
  memo->Show();
}

void TMainForm::RemoveCountdownMemo() {
  TMemoForm* memo = CountdownMemo;
  CountdownMemo = nullptr;
  const auto it = std::find(MemoList.begin(), MemoList.end(), memo);
  if (!memo || it == MemoList.end()) return;
  memo->Hide();
  MemoList.erase(it);
  if (CurrentMemo == memo) CurrentMemo = nullptr;
  delete memo;
  RefreshTrayTip();
}

}  // namespace quillpad
