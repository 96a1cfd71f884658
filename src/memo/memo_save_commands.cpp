// TMemoForm: saving the memo's text, deleting it (with or without a log entry) and printing it.
#include <memory>

#include "base/app_error.h"
#include "base/path.h"
#include "memo/memo_commands_support.h"
#include "memo/memo_form.h"

namespace quillpad {

using memo_support::Sys;
using memo_support::Title;

// --- Deleting ------------------------------------------------------------------------------

void TMemoForm::SaveDeleteClick() {
  if (!host_) return;
  const MemoHostSettings s = host_->MemoSettings();
  platform::FileDialogOptions options;
  options.Title = "メモのログへの保存";
  options.DefaultExt = "log";
  options.Filter = "ﾛｸﾞﾌｧｲﾙ(*.log)|*.log|すべてのﾌｧｲﾙ(*.*)|*.*";
  options.FileName = s.asLogFile;
  options.InitialDir = JoinPath(s.WorkDir, "DesktopMemo");
  platform::System& sys = Sys();
  if (sys.SaveFileDialog(options)) {
    const std::string& path = options.FileName;
    host_->SetLogFile(ExtractFileName(path));
    platform::FileSystem& files = sys.Files();
    std::optional<std::string> existing;
    std::string bytes;
    if (files.FileExists(path)) {
      if (!files.ReadFile(path, bytes)) throw AppError(path + "を開くことに失敗しました。");
      existing = bytes;
    }
    // The memo is only deleted once its log entry is safe.
    if (!files.WriteFileAtomic(path, AppendLogEntry(existing, Record(), host_->NowText()))) {
      throw AppError(path + "に書き込めませんでした。");
    }
    host_->SetTextDir(ExtractFileDir(path));
  }
  NoSaveDeleteClick();
}

void TMemoForm::NoSaveDeleteClick() {
  if (!host_) return;
  if (!host_->MemoSettings().bSkipCheckDelete &&
      Sys().MessageBox("選択したメモを削除しますか？", Title(),
                       platform::MbYesNoCancel | platform::MbIconWarning) != platform::IdYes) {
    return;
  }
  host_->MarkDeleted(this);
}

void TMemoForm::NoSaveDeleteAllClick() {
  if (!host_) return;
  platform::System& sys = Sys();
  if (sys.MessageBox("全てのメモを削除しますか？", Title(),
                     platform::MbYesNoCancel | platform::MbIconWarning) != platform::IdYes) {
    return;
  }
  if (sys.MessageBox("本当に全てのメモを削除しますか？", Title(),
                     platform::MbYesNoCancel | platform::MbIconError) != platform::IdYes) {
    return;
  }
  // Marked only: this memo's own handler is still running, so the idle turn destroys them all.
  const std::vector<TMemoForm*> memos = host_->Memos();
  for (TMemoForm* memo : memos) host_->MarkDeleted(memo);
}

void TMemoForm::SaveAllDeleteClick() {
  // Nothing is deleted unless the text save went through.
  if (SaveAllText()) NoSaveDeleteAllClick();
}

// --- Text saves ----------------------------------------------------------------------------

std::string TextFileFolder(platform::FileSystem& files, const std::string& workDir,
                           const std::string& textDir) {
  const std::string desktopMemo = JoinPath(workDir, "DesktopMemo");
  if (!files.FolderExists(desktopMemo)) files.CreateFolder(desktopMemo);
  return !textDir.empty() && files.FolderExists(textDir) ? textDir : desktopMemo;
}

void TMemoForm::MemoSaveClick() {
  if (!host_) return;
  if (memo_.Kind == MemoKind::mkImage) {
    SavePictureAsBmp();
    return;
  }
  const std::optional<std::string> path = SaveTextAs(
      "メモの保存", "txt", [this] { return MemoTextExport(Record(), host_->NowText()); });
  if (path) host_->SetTextDir(ExtractFileDir(*path));
}

bool TMemoForm::SaveAllText() {
  if (!host_) return false;
  return SaveTextAs("全メモの保存", "",
                    [this] {
                      std::vector<MemoRecord> records;
                      for (const TMemoForm* memo : host_->Memos())
                        records.push_back(memo->Record());
                      return AllMemosTextExport(records, host_->NowText());
                    })
      .has_value();
}

std::optional<std::string> TMemoForm::SaveTextAs(const char* title, const char* defaultExt,
                                                 const std::function<std::string()>& text) {
  const MemoHostSettings s = host_->MemoSettings();
  platform::FileDialogOptions options;
  options.Title = title;
  options.DefaultExt = defaultExt;
  options.Filter = kTextFileFilter;
  options.FileName = s.TextFileName;
  options.OverwritePrompt = true;
  options.InitialDir = TextFileFolder(Sys().Files(), s.WorkDir, s.asTextDir);
  platform::System& sys = Sys();
  if (!sys.SaveFileDialog(options)) return std::nullopt;
  if (!sys.Files().WriteFileAtomic(options.FileName, text())) {
    throw AppError(options.FileName + "に書き込めませんでした。");
  }
  return options.FileName;
}

void TMemoForm::SaveAllClick() {
  SaveAllText();
}

// --- Printing ----------------------------------------------------------------------------------

void TMemoForm::PrintMemoClick() {
  platform::System& sys = Sys();
  std::unique_ptr<platform::PrintJob> job = sys.StartPrint(Title());
  if (!job) return;
  // The memo as it looks on the screen, at the same size on paper.
  const std::string image = Peer()->CaptureClient();
  const std::optional<BmpInfo> info = ReadBmpInfo(image);
  if (!info) throw AppError("メモを印刷できませんでした。");
  const platform::Size printer = job->PixelsPerInch();
  const platform::Size screen = sys.ScreenPixelsPerInch();
  const auto scale = [](int pixels, int to, int from) {
    return from > 0 ? static_cast<int>(static_cast<long long>(pixels) * to / from) : pixels;
  };
  job->DrawBitmap({0, 0, scale(info->Width, printer.Width, screen.Width),
                   scale(info->Height, printer.Height, screen.Height)},
                  image);
  if (!job->Finish()) throw AppError("メモを印刷できませんでした。");
}

}  // namespace quillpad
