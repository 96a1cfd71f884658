// TMainForm: pane toggles, bulk layouts, fitting the window to the text, placement.
#include <algorithm>

#include "app/main_form.h"
#include "app/window_placement.h"
#include "base/text.h"

namespace quillpad {

// A pane of size 0 is hidden with its splitter; the menu mark follows.
void TMainForm::SetPaneWidth(bool left, int size) {
  ui::Control* pane = left ? static_cast<ui::Control*>(LeftPanel) : OutputMemo;
  ui::Splitter* splitter = left ? Splitter2 : Splitter1;
  Item(left ? "ShowLeftPanel" : "ShowOutputMemo")->SetChecked(size > 0);
  if (size > 0) {
    if (left) {
      pane->SetWidth(size);
    } else {
      pane->SetHeight(size);
    }
  }
  pane->SetVisible(size > 0);
  splitter->SetVisible(size > 0);
  if (left && size > 0) Splitter2Moved();
}

void TMainForm::ShowLeftPanelClick(ui::Component*) {
  platform::Profile ini = Ini();
  if (!LeftPanel->Visible() || LeftPanel->Width() < 1) {
    SetPaneWidth(true, ini.ReadInteger(kFormSection, "iOldLeftPanelWidth", 100));
  } else {
    ini.WriteInteger(kFormSection, "iOldLeftPanelWidth", LeftPanel->Width());
    SetPaneWidth(true, 0);
  }
}

void TMainForm::ShowOutputMemoClick(ui::Component*) {
  platform::Profile ini = Ini();
  if (!OutputMemo->Visible() || OutputMemo->Height() < 1) {
    SetPaneWidth(false, ini.ReadInteger(kFormSection, "iOldOutputMemoHeight", 20));
  } else {
    ini.WriteInteger(kFormSection, "iOldOutputMemoHeight", OutputMemo->Height());
    SetPaneWidth(false, 0);
  }
}

void TMainForm::Splitter2Moved() { DateTimePicker1->SetWidth(DateTimePickerPanel->ClientWidth()); }

void TMainForm::ShowBasicToolBarClick(ui::Component*) {
  ui::MenuItem* item = Item("ShowBasicToolBar");
  CoolBar1->SetBandVisible(0, !item->Checked());
  item->SetChecked(!item->Checked());
}

void TMainForm::ShowEditorToolBarClick(ui::Component*) {
  ui::MenuItem* item = Item("ShowEditorToolBar");
  CoolBar1->SetBandVisible(1, !item->Checked());
  item->SetChecked(!item->Checked());
}

void TMainForm::ButtonFlatClick(ui::Component*) {
  ui::MenuItem* item = Item("ButtonFlat");
  tbMain->SetFlat(!item->Checked());
  tbEdit->SetFlat(!item->Checked());
  item->SetChecked(!item->Checked());
}

void TMainForm::MainFormStayOnTopClick(ui::Component*) {
  ui::MenuItem* item = Item("MainFormStayOnTop");
  item->SetChecked(!item->Checked());
  SetStayOnTop(item->Checked());
}

void TMainForm::SimplestFormClick(ui::Component*) {
  if (Item("ShowEditorToolBar")->Checked()) ShowEditorToolBarClick(nullptr);
  if (Item("ShowLeftPanel")->Checked()) ShowLeftPanelClick(nullptr);
  if (Item("ShowOutputMemo")->Checked()) ShowOutputMemoClick(nullptr);
  if (CalculatorDlg) ShowCalculatorClick(nullptr);
}

void TMainForm::FullFormClick(ui::Component*) {
  if (!Item("ShowBasicToolBar")->Checked()) ShowBasicToolBarClick(nullptr);
  if (!Item("ShowEditorToolBar")->Checked()) ShowEditorToolBarClick(nullptr);
  if (!Item("ShowLeftPanel")->Checked()) ShowLeftPanelClick(nullptr);
  if (!Item("ShowOutputMemo")->Checked()) ShowOutputMemoClick(nullptr);
}

void TMainForm::EditorLayout() {
  if (!Item("ShowBasicToolBar")->Checked()) ShowBasicToolBarClick(nullptr);
  if (!Item("ShowEditorToolBar")->Checked()) ShowEditorToolBarClick(nullptr);
  if (Item("ShowLeftPanel")->Checked()) ShowLeftPanelClick(nullptr);
  // The results pane stays as the user left it: hiding it here would put every result of a new
  // sheet off screen.
  if (CalculatorDlg) ShowCalculatorClick(nullptr);
}

void TMainForm::SetFormSizeClick(ui::Component*) {
  FormSizeInput in;
  const std::vector<std::string> lines = RichEdit1->Lines();
  platform::WindowSystem& windows = system_.Windows();
  for (const std::string& line : lines) {
    in.WidestLine = std::max(in.WidestLine, windows.TextExtent(line, RichEdit1->Font()).Width);
  }
  in.LineHeight = windows.TextExtent(lines.empty() ? "" : lines.front(), Font()).Height;
  in.LineCount = static_cast<int>(lines.size());
  in.LeftPanelWidth = LeftPanel->Visible() ? LeftPanel->Width() : 0;
  in.CoolBarHeight = CoolBar1->Height();
  in.OutputMemoHeight = OutputMemo->Visible() ? OutputMemo->Height() : 0;
  in.StatusBarHeight = StatusBar1->Height();
  const platform::Size client = FittedClientSize(in);
  SetClientSize(client.Width, client.Height);
  SetBounds(Left(), Top(), std::min(Width(), FullScreen.Width), std::min(Height(), FullScreen.Height));
  ClampToWorkArea();
}

void TMainForm::ClampToWorkArea() { SetBoundsRect(quillpad::ClampToWorkArea(BoundsRect(), WorkArea)); }

void TMainForm::CentreOnScreen() {
  const platform::Point p = quillpad::CentreOnScreen({Width(), Height()}, FullScreen);
  SetBounds(p.X, p.Y, Width(), Height());
}

}  // namespace quillpad
