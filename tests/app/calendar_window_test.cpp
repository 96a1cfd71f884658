// The calendar window as the main window owns it: showing and closing, its settings files, the
// day timer, arrows, date clicks, its pop-up menu and the settings dialog.
#include <gtest/gtest.h>

#include "app/main_form_fixture.h"
#include "calendar/calendar_form.h"
#include "calendar/calendar_option_dlg.h"

namespace quillpad {
namespace {

using testing::ReadHostFile;
using testing::WriteHostFile;

class CalendarWindowTest : public testing::MainFormTest {
 protected:
  TCalendarForm& Open() {
    if (!form) Start();
    form->ShowCalendarClick(nullptr);
    desk.RunIdle();
    return *form->CalendarForm;
  }
  void Memo(const std::string& name, const std::string& text) {
    std::filesystem::create_directories(ProgramFolder() / "ScheduleMemo");
    WriteHostFile(ProgramFolder() / "ScheduleMemo" / name, text);
  }
  static TCalendarOptionDlg& Dialog(platform::sim::SimWindow& w) {
    return *dynamic_cast<TCalendarOptionDlg*>(ui::Control::FromEvents(w.Events()));
  }
};

TEST_F(CalendarWindowTest, ShowingAndClosingFollowTheMarksAndSaveTheSettings) {
  TMainForm& f = Start();
  f.Item("ShowCalendar")->Click();
  desk.RunIdle();
  ASSERT_NE(f.CalendarForm, nullptr);
  TCalendarForm& c = *f.CalendarForm;
  EXPECT_TRUE(c.Visible());
  EXPECT_EQ(c.Caption(), "メモカレンダー");
  EXPECT_EQ(c.BorderStyle(), platform::BorderStyle::None);
  EXPECT_EQ(c.lbYear->Caption(), "2026");
  EXPECT_EQ(c.lbMonth->Caption(), "12");
  EXPECT_TRUE(c.Built());
  EXPECT_TRUE(f.Item("ShowCalendar")->Checked());
  EXPECT_TRUE(f.Item("ShowCalendar1")->Checked());
  EXPECT_TRUE(f.Button("ShowCalendarBtn")->Down());

  // Its own close marks it; the next idle turn disposes of it.
  desk.ExpectPopupChoice("カレンダーを閉じる(&C)");
  Sim(c).UserContextMenu({500, 200});
  EXPECT_EQ(f.CalendarForm->Tag, -1);
  desk.RunIdle();
  EXPECT_EQ(f.CalendarForm, nullptr);
  EXPECT_FALSE(f.Item("ShowCalendar")->Checked());
  EXPECT_FALSE(f.Button("ShowCalendarBtn")->Down());

  const std::string ini = ReadIni();
  EXPECT_NE(ini.find("[CalendarForm]\r\niCalendarTop=123\r\niCalendarLeft=431\r\n"),
            std::string::npos);
  for (const char* line : {"iSundayColor=16711935", "iSaturdayColor=16776960", "iHolidayColor=255",
                           "iTodayColor=65280", "iMemoExistsColor=16711680", "iBGColor=8388608",
                           "iBackGround=1", "bShowBorder=0", "bHideUpDownBtn=0", "bSetEquinox=1"}) {
    EXPECT_TRUE(Holds(ini, line)) << line;
  }
  CalendarStyle style;
  ASSERT_TRUE(ReadCalendarStyle(ReadHostFile(ProgramFolder() / "CalendarStyle.dat"), style));
  EXPECT_EQ(style.BaseFont.Name, "Times New Roman");
  EXPECT_FALSE(std::filesystem::exists(ProgramFolder() / "HolidayList.txt"));  // no rules, no file
}

TEST_F(CalendarWindowTest, ACalendarOpenAtExitComesBackAtTheNextStart) {
  Open();
  Stop();
  EXPECT_TRUE(Holds(ReadIni(), "bShowCalendar=1"));
  TMainForm& f = Start();
  ASSERT_NE(f.CalendarForm, nullptr);
  EXPECT_TRUE(f.Item("ShowCalendar")->Checked());
  f.ShowCalendarClick(nullptr);
  EXPECT_EQ(f.CalendarForm, nullptr);
  Stop();
  EXPECT_TRUE(Holds(ReadIni(), "bShowCalendar=0"));
}

TEST_F(CalendarWindowTest, TheTimerShowsTheTimeAndCatchesUpOneDayPerTick) {
  TMainForm& f = Start();
  desk.Advance(1000);
  EXPECT_EQ(f.DayBoundary, EncodeDate(2026, 12, 8));  // no calendar: nothing moves
  Open();
  desk.Advance(1000);
  EXPECT_EQ(f.CalendarForm->Caption(), "2026/12/07 9:05:05");

  // The machine slept for three days.
  desk.SetNow(EncodeDateTime(2026, 12, 10, 9, 0, 0));
  f.Timer1Timer();
  EXPECT_EQ(f.DayBoundary, EncodeDate(2026, 12, 9));
  ASSERT_NE(f.CalendarForm, nullptr);
  f.Timer1Timer();
  EXPECT_EQ(f.DayBoundary, EncodeDate(2026, 12, 10));
  f.Timer1Timer();
  EXPECT_EQ(f.DayBoundary, EncodeDate(2026, 12, 11));
  f.Timer1Timer();
  EXPECT_EQ(f.DayBoundary, EncodeDate(2026, 12, 11));
  // The new calendar shows the new today.
  EXPECT_TRUE(f.CalendarForm->Layout().Days[9].Opaque);
  EXPECT_FALSE(f.CalendarForm->Layout().Days[6].Opaque);
}

TEST_F(CalendarWindowTest, MonthArrowsCrossTheYearAndStopAtTheRangeEnds) {
  TCalendarForm& c = Open();
  // Texts stand on the background; only today's cell keeps a box of its own.
  EXPECT_TRUE(c.lbYear->Transparent() && c.lbMonth->Transparent());
  for (ui::Label* header : c.WeekdayLabels) EXPECT_TRUE(header->Transparent());
  for (int day = 1; day <= 31; ++day) {
    const bool today = day == 7;
    EXPECT_EQ(c.DayLabel(day)->Transparent(), !today) << day;
  }
  EXPECT_EQ(c.DayLabel(7)->GetColor(), c.Colors.Today);
  EXPECT_EQ(Sim(*c.MonthUpDown->Up).Style().Arrow, 1);
  // Over the wallpaper, every move repaints.
  c.BackGround = 0;
  const int before = Sim(c).Invalidations();
  Sim(c).UserSetBounds({c.Left() + 30, c.Top(), c.Left() + 30 + c.Width(), c.Top() + c.Height()});
  EXPECT_GT(Sim(c).Invalidations(), before);
  c.BackGround = 1;
  Sim(*c.MonthUpDown->Up).UserClick();
  EXPECT_EQ(c.lbYear->Caption(), "2027");
  EXPECT_EQ(c.lbMonth->Caption(), "1");
  EXPECT_EQ(c.Layout().Days.size(), 31u);
  Sim(*c.YearUpDown->Down).UserClick();
  EXPECT_EQ(c.lbYear->Caption(), "2026");

  c.lbYear->SetCaption("1900");
  c.lbMonth->SetCaption("1");
  Sim(*c.MonthUpDown->Down).UserClick();
  EXPECT_EQ(c.lbYear->Caption(), "1900");
  EXPECT_EQ(c.lbMonth->Caption(), "1");
  c.lbYear->SetCaption("2100");
  c.lbMonth->SetCaption("12");
  Sim(*c.MonthUpDown->Up).UserClick();
  Sim(*c.YearUpDown->Up).UserClick();
  EXPECT_EQ(c.lbYear->Caption(), "2100");
  EXPECT_EQ(c.lbMonth->Caption(), "12");
}

TEST_F(CalendarWindowTest, ClickingADateOpensItsMemoBesideTheCalendar) {
  Memo("20261215.txt", "party");
  TCalendarForm& c = Open();
  ui::Label* day = c.DayLabel(15);
  ASSERT_NE(day, nullptr);
  EXPECT_EQ(Sim(*day).ToolTip(), "party");
  EXPECT_EQ(day->GetColor(), c.Colors.MemoExists);
  Sim(*day).UserClick();
  TMainForm& f = *form;
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ(f.RichEdit1->Text(), "party");
  EXPECT_EQ(f.Left(), c.Left());
  EXPECT_EQ(f.Top(), c.Top());
  EXPECT_EQ(f.DateTimePicker1->Date(), EncodeDate(2026, 12, 15));
}

TEST_F(CalendarWindowTest, TheDayMenuDeletesTheMemoUnderTheMouseAndRebuilds) {
  Memo("20261215.txt", "party");
  TCalendarForm& c = Open();
  desk.ExpectPopupChoice("現在の日付メモ(&M)... > 削除(&D)");
  desk.ExpectMessageBox(platform::IdOk, "2026/12/15の日付メモを削除しますか？");
  Sim(*c.DayLabel(15)).UserContextMenu({600, 300});
  EXPECT_FALSE(std::filesystem::exists(ProgramFolder() / "ScheduleMemo" / "20261215.txt"));
  EXPECT_FALSE(c.Layout().Days[14].Opaque);
  EXPECT_EQ(Sim(*c.DayLabel(15)).ToolTip(), "");
  // Opened on the background the day commands do nothing.
  desk.ExpectPopupChoice("現在の日付メモ(&M)... > 削除(&D)");
  Sim(c).UserContextMenu({500, 200});
}

TEST_F(CalendarWindowTest, WithoutABorderTheBackgroundDragsAndTheEdgesSize) {
  TCalendarForm& c = Open();
  const platform::Rect before = c.BoundsRect();
  auto& w = Sim(c);
  EXPECT_EQ(w.Events().OnHitTest({before.Left + 2, before.Top + 50}), platform::HtLeft);
  desk.SetMouseButtonDown(platform::MouseButton::Right, true);
  EXPECT_EQ(w.Events().OnHitTest({before.Left + 2, before.Top + 50}), platform::HtClient);
  desk.SetMouseButtonDown(platform::MouseButton::Right, false);

  desk.SetCursorPos({before.Left + 50, before.Top + 50});
  w.UserMouseDown(platform::MouseButton::Left, {50, 50});
  desk.SetCursorPos({before.Left + 70, before.Top + 40});
  w.UserMouseMove({70, 40});
  w.UserMouseUp(platform::MouseButton::Left, {70, 40});
  EXPECT_EQ(c.Left(), before.Left + 20);
  EXPECT_EQ(c.Top(), before.Top - 10);
  desk.SetCursorPos({before.Left + 90, before.Top + 90});
  w.UserMouseMove({90, 90});
  EXPECT_EQ(c.Left(), before.Left + 20);  // released: no more dragging
}

TEST_F(CalendarWindowTest, SettingsDialogSortsTheRulesAsTextAndQuotesBlanks) {
  WriteHostFile(ProgramFolder() / "HolidayList.txt", "2,11,建国記念の日\r\n");
  TCalendarForm& c = Open();
  ASSERT_EQ(c.Rules.Lines().size(), 1u);
  desk.SetModalScript("カレンダーの設定", [this](platform::sim::SimWindow& w) {
    TCalendarOptionDlg& d = Dialog(w);
    EXPECT_EQ(d.ClientWidth(), 610);
    EXPECT_EQ(d.Left(), (1024 - d.Width()) / 2);  // centred on the screen
    EXPECT_EQ(d.sgHoliday->RowCount(), 3);
    EXPECT_EQ(d.sgHoliday->Cell(2, 1), "建国記念の日");
    d.sgHoliday->SetCurrent(0, 2);
    auto& editor = Sim(*d.sgHoliday->InplaceEditor());
    editor.UserType("10");
    EXPECT_EQ(d.sgHoliday->RowCount(), 4);  // typing in the last row adds an empty one
    editor.UserKey(0x09);
    editor.UserType("10");
    editor.UserKey(0x09);
    editor.UserType("振替 休日");
    // A row without a month is dropped even with text in it.
    d.sgHoliday->SetCurrent(2, 3);
    editor.UserType("orphan");
    Sim(*d.OKBtn).UserClick();
  });
  c.CalendarOptionClick();
  EXPECT_EQ(ReadHostFile(ProgramFolder() / "HolidayList.txt"),
            "10,10,\"振替 休日\"\r\n2,11,建国記念の日\r\n");
  // The calendar is replaced once its handler has returned.
  EXPECT_EQ(form->CalendarForm->Tag, -1);
  desk.RunIdle();
  ASSERT_NE(form->CalendarForm, nullptr);
  TCalendarForm& fresh = *form->CalendarForm;
  EXPECT_EQ(fresh.Tag, 0);
  ASSERT_EQ(fresh.Rules.Lines().size(), 2u);
  EXPECT_EQ(fresh.Rules.Keys()[0], "10,10");
  EXPECT_TRUE(form->Item("ShowCalendar")->Checked());
}

TEST_F(CalendarWindowTest, RowDeleteAnsweredNoStillSortsAndEmptyRulesWriteAnEmptyFile) {
  WriteHostFile(ProgramFolder() / "HolidayList.txt", "5,5,b\r\n11,3,a\r\n");
  TCalendarForm& c = Open();
  desk.SetModalScript("カレンダーの設定", [this](platform::sim::SimWindow& w) {
    TCalendarOptionDlg& d = Dialog(w);
    desk.ExpectMessageBox(platform::IdNo, "選択行を削除しますか？");
    Sim(*d.RowDeleteBtn).UserClick();
    EXPECT_EQ(d.sgHoliday->Cell(0, 1), "11");
    EXPECT_EQ(d.sgHoliday->Cell(0, 2), "5");
    for (int i = 0; i < 2; ++i) {
      d.sgHoliday->SetCurrent(0, 1);
      desk.ExpectMessageBox(platform::IdYes);
      Sim(*d.RowDeleteBtn).UserClick();
    }
    EXPECT_EQ(d.sgHoliday->RowCount(), 2);
    Sim(*d.OKBtn).UserClick();
  });
  c.CalendarOptionClick();
  EXPECT_EQ(ReadHostFile(ProgramFolder() / "HolidayList.txt"), "");
}

TEST_F(CalendarWindowTest, BaseFontResetsPickedColoursAndCancelRestoresTheFonts) {
  TCalendarForm& c = Open();
  const platform::FontSpec arial{"Arial", -20, 0xFFFFFF, 0, 0};
  desk.SetModalScript("カレンダーの設定", [&](platform::sim::SimWindow& w) {
    TCalendarOptionDlg& d = Dialog(w);
    desk.ExpectColorDialog(0x123456);
    Sim(*d.SundayColorBtn).UserClick();
    EXPECT_EQ(d.SundayColorBtn->Font().TextColor, 0x123456u);
    desk.ExpectFontDialog(arial);
    Sim(*d.BaseFontBtn).UserClick();
    EXPECT_EQ(d.SundayColorBtn->Font().Name, "Arial");
    EXPECT_EQ(d.SundayColorBtn->Font().TextColor, 0xFF00FFu);  // the stored Sunday colour again
    EXPECT_EQ(c.Style.BaseFont, arial);
    Sim(*d.CancelBtn).UserClick();
  });
  c.CalendarOptionClick();
  EXPECT_EQ(desk.ColorDialogStarts().front(), 0xFF00FFu);
  EXPECT_EQ(c.Style.BaseFont.Name, "Times New Roman");
  desk.RunIdle();
  EXPECT_EQ(form->CalendarForm->Font().Name, "Times New Roman");
}

TEST_F(CalendarWindowTest, SettingsDialogOkAppliesColoursSwitchesAndFonts) {
  TCalendarForm& c = Open();
  const platform::FontSpec big{"Arial", -24, 0x00FFFF, 0, platform::FsBold};
  desk.SetModalScript("カレンダーの設定", [&](platform::sim::SimWindow& w) {
    TCalendarOptionDlg& d = Dialog(w);
    desk.ExpectFontDialog(big);
    Sim(*d.YearMonthFontBtn).UserClick();
    desk.ExpectColorDialog(0x000080);
    Sim(*d.BGColorBtn).UserClick();
    Sim(*d.rgBackGround->Item(2)).UserClick();
    Sim(*d.ckShowBorder).UserClick();
    Sim(*d.ckSetEquinox).UserClick();
    Sim(*d.OKBtn).UserClick();
  });
  c.CalendarOptionClick();
  desk.RunIdle();
  TCalendarForm& fresh = *form->CalendarForm;
  EXPECT_EQ(fresh.Colors.Background, 0x000080u);
  EXPECT_EQ(fresh.BackGround, 2);
  EXPECT_TRUE(fresh.ShowBorder);
  EXPECT_FALSE(fresh.SetEquinox);
  EXPECT_EQ(fresh.BorderStyle(), platform::BorderStyle::Sizeable);
  EXPECT_EQ(fresh.lbYear->Font(), big);
  EXPECT_TRUE(Holds(ReadIni(), "iBGColor=128"));
  EXPECT_TRUE(Holds(ReadIni(), "iBackGround=2"));
}

TEST_F(CalendarWindowTest, SavingAndDeletingMemosRebuildTheOpenCalendar) {
  TCalendarForm& c = Open();
  TMainForm& f = *form;
  f.NewMemoClick(nullptr);
  Editor().UserType("meeting");
  f.DateTimePicker1->SetDate(EncodeDate(2026, 12, 9));
  f.SaveScheduleMemoClick(nullptr);
  EXPECT_TRUE(c.Layout().Days[8].Opaque);
  EXPECT_EQ(Sim(*c.DayLabel(9)).ToolTip(), "meeting");
  f.ListMonthScheduleMemoClick(nullptr);
  f.ScheduleMemoListBox->SetSelected(0, true);
  desk.ExpectMessageBox(platform::IdOk);
  f.FileDeleteClick(nullptr);
  EXPECT_FALSE(c.Layout().Days[8].Opaque);
}

TEST_F(CalendarWindowTest, ItsExitItemEndsTheProgramThroughTheIdleTurn) {
  TCalendarForm& c = Open();
  desk.ExpectPopupChoice("Quillpadを終了する(&X)");
  Sim(c).UserContextMenu({500, 200});
  EXPECT_FALSE(app.Terminated());  // not inside the calendar's own handler
  desk.RunIdle();
  EXPECT_TRUE(app.Terminated());
  EXPECT_EQ(form->CalendarForm, nullptr);
  EXPECT_TRUE(Holds(ReadIni(), "bShowCalendar=1"));
  EXPECT_TRUE(std::filesystem::exists(ProgramFolder() / "CalendarStyle.dat"));
}

TEST_F(CalendarWindowTest, TrayActionSevenTogglesTheCalendar) {
  WriteIni("[FORM]\r\niTaskTrayClick=7\r\n");
  TMainForm& f = Start();
  f.RunTrayAction(7);
  EXPECT_NE(f.CalendarForm, nullptr);
  f.RunTrayAction(7);
  EXPECT_EQ(f.CalendarForm, nullptr);
}

TEST_F(CalendarWindowTest, StoredSettingsComeBackInANewCalendar) {
  WriteIni(
      "[CalendarForm]\r\niCalendarLeft=40\r\niCalendarTop=50\r\niCalendarWidth=300\r\n"
      "iCalendarHeight=200\r\niTodayColor=255\r\nbShowBorder=1\r\nbHideUpDownBtn=1\r\n");
  TCalendarForm& c = Open();
  EXPECT_EQ(c.BoundsRect(), (platform::Rect{40, 50, 340, 250}));
  EXPECT_EQ(c.BorderStyle(), platform::BorderStyle::Sizeable);
  EXPECT_FALSE(c.YearUpDown->Visible());
  EXPECT_EQ(c.DayLabel(7)->GetColor(), 255u);  // built with the stored colours
  // With a border the system answers the hit test.
  EXPECT_EQ(Sim(c).Events().OnHitTest({41, 100}), platform::HtDefault);
}

}  // namespace
}  // namespace quillpad
