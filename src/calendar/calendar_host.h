// What the calendar window needs from the window that owns it (the main window). The calendar
// library cannot link against the application, so the owner implements this.
#pragma once

#include <string>

#include "base/date_time.h"
#include "platform/types.h"

namespace quillpad {

class CalendarHost {
 public:
  virtual ~CalendarHost() = default;
  virtual std::string CalendarProgramDir() const = 0;
  virtual std::string CalendarWorkDir() const = 0;
  virtual std::string CalendarScheduleMemoDir() const = 0;
  // The bounds moved inside the desktop work area.
  virtual platform::Rect ClampCalendarBounds(const platform::Rect& bounds) const = 0;
  // A click on a day: the owner loads that date's memo and shows itself at the calendar's corner.
  virtual void OpenCalendarDate(DateTime date, platform::Point topLeft) = 0;
  virtual void DeleteCalendarDateMemo(DateTime date) = 0;
  virtual void ListMonthFromCalendar() = 0;
  virtual void ListAllFromCalendar() = 0;
  // The calendar marked itself for disposal (negative tag): the owner's idle turn must run.
  virtual void CalendarClosed() = 0;
  virtual void ExitFromCalendar() = 0;
  // After the settings dialog: the owner replaces the calendar by a new one once the calendar's
  // handler has returned.
  virtual void CalendarSettingsChanged() = 0;
};

}  // namespace quillpad
