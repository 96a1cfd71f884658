#include "clipboard/clipboard_form.h"

#include "base/app_error.h"
#include "base/path.h"
#include "base/text.h"
#include "clipboard/history_file.h"

namespace quillpad {

namespace {

// Pictures of the main window's tool image list.
enum ToolImage : int {
  kImageDocument = 0, kImageNewWindow = 1, kImageWindows = 6, kImageSort = 7, kImageRemove = 8,
  kImageBlankPage = 15, kImageCopy = 19, kImagePaste = 20, kImageFind = 22, kImageFront = 25,
};

}  // namespace

TClipboardForm::TClipboardForm(ui::Component* owner, ClipboardHost& host, platform::System& system)
    : ui::Form(owner), host_(host), system_(system) {
  Name = "ClipboardForm";
  SetCaption("クリップボードビューア");
  SetBounds(40, 40, 308, 301);
  BuildControls();
  BuildMenu();
  OnClose = [this](ui::CloseAction& a) { FormClose(a); };
  OnActivate = [this] { ShowLimits(); };

  History.MaxCount = kDefaultMaxCount;
  History.NeglectRowCount = kDefaultNeglectRowCount;
  LoadHistory();
  // The limits come before the first capture: with the defaults it would cut a longer history
  // that the user allowed down to 500 entries at every start.
  platform::Profile ini = Ini();
  SetLimits(ini.ReadInteger(kSection, "iMaxCount", History.MaxCount),
            ini.ReadInteger(kSection, "iNeglectRowCount", History.NeglectRowCount));
  joined_ = true;
  next_ = system_.GetClipboard().JoinViewerChain(*Peer(), *this);
  LoadSettings();
  ShowHistory();
  ShowLimits();
}

TClipboardForm::~TClipboardForm() { LeaveChain(); }

void TClipboardForm::BuildControls() {
  ToolBar1 = new ui::ToolBar(this, this);
  ToolBar1->Name = "ToolBar1";
  ToolBar1->SetFlat(true);
  ToolBar1->SetAlign(ui::Align::Top);
  auto add = [this](const char* name, const char* hint, int image, void (TClipboardForm::*click)(),
                    ui::ToolButtonStyle style = ui::ToolButtonStyle::Button) {
    auto* b = new ui::ToolButton(this, ToolBar1, style);
    b->Name = name;
    b->SetHint(hint);
    b->SetImageIndex(image);
    b->OnClick = [this, click] { (this->*click)(); };
    return b;
  };
  auto separator = [this] { new ui::ToolButton(this, ToolBar1, ui::ToolButtonStyle::Separator); };
  using F = TClipboardForm;
  SendToActiveInputBtn = add("SendToActiveInputBtn", "エディターにCtrl+V", kImagePaste,
                             &F::SendToActiveInputBtnClick);
  separator();
  MakeMemoBtn = add("MakeMemoBtn", "デスクトップメモに表示", kImageNewWindow, &F::MakeMemoBtnClick);
  EditBtn = add("EditBtn", "選択部分を編集", kImageDocument, &F::EditBtnClick);
  DeleteBtn = add("DeleteBtn", "リストからの消去", kImageRemove, &F::DeleteBtnClick);
  CopyBtn = add("CopyBtn", "コピー", kImageCopy, &F::CopyBtnClick);
  separator();
  SortBtn = add("SortBtn", "リストをソート", kImageSort, &F::SortBtnClick, ui::ToolButtonStyle::Check);
  ReduceListBtn = add("ReduceListBtn", "リストの冗長削除", kImageFind, &F::ReduceListBtnClick);
  ClearBtn = add("ClearBtn", "リストの全消去", kImageBlankPage, &F::ClearBtnClick);
  separator();
  BringToFrontBtn = add("BringToFrontBtn", "更新があるたびに前面に", kImageFront,
                        &F::BringToFrontBtnClick, ui::ToolButtonStyle::Check);
  separator();
  OptionBtn = add("OptionBtn", "オプション設定", kImageWindows, &F::OptionBtnClick);

  StatusBar1 = new ui::StatusBar(this, this);
  StatusBar1->Name = "StatusBar1";
  StatusBar1->SetAlign(ui::Align::Bottom);
  StatusBar1->SetPanels({50, 70, 50});

  platform::WindowStyle listStyle = ui::FramedStyle();
  listStyle.MultiSelect = true;
  ClipboardListBox = new ui::ListBox(this, this, listStyle);
  ClipboardListBox->Name = "ClipboardListBox";
  ClipboardListBox->SetAlign(ui::Align::Client);
  ClipboardListBox->OnDblClick = [this] { SendToActiveInputBtnClick(); };
}

void TClipboardForm::BuildMenu() {
  pmClipboardListBox = new ui::PopupMenu(this);
  pmClipboardListBox->Name = "pmClipboardListBox";
  auto add = [this](const char* caption, const char* name, void (TClipboardForm::*click)()) {
    pmClipboardListBox->Add(caption, name)->OnClick = [this, click] { (this->*click)(); };
  };
  using F = TClipboardForm;
  add("エディタにCtrl+&V", "SendToActiveInput", &F::SendToActiveInputBtnClick);
  pmClipboardListBox->Add("-", "N1");
  add("デスクトップにメモ表示(&M)", "M1", &F::MakeMemoBtnClick);
  add("選択部分を編集(&E)", "Edit", &F::EditBtnClick);
  add("選択部分を削除(&Q)", "Delete", &F::DeleteBtnClick);
  add("選択部分をコピー(&C)", "Copy", &F::CopyBtnClick);
  pmClipboardListBox->Add("-", "N2");
  add("リストから冗長部分削除(&R)", "ReduceList", &F::ReduceListBtnClick);
  add("全リストのクリア(&X)", "X1", &F::ClearBtnClick);
  ClipboardListBox->SetPopupMenu(pmClipboardListBox);
}

platform::Profile TClipboardForm::Ini() {
  return platform::Profile(system_.Files(), JoinPath(host_.ClipboardProgramDir(), "Quillpad.ini"));
}

void TClipboardForm::LoadHistory() {
  const std::string path = JoinPath(host_.ClipboardProgramDir(), kHistoryFile);
  std::string bytes;
  // Lines of another encoding or of a binary file do not come back as they were.
  platform::ReadOwnedTextFile(system_, path, bytes,
                              [](const std::string& b) { return IsSoundHistoryText(b); });
  History.Assign(ReadHistoryFile(bytes, kHistoryMaxCountLimit));
}

void TClipboardForm::LoadSettings() {
  platform::Profile ini = Ini();
  const int top = ini.ReadInteger(kSection, "iCalendarTop", Top());
  const int left = ini.ReadInteger(kSection, "iCalendarLeft", Left());
  const int width = ini.ReadInteger(kSection, "iCalendarWidth", Width());
  const int height = ini.ReadInteger(kSection, "iCalendarHeight", Height());
  SetBoundsRect(host_.ClampClipboardBounds({left, top, left + width, top + height}));
  BringToFrontBtn->SetDown(ini.ReadBool(kSection, "bBringToFront", false));
  const bool sorted = ini.ReadBool(kSection, "bSorted", false);
  SetLimits(ini.ReadInteger(kSection, "iMaxCount", History.MaxCount),
            ini.ReadInteger(kSection, "iNeglectRowCount", History.NeglectRowCount));
  History.SetSorted(sorted);
  SortBtn->SetDown(sorted);
  BringToFrontBtnClick();
}

void TClipboardForm::SaveSettings() {
  platform::Profile ini = Ini();
  bool ok = true;
  ok &= ini.WriteInteger(kSection, "iCalendarTop", Top());
  ok &= ini.WriteInteger(kSection, "iCalendarLeft", Left());
  ok &= ini.WriteInteger(kSection, "iCalendarWidth", Width());
  ok &= ini.WriteInteger(kSection, "iCalendarHeight", Height());
  ok &= ini.WriteBool(kSection, "bBringToFront", BringToFrontBtn->Down());
  ok &= ini.WriteBool(kSection, "bSorted", History.Sorted());
  ok &= ini.WriteInteger(kSection, "iMaxCount", History.MaxCount);
  ok &= ini.WriteInteger(kSection, "iNeglectRowCount", History.NeglectRowCount);
  if (!ok) throw AppError(ini.Path() + "に書き込めませんでした。");
}

void TClipboardForm::SaveHistory() {
  platform::FileSystem& files = system_.Files();
  const std::string path = JoinPath(host_.ClipboardProgramDir(), kHistoryFile);
  if (!files.WriteFileAtomic(path, WriteHistoryFile(History.Entries())))
    throw AppError(files.WriteTarget(path) + "に書き込めませんでした。");
}

void TClipboardForm::SetLimits(int maxCount, int neglectRowCount) {
  History.MaxCount = ClampMaxCount(maxCount);
  History.NeglectRowCount = ClampNeglectRowCount(neglectRowCount);
  ShowLimits();
}

void TClipboardForm::ShowHistory() {
  ClipboardListBox->SetItems(History.Entries());
  StatusBar1->SetPanelText(0, IntToStr(History.Count()) + "行");
}

void TClipboardForm::ShowLimits() {
  StatusBar1->SetPanelText(1, "最大" + IntToStr(History.MaxCount) + "行");
  StatusBar1->SetPanelText(2, IntToStr(History.NeglectRowCount) + "行以上のコピー無視");
}

std::vector<bool> TClipboardForm::Selection() const {
  std::vector<bool> selected(static_cast<std::size_t>(ClipboardListBox->Count()));
  for (int i = 0; i < ClipboardListBox->Count(); ++i) {
    selected[static_cast<std::size_t>(i)] = ClipboardListBox->Selected(i);
  }
  return selected;
}

std::vector<std::string> TClipboardForm::SelectedEntries() const {
  std::vector<std::string> lines;
  const std::vector<bool> selected = Selection();
  for (std::size_t i = 0; i < selected.size(); ++i) {
    if (selected[i]) lines.push_back(History.Entries()[i]);
  }
  return lines;
}

void TClipboardForm::OnDrawClipboard() {
  platform::Clipboard& clipboard = system_.GetClipboard();
  History.Capture(clipboard.HasText() ? clipboard.GetText() : std::string());
  ShowHistory();
  clipboard.ForwardDrawClipboard(next_);
  if (BringToFrontBtn->Down()) BringToFront();
}

void TClipboardForm::OnChangeClipboardChain(platform::WindowHandle removed,
                                            platform::WindowHandle next) {
  if (removed == next_) {
    next_ = next;
  } else {
    system_.GetClipboard().ForwardChangeClipboardChain(next_, removed, next);
  }
}

void TClipboardForm::LeaveChain() {
  if (!joined_) return;
  joined_ = false;
  system_.GetClipboard().LeaveViewerChain(*Peer(), next_);
}

void TClipboardForm::SendToActiveInputBtnClick() {
  const std::string text = History.JoinSelected(Selection());
  if (text.empty()) return;
  host_.SendTextToPreviousWindow(text);
}

void TClipboardForm::EditBtnClick() {
  const std::vector<std::string> lines = SelectedEntries();
  if (!lines.empty()) host_.EditLinesAsNewMemo(lines);
}

void TClipboardForm::MakeMemoBtnClick() {
  const std::vector<std::string> lines = SelectedEntries();
  if (lines.empty() || !host_.EditLinesAsNewMemo(lines)) return;
  system_.Desktop().ProcessMessages();
  host_.ShowEditorAsNewMemo();
}

void TClipboardForm::CopyBtnClick() {
  const std::string text = History.JoinSelected(Selection());
  if (!text.empty()) system_.GetClipboard().SetText(text);
}

void TClipboardForm::DeleteBtnClick() {
  History.Delete(Selection());
  ShowHistory();
}

void TClipboardForm::SortBtnClick() {
  History.SetSorted(SortBtn->Down());
  ShowHistory();
}

void TClipboardForm::ReduceListBtnClick() {
  History.Reduce();
  ShowHistory();
}

void TClipboardForm::ClearBtnClick() {
  History.Clear();
  ShowHistory();
}

void TClipboardForm::BringToFrontBtnClick() { SetStayOnTop(BringToFrontBtn->Down()); }

void TClipboardForm::OptionBtnClick() {
  host_.OpenOptionsFromClipboard();
  ShowLimits();
}

void TClipboardForm::FormClose(ui::CloseAction& action) {
  action = ui::CloseAction::Hide;
  Tag = -1;
  host_.ClipboardClosed();
  LeaveChain();
  // Both files are written even when the first fails; the first failure is reported.
  std::string failure;
  try {
    SaveHistory();
  } catch (const AppError& e) {
    failure = e.what();
  }
  SaveSettings();
  if (!failure.empty()) throw AppError(failure);
}

}  // namespace quillpad
