#include "calendar/calendar_option_dlg.h"

#include "base/app_error.h"
#include "base/comma_list.h"
#include "base/path.h"
#include "base/text.h"
#include "ui/application.h"

namespace quillpad {

TRadioGroup::TRadioGroup(ui::Component* owner, ui::Control* parent,
                         const std::vector<std::string>& items)
    : ui::Panel(owner, parent) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    auto* box = new ui::CheckBox(owner, this);
    box->SetCaption(items[i]);
    box->SetBounds(8, 18 + static_cast<int>(i) * 18, 150, 17);
    const int index = static_cast<int>(i);
    // A click marks this one; clicking the marked one keeps it marked.
    box->OnClick = [this, index] { SetItemIndex(index); };
    items_.push_back(box);
  }
}

void TRadioGroup::SetItemIndex(int index) {
  if (index_ == index && (index < 0 || items_[static_cast<std::size_t>(index)]->Checked())) return;
  index_ = index;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    auto onClick = std::move(items_[i]->OnClick);
    items_[i]->OnClick = nullptr;
    items_[i]->SetChecked(static_cast<int>(i) == index);
    items_[i]->OnClick = std::move(onClick);
  }
}

ui::Button* TCalendarOptionDlg::AddButton(ui::Control* parent, const char* name,
                                          const char* caption, const char* hint, int left, int top,
                                          int width) {
  auto* b = new ui::Button(this, parent);
  b->Name = name;
  b->SetCaption(caption);
  if (*hint) b->SetHint(hint);
  b->SetBounds(left, top, width, 25);
  return b;
}

ui::Panel* TCalendarOptionDlg::AddPanel(ui::Control* parent, const char* name, int left, int top) {
  auto* p = new ui::Panel(this, parent);
  p->Name = name;
  p->SetBounds(left, top, 25, 25);
  return p;
}

TCalendarOptionDlg::TCalendarOptionDlg(ui::Component* owner, TCalendarForm& calendar)
    : ui::Form(owner), calendar_(calendar) {
  Name = "CalendarOptionDlg";
  SetCaption("カレンダーの設定");
  SetBorderStyle(platform::BorderStyle::Dialog);
  SetBorderIcons(true, false, false);
  SetClientSize(610, 299);

  Label2 = new ui::Label(this, this);
  Label2->Name = "Label2";
  Label2->SetCaption("休日設定");
  Label2->SetBounds(8, 8, 60, 14);
  sgHoliday = new ui::StringGrid(this, this);
  sgHoliday->Name = "sgHoliday";
  sgHoliday->SetBounds(8, 24, 180, 200);
  sgHoliday->SetColCount(3);
  sgHoliday->SetColWidths({30, 30, 93});
  sgHoliday->SetRowHeight(17);
  sgHoliday->OnSetEditText = [this](int c, int r, const std::string& v) {
    sgHolidaySetEditText(c, r, v);
  };
  RowDeleteBtn = AddButton(this, "RowDeleteBtn", "選択行の削除", "", 8, 232, 100);
  RowDeleteBtn->OnClick = [this] { RowDeleteBtnClick(); };
  ckSetEquinox = new ui::CheckBox(this, this);
  ckSetEquinox->Name = "ckSetEquinox";
  ckSetEquinox->SetCaption("春分・秋分を休日に設定");
  ckSetEquinox->SetBounds(8, 264, 180, 17);

  GroupBox1 = new ui::Panel(this, this);
  GroupBox1->Name = "GroupBox1";
  GroupBox1->SetCaption("表示オプション");
  GroupBox1->SetBounds(200, 8, 400, 240);
  YearMonthFontBtn = AddButton(GroupBox1, "YearMonthFontBtn", "Font of Year and Month",
                               "年月の表示フォント", 8, 20, 170);
  YearMonthFontBtn->OnClick = [this] { YearMonthFontBtnClick(); };
  BaseFontBtn = AddButton(GroupBox1, "BaseFontBtn", "Base Font (Mon - Fri)",
                          "ベースフォント　(月～金）", 8, 50, 170);
  BaseFontBtn->OnClick = [this] { BaseFontBtnClick(); };
  SundayColorBtn =
      AddButton(GroupBox1, "SundayColorBtn", "Color of Sunday", "日曜の色", 8, 80, 170);
  SundayColorBtn->OnClick = [this] { DayColorBtnClick(*SundayColorBtn); };
  SaturdayColorBtn =
      AddButton(GroupBox1, "SaturdayColorBtn", "Color of Saturday", "土曜の色", 8, 110, 170);
  SaturdayColorBtn->OnClick = [this] { DayColorBtnClick(*SaturdayColorBtn); };
  HolidayColorBtn =
      AddButton(GroupBox1, "HolidayColorBtn", "Color of Holiday", "祝日の色", 8, 140, 170);
  HolidayColorBtn->OnClick = [this] { DayColorBtnClick(*HolidayColorBtn); };
  TodayColorBtn = AddButton(GroupBox1, "TodayColorBtn", "Color of Today", "今日の色", 200, 20, 140);
  TodayColorPanel = AddPanel(GroupBox1, "TodayColorPanel", 348, 20);
  TodayColorBtn->OnClick = [this] { PanelColorBtnClick(*TodayColorPanel); };
  MemoExistsColorBtn =
      AddButton(GroupBox1, "MemoExistsColorBtn", "Color for Memo", "メモありの色", 200, 50, 140);
  MemoExistsColorPanel = AddPanel(GroupBox1, "MemoExistsColorPanel", 348, 50);
  MemoExistsColorBtn->OnClick = [this] { PanelColorBtnClick(*MemoExistsColorPanel); };
  BGColorBtn = AddButton(GroupBox1, "BGColorBtn", "Background Color", "背景色", 200, 80, 140);
  BGColorPanel = AddPanel(GroupBox1, "BGColorPanel", 348, 80);
  BGColorBtn->OnClick = [this] { PanelColorBtnClick(*BGColorPanel); };
  rgBackGround = new TRadioGroup(this, GroupBox1,
                                 {"透明（壁紙）", "グラデーションあり", "グラデーションなし"});
  rgBackGround->Name = "rgBackGround";
  rgBackGround->SetCaption("背景の表示方法");
  rgBackGround->SetBounds(200, 112, 190, 76);
  ckShowBorder = new ui::CheckBox(this, GroupBox1);
  ckShowBorder->Name = "ckShowBorder";
  ckShowBorder->SetCaption("タイトルバーと境界表示");
  ckShowBorder->SetBounds(8, 176, 180, 17);
  ckHideUpDownBtn = new ui::CheckBox(this, GroupBox1);
  ckHideUpDownBtn->Name = "ckHideUpDownBtn";
  ckHideUpDownBtn->SetCaption("年月の変更ボタンを隠す");
  ckHideUpDownBtn->SetBounds(8, 200, 180, 17);

  OKBtn = AddButton(this, "OKBtn", "OK", "", 440, 260, 75);
  OKBtn->ModalResult = ui::MrOk;
  OKBtn->SetDefault(true);
  CancelBtn = AddButton(this, "CancelBtn", "ｷｬﾝｾﾙ", "", 524, 260, 75);
  CancelBtn->ModalResult = ui::MrCancel;
  CancelBtn->Cancel = true;
  const platform::Size screen = calendar.System().ScreenSize();
  SetBounds((screen.Width - Width()) / 2, (screen.Height - Height()) / 2, Width(), Height());
  FormCreate();
}

