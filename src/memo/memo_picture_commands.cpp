// TMemoForm: the picture commands — colour reduction, saving as BMP or JPEG. On a text memo
// every one of them does nothing.
#include "base/app_error.h"
#include "base/path.h"
#include "memo/jpeg_writer.h"
#include "memo/memo_commands_support.h"
#include "memo/memo_form.h"
#include "memo/picture_colors.h"

namespace quillpad {

using memo_support::Sys;

namespace {

// The folder a picture save dialog starts in: the remembered one when it exists, else the work
// folder's own, made when missing.
std::string PictureFolder(platform::FileSystem& files, const std::string& workDir, const char* name,
                          const std::string& remembered) {
  const std::string own = JoinPath(workDir, name);
  if (!files.FolderExists(own)) files.CreateFolder(own);
  return !remembered.empty() && files.FolderExists(remembered) ? remembered : own;
}

}  // namespace

void TMemoForm::SetPicture(std::string picture, const char* hint) {
  // Bytes that were no picture stay as they are: nothing is lost to a failed conversion.
  if (picture.empty()) return;
  memo_.Picture = std::move(picture);
  memo_.PictureHint = hint;
  Invalidate();
}

void TMemoForm::To256Click() {
  if (memo_.Kind == MemoKind::mkImage) SetPicture(ReduceColors(memo_.Picture, 8), "256色");
}

void TMemoForm::To16Click() {
  if (memo_.Kind == MemoKind::mkImage) SetPicture(ReduceColors(memo_.Picture, 4), "16色");
}

void TMemoForm::ToBlackWhiteClick() {
  if (memo_.Kind == MemoKind::mkImage) SetPicture(ReduceColors(memo_.Picture, 1), "モノクロ");
}

void TMemoForm::To256GrayScaleClick() {
  if (memo_.Kind == MemoKind::mkImage) SetPicture(ToGrayScale(memo_.Picture), "256グレースケール");
}

std::optional<std::string> TMemoForm::SavePictureAs(platform::FileDialogOptions& options,
                                                    const std::function<std::string()>& encode) {
  if (!host_->PictureSaveDialog(options)) return std::nullopt;
  const std::string& path = options.FileName;
  const std::string bytes = encode();
  if (bytes.empty() || !Sys().Files().WriteFileAtomic(path, bytes)) {
    throw AppError(path + "に書き込めませんでした。");
  }
  return ExtractFileDir(path);
}

void TMemoForm::SavePictureAsBmp() {
  const MemoHostSettings s = host_->MemoSettings();
  platform::FileDialogOptions options;
  options.Title = "ビットマップの保存";
  options.DefaultExt = "bmp";
  options.Filter = "*.bmp|*.bmp";
  options.FileName = "untitled.bmp";
  options.OverwritePrompt = true;
  options.InitialDir = PictureFolder(Sys().Files(), s.WorkDir, "Bitmap", s.asBitmapDir);
  if (const auto folder = SavePictureAs(options, [this] { return memo_.Picture; }))
    host_->SetBitmapDir(*folder);
}

void TMemoForm::SaveToJPEGClick() {
  if (!host_ || memo_.Kind != MemoKind::mkImage) return;
  const MemoHostSettings s = host_->MemoSettings();
  platform::FileDialogOptions options;
  options.Title = "JPEGへの保存";
  options.DefaultExt = "jpg";
  options.Filter = "*.jpg|*.jpg";
  options.FileName = "untitled.jpg";
  options.OverwritePrompt = true;
  options.InitialDir = PictureFolder(Sys().Files(), s.WorkDir, "JPEG", s.JpegDir);
  if (const auto folder = SavePictureAs(options, [this] { return EncodeJpeg(memo_.Picture); }))
    host_->SetJpegDir(*folder);
}

void TMemoForm::OpenBitmapClick() {
  if (host_) host_->OpenPictureFile();
}

}  // namespace quillpad
