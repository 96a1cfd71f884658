// TMainForm: the calendar window it owns (at most one), its menu marks and its day timer.
#include "app/main_form.h"
#include "app/window_placement.h"
#include "calendar/calendar_form.h"

namespace quillpad {

platform::Rect TMainForm::ClampCalendarBounds(const platform::Rect& bounds) const {
  return quillpad::ClampToWorkArea(bounds, WorkArea);
}

void TMainForm::CreateCalendar() {
  CalendarForm = new TCalendarForm(this, *this, system_);
  CalendarForm->Show();
}

void TMainForm::DestroyCalendar() {
  if (!CalendarForm) return;
  // A calendar not closed yet saves its settings on the way out.
  if (CalendarForm->Tag >= 0) CalendarForm->Close();
  delete CalendarForm;
  CalendarForm = nullptr;
}

void TMainForm::RefreshCalendarMarks() {
  const bool shown = CalendarForm != nullptr;
  Item("ShowCalendar")->SetChecked(shown);
  Item("ShowCalendar1")->SetChecked(shown);
  Button("ShowCalendarBtn")->SetDown(shown);
}

void TMainForm::ShowCalendarClick(ui::Component*) {
  if (CalendarForm) {
    DestroyCalendar();
  } else {
    CreateCalendar();
  }
  IdleDone = false;
  RefreshCalendarMarks();
}

void TMainForm::CalendarOptionClick(ui::Component*) {
  if (!CalendarForm) ShowCalendarClick(nullptr);
  CalendarForm->CalendarOptionClick();
}

void TMainForm::RecreateCalendar() {
  DestroyCalendar();
  CreateCalendar();
  RefreshCalendarMarks();
}

void TMainForm::CalendarSettingsChanged() {
  // The dialog's caller is a handler of the calendar itself: the idle turn replaces it.
  if (!CalendarForm) return;
  CalendarForm->Tag = -1;
  CalendarForm->Hide();
  CalendarRecreatePending = true;
  IdleDone = false;
}

void TMainForm::RebuildCalendarMonth() {
  if (CalendarForm && CalendarForm->Tag >= 0) CalendarForm->BuildMonth();
}

void TMainForm::CalendarTimerTick() {
  if (!CalendarForm || CalendarForm->Tag < 0) return;
  CalendarForm->SetCaption(NowText());
  // One day per tick: a long sleep catches up over the following ticks.
  if (system_.Now() > DayBoundary) {
    Timer1->SetEnabled(false);
    RecreateCalendar();
    DayBoundary = AddDays(DayBoundary, 1);
    Timer1->SetEnabled(true);
  }
}

}  // namespace quillpad
