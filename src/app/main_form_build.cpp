// TMainForm: the menus, tool bars and panes, built from their tables.
#include <vector>

#include "app/main_form.h"
#include "ui/short_cut.h"

namespace quillpad {

void TMainForm::BuildMenu(ui::Menu& menu, std::span<const MenuRow> rows) {
  std::vector<ui::MenuItem*> parents{&menu.Items()};
  for (const MenuRow& row : rows) {
    parents.resize(static_cast<std::size_t>(row.Depth) + 1);
    ui::MenuItem* item =
        parents.back()->Add(row.Caption, row.Name, ui::TextToShortCut(row.ShortCut));
    item->Tag = row.Tag;
    item->SetRadioItem((row.Flags & MfRadio) != 0);
    item->SetChecked((row.Flags & MfChecked) != 0);
    if (row.Handler) {
      const MainHandler handler = row.Handler;
      item->OnClick = [this, handler, item] { (this->*handler)(item); };
    }
    parents.push_back(item);
  }
}

void TMainForm::BuildMenus() {
  MainMenu = new ui::MainMenu(this);
  MainMenu->Name = "MainMenu";
  BuildMenu(*MainMenu, MainMenuRows());
  SetMenu(MainMenu);

  auto popup = [this](const char* name, std::span<const MenuRow> rows) {
    auto* menu = new ui::PopupMenu(this);
    menu->Name = name;
    BuildMenu(*menu, rows);
    return menu;
  };
  TaskTrayPopupMenu = popup("TaskTrayPopupMenu", TaskTrayMenuRows());
  InputMemoPopupMenu = popup("InputMemoPopupMenu", InputMemoMenuRows());
  OutputMemoPopupMenu = popup("OutputMemoPopupMenu", OutputMemoMenuRows());
  ScheduleMemoPopupMenu = popup("ScheduleMemoPopupMenu", ScheduleMemoMenuRows());
  JustifyPopupMenu = popup("JustifyPopupMenu", JustifyMenuRows());
  pmDateTime = popup("pmDateTime", DateTimeMenuRows());
}

void TMainForm::BuildToolBar(ui::ToolBar& bar, std::span<const ToolRow> rows) {
  // The tool image list holds one picture per button of both bars, in row order.
  const int firstImage = bar.Name == "tbEdit" ? ToolButtonCount(BasicToolBarRows()) : 0;
  int image = firstImage;
  bar.HoldUpdates(true);
  for (const ToolRow& row : rows) {
    const ui::ToolButtonStyle style = (row.Flags & TfSeparator)  ? ui::ToolButtonStyle::Separator
                                      : (row.Flags & TfCheck)    ? ui::ToolButtonStyle::Check
                                      : (row.Flags & TfDropDown) ? ui::ToolButtonStyle::DropDown
                                                                 : ui::ToolButtonStyle::Button;
    auto* button = new ui::ToolButton(this, &bar, style);
    button->Name = row.Name;
    if (style == ui::ToolButtonStyle::Separator) continue;
    button->SetHint(row.Hint);
    button->SetCaption(ui::GetShortHint(row.Hint));
    button->SetDown((row.Flags & TfDown) != 0);
    button->SetImageIndex(image++);
    if (row.Handler) {
      const MainHandler handler = row.Handler;
      button->OnClick = [this, handler, button] { (this->*handler)(button); };
    }
  }
  bar.HoldUpdates(false);
}

void TMainForm::BuildToolBars() {
  // Docked first: its height is final before the panes below it are laid out.
  CoolBar1 = new ui::CoolBar(this, this);
  CoolBar1->Name = "CoolBar1";
  CoolBar1->SetAlign(ui::Align::Top);
  tbMain = new ui::ToolBar(this, CoolBar1);
  tbMain->Name = "tbMain";
  BuildToolBar(*tbMain, BasicToolBarRows());
  tbEdit = new ui::ToolBar(this, CoolBar1);
  tbEdit->Name = "tbEdit";
  BuildToolBar(*tbEdit, EditToolBarRows());
  Button("JustifyBtn")->DropdownMenu = JustifyPopupMenu;
  Button("DateTimeBtn")->DropdownMenu = pmDateTime;
  for (ui::ToolBar* bar : {tbMain, tbEdit}) {
    bar->SetFlat(true);
    CoolBar1->AddBand(bar);
  }
}

void TMainForm::BuildPanes() {
  // Docking order after the tool bars: the status bar, then the left pane and its splitter,
  // then the editor area filling the rest.
  StatusBar1 = new ui::StatusBar(this, this);
  StatusBar1->Name = "StatusBar1";
  StatusBar1->SetPanels({120, 70, 50});

  LeftPanel = new ui::Panel(this, this);
  LeftPanel->Name = "LeftPanel";
  LeftPanel->SetAlign(ui::Align::Left);
  LeftPanel->SetWidth(95);
  DateTimePickerPanel = new ui::Panel(this, LeftPanel);
  DateTimePickerPanel->Name = "DateTimePickerPanel";
  DateTimePickerPanel->SetAlign(ui::Align::Top);
  DateTimePickerPanel->SetHeight(24);
  DateTimePicker1 = new ui::DateTimePicker(this, DateTimePickerPanel);
  DateTimePicker1->Name = "DateTimePicker1";
  DateTimePicker1->SetAlign(ui::Align::Client);
  DateTimePicker1->SetHint("選択中の日付");
  DateTimePicker1->OnCloseUp = [this] { DateTimePicker1CloseUp(DateTimePicker1); };
  platform::WindowStyle listStyle = ui::FramedStyle();
  listStyle.MultiSelect = true;
  ScheduleMemoListBox = new ui::FileListBox(this, LeftPanel, listStyle);
  ScheduleMemoListBox->Name = "ScheduleMemoListBox";
  ScheduleMemoListBox->SetAlign(ui::Align::Client);
  ScheduleMemoListBox->SetHint("スケジュールメモ|日付に紐付いたメモファイル");
  ScheduleMemoListBox->SetPopupMenu(ScheduleMemoPopupMenu);
  ScheduleMemoListBox->OnDblClick = [this] { ScheduleMemoListBoxDblClick(); };

  Splitter2 = new ui::Splitter(this, this);
  Splitter2->Name = "Splitter2";
  Splitter2->SetAlign(ui::Align::Left);
  Splitter2->SetMinSize(10);
  Splitter2->OnMoved = [this] { Splitter2Moved(); };

  EditorPanel = new ui::Panel(this, this);
  EditorPanel->Name = "EditorPanel";
  EditorPanel->SetAlign(ui::Align::Client);
  platform::WindowStyle paneStyle = ui::FramedStyle();
  paneStyle.ReadOnly = true;
  paneStyle.ScrollBars = false;
  OutputMemo = new ui::Memo(this, EditorPanel, paneStyle);
  OutputMemo->Name = "OutputMemo";
  OutputMemo->SetAlign(ui::Align::Bottom);
  OutputMemo->SetHeight(20);
  OutputMemo->SetHint("|計算結果");
  OutputMemo->SetPopupMenu(OutputMemoPopupMenu);
  Splitter1 = new ui::Splitter(this, EditorPanel);
  Splitter1->Name = "Splitter1";
  Splitter1->SetAlign(ui::Align::Bottom);
  Splitter1->SetMinSize(20);
  RichEdit1 = new ui::RichEdit(this, EditorPanel);
  RichEdit1->Name = "RichEdit1";
  RichEdit1->SetAlign(ui::Align::Client);
  RichEdit1->SetPopupMenu(InputMemoPopupMenu);
  RichEdit1->OnChange = [this] { RichEdit1Change(); };
  RichEdit1->OnSelectionChange = [this] { RichEdit1SelectionChange(); };
}

}  // namespace quillpad