void TCalendarOptionDlg::SetDayColors() {
  auto colour = [](ui::Control& c, platform::Color value) {
    platform::FontSpec font = c.Font();
    font.TextColor = value;
    c.SetFont(font);
  };
  colour(*SundayColorBtn, calendar_.Colors.Sunday);
  colour(*SaturdayColorBtn, calendar_.Colors.Saturday);
  colour(*HolidayColorBtn, calendar_.Colors.Holiday);
  TodayColorPanel->SetColor(calendar_.Colors.Today);
  MemoExistsColorPanel->SetColor(calendar_.Colors.MemoExists);
  BGColorPanel->SetColor(calendar_.Colors.Background);
}

void TCalendarOptionDlg::FormCreate() {
  YearMonthFontBtn->SetFont(calendar_.lbYear->Font());
  for (ui::Control* c : std::initializer_list<ui::Control*>{
           BaseFontBtn, SundayColorBtn, SaturdayColorBtn, HolidayColorBtn, TodayColorBtn,
           MemoExistsColorBtn, BGColorBtn}) {
    c->SetFont(calendar_.Font());
  }
  SetDayColors();
  rgBackGround->SetItemIndex(calendar_.BackGround);
  ckSetEquinox->SetChecked(calendar_.SetEquinox);
  ckShowBorder->SetChecked(calendar_.ShowBorder);
  ckHideUpDownBtn->SetChecked(calendar_.HideUpDownBtn);
  sgHoliday->SetCell(0, 0, "月");
  sgHoliday->SetCell(1, 0, "日");
  sgHoliday->SetCell(2, 0, "コメント");
  FillGrid(calendar_.Rules.Lines());
}

void TCalendarOptionDlg::FillGrid(const std::vector<std::string>& lines) {
  sgHoliday->SetRowCount(static_cast<int>(lines.size()) + 2);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    sgHoliday->ClearRow(row);
    const std::vector<std::string> fields = SplitCommaList(lines[i]);
    for (std::size_t c = 0; c < fields.size() && c < 3; ++c)
      sgHoliday->SetCell(static_cast<int>(c), row, fields[c]);
  }
  sgHoliday->ClearRow(sgHoliday->RowCount() - 1);
}

