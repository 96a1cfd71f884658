// TMainForm: memos made from what the clipboard holds, text through the editor and pictures
// straight into a picture memo.
#include <algorithm>

#include "app/main_form.h"
#include "base/text.h"
#include "memo/memo_form.h"
#include "plugins/picture_plugins.h"

namespace quillpad {

void TMainForm::PasteClipboardAsMemo(TMemoForm* target) {
  platform::Clipboard& clipboard = system_.GetClipboard();
  if (clipboard.HasText()) {
    if (!AskSaveEditorText()) return;
    RichEdit1->Clear();
    RichEdit1->SetText(clipboard.GetText());
    CurrentMemo = target;
    ShowMemoClick(nullptr);
    return;
  }
  platform::ClipboardPicture picture;
  if (clipboard.GetPicture(picture)) PictureToMemo(target, picture);
}

void TMainForm::PictureToMemo(TMemoForm* target, const platform::ClipboardPicture& picture) {
  const std::optional<BmpInfo> info = ReadBmpInfo(picture.Bmp);
  if (!info) return;
  TMemoForm* memo = target;
  if (!memo) {
    memo = CreateMemo();
    MemoList.push_back(memo);
  }
  RefreshTrayTip();
  MemoRecord record = memo->Record();
  record.BorderStyle = Item("ShowBorder")->Checked() ? MemoBorder::SizeToolWin : MemoBorder::None;
  record.ClientWidth = info->Width;
  record.ClientHeight = info->Height;
  record.Kind = MemoKind::mkImage;
  record.ParentFont = true;
  record.Picture = picture.Bmp;
  record.PictureHint = std::string(ColorDepthText(picture.Format));
  // A memo made over a copy of a text memo keeps none of its text.
  record.Text.clear();
  record.StampText.clear();
  memo->SetRecord(record);
  // A picture put into a given memo keeps that memo's place, as text does; a new one goes below
  // the last memo.
  CurrentMemo = memo;
  PlaceNewMemo(target == nullptr);
  memo->Show();
  CurrentMemo = nullptr;
}

void TMainForm::ClipNewMemoAtEndClick(ui::Component*) {
  LoadDefaultStyle();
  PasteClipboardAsMemo(nullptr);
  CurrentMemo = nullptr;
}

void TMainForm::ClipNewMemoAtStartClick(ui::Component*) {
  // The memo is made only when there is something to put in it: an empty clipboard or a
  // cancelled question leaves no empty memo at the front of the list.
  platform::Clipboard& clipboard = system_.GetClipboard();
  platform::ClipboardPicture picture;
  const bool text = clipboard.HasText();
  // Blank text would be stored as nothing and leave the new window empty.
  if (text && Trim(clipboard.GetText()).empty()) return;
  if (!text && !clipboard.GetPicture(picture)) return;
  if (text && !AskSaveEditorText()) return;
  TMemoForm* memo = CreateMemo();
  MemoList.insert(MemoList.begin(), memo);
  memo->SetBounds(WorkArea.Right - memo->Width(), WorkArea.Top, memo->Width(), memo->Height());
  LoadDefaultStyle();
  if (text) {
    SetEditorModified(false);  // already answered above
    PasteClipboardAsMemo(memo);
  } else {
    // A picture leaves the editor alone: unsaved text there stays unsaved and will be asked for.
    PictureToMemo(memo, picture);
  }
  memo->Show();
}

TMemoForm* TMainForm::ClipNewHere(TMemoForm* memo) {
  platform::Clipboard& clipboard = system_.GetClipboard();
  if (clipboard.HasText()) return NewMemoAfter(memo, clipboard.GetText());
  platform::ClipboardPicture picture;
  if (!clipboard.GetPicture(picture) || !AskSaveEditorText()) return nullptr;
  TakeStyleIntoEditor(memo);
  TMemoForm* added = InsertCopyAfter(memo);
  PictureToMemo(added, picture);
  return added;
}

bool TMainForm::OpenPictureAsMemo(TMemoForm* after, const std::string& path) {
  std::string bytes;
  if (!ReadPictureFile(path, bytes)) {
    system_.MessageBox(path + "を開くことに失敗しました。", application_.Title, platform::MbOk);
    return false;
  }
  PictureAfter(after, bytes);
  return true;
}

bool TMainForm::OpenPluginPictureAsMemo(TMemoForm* after, const std::string& path) {
  std::string bytes;
  if (PluginManager->LoadPictureToBitmap(path, bytes) == 0) return false;
  PictureAfter(after, bytes);
  return true;
}

void TMainForm::PictureAfter(TMemoForm* after, const std::string& bmp) {
  // Every picture memo is made through the clipboard, as the user's own pastes are.
  system_.GetClipboard().SetPicture(bmp);
  if (std::find(MemoList.begin(), MemoList.end(), after) == MemoList.end()) {
    ClipNewMemoAtEndClick(nullptr);
  } else {
    ClipNewHere(after);
  }
}

}  // namespace quillpad
