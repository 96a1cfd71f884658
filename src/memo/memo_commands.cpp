// TMemoForm: the popup menu, activation, the hit test and the commands that act on one memo.
#include <algorithm>

#include "base/app_error.h"
#include "base/path.h"
#include "base/text.h"
#include "memo/marquee_control.h"
#include "memo/memo_commands_support.h"
#include "memo/memo_form.h"
#include "memo/memo_menu.h"
#include "memo/memo_paint.h"
#include "ui/application.h"

namespace quillpad {

using memo_support::Sys;
using memo_support::Title;

namespace {

constexpr int kSizeBand = 6;

}  // namespace

ui::MenuItem* TMemoForm::Item(const char* name) {
  if (!pmMemo) BuildMenu();
  return Find<ui::MenuItem>(name);
}

void TMemoForm::BuildMenu() {
  pmMemo = new ui::PopupMenu(this);
  pmMemo->Name = "pmMemo";
  std::vector<ui::MenuItem*> parents{&pmMemo->Items()};
  for (const MemoMenuRow& row : MemoMenuRows()) {
    parents.resize(static_cast<std::size_t>(row.Depth) + 1);
    ui::MenuItem* item = parents.back()->Add(row.Caption, row.Name);  // keys: ApplyKeyList
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
  ApplyKeyList();
  SetPopupMenu(pmMemo);
  // The states follow the memo even when the menu opens without the window being activated.
  pmMemo->OnPopup = [this] { UpdateActivation(); };
  UpdateMenuStates();
}

void TMemoForm::ApplyKeyList() {
  if (!pmMemo) return;
  // The built-in keys first, so a key the user no longer assigns comes back.
  for (const MemoMenuRow& row : MemoMenuRows()) {
    if (ui::MenuItem* item = Item(row.Name)) item->SetShortCut(ui::TextToShortCut(row.ShortCut));
  }
  if (!host_) return;
  for (const auto& [name, text] : host_->MemoKeyList()) {
    if (ui::MenuItem* item = Item(name.c_str())) item->SetShortCut(ui::TextToShortCut(text));
  }
}

void TMemoForm::ApplyMenuMarks() {
  if (!pmMemo) return;
  Item("ShowBorder")->SetChecked(memo_.BorderStyle == MemoBorder::SizeToolWin);
  Item("MemoPosFix")->SetChecked(memo_.PositionFixed);
}

void TMemoForm::DoContextMenu(platform::Point screen) {
  if (!pmMemo) BuildMenu();
  ui::Form::DoContextMenu(screen);
}

void TMemoForm::UpdateActivation() {
  SetAcceptFiles(true);
  UpdateLooks();
}

void TMemoForm::UpdateLooks() {
  memo_.HandCursor = LooksLikeAddress(memo_.Text);
  SetCursor(memo_.HandCursor ? platform::CursorKind::Hand : platform::CursorKind::Arrow);
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
  UpdateMenuStates();
}

void TMemoForm::UpdateMenuStates() {
  // A menu not yet built takes its states when it is.
  if (!pmMemo || !host_) return;
  const MemoHostSettings s = host_->MemoSettings();
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
  ApplyMenuMarks();
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

void TMemoForm::SetVisible(bool visible) {
  ui::Form::SetVisible(visible);
  // A window kept over a file switch shows another memo now.
  if (visible) UpdateLooks();
}

bool TMemoForm::DoKeyDown(int key, unsigned shift) {
  if (!pmMemo) BuildMenu();
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
  ClampToWorkArea();
  return answer;
}

void TMemoForm::DoNcLeftButtonUp() {
  ClampToWorkArea();
}

void TMemoForm::ClampToWorkArea() {
  if (!host_) return;
  // A memo larger than the screen stays where it is.
  const platform::Size full = host_->MemoSettings().FullScreen;
  if (ClientHeight() <= full.Height && ClientWidth() <= full.Width) host_->ClampMemo(this);
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
  // Storing a memo may save and reload the whole list, this memo with it: once the drop's work
  // has begun nothing below touches this memo, only the host.
  MemoHost* host = host_;
  switch (host->MemoSettings().iDragDrop) {
    case 0:
      SetForeground();  // the archive dialog belongs to this memo
      // The explorer on the archive's folder is the drop's last word.
      if (host->ArchiveDropped(paths)) return;
      break;
    case 2:  // no re-arrangement after it
      host->RegisterDroppedTools(paths);
      return;
    case 3: {
      if (memo_.Kind == MemoKind::mkImage) break;
      MemoEdit edit;
      std::string text = memo_.Text;
      for (const std::string& path : paths) text += "\r\n" + path;
      edit.Text = text;
      host->ChangeMemo(this, edit);
      break;
    }
    default: {
      std::vector<std::string> found;
      for (const std::string& path : paths) CollectDropped(path, found);
      // The host checks this memo is still there before putting a picture after it.
      for (const std::string& file : found) {
        // Exactly ".bmp": other spellings and formats go to the plug-ins, then as text.
        if (ExtractFileExt(file) == ".bmp") {
          host->OpenPictureAsMemo(this, file);
        } else if (!host->OpenPluginPictureAsMemo(this, file)) {
          host->OpenFileAsMemo(file);
        }
      }
      break;
    }
  }
  // The memos line up again by iAfterSizeChange.
  host->ArrangeAfterChange();
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
  if (s.bSendURLonDblClk && memo_.HandCursor) {
    SendMemoToApplicationClick();
    return;
  }
  switch (s.iMemoDblClick) {
    case 0:
      MemoEditClick();
      break;
    case 1:
      SendMemoToActiveWindowClick();
      break;
    case 2:
      SendMemoToClipboardClick();
      break;
    case 3:
      SendMemoToApplicationClick();
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
  // A picture is copied the way every picture memo is made: through the clipboard. A picture
  // memo whose picture was lost to damage copies nothing, not whatever the clipboard holds.
  if (!ReadBmpInfo(memo_.Picture)) return;
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
void TMemoForm::TextFindClick() {
  if (host_) host_->ShowSearchDialog(false);
}

void TMemoForm::TextReplaceClick() {
  if (host_) host_->ShowSearchDialog(true);
}

void TMemoForm::ShowCalendarClick() {
  if (host_) host_->ShowCalendar();
}

void TMemoForm::ShowClipboardViewer1Click() {
  if (host_) host_->ShowClipboardViewer();
}

void TMemoForm::ShowCalculatorDlgClick() {
  if (host_) host_->ShowCalculator();
}

}  // namespace quillpad
