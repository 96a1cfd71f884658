// TMemoForm: the popup menu, activation, the hit test and the commands that act on one memo.
#include <algorithm>

#include "base/app_error.h"
#include "base/path.h"
#include "base/text.h"
#include "memo/marquee_control.h"
#include "memo/memo_form.h"
#include "memo/memo_menu.h"
#include "ui/application.h"

namespace quillpad {

namespace {

constexpr int kSizeBand = 6;
constexpr const char* kTextFilter = "ﾃｷｽﾄﾌｧｲﾙ(*.txt)|*.txt|すべてのﾌｧｲﾙ(*.*)|*.*";

platform::System& Sys() {
  return ui::Application::Instance().System();
}
const std::string& Title() {
  return ui::Application::Instance().Title;
}

// Whole characters only: the second byte of a double-byte character may be an at sign.
bool HasChar(std::string_view s, char c) {
  for (std::size_t i = 0; i < s.size(); i += CharLength(s, i)) {
    if (s[i] == c) return true;
  }
  return false;
}

bool LooksLikeAddress(const std::string& text) {
  const std::string t = Trim(text);
  for (std::size_t i = 0; i < t.size(); i += CharLength(t, i)) {
    if (t.compare(i, 3, "://") == 0) return true;
  }
  return HasChar(t, '@') && HasChar(t, '.');
}

}  // namespace

ui::MenuItem* TMemoForm::Item(const char* name) const {
  return Find<ui::MenuItem>(name);
}

void TMemoForm::BuildMenu() {
  pmMemo = new ui::PopupMenu(this);
  pmMemo->Name = "pmMemo";
  std::vector<ui::MenuItem*> parents{&pmMemo->Items()};
  for (const MemoMenuRow& row : MemoMenuRows()) {
    parents.resize(static_cast<std::size_t>(row.Depth) + 1);
    ui::MenuItem* item =
        parents.back()->Add(row.Caption, row.Name, ui::TextToShortCut(row.ShortCut));
    item->Tag = row.Tag;
    item->SetRadioItem((row.Flags & MmRadio) != 0);
    if (row.Handler) {
      const MemoHandler handler = row.Handler;
      item->OnClick = [this, handler, item] {
        clickedItem_ = item;
        // The command may end with this memo saved away and destroyed: touch nothing after it.
        (this->*handler)();
      };
    }
    parents.push_back(item);
  }
  Item("BgNormal")->SetChecked(true);
  if (host_) {
    for (const auto& [name, text] : host_->MemoKeyList()) {
      if (ui::MenuItem* item = Item(name.c_str())) item->SetShortCut(ui::TextToShortCut(text));
    }
  }
  SetPopupMenu(pmMemo);
  // The states follow the memo even when the menu opens without the window being activated.
  pmMemo->OnPopup = [this] { UpdateActivation(); };
}

void TMemoForm::UpdateActivation() {
  memo_.HandCursor = LooksLikeAddress(memo_.Text);
  SetCursor(memo_.HandCursor ? platform::CursorKind::Hand : platform::CursorKind::Arrow);
  SetAcceptFiles(true);
  if (!host_) return;
  const MemoHostSettings s = host_->MemoSettings();
  if (s.bShowMemoAsHint) {
    SetHint(memo_.Text);
  } else {
    const std::vector<TMemoForm*>& memos = host_->Memos();
    const auto it = std::find(memos.begin(), memos.end(), this);
    if (it != memos.end()) {
      std::string hint = "メモ #" + IntToStr(static_cast<int>(it - memos.begin()) + 1) + "/" +
                         IntToStr(static_cast<int>(memos.size())) + " in " +
                         s.CategoryCaptions[s.CurrentCategory];
      if (memo_.StampText != kUnknownStamp) hint += "： Last Modified at " + memo_.StampText;
      SetHint(hint);
    }
  }
  const bool text = memo_.Kind != MemoKind::mkImage;
  for (const char* name : {"MemoEdit", "MemoFont", "BackColor", "InsertDateTime1", "InsertClip1",
                           "ClipAddStart", "ClipAddEnd"}) {
    Item(name)->SetEnabled(text);
  }
  if (text) {
    const char* mode = marquee_                              ? "BgMarquee"
                       : memo_.Kind == MemoKind::mkWallpaper ? "BgErase"
                       : memo_.Kind == MemoKind::mkGradation ? "BgGradation"
                                                             : "BgNormal";
    Item(mode)->SetChecked(true);
  }
  Item("MemoPosFix")->SetChecked(memo_.PositionFixed);
  for (int category = 0; category < kMemoCategoryCount; ++category) {
    ui::MenuItem* item = Item(("ToMemoFile" + IntToStr(category)).c_str());
    item->SetEnabled(category != s.CurrentCategory && !s.bReadOnly);
    item->SetCaption(s.CategoryCaptions[category]);
  }
}

void TMemoForm::DoActivate(bool active) {
  ui::Form::DoActivate(active);
  if (active) UpdateActivation();
}

bool TMemoForm::DoKeyDown(int key, unsigned shift) {
  if (pmMemo->DispatchShortCut(ui::MakeShortCut(key, shift))) return true;
  return ui::Form::DoKeyDown(key, shift);
}

int TMemoForm::DoHitTest(platform::Point p) {
  platform::System& sys = Sys();
  // The popup menu needs the click to reach the client area.
  if (sys.MouseButtonDown(platform::MouseButton::Right)) return platform::HtClient;
  const platform::Rect r = BoundsRect();
  const bool left = p.X < r.Left + kSizeBand;
  const bool top = p.Y < r.Top + kSizeBand;
  const bool right = p.X > r.Left + r.Width() - kSizeBand;
  const bool bottom = p.Y > r.Top + r.Height() - kSizeBand;
  int answer;
  if (top && left)
    answer = platform::HtTopLeft;
  else if (bottom && left)
    answer = platform::HtBottomLeft;
  else if (top && right)
    answer = platform::HtTopRight;
  else if (bottom && right)
    answer = platform::HtBottomRight;
  else if (left)
    answer = platform::HtLeft;
  else if (top)
    answer = platform::HtTop;
  else if (right)
    answer = platform::HtRight;
  else if (bottom)
    answer = platform::HtBottom;
  else
    answer =
        sys.MouseButtonDown(platform::MouseButton::Left) ? platform::HtCaption : platform::HtClient;
  if (host_) {
    // A memo larger than the screen stays where it is.
    const platform::Size full = host_->MemoSettings().FullScreen;
    if (ClientHeight() <= full.Height && ClientWidth() <= full.Width) host_->ClampMemo(this);
  }
  return answer;
}

void TMemoForm::BoundsChanged(bool sized, bool moved) {
  ui::Form::BoundsChanged(sized, moved);
  if (!moved) return;
  // The wallpaper behind the memo changes with its place.
  Invalidate();
  SetAcceptFiles(true);
}

void TMemoForm::DoDropFiles(const std::vector<std::string>& paths) {
  ui::Form::DoDropFiles(paths);
  if (!host_) return;
  switch (host_->MemoSettings().iDragDrop) {
    case 0:  // archiving arrives with the archiver
    case 2:  // the tool list arrives with the tools menu
      return;
    case 3: {
      if (memo_.Kind == MemoKind::mkImage) return;
      MemoEdit edit;
      std::string text = memo_.Text;
      for (const std::string& path : paths) text += "\r\n" + path;
      edit.Text = text;
      host_->ChangeMemo(this, edit);
      return;
    }
    default: {
      std::vector<std::string> found;
      for (const std::string& path : paths) CollectDropped(path, found);
      // Storing a memo may save and reload the whole list, this memo with it: nothing below
      // touches this memo, and the host checks it is still there before putting a picture after it.
      MemoHost* host = host_;
      for (const std::string& file : found) {
        // Exactly ".bmp": other spellings and formats are left to the picture readers.
        if (ExtractFileExt(file) == ".bmp") {
          host->OpenPictureAsMemo(this, file);
        } else {
          host->OpenFileAsMemo(file);
        }
      }
      return;
    }
  }
}

void TMemoForm::CollectDropped(const std::string& path, std::vector<std::string>& found) {
  platform::FileSystem& files = Sys().Files();
  if (files.FolderExists(path)) {
    const std::string folder = path.empty() || path.back() == '\\' ? path : path + "\\";
    for (const platform::FileEntry& entry : files.ListFolder(folder, "*.*")) {
      if (entry.Name == "." || entry.Name == "..") continue;
      CollectDropped(folder + entry.Name, found);
    }
    return;
  }
  found.push_back(path);
}

void TMemoForm::DoDblClick() {
  ui::Form::DoDblClick();
  MemoDblClick();
}

void TMemoForm::MemoDblClick() {
  if (!host_) return;
  const MemoHostSettings s = host_->MemoSettings();
  // Sending the address to its application arrives with the sending commands.
  if (s.bSendURLonDblClk && memo_.HandCursor) return;
  switch (s.iMemoDblClick) {
    case 0:
      MemoEditClick();
      break;
    case 4:
      SaveDeleteClick();
      break;
    case 5:
      NoSaveDeleteClick();
      break;
    case 6:
      if (ClientWidth() == s.iDefaultWidth && ClientHeight() == s.iDefaultHeight) {
        AutoSizeClick();
      } else {
        DefaultSizeClick();
      }
      break;
    default:
      break;
  }
}

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

std::string TMemoForm::TextSaveDir(const MemoHostSettings& s) {
  platform::FileSystem& files = Sys().Files();
  const std::string desktopMemo = JoinPath(s.WorkDir, "DesktopMemo");
  if (!files.FolderExists(desktopMemo)) files.CreateFolder(desktopMemo);
  return !s.asTextDir.empty() && files.FolderExists(s.asTextDir) ? s.asTextDir : desktopMemo;
}

void TMemoForm::MemoSaveClick() {
  // Pictures are saved with the picture commands.
  if (!host_ || memo_.Kind == MemoKind::mkImage) return;
  const MemoHostSettings s = host_->MemoSettings();
  platform::FileDialogOptions options;
  options.Title = "メモの保存";
  options.DefaultExt = "txt";
  options.Filter = kTextFilter;
  options.FileName = s.TextFileName;
  options.OverwritePrompt = true;
  options.InitialDir = TextSaveDir(s);
  platform::System& sys = Sys();
  if (!sys.SaveFileDialog(options)) return;
  if (!sys.Files().WriteFileAtomic(options.FileName, MemoTextExport(Record(), host_->NowText()))) {
    throw AppError(options.FileName + "に書き込めませんでした。");
  }
  host_->SetTextDir(ExtractFileDir(options.FileName));
}

bool TMemoForm::SaveAllText() {
  if (!host_) return false;
  const MemoHostSettings s = host_->MemoSettings();
  platform::FileDialogOptions options;
  options.Title = "全メモの保存";
  options.Filter = kTextFilter;
  options.FileName = s.TextFileName;
  options.OverwritePrompt = true;
  options.InitialDir = TextSaveDir(s);
  platform::System& sys = Sys();
  if (!sys.SaveFileDialog(options)) return false;
  std::vector<MemoRecord> records;
  for (const TMemoForm* memo : host_->Memos()) records.push_back(memo->Record());
  if (!sys.Files().WriteFileAtomic(options.FileName,
                                   AllMemosTextExport(records, host_->NowText()))) {
    throw AppError(options.FileName + "に書き込めませんでした。");
  }
  return true;
}

void TMemoForm::SaveAllClick() {
  SaveAllText();
}

// --- Editing through the main window -------------------------------------------------------

void TMemoForm::MemoEditClick() {
  if (host_ && memo_.Kind != MemoKind::mkImage) host_->EditMemo(this);
}

void TMemoForm::SetStyleDefaultClick() {
  if (!host_ || memo_.Kind == MemoKind::mkImage) return;
  MemoEdit edit;
  edit.DefaultStyle = true;
  host_->ChangeMemo(this, edit);
}

void TMemoForm::MemoFontClick() {
  if (!host_ || memo_.Kind == MemoKind::mkImage) return;
  host_->ChangeMemo(this, {}, [this](MemoEdit& edit) {
    FontSpec font = memo_.Font;
    if (!host_->ChooseFont(font)) return false;
    edit.Font = font;
    return true;
  });
}

void TMemoForm::BackColorClick() {
  if (!host_ || memo_.Kind == MemoKind::mkImage) return;
  host_->ChangeMemo(this, {}, [this](MemoEdit& edit) {
    ColorValue color = memo_.Color;
    if (!host_->ChooseColor(color)) return false;
    edit.Color = color;
    return true;
  });
}

void TMemoForm::AutoSizeClick() {
  if (!host_ || memo_.Kind == MemoKind::mkImage) return;
  MemoEdit edit;
  edit.AutoSize = true;
  host_->ChangeMemo(this, edit);
}

void TMemoForm::DateTimeStartAddClick() {
  if (!host_ || memo_.Kind == MemoKind::mkImage) return;
  MemoEdit edit;
  edit.Text = host_->NowText() + "\r\n" + memo_.Text;
  host_->ChangeMemo(this, edit);
}

void TMemoForm::DateTimeEndAddClick() {
  if (!host_ || memo_.Kind == MemoKind::mkImage) return;
  MemoEdit edit;
  edit.Text = memo_.Text + "\r\n\r\n" + host_->NowText();
  host_->ChangeMemo(this, edit);
}

void TMemoForm::ClipAddStartClick() {
  if (!host_ || memo_.Kind == MemoKind::mkImage) return;
  MemoEdit edit;
  edit.Text = Sys().GetClipboard().GetText() + "\r\n" + memo_.Text;
  host_->ChangeMemo(this, edit);
}

void TMemoForm::ClipAddEndClick() {
  if (!host_ || memo_.Kind == MemoKind::mkImage) return;
  MemoEdit edit;
  edit.Text = memo_.Text + "\r\n" + Sys().GetClipboard().GetText();
  host_->ChangeMemo(this, edit);
}

void TMemoForm::MemoCopyClick() {
  if (!host_) return;
  if (memo_.Kind != MemoKind::mkImage) {
    host_->DuplicateMemo(this);
    return;
  }
  // A picture is copied the way every picture memo is made: through the clipboard.
  Sys().GetClipboard().SetPicture(memo_.Picture);
  ClipNewHereClick();
}

void TMemoForm::ClipNewHereClick() {
  if (host_) host_->ClipNewHere(this);
}

void TMemoForm::SetDefaultStyleClick() {
  if (host_) host_->SetDefaultStyleFrom(this);
}

// --- Style of this window ------------------------------------------------------------------

void TMemoForm::DefaultSizeClick() {
  if (!host_ || memo_.Kind == MemoKind::mkImage) return;
  const MemoHostSettings s = host_->MemoSettings();
  SetClientSize(s.iDefaultWidth, s.iDefaultHeight);
}

void TMemoForm::ShowBorderClick() {
  const platform::Size client = ClientSize();
  memo_.BorderStyle =
      memo_.BorderStyle == MemoBorder::SizeToolWin ? MemoBorder::None : MemoBorder::SizeToolWin;
  ApplyBorder();
  Item("ShowBorder")->SetChecked(memo_.BorderStyle == MemoBorder::SizeToolWin);
  SetAcceptFiles(true);
  // The content neither moves nor shrinks.
  SetClientSize(client.Width, client.Height);
}

void TMemoForm::SetKind(MemoKind kind) {
  if (memo_.Kind == MemoKind::mkImage) return;
  memo_.Kind = kind;
  ApplyMarquee();
  const char* item = kind == MemoKind::mkMarquee     ? "BgMarquee"
                     : kind == MemoKind::mkWallpaper ? "BgErase"
                     : kind == MemoKind::mkGradation ? "BgGradation"
                                                     : "BgNormal";
  Item(item)->SetChecked(true);
  if (kind == MemoKind::mkWallpaper && Visible()) {
    // Erased at once over what lies behind it.
    Hide();
    Show();
  }
  Invalidate();
}

void TMemoForm::BgNormalClick() {
  SetKind(MemoKind::mkNormal);
}
void TMemoForm::BgGradationClick() {
  SetKind(MemoKind::mkGradation);
}
void TMemoForm::BgEraseClick() {
  SetKind(MemoKind::mkWallpaper);
}
void TMemoForm::BgMarqueeClick() {
  SetKind(MemoKind::mkMarquee);
}

void TMemoForm::MemoStayOnTopClick() {
  memo_.StayOnTop = !memo_.StayOnTop;
  SetStayOnTop(memo_.StayOnTop);
}

void TMemoForm::MemoPosFixClick() {
  memo_.PositionFixed = !memo_.PositionFixed;
  Item("MemoPosFix")->SetChecked(memo_.PositionFixed);
}

void TMemoForm::MemoHideClick() {
  Hide();
}

// --- The list and the program --------------------------------------------------------------

void TMemoForm::ToMemoFile0Click() {
  if (host_ && clickedItem_) host_->AppendMemoToCategory(this, clickedItem_->Tag);
}

void TMemoForm::NewMemoEditClick() {
  if (host_) host_->NewMemo();
}

void TMemoForm::ShowAllMemoClick() {
  if (host_) host_->ShowAllMemos();
}

void TMemoForm::HideAllMemoClick() {
  if (host_) host_->HideAllMemos();
}

void TMemoForm::ExitClick() {
  if (host_) host_->RequestExit();
}

// --- The main window's commands --------------------------------------------------------------

void TMemoForm::OpenTextClick() {
  if (host_) host_->OpenTextAsMemo();
}
void TMemoForm::ClipNewStartClick() {
  if (host_) host_->ClipNewMemoAtStart();
}
void TMemoForm::ClipNewEndClick() {
  if (host_) host_->ClipNewMemoAtEnd();
}
void TMemoForm::ListAllMemoClick() {
  if (host_) host_->ListAllMemos();
}
void TMemoForm::ShowCalendarClick() {
  if (host_) host_->ShowCalendar();
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
  job->DrawBitmap({0, 0, scale(info->Width, printer.Width, screen.Width), scale(info->Height, printer.Height, screen.Height)},
                  image);
  if (!job->Finish()) throw AppError("メモを印刷できませんでした。");
}

}  // namespace quillpad
