// TMemoForm: sending the memo's text or picture to other programs, and the batch login.
#include "base/app_error.h"
#include "base/path.h"
#include "base/text.h"
#include "memo/memo_commands_support.h"
#include "memo/memo_form.h"
#include "memo/send_text.h"

namespace quillpad {

using memo_support::Sys;
using memo_support::Title;

void TMemoForm::SendMemoToActiveWindowClick() {
  if (host_ && memo_.Kind != MemoKind::mkImage) host_->SendTextToPreviousWindow(memo_.Text);
}

void TMemoForm::SendMemoToClipboardClick() {
  platform::Clipboard& clipboard = Sys().GetClipboard();
  if (memo_.Kind == MemoKind::mkImage) {
    if (!memo_.Picture.empty()) clipboard.SetPicture(memo_.Picture);
  } else {
    clipboard.SetText(memo_.Text);
  }
}

void TMemoForm::SendMemoToApplicationClick() {
  if (!host_) return;
  platform::System& sys = Sys();
  const MemoHostSettings s = host_->MemoSettings();
  if (memo_.Kind == MemoKind::mkImage) {
    const std::string path = JoinPath(s.ProgramDir, "tmp.bmp");
    if (!sys.Files().WriteFileAtomic(path, memo_.Picture)) {
      throw AppError(path + "に書き込めませんでした。");
    }
    const std::string viewer = Trim(s.asViewer);
    const bool opened = viewer.empty() ? sys.ShellOpen(path) : sys.ShellOpenWith(viewer, path);
    if (!opened) sys.MessageBox(s.asViewer + " を実行できませんでした", Title(), platform::MbOk);
    return;
  }
  platform::FileSystem& files = sys.Files();
  const auto exists = [&files](const std::string& path) { return files.FileExists(path); };
  for (const std::string& target : ApplicationTargets(memo_.Text, exists)) {
    if (!sys.ShellOpen(target)) sys.MessageBox(target + " を実行できませんでした", Title(), platform::MbOk);
  }
}

void TMemoForm::SendMemoToPasswordClick() {
  if (!host_ || memo_.Kind == MemoKind::mkImage) return;
  const std::vector<std::string> lines = SplitLines(memo_.Text);
  if (!lines.empty()) loginId_ = lines[0];
  if (lines.size() > 1) loginPassword_ = lines[1];
  platform::System& sys = Sys();
  if (loginId_.empty() && loginPassword_.empty()) {
    sys.MessageBox("IDとパスワードが正しくありません。", Title(), platform::MbOk);
    return;
  }
  BatchLoginMode = true;
  host_->HideForLogin(this);
  // Memo text keeps CR LF lines, as every memo does.
  host_->ShowLoginInstructions("*** ユーザーIDとパスワードの一括入力モード ***\r\n"
                               "空のユーザーID入力ボックスをクリックしてください。\r\n\r\n"
                               "ユーザーID = " +
                               loginId_ + "\r\nパスワード = " + loginPassword_);
  // The next click anywhere on the screen comes here.
  SetMouseCapture(true);
}

void TMemoForm::DoMouseDown(platform::MouseButton button, platform::Point p, unsigned shift) {
  ui::Form::DoMouseDown(button, p, shift);
  if (!BatchLoginMode) return;
  platform::System& sys = Sys();
  const bool written = TypeLogin(sys.Desktop(), sys.CursorPos(), loginId_, loginPassword_);
  BatchLoginMode = false;
  SetMouseCapture(false);
  if (host_) host_->EndLogin(this);
  SetForeground();
  if (!written) sys.MessageBox("パスワードの書きこみに失敗しました", Title(), platform::MbOk);
}

}  // namespace quillpad
