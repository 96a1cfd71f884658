// TCalendarOptionDlg: the calendar's settings (fonts, colours, background, switches and the
// holiday rules of "HolidayList.txt"). The fonts and the colour dialog state are edited directly
// in the calendar's Style; the calendar applies or discards the rest when the dialog returns.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "calendar/calendar_form.h"
#include "ui/form.h"
#include "ui/std_controls.h"
#include "ui/string_grid.h"

namespace quillpad {

// Three exclusive choices drawn as check boxes in a panel; ItemIndex is the one marked.
class TRadioGroup : public ui::Panel {
 public:
  TRadioGroup(ui::Component* owner, ui::Control* parent, const std::vector<std::string>& items);
  int ItemIndex() const { return index_; }
  void SetItemIndex(int index);
  ui::CheckBox* Item(int index) const { return items_[static_cast<std::size_t>(index)]; }

 private:
  std::vector<ui::CheckBox*> items_;
  int index_ = -1;
};

class TCalendarOptionDlg : public ui::Form {
 public:
  TCalendarOptionDlg(ui::Component* owner, TCalendarForm& calendar);

  ui::Label* Label2;
  ui::StringGrid* sgHoliday;
  ui::Button* RowDeleteBtn;
  ui::CheckBox* ckSetEquinox;
  ui::Panel* GroupBox1;
  ui::Button* YearMonthFontBtn;
  ui::Button* BaseFontBtn;
  ui::Button* SundayColorBtn;
  ui::Button* SaturdayColorBtn;
  ui::Button* HolidayColorBtn;
  ui::Button* TodayColorBtn;
  ui::Panel* TodayColorPanel;
  ui::Button* MemoExistsColorBtn;
  ui::Panel* MemoExistsColorPanel;
  ui::Button* BGColorBtn;
  ui::Panel* BGColorPanel;
  TRadioGroup* rgBackGround;
  ui::CheckBox* ckShowBorder;
  ui::CheckBox* ckHideUpDownBtn;
  ui::Button* OKBtn;
  ui::Button* CancelBtn;

  void FormCreate();
  void YearMonthFontBtnClick();
  void BaseFontBtnClick();
  void DayColorBtnClick(ui::Button& button);
  void PanelColorBtnClick(ui::Panel& panel);
  void RowDeleteBtnClick();
  void sgHolidaySetEditText(int col, int row, const std::string& value);

  // The rule line of a grid row: its cells joined as a comma list.
  std::string RowLine(int row) const;
  // The lines of every row whose month cell is not empty, sorted as the file keeps them.
  std::vector<std::string> SortedRuleLines() const;

 private:
  ui::Button* AddButton(ui::Control* parent, const char* name, const char* caption,
                        const char* hint, int left, int top, int width);
  ui::Panel* AddPanel(ui::Control* parent, const char* name, int left, int top);
  void FillGrid(const std::vector<std::string>& lines);
  void SetDayColors();

  TCalendarForm& calendar_;
};

}  // namespace quillpad