void TCalendarOptionDlg::YearMonthFontBtnClick() {
  platform::FontSpec font = YearMonthFontBtn->Font();
  if (!calendar_.System().PickFont(font)) return;
  calendar_.Style.YearMonthFont = font;
  YearMonthFontBtn->SetFont(font);
}

void TCalendarOptionDlg::BaseFontBtnClick() {
  platform::FontSpec font = BaseFontBtn->Font();
  if (!calendar_.System().PickFont(font)) return;
  calendar_.Style.BaseFont = font;
  for (ui::Control* c : std::initializer_list<ui::Control*>{
           BaseFontBtn, SundayColorBtn, SaturdayColorBtn, HolidayColorBtn, TodayColorBtn,
           MemoExistsColorBtn, BGColorBtn}) {
    c->SetFont(font);
  }
  SetDayColors();
}

void TCalendarOptionDlg::DayColorBtnClick(ui::Button& button) {
  platform::Color colour = button.Font().TextColor;
  calendar_.Style.DialogColor = colour;
  if (!calendar_.System().PickColor(colour, calendar_.Style.CustomColors)) return;
  calendar_.Style.DialogColor = colour;
  platform::FontSpec font = button.Font();
  font.TextColor = colour;
  button.SetFont(font);
}

void TCalendarOptionDlg::PanelColorBtnClick(ui::Panel& panel) {
  platform::Color colour = panel.GetColor();
  calendar_.Style.DialogColor = colour;
  if (!calendar_.System().PickColor(colour, calendar_.Style.CustomColors)) return;
  calendar_.Style.DialogColor = colour;
  panel.SetColor(colour);
}

std::string TCalendarOptionDlg::RowLine(int row) const {
  return JoinCommaList({sgHoliday->Cell(0, row), sgHoliday->Cell(1, row), sgHoliday->Cell(2, row)});
}

std::vector<std::string> TCalendarOptionDlg::SortedRuleLines() const {
  std::vector<std::string> lines;
  for (int row = 1; row < sgHoliday->RowCount(); ++row) {
    if (!sgHoliday->Cell(0, row).empty()) lines.push_back(RowLine(row));
  }
  SortRuleLines(lines);
  return lines;
}

void TCalendarOptionDlg::RowDeleteBtnClick() {
  ui::Application& app = ui::Application::Instance();
  if (app.MessageBox("選択行を削除しますか？", app.Title,
                     platform::MbYesNo | platform::MbIconWarning) == platform::IdYes) {
    sgHoliday->ClearRow(sgHoliday->Row());
  }
  FillGrid(SortedRuleLines());
}

void TCalendarOptionDlg::sgHolidaySetEditText(int, int row, const std::string& value) {
  if (!value.empty() && row == sgHoliday->RowCount() - 1)
    sgHoliday->SetRowCount(sgHoliday->RowCount() + 1);
}

void TCalendarForm::CalendarOptionClick() {
  // The fonts and colour dialog are edited in place; Cancel puts them back even when no style
  // file exists yet to re-read them from.
  const CalendarStyle before = Style;
  {
    TCalendarOptionDlg dlg(this, *this);
    if (dlg.ShowModal() == ui::MrOk) {
      // Nothing changes on screen unless every file took the new settings.
      const CalendarColors colors = Colors;
      const int backGround = BackGround;
      const bool border = ShowBorder, hideUpDown = HideUpDownBtn, equinox = SetEquinox;
      HolidayRules rules = Rules;
      Colors.Sunday = dlg.SundayColorBtn->Font().TextColor;
      Colors.Saturday = dlg.SaturdayColorBtn->Font().TextColor;
      Colors.Holiday = dlg.HolidayColorBtn->Font().TextColor;
      Colors.Today = dlg.TodayColorPanel->GetColor();
      Colors.MemoExists = dlg.MemoExistsColorPanel->GetColor();
      Colors.Background = dlg.BGColorPanel->GetColor();
      BackGround = dlg.rgBackGround->ItemIndex();
      ShowBorder = dlg.ckShowBorder->Checked();
      HideUpDownBtn = dlg.ckHideUpDownBtn->Checked();
      SetEquinox = dlg.ckSetEquinox->Checked();
      Rules = HolidayRules(dlg.SortedRuleLines());
      try {
        SaveCalendarSettings(true);
      } catch (...) {
        Style = before;
        Colors = colors;
        BackGround = backGround;
        ShowBorder = border;
        HideUpDownBtn = hideUpDown;
        SetEquinox = equinox;
        Rules = std::move(rules);
        try {
          SaveCalendarSettings(true);  // the files that did take the new settings go back
        } catch (...) {
        }
        throw;
      }
      lbYear->SetFont(Style.YearMonthFont);
      lbMonth->SetFont(Style.YearMonthFont);
      SetFont(Style.BaseFont);
    } else {
      Style = before;
      LoadCalendarSettings();
      SaveCalendarSettings();
    }
  }
  Host().CalendarSettingsChanged();
}

}  // namespace quillpad
