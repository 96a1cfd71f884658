// TMainForm: construction of the window and its start-up (FormCreate).
#include "app/main_form.h"

#include "app/main_texts.h"
#include "base/path.h"
#include "base/text.h"
#include "capture/capture_commands.h"
#include "plugins/picture_plugins.h"
#include "plugins/picture_preview.h"
#include "tray/task_bar.h"

namespace quillpad {

namespace {
constexpr platform::Color kClBackground = 0x80000001;  // the desktop's system colour
}

TMainForm::TMainForm(ui::Application& application)
    : ui::Form(nullptr), application_(application), system_(application.System()) {
  Name = "MainForm";
  application_.SetMainForm(this);
  SetBorderIcons(false, false, true);  // maximise only, no system menu
  BuildMenus();
  // Sized before the panes are made, so they are laid out once in the final client area.
  SetClientSize(438, 272);
  BuildToolBars();
  BuildPanes();

  Timer1 = new ui::Timer(this, 1000, true);
  Timer1->Name = "Timer1";
  Timer2 = new ui::Timer(this, 200, false);
  Timer2->Name = "Timer2";
  Timer3 = new ui::Timer(this, 200, false);
  Timer3->Name = "Timer3";
  Timer1->SetOnTimer([this] { Timer1Timer(); });
  CreateCapture();

  // The tray icon's stored properties, then its loading: the icon appears with "Quillpad".
  TaskBar1 = new TTaskBar(this, system_);
  TaskBar1->Name = "TaskBar1";
  TaskBar1->SetEnableTaskBar(false);
  TaskBar1->SetTips("Quillpad");
  TaskBar1->PopupMenuRight = TaskTrayPopupMenu;
  TaskBar1->OnTrayClick = [this](platform::MouseButton b) { TaskBar1TrayClick(b); };
  TaskBar1->OnTrayDblClick = [this](platform::MouseButton b) { TaskBar1TrayDblClick(b); };
  TaskBar1->Loaded();

  OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
  OnQueryEndSession = [this](bool& canEnd) { canEnd = QueryEndSession() != 0; };
  OnHide = [this] { FormHide(); };
  OnMove = [this] { FormMove(); };
  OnDropFiles = [this](const std::vector<std::string>& paths) { FormDropFiles(paths); };
  SetPopupMenu(TaskTrayPopupMenu);

  FormCreate();
}

TMainForm::~TMainForm() {
  DestroyCalendar();
  // The tray must not keep a menu that goes before it.
  if (TaskBar1) TaskBar1->PopupMenuRight = nullptr;
  application_.OnIdle = nullptr;
  application_.OnHint = nullptr;
}

ui::MenuItem* TMainForm::Item(const char* name) const {
  return Find<ui::MenuItem>(name);
}
ui::ToolButton* TMainForm::Button(const char* name) const {
  return Find<ui::ToolButton>(name);
}

platform::Profile TMainForm::Ini() {
  return platform::Profile(system_.Files(), JoinPath(ProgramDir, FileNames::kIni));
}

std::string TMainForm::NowText() {
  const DateTime now = system_.Now();
  return FormatDateTime(system_.ShortDateFormat(), now) + " " +
         FormatDateTime(system_.LongTimeFormat(), now);
}

std::string TMainForm::NewMemoCaption() const {
  return CurMemoFileDisplayName + " ： " + "新規メモ";
}

void TMainForm::FormCreate() {
  // Fixed names and the first memo file.
  iCurMemoFile = 0;
  CurMemoFileName = FileNames::kMemoFiles[0];
  CurMemoFileDisplayName = Item("MemoFile0")->Caption();
  bShowMemo = true;
  IdleDone = false;
  ExitRequested = false;

  application_.OnHint = [this] { StatusBar1->SetPanelText(2, application_.Hint()); };
  application_.OnIdle = [this](bool& done) { ApplicationIdle(done); };

  ProgramDir = ExcludeTrailingBackslash(ExtractFileDir(system_.ExecutablePath()));
  RefreshWorkArea();

  LoadSettings();
  PluginManager = std::make_unique<PicturePlugins>(system_.Plugins());
  PreviewOfPictureDialogs = std::make_unique<PicturePreview>(*PluginManager, system_);
  platform::FileSystem& files = system_.Files();
  WorkDir = asWorkDir;
  if (WorkDir.empty() || !files.FolderExists(WorkDir)) {
    WorkDir = ProgramDir;
    asWorkDir = WorkDir;
  }

  // The schedule memo folder and the month's list.
  ScheduleMemoDir = JoinPath(WorkDir, FileNames::kScheduleMemoDir);
  if (!files.FolderExists(ScheduleMemoDir)) files.CreateFolder(ScheduleMemoDir);
  DateTimePicker1->SetDate(system_.Now());
  ScheduleMemoListBox->SetDirectory(ScheduleMemoDir);
  ScheduleMemoListBox->SetMask(FormatDateTime("yyyymm", system_.Now()) + "*.txt");
  ScheduleMemoListBox->SetColor(ScheduleMemoListBox->Count() > 0 ? ui::ClWindow : kClBackground);
  LoadToolList();
  if (bShowCalendar) CreateCalendar();
  ApplyKeyList();
  RegisterGlobalKeys();
  if (bShowClipboardViewer) CreateClipboardViewer();

  LoadMemoList(CurMemoFileName);

  RichEdit1->Clear();
  SetEditFile(FileNames::kMemoText, NewMemoCaption());
  LoadDefaultStyle();

  SetEditorModified(false);
  TaskBar1->SetEnableTaskBar(false);
  RefreshTrayTip();
  DayBoundary = AddDays(DateOf(system_.Now()), 1);
  SetAcceptFiles(true);
}

void TMainForm::LoadSettings() {
  platform::Profile ini = Ini();
  static_cast<Settings&>(*this) = quillpad::LoadSettings(ini);
  ApplySettings();
}

void TMainForm::ApplySettings() {
  // Check marks and captions take the loaded values.
  Item("ShowBorder")->SetChecked(bShowBorder);
  Button("ShowBorderBtn")->SetDown(bShowBorder);
  // Radio items: marking clears the others; none marked when all four read false.
  const char* const bg[] = {"BgNormal", "BgErase", "BgGradation", "BgMarquee"};
  const bool marks[] = {bBgNormal, bBgErase, bBgGradation, bBgMarquee};
  for (int i = 0; i < 4; ++i) Item(bg[i])->SetChecked(false);
  for (int i = 0; i < 4; ++i) {
    if (marks[i]) Item(bg[i])->SetChecked(true);
  }
  Item("ShowCalendar")->SetChecked(false);
  Item("ShowClipboardViewer")->SetChecked(false);
  Item("MemoFile0")->SetCaption(asMemoFile0);
  Item("MemoFile1")->SetCaption(asMemoFile1);
  Item("MemoFile2")->SetCaption(asMemoFile2);

  CurMemoFileName = FileNames::kMemoFiles[iCurMemoFile];
  ui::MenuItem* file = Item(("MemoFile" + IntToStr(iCurMemoFile)).c_str());
  file->SetChecked(true);

  Item("ShowBasicToolBar")->SetChecked(bShowBasicToolBar);
  CoolBar1->SetBandVisible(0, bShowBasicToolBar);
  Item("ShowEditorToolBar")->SetChecked(bShowEditorToolBar);
  CoolBar1->SetBandVisible(1, bShowEditorToolBar);
  Item("ButtonFlat")->SetChecked(bButtonFlat);
  tbMain->SetFlat(bButtonFlat);
  tbEdit->SetFlat(bButtonFlat);
  Item("MainFormStayOnTop")->SetChecked(bMainFormStayOnTop);
  if (bMainFormStayOnTop) SetStayOnTop(true);

  // Each pane comes back as it was at the end of the previous run.
  SetPaneWidth(true, iLeftPanelWidth);
  SetPaneWidth(false, iOutputMemoHeight);
  CurMemoFileDisplayName = file->Caption();
}

void TMainForm::CollectSettings() {
  iLeftPanelWidth = LeftPanel->Visible() ? LeftPanel->Width() : 0;
  iOutputMemoHeight = OutputMemo->Visible() ? OutputMemo->Height() : 0;
  bShowBorder = Item("ShowBorder")->Checked();
  bBgNormal = Item("BgNormal")->Checked();
  bBgErase = Item("BgErase")->Checked();
  bBgGradation = Item("BgGradation")->Checked();
  bBgMarquee = Item("BgMarquee")->Checked();
  bShowCalendar = Item("ShowCalendar")->Checked();
  bShowClipboardViewer = Item("ShowClipboardViewer")->Checked();
  bShowBasicToolBar = Item("ShowBasicToolBar")->Checked();
  bShowEditorToolBar = Item("ShowEditorToolBar")->Checked();
  bMainFormStayOnTop = Item("MainFormStayOnTop")->Checked();
  bButtonFlat = Item("ButtonFlat")->Checked();
  asMemoFile0 = Item("MemoFile0")->Caption();
  asMemoFile1 = Item("MemoFile1")->Caption();
  asMemoFile2 = Item("MemoFile2")->Caption();
}

void TMainForm::SaveSettings() {
  CollectSettings();
  platform::Profile ini = Ini();
  // Settings that did not reach the file are reported; closing goes on, the memos are saved.
  if (!quillpad::SaveSettings(ini, *this)) ReportWriteFailure(ini.Path());
}

std::string TMainForm::WriteFailureText(const std::string& path) {
  return system_.Files().WriteTarget(path) + "に書き込めませんでした。";
}

void TMainForm::ReportWriteFailure(const std::string& path) {
  system_.ShowError(WriteFailureText(path));
}

void TMainForm::SetEditFile(const std::string& fileName, const std::string& displayName) {
  EditFileName = fileName;
  EditFileDisplayName = displayName;
  SetCaption(MainCaption(displayName));
}

void TMainForm::SetEditorModified(bool modified) {
  RichEdit1->SetModified(modified);
  StatusBar1->SetPanelText(1, modified ? "変更あり" : "");
}

void TMainForm::ShowCaretPosition() {
  const int start = RichEdit1->SelStart();
  const int caret = start + RichEdit1->SelLength();
  const int line = RichEdit1->LineFromChar(caret);
  const int column = caret - RichEdit1->LineStart(line) + 1;
  StatusBar1->SetPanelText(
      0, CaretPositionText(line + 1, column, static_cast<int>(RichEdit1->Text().size())));
}

void TMainForm::RefreshTrayTip() {
  TaskBar1->SetTips(TrayTipText(MemoCount(), CurMemoFileDisplayName));
}

void TMainForm::RefreshWorkArea() {
  WorkArea = system_.WorkArea();
  FullScreen = system_.FullScreenSize();
}

}  // namespace quillpad
