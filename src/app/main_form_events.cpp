// TMainForm: the idle handler, the day timer, tray actions, shutdown and window messages.
#include "app/main_form.h"
#include "app/window_placement.h"
#include "base/path.h"
#include "calc/calculator_dlg.h"
#include "calendar/calendar_form.h"
#include "capture/capture_commands.h"
#include "clipboard/clipboard_form.h"
#include "memo/memo_form.h"
#include "tray/task_bar.h"

namespace quillpad {

void TMainForm::ApplicationIdle(bool& done) {
  done = true;
  if (IdleDone) return;
  IdleSweep();
  if (SaveAllPending) {
    SaveAllPending = false;
    SaveAllMemoClick(nullptr);
  }
  // A pad closed from its title bar only hid itself.
  if (CalculatorDlg && !CalculatorDlg->Visible()) DestroyCalculator();
  // A calendar that closed itself goes now; one replaced after its settings comes back new.
  if (CalendarForm && CalendarForm->Tag < 0) DestroyCalendar();
  if (CalendarRecreatePending) {
    CalendarRecreatePending = false;
    CreateCalendar();
  }
  RefreshCalendarMarks();
  if (ClipboardForm && ClipboardForm->Tag < 0) DestroyClipboardViewer();
  RefreshClipboardMarks();
  IdleDone = true;
  if (ExitRequested) Close();
}

void TMainForm::Timer1Timer() {
  // Only a calendar window shows the time and needs the midnight rebuild; without one the
  // day boundary stays where it is.
  CalendarTimerTick();
}

void TMainForm::TaskBar1TrayClick(platform::MouseButton button) {
  if (button == platform::MouseButton::Left) RunTrayAction(iTaskTrayClick);
}

void TMainForm::TaskBar1TrayDblClick(platform::MouseButton button) {
  RunTrayAction(button == platform::MouseButton::Left ? iTaskTrayDblClick : iTaskTrayRDblClick);
}

void TMainForm::RunTrayAction(int action) {
  switch (action) {
    case 1:
      SetForeground();
      break;
    case 2:
      NewMemoClick(nullptr);
      break;
    case 3:
      ShowHideAllMemoClick(nullptr);
      break;
    case 4:
      ChangeMemoFileClick(nullptr);
      break;
    case 5:
      ExecScreenSaverClick(nullptr);
      break;
    case 6:
      ShowClipboardViewerClick(nullptr);
      break;
    case 7:
      ShowCalendarClick(nullptr);
      break;
    case 8:
      ShowCalculatorClick(nullptr);
      break;
    case 9:
      if (LastBulkSizeDefault()) {
        SetAutoSizeClick(nullptr);
      } else {
        SetDefaultSizeClick(nullptr);
      }
      break;
    default:
      // 0 does nothing; the others arrive with their windows.
      break;
  }
}

void TMainForm::FormCloseQuery(bool& canClose) {
  Capture->EndCapture();
  SaveSettings();
  try {
    SaveMemoList(CurMemoFileName);
  } catch (const std::exception& error) {
    // Closing now would lose the memos that could not be written: they stay on the desktop.
    system_.ShowError(error.what());
    canClose = false;
    return;
  }
  DestroyCalculator();
  DestroyCalendar();
  DestroyClipboardViewer();
  canClose = true;
  application_.Terminate(0);
}

int TMainForm::QueryEndSession() {
  Capture->EndCapture();
  DestroyCalculator();
  SaveSettings();
  // Written from the windows as they stand: the logon may go on after all, and a memo's own
  // handler (its message box) may be running under this message.
  WriteLiveMemos(CurMemoFileName);
  if (CalendarForm && CalendarForm->Tag >= 0) CalendarForm->SaveCalendarSettings();
  // The logon may end without a close: the history must not wait for one.
  if (ClipboardForm && ClipboardForm->Tag >= 0) ClipboardForm->SaveHistory();
  return 1;
}

void TMainForm::ExitApplicationClick(ui::Component*) {
  Close();
}

void TMainForm::FormHide() { DestroyCalculator(); }

void TMainForm::FormMove() { DockCalculator(); }

void TMainForm::FormDropFiles(const std::vector<std::string>& paths) {
  std::string path;
  platform::FileSystem& files = system_.Files();
  for (const std::string& p : paths) {
    if (!files.FolderExists(p)) path = p;
  }
  if (!AskSaveEditorText()) return;
  std::string text;
  if (path.empty() || !files.ReadFile(path, text)) {
    system_.MessageBox(path + "を開くことに失敗しました。", application_.Title, platform::MbOk);
    return;
  }
  LoadDefaultStyle();
  RichEdit1->SetText(text);
  CurrentMemo = nullptr;
  SetEditFile(path, path);
  SetEditorModified(false);
}

void TMainForm::MainFormHideClick(ui::Component*) {
  if (!AskSaveEditorText()) return;
  RichEdit1->Clear();
  SetEditFile(FileNames::kMemoText, NewMemoCaption());
  CurrentMemo = nullptr;
  // The default font and the colour dialog's colour, each only from a file that exists.
  ReadDefaultFont();
  std::string bytes;
  if (platform::ReadOwnedFile(system_, ProgramPath(FileNames::kMemoColor), bytes)) {
    if (const auto color = ReadMemoColorFile(bytes)) ColorDialog1Color = static_cast<platform::Color>(*color);
  }
  RichEdit1->SetFont(FontDialog1Font);
  RichEdit1->SetColor(ColorDialog1Color);
  SetEditorModified(false);
  Hide();
}

void TMainForm::TopicsClick(ui::Component*) {
  system_.ShowHelp(JoinPath(ProgramDir, FileNames::kHelpFile));
}

void TMainForm::About1Click(ui::Component*) {
  ui::Form box(this);
  box.Name = "AboutBox";
  box.SetCaption("バージョン情報");
  box.SetBorderStyle(platform::BorderStyle::Dialog);
  box.SetBorderIcons(true, false, false);
  box.SetStayOnTop(true);
  box.SetClientSize(298, 120);
  auto* icon = new ui::PaintBox(&box, &box);
  icon->Name = "ProgramIcon";
  icon->SetBounds(16, 16, 32, 32);
  icon->OnPaint = [](platform::Canvas& canvas) { canvas.DrawProgramIcon({0, 0, 32, 32}); };
  auto* title = new ui::Label(&box, &box);
  title->SetCaption("Quillpad  バージョン " QUILLPAD_VERSION);
  title->SetBounds(60, 24, 222, 16);
  auto* ok = new ui::Button(&box, &box);
  ok->Name = "OKButton";
  ok->SetCaption("OK");
  ok->ModalResult = ui::MrOk;
  ok->SetDefault(true);
  ok->Cancel = true;
  ok->SetBounds(112, 80, 75, 25);
  const platform::Point at =
      AboutBoxPosition(BoundsRect(), {box.Width(), box.Height()}, FullScreen);
  box.SetBounds(at.X, at.Y, box.Width(), box.Height());
  box.ShowModal();
}

}  // namespace quillpad
