// TCalendarForm: the month calendar on the desktop. It colours weekends, holidays and today,
// marks the dates with a schedule memo, and hands date clicks to its owner (CalendarHost).
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "calendar/calendar_host.h"
#include "calendar/calendar_layout.h"
#include "calendar/calendar_style.h"
#include "calendar/holidays.h"
#include "platform/profile.h"
#include "platform/system.h"
#include "ui/form.h"
#include "ui/menu_item.h"
#include "ui/std_controls.h"

namespace quillpad {

// An arrow pair (up above down) that reports +1 or -1.
class TUpDown : public ui::Panel {
 public:
  TUpDown(ui::Component* owner, ui::Control* parent, const std::string& name);
  void SetSide(int side);
  ui::Button* Up;
  ui::Button* Down;
  std::function<void(int delta)> OnStep;
};

class TCalendarForm : public ui::Form {
 public:
  static constexpr const char* kStyleFile = "CalendarStyle.dat";
  static constexpr const char* kRuleFile = "HolidayList.txt";
  static constexpr const char* kSection = "CalendarForm";

  TCalendarForm(ui::Component* owner, CalendarHost& host, platform::System& system);
  ~TCalendarForm() override;

  // Settings (ini section "CalendarForm" and CalendarStyle.dat).
  CalendarColors Colors;
  int BackGround = 1;  // 0 transparent, 1 gradient, 2 plain
  bool ShowBorder = false;
  bool HideUpDownBtn = false;
  bool SetEquinox = true;
  CalendarStyle Style;  // FontDialog1, FontDialog2, ColorDialog1
  HolidayRules Rules;

  ui::Label* lbYear = nullptr;
  ui::Label* lbMonth = nullptr;
  std::array<ui::Label*, 7> WeekdayLabels{};  // lblSun ... lblSat
  TUpDown* YearUpDown = nullptr;
  TUpDown* MonthUpDown = nullptr;
  int MonthPosition = 1;  // MonthUpDown's own count, -100..100
  ui::PopupMenu* pmCalendar = nullptr;

  int ShownYear() const;
  int ShownMonth() const;
  // The day cells of the last build (labels beyond Days().size() are hidden spares).
  const MonthLayout& Layout() const { return layout_; }
  ui::Label* DayLabel(int day) const;
  bool Built() const { return built_; }

  void FormCreate();
  void LoadCalendarSettings();
  // A failed write raises the error; the rule file is written empty only when asked.
  void SaveCalendarSettings(bool emptyRules = false);
  void ApplyBorder();
  void BuildMonth();
  void FormPaint(platform::Canvas& canvas);
  int FormHitTest(platform::Point screen);
  void YearUpDownClick(int delta);
  void MonthUpDownClick(int delta);
  void lblDateClick(int day);
  void FormActivate();
  void FormClose(ui::CloseAction& action);
  void FormMouseDown(ui::MouseButton button);
  void FormMouseMove();
  void FormMouseUp();

  void Delete1Click();
  void Edit1Click();
  void mListMonthScheduleMemoClick();
  void mListAllScheduleMemoClick();
  void CalendarOptionClick();
  void ExitClick();
  void Exit1Click();

  CalendarHost& Host() { return host_; }
  platform::System& System() { return system_; }

 private:
  void BuildControls();
  void BuildMenu();
  int PopupDay() const;
  platform::Profile Ini();

  CalendarHost& host_;
  platform::System& system_;
  MonthLayout layout_;
  std::vector<ui::Label*> dayLabels_;
  bool built_ = false;
  bool dragging_ = false;
  platform::Point dragFrom_;
};

}  // namespace quillpad
