// TMainForm: the calculating editor and the owner of everything else for the whole run: the
// settings, the evaluator, the tray icon, the memo list and the single-instance windows. Its
// member definitions are split by concern over several files (main_form*.cpp).
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "app/menu_table.h"
#include "app/settings.h"
#include "base/date_time.h"
#include "calc/calculator_host.h"
#include "calc/evaluator.h"
#include "calendar/calendar_host.h"
#include "capture/capture_host.h"
#include "clipboard/clipboard_host.h"
#include "keys/keys_host.h"
#include "memo/memo_host.h"
#include "memo/memo_list_host.h"
#include "memo/templates/style_template.h"
#include "memo/templates/style_template_host.h"
#include "platform/profile.h"
#include "ui/application.h"
#include "ui/cool_bar.h"
#include "ui/date_time_picker.h"
#include "ui/edit_controls.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/menu_item.h"
#include "ui/splitter.h"
#include "ui/status_bar.h"
#include "ui/std_controls.h"
#include "ui/timer.h"
#include "ui/tool_bar.h"

namespace quillpad {

class TTaskBar;
class TMemoForm;
class TCalendarForm;
class TClipboardForm;
class CaptureCommands;
class TCalculatorDlg;
class TOptionDlg;
class PicturePlugins;
class PicturePreview;

// The fixed file and folder names of the program.
struct FileNames {
  static constexpr const char* kIni = "Quillpad.ini";
  static constexpr const char* kScheduleMemoDir = "ScheduleMemo";
  static constexpr const char* kKeyList = "KeyList.ini";
  static constexpr const char* kKeyListOnMemo = "KeyListOnMemo.ini";
  static constexpr const char* kDesktopMemoDir = "DesktopMemo";
  static constexpr const char* kLogFile = "Quillpad.log";
  static constexpr const char* kMemoText = "Memo.txt";
  static constexpr const char* kUntitledBmp = "untitled.bmp";
  static constexpr const char* kUntitledJpg = "untitled.jpg";
  static constexpr const char* kBitmapDir = "Bitmap";
  static constexpr const char* kJpegDir = "JPEG";
  static constexpr const char* kMemoFont = "MemoFont.dat";
  static constexpr const char* kMemoColor = "MemoColor.dat";
  static constexpr const char* kStyleTemplate = "StyleTemplate.dat";
  static constexpr const char* kToolList = "ToolList.txt";
  static constexpr const char* kHelpFile = "Quillpad.hlp";
  static constexpr const char* kMemoFiles[3] = {"MemoData.dat", "MemoData1.dat", "MemoData2.dat"};
};

class TMainForm : public ui::Form,
                  public Settings,
                  public CalendarHost,
                  public CaptureHost,
                  public ClipboardHost,
                  public MemoHost,
                  public MemoListHost,
                  public StyleTemplateHost,
                  public KeysHost,
                  public CalculatorHost {
 public:
  // Builds the window (hidden) and runs FormCreate.
  explicit TMainForm(ui::Application& application);
  ~TMainForm() override;

  // --- State beyond the settings ---------------------------------------------------------
  std::string ProgramDir;  // never with a trailing backslash
  std::string WorkDir;
  std::string ScheduleMemoDir;
  std::string CurMemoFileName;
  std::string CurMemoFileDisplayName;
  std::string EditFileName;
  std::string EditFileDisplayName;
  bool IdleDone = false;
  bool SaveAllPending = false;  // bSaveMemoAtEdit: the memo file is saved at the next idle turn
  bool ExitRequested = false;
  DateTime DayBoundary;
  platform::Rect WorkArea;
  platform::Size FullScreen;
  Evaluator Calculator;
  platform::FontSpec FontDialog1Font{"ＭＳ Ｐゴシック", -12, 0xFFFFFF, 128,
                                     0};          // default memo font
  platform::Color ColorDialog1Color = 0x00FFFF;   // the colour dialog's current colour
  std::vector<platform::Color> MemoCustomColors;  // the colour dialog's custom colours, for the run
  // The memos of the current memo file, in file order, and the one the editor holds.
  std::vector<TMemoForm*> MemoList;
  // Memo windows of the file just saved, until the next load takes or destroys them.
  std::vector<TMemoForm*> SpareMemos;
  TMemoForm* CurrentMemo = nullptr;
  // Style templates, loaded while the template window needs them.
  std::vector<TMemoForm*> TemplateList;
  bool TemplateListLoaded = false;
  int MemoCount() const { return static_cast<int>(MemoList.size()); }

  // --- Components ------------------------------------------------------------------------
  ui::MainMenu* MainMenu = nullptr;
  ui::PopupMenu* TaskTrayPopupMenu = nullptr;
  ui::PopupMenu* InputMemoPopupMenu = nullptr;
  ui::PopupMenu* OutputMemoPopupMenu = nullptr;
  ui::PopupMenu* ScheduleMemoPopupMenu = nullptr;
  ui::PopupMenu* JustifyPopupMenu = nullptr;
  ui::PopupMenu* pmDateTime = nullptr;
  ui::CoolBar* CoolBar1 = nullptr;
  ui::ToolBar* tbMain = nullptr;
  ui::ToolBar* tbEdit = nullptr;
  ui::Panel* LeftPanel = nullptr;
  ui::Panel* DateTimePickerPanel = nullptr;
  ui::DateTimePicker* DateTimePicker1 = nullptr;
  ui::FileListBox* ScheduleMemoListBox = nullptr;
  ui::Splitter* Splitter2 = nullptr;
  ui::Panel* EditorPanel = nullptr;
  ui::RichEdit* RichEdit1 = nullptr;
  ui::Splitter* Splitter1 = nullptr;
  ui::Memo* OutputMemo = nullptr;
  ui::StatusBar* StatusBar1 = nullptr;
  TTaskBar* TaskBar1 = nullptr;
  ui::Timer* Timer1 = nullptr;
  ui::Timer* Timer2 = nullptr;
  ui::Timer* Timer3 = nullptr;
  TCalendarForm* CalendarForm = nullptr;    // at most one; owned here
  TClipboardForm* ClipboardForm = nullptr;  // at most one; owned here

  ui::MenuItem* Item(const char* name) const;
  ui::ToolButton* Button(const char* name) const;

  // --- Start, idle, timer, shutdown ------------------------------------------------------
  void FormCreate();
  // The application's idle event: destroys what was marked for disposal.
  void ApplicationIdle(bool& done);
  void Timer1Timer();
  void TaskBar1TrayClick(platform::MouseButton button);
  void TaskBar1TrayDblClick(platform::MouseButton button);
  void RunTrayAction(int action);
  void FormCloseQuery(bool& canClose);
  // WM_QUERYENDSESSION: saves as at exit without closing; answers 1.
  int QueryEndSession();
  void FormDropFiles(const std::vector<std::string>& paths);
  void FormMove();
  void LoadSettings();
  void SaveSettings();
  // The message for a file that could not be written, and the general error box with it.
  std::string WriteFailureText(const std::string& path);
  void ReportWriteFailure(const std::string& path);

  // --- Routines other code calls ---------------------------------------------------------
  void SetEditFile(const std::string& fileName, const std::string& displayName);
  void SetEditorModified(bool modified);
  void ShowCaretPosition();
  void RefreshTrayTip();
  void CentreOnScreen();
  void ClampToWorkArea();
  void EditorLayout();
  void RefreshWorkArea();
  std::string NewMemoCaption() const;
  platform::Profile Ini();
  std::string NowText() override;

  // --- Handlers --------------------------------------------------------------------------
  void ExitApplicationClick(ui::Component* sender);
  void ShowLeftPanelClick(ui::Component* sender);
  void ShowOutputMemoClick(ui::Component* sender);
  void ShowBasicToolBarClick(ui::Component* sender);
  void ShowEditorToolBarClick(ui::Component* sender);
  void SimplestFormClick(ui::Component* sender);
  void FullFormClick(ui::Component* sender);
  void MainFormStayOnTopClick(ui::Component* sender);
  void ButtonFlatClick(ui::Component* sender);
  void SetFormSizeClick(ui::Component* sender);
  void MainFormHideClick(ui::Component* sender);
  void TopicsClick(ui::Component* sender);
  void About1Click(ui::Component* sender);
  void Splitter2Moved();
  void FormHide();

  // Line calculation.
  void RichEdit1Change();
  void RichEdit1SelectionChange();
  void Copy1Click(ui::Component* sender);
  void CopyWithResultClick(ui::Component* sender);

  // Editor commands.
  void TextUndoClick(ui::Component* sender);
  void TextCutClick(ui::Component* sender);
  void TextCopyClick(ui::Component* sender);
  void TextPasteClick(ui::Component* sender);
  void TextSelectAllClick(ui::Component* sender);

  // Text files, the log, printing and dates (text_files.cpp). OpenTextFile is true when a file
  // was loaded.
  void TextOpenClick(ui::Component* sender);
  bool OpenTextFile();
  // The file's lines into the editor with the default style; its folder becomes asTextDir.
  void LoadTextIntoEditor(const std::string& path);
  void TextOpenAndShowClick(ui::Component* sender);
  void LogOpenClick(ui::Component* sender);
  void TextSaveClick(ui::Component* sender);
  void PrintClick(ui::Component* sender);
  void InsertDateClick(ui::Component* sender);
  void InsertDateTimeClick(ui::Component* sender);
  void InsertSelectedDateClick(ui::Component* sender);

  // Find and replace across the memos (search_commands.cpp).
  void TextFindClick(ui::Component* sender);
  void TextReplaceClick(ui::Component* sender);
  void ShowSearchDialog(bool replace) override;
  void FindDialog1Find(const platform::FindRequest& request);
  void ReplaceDialog1Replace(const platform::FindRequest& request, bool all);

  // Sending text to other programs (main_form_send.cpp).
  void SendToActiveInputClick(ui::Component* sender);
  // For the memos and the clipboard history alike.
  void SendTextToPreviousWindow(const std::string& text) override;
  void HideForLogin(TMemoForm* memo) override;
  void ShowLoginInstructions(const std::string& text) override;
  void EndLogin(TMemoForm* memo) override;
  TMemoForm* LoginMemo = nullptr;  // the batch login's instructions, while they show

  // Backup and archiving (main_form_backup.cpp).
  void MakeBackUpClick(ui::Component* sender);
  bool ArchiveDropped(const std::vector<std::string>& paths) override;

  // Arrangement and bulk sizing of all memos (main_form_arrange.cpp).
  void RightJustifyClick(ui::Component* sender);
  void RightTileJustifyClick(ui::Component* sender);
  void LeftJustifyClick(ui::Component* sender);
  void LeftTileJustifyClick(ui::Component* sender);
  void SetDefaultSizeClick(ui::Component* sender);
  void SetAutoSizeClick(ui::Component* sender);
  // Reads the work area again, then places every memo that is not fixed (none when the list
  // is empty): Top and Left, to the front, back inside the work area.
  void ArrangeMemos(ArrangeKind kind) override;
  // The arrangement iAfterSizeChange names; nothing for 0 and unknown values.
  void ArrangeAfterChange() override;
  void SetDefaultSizeAll() override { SetDefaultSizeClick(nullptr); }
  void SetAutoSizeAll() override { SetAutoSizeClick(nullptr); }
  // The last bulk size was the default size (the tag of the SetDefaultSize item; the run starts
  // with the automatic size). The tray's size toggle goes the other way.
  bool LastBulkSizeDefault() const;
  void SetLastBulkSizeDefault(bool isDefault);

  // Memo editing.
  bool AskSaveEditorText();
  void NewMemoClick(ui::Component* sender);
  void ShowNewMemoClick(ui::Component* sender);
  void ShowMemoClick(ui::Component* sender);
  void WriteEditorToMemo();
  void PlaceNewMemo(bool isNew);
  void MemoFile0Click(ui::Component* sender);
  void ChangeMemoFileClick(ui::Component* sender);
  void EditNextMemoClick(ui::Component* sender);
  void EditPreviousMemoClick(ui::Component* sender);
  // Loads the next (+1) or previous (-1) memo that is not a picture into the editor.
  void StepMemo(int direction);
  void OpenMemoInEditor(TMemoForm* memo);
  void TakeStyleOf(const TMemoForm* memo);
  void ListAllMemoClick(ui::Component* sender);
  void SetFontClick(ui::Component* sender);
  void SetColorClick(ui::Component* sender);
  void ShowBorderClick(ui::Component* sender);
  void ClipNewMemoAtEndClick(ui::Component* sender);
  void ClipNewMemoAtStartClick(ui::Component* sender);
  // The clipboard's text through the editor, or its picture, into target (null: a new memo).
  void PasteClipboardAsMemo(TMemoForm* target);
  void ShowAllMemoClick(ui::Component* sender);
  void HideAllMemoClick(ui::Component* sender);
  void LoadDefaultStyle();
  void SaveDefaultStyle();
  // MemoFont.dat into the default font, when the file is there.
  void ReadDefaultFont();
  void SaveAllMemoClick(ui::Component* sender);

  // Memo files.
  std::string WorkPath(const std::string& name) const;
  std::string ProgramPath(const std::string& name) const;
  TMemoForm* CreateMemo();
  // A whole-file write; a failure raises the error for the general error box.
  void WriteOwnFile(const std::string& path, const std::string& bytes);
  // The records of a memo or template file we rewrite later, by the rules for unreadable and
  // damaged files (the user is told in the general error box); returns the bytes an append
  // builds on.
  std::string ReadOwnedMemoFile(const std::string& path, std::vector<MemoRecord>& records);
  // Writes the whole list to the work-folder file (unless write is false) and destroys every
  // memo window. A failed write keeps the memos and the old file, and raises the error.
  void SaveMemoList(const std::string& fileName, bool write = true);
  // Writes the memo file from the memo windows and leaves them as they are (not in read-only
  // mode); memos marked for deletion are left out.
  void WriteLiveMemos(const std::string& fileName);
  // Replaces the list by the records of the work-folder file (a missing file is empty).
  void LoadMemoList(const std::string& fileName);
  void AppendMemoToCategory(TMemoForm* memo, int category) override;
  void MarkDeleted(TMemoForm* memo) override;
  void IdleSweep() override;

  // --- Host of the desktop memos (memo_host.cpp) -----------------------------------------
  MemoHostSettings MemoSettings() const override;
  void SetTextDir(const std::string& folder) override;
  void SetLogFile(const std::string& fileName) override;
  const std::vector<TMemoForm*>& Memos() const override;
  const std::map<std::string, std::string>& MemoKeyList() override;
  // Read from KeyListOnMemo.ini when the first memo asks; cleared to read it again.
  std::optional<std::map<std::string, std::string>> MemoKeys;
  bool ChooseFont(FontSpec& font) override;
  bool ChooseColor(ColorValue& color) override;
  void EditMemo(TMemoForm* memo) override;
  bool ChangeMemo(TMemoForm* memo, const MemoEdit& change,
                  const std::function<bool(MemoEdit&)>& choose = {}) override;
  TMemoForm* DuplicateMemo(TMemoForm* memo) override;
  TMemoForm* ClipNewHere(TMemoForm* memo) override;
  // A new memo right after this one, with its style and the given text; null when nothing was
  // made (blank text, or cancelled at the unsaved-edit question).
  TMemoForm* NewMemoAfter(TMemoForm* memo, const std::string& text);
  // A new memo inserted right after this one, as its copy 20 pixels down and left.
  TMemoForm* InsertCopyAfter(TMemoForm* memo);
  // The picture into the target memo, or into a new memo at the end of the list.
  void PictureToMemo(TMemoForm* target, const platform::ClipboardPicture& picture);
  bool OpenPictureAsMemo(TMemoForm* after, const std::string& path) override;
  bool OpenPluginPictureAsMemo(TMemoForm* after, const std::string& path) override;
  // A picture (BMP file image) through the clipboard into a new memo right after this one, or
  // at the end of the list when that memo is gone.
  void PictureAfter(TMemoForm* after, const std::string& bmp);
  // --- Picture files (picture_memos.cpp) -------------------------------------------------
  void BitmapOpenAndShowClick(ui::Component* sender);
  // A picture file as a BMP file image: exactly ".bmp" read as one, anything else through
  // the plug-ins; false when it is no picture that can be read.
  bool ReadPictureFile(const std::string& path, std::string& bmp);
  void OpenPictureFile() override;
  void SetBitmapDir(const std::string& folder) override;
  void SetJpegDir(const std::string& folder) override;
  bool PictureSaveDialog(platform::FileDialogOptions& options) override;
  std::string JpegDir;  // the last JPEG save's folder, for this run only
  // The picture plug-ins for the whole run, and the extensions they report, asked once: loading
  // the libraries waits for the first use instead of slowing the start.
  std::unique_ptr<PicturePlugins> PluginManager;
  const std::string& SupportedExtensionList();
  std::optional<std::string> supportedExtensions_;
  // The picture dialogs' preview; the save dialog's handler is the open one's twin.
  std::unique_ptr<PicturePreview> PreviewOfPictureDialogs;
  void OpenPictureDialog1SelectionChange(const platform::FileDialogSelection& selection);
  void SavePictureDialog1SelectionChange(const platform::FileDialogSelection& selection);
  void OpenPictureDialog1Close();
  void WithPreview(platform::FileDialogOptions& options, bool save);
  void SetDefaultStyleFrom(TMemoForm* memo) override;
  void ClampMemo(TMemoForm* memo) override;
  bool OpenFileAsMemo(const std::string& path) override;
  void NewMemo() override;
  void OpenTextAsMemo() override;
  void ClipNewMemoAtStart() override;
  void ClipNewMemoAtEnd() override;
  void ListAllMemos() override;
  void ShowCalendar() override;
  void ShowClipboardViewer() override { ShowClipboardViewerClick(nullptr); }
  void ShowAllMemos() override;
  void HideAllMemos() override;
  void RequestExit() override;
  // The memo becomes the current memo and its text and style go into the editor.
  void LoadMemoIntoEditor(TMemoForm* memo);
  void TakeStyleIntoEditor(TMemoForm* memo);
  void SaveTemplateList();
  void LoadTemplateList();

  // --- Shortcut keys (main_form_keys.cpp) ------------------------------------------------
  void SetShortCutKeyClick(ui::Component* sender);
  void SetShortCutKeyOnMemoClick(ui::Component* sender);
  void ApplyKeyList() override;
  void WriteKeyText(bool onMemo, const std::string& name,
                    const std::optional<std::string>& text) override;
  // The system-wide keys of KeyList.ini registered afresh; keys the system refused are named
  // in a box.
  void RegisterGlobalKeys();
  void EditGlobalKeys() override;
  void ShowHideAllMemoClick(ui::Component* sender);

  // --- Registered tools (main_form_tools.cpp) -------------------------------------------
  std::vector<std::string> ToolList;  // ToolList.txt, in file order
  void LoadToolList();
  // RegisteredTool1 from scratch: one item per entry, numbered by its place.
  void BuildToolMenu();
  void LaunchTool(int index);
  void ExecExplorerClick(ui::Component* sender);
  // ToolList.txt from the list; a failure raises the error.
  void SaveToolList();
  void RegisterDroppedTools(const std::vector<std::string>& paths) override;

  // --- Options and the screen saver (main_form_options.cpp) -----------------------------
  void SetOptionClick(ui::Component* sender);
  // What an OK of the dialog changes, in order: the memo file names, the tool list, the work
  // folder, the four folder keys, the clipboard history's limits.
  void ApplyOptions(TOptionDlg& dlg);
  // Saves (after the question) or drops the memos and loads the memo file of the new folder;
  // a text that names no existing folder, or the present one's text, changes nothing.
  void ChangeWorkDir(const std::string& folder);
  // The display name from the caption of the current memo file's item, into the tray tip.
  void RefreshMemoFileDisplayName();
  void ExecScreenSaverClick(ui::Component* sender);
  void ActivateScreenSaverClick(ui::Component* sender);
  void DeactivateScreenSaverClick(ui::Component* sender);

  // --- The memo list organiser (memo_list_edit.cpp) --------------------------------------
  void MemoListEditClick(ui::Component* sender);
  const std::vector<TMemoForm*>& ListedMemos() const override { return MemoList; }
  int ListCategory() const override { return iCurMemoFile; }
  std::string ListCategoryCaption(int category) const override;
  bool ListReadOnly() const override { return bReadOnly; }
  void MoveListedMemo(int from, int to) override;
  void DeleteListedMemo(TMemoForm* memo) override;
  void SwitchListCategory(int category) override;
  // --- Current style and style templates (style_templates.cpp) ---------------------------
  MemoStyle CurrentStyle() const;
  // The first marked background item, in the order normal, transparent, gradation, marquee.
  std::optional<MemoKind> CheckedBackground() const;
  // The four background items only take the mark.
  void BgNormalClick(ui::Component* sender) { CheckBackgroundItem(sender); }
  void BgGradationClick(ui::Component* sender) { CheckBackgroundItem(sender); }
  void BgEraseClick(ui::Component* sender) { CheckBackgroundItem(sender); }
  void BgMarqueeClick(ui::Component* sender) { CheckBackgroundItem(sender); }
  void CheckBackgroundItem(ui::Component* sender);
  void SaveAsTemplateClick(ui::Component* sender);
  void SetStyleFromTemplateClick(ui::Component* sender);
  void SetStyleDefaultClick(ui::Component* sender);
  void SetDefaultStyleClick(ui::Component* sender);
  // Appends the style to StyleTemplate.dat as a new template.
  void AddTemplate(const MemoStyle& style);
  void ChooseStyleTemplate() override;
  void SaveStyleAsTemplate(TMemoForm* memo) override;
  std::vector<TMemoForm*>& LoadTemplates() override;
  void SaveTemplates() override;
  void ApplyTemplate(TMemoForm& style) override;

  // Schedule memos (schedule_memo.cpp).
  std::string ScheduleMemoPath(DateTime date) const;
  void CreateScheduleMemoDir();
  void SetScheduleMemoListColor();
  void RefreshScheduleMemoList();
  void SaveScheduleMemoClick(ui::Component* sender);
  void OpenScheduleMemoClick(ui::Component* sender);
  // sender null: called by the calendar after it set the date; the date's memo is loaded.
  void DateTimePicker1CloseUp(ui::Component* sender);
  void ScheduleMemoListBoxDblClick();
  void FileDeleteClick(ui::Component* sender);
  void ListAllScheduleMemoClick(ui::Component* sender);
  void ListMonthScheduleMemoClick(ui::Component* sender);
  void ShowScheduleMemoList(const std::string& mask, const std::string& title);

  // The calendar window (main_form_calendar.cpp).
  void ShowCalendarClick(ui::Component* sender);
  void CalendarOptionClick(ui::Component* sender);
  void RecreateCalendar();
  void CreateCalendar();
  void DestroyCalendar();
  void RefreshCalendarMarks();
  void CalendarTimerTick();
  void RebuildCalendarMonth();

  // CalendarHost.
  std::string CalendarProgramDir() const override { return ProgramDir; }
  std::string CalendarWorkDir() const override { return WorkDir; }
  std::string CalendarScheduleMemoDir() const override { return ScheduleMemoDir; }
  platform::Rect ClampCalendarBounds(const platform::Rect& bounds) const override;
  void OpenCalendarDate(DateTime date, platform::Point topLeft) override;
  void DeleteCalendarDateMemo(DateTime date) override;
  void ListMonthFromCalendar() override;
  void ListAllFromCalendar() override;
  void CalendarClosed() override { IdleDone = false; }
  void ExitFromCalendar() override;
  void CalendarSettingsChanged() override;
  bool CalendarRecreatePending = false;

  // The clipboard history window (main_form_clipboard.cpp).
  void ShowClipboardViewerClick(ui::Component* sender);
  void CreateClipboardViewer();
  void DestroyClipboardViewer();
  void RefreshClipboardMarks();
  // ClipboardHost.
  std::string ClipboardProgramDir() const override { return ProgramDir; }
  platform::Rect ClampClipboardBounds(const platform::Rect& bounds) const override;
  bool EditLinesAsNewMemo(const std::vector<std::string>& lines) override;
  void ShowEditorAsNewMemo() override { ShowNewMemoClick(nullptr); }
  void OpenOptionsFromClipboard() override;
  void ClipboardClosed() override { IdleDone = false; }

  // Screen capture (main_form_capture.cpp): the menu rows and what the commands ask of it.
  std::unique_ptr<CaptureCommands> Capture;
  void CreateCapture();
  void CaptureWithoutMemoClick(ui::Component* sender);
  void CaptureWithMemoClick(ui::Component* sender);
  void CaptureWindowWithoutMemoClick(ui::Component* sender);
  void CaptureWindowWithMemoClick(ui::Component* sender);
  void TimerCaptureClick(ui::Component* sender);
  void TimerWindowCaptureClick(ui::Component* sender);
  void IconCaptureClick(ui::Component* sender);
  // A text memo at the start of the list that stays on top, its text passing through the
  // clipboard, which is emptied again; null when none was made.
  TMemoForm* TopTextMemo(const std::string& text);
  TMemoForm* CountdownMemo = nullptr;
  // CaptureHost.
  std::string CaptureTitle() const override;
  std::string CaptureWorkDir() const override { return WorkDir; }
  void HideWindowsForCapture() override;
  void ShowWindowsAfterCapture() override;
  void ParkMainWindow() override;
  void HoldMouse(bool hold) override { SetMouseCapture(hold); }
  bool ClipboardToNewMemo(std::optional<platform::Point> at, bool foreground) override;
  void ShowCountdownMemo(const std::string& text) override;
  void SetCountdownText(const std::string& text) override;
  void RemoveCountdownMemo() override;
  // The calculator pad (main_form_calculator.cpp): at most one, owned here.
  TCalculatorDlg* CalculatorDlg = nullptr;
  void ShowCalculatorClick(ui::Component* sender);
  void ShowCalculator() override { ShowCalculatorClick(nullptr); }
  // Closes it when shown, then destroys it.
  void DestroyCalculator();
  // Against the main window's right edge, tops level.
  void DockCalculator();
  // CalculatorHost.
  ui::CustomEdit& PadEditor() override { return *RichEdit1; }
  platform::Size PadScreenExtent() const override;
  platform::Rect HostBounds() const override { return BoundsRect(); }
  void MoveHost(int left, int top) override { SetBounds(left, top, Width(), Height()); }
  void CalculatorShown(bool shown) override;

 private:
  void BuildMenus();
  void BuildToolBars();
  void BuildPanes();
  void BuildMenu(ui::Menu& menu, std::span<const MenuRow> rows);
  void BuildToolBar(ui::ToolBar& bar, std::span<const ToolRow> rows);
  void ApplySettings();
  void CollectSettings();
  void SetPaneWidth(bool left, int size);

  ui::Application& application_;
  platform::System& system_;
};

}  // namespace quillpad
