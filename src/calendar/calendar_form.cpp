#include "calendar/calendar_form.h"

#include "base/app_error.h"
#include "base/path.h"
#include "base/text.h"
#include "platform/profile.h"

namespace quillpad {

namespace {
const platform::FontSpec kYearMonthDesignFont{"ＭＳ Ｐゴシック", -12, 0xFFFFFF, 128,
                                              platform::FsBold};
}

TUpDown::TUpDown(ui::Component* owner, ui::Control* parent, const std::string& name)
    : ui::Panel(owner, parent) {
  Name = name;
  Up = new ui::Button(owner, this);
  Up->Name = name + "Up";
  Up->SetCaption("▲");
  Up->SetArrow(ui::Button::ArrowKind::Up);
  Up->OnClick = [this] {
    if (OnStep) OnStep(1);
  };
  Down = new ui::Button(owner, this);
  Down->Name = name + "Down";
  Down->SetCaption("▼");
  Down->SetArrow(ui::Button::ArrowKind::Down);
  Down->OnClick = [this] {
    if (OnStep) OnStep(-1);
  };
}

void TUpDown::SetSide(int side) {
  SetWidth(side);
  SetHeight(side);
  Up->SetBounds(0, 0, side, side / 2);
  Down->SetBounds(0, side / 2, side, side - side / 2);
}

TCalendarForm::TCalendarForm(ui::Component* owner, CalendarHost& host, platform::System& system)
    : ui::Form(owner), host_(host), system_(system) {
  Name = "CalendarForm";
  SetCaption("メモカレンダー");
  SetBounds(431, 123, Width(), Height());
  SetClientSize(209, 150);
  BuildControls();
  BuildMenu();
  OnShow = [this] {
    if (!built_) BuildMonth();
  };
  OnPaint = [this](platform::Canvas& c) { FormPaint(c); };
  OnHitTest = [this](platform::Point p) { return FormHitTest(p); };
  OnActivate = [this] { FormActivate(); };
  OnClose = [this](ui::CloseAction& a) { FormClose(a); };
  OnMouseDown = [this](ui::MouseButton b, unsigned, int, int) { FormMouseDown(b); };
  OnMouseMove = [this](unsigned, int, int) { FormMouseMove(); };
  OnMouseUp = [this](ui::MouseButton, unsigned, int, int) { FormMouseUp(); };
  // The wallpaper behind the window changes with its place.
  OnMove = [this] {
    if (BackGround == 0) Invalidate();
  };
  FormCreate();
  // Resizes while the settings load build nothing: the first build runs at the latest on show.
  OnResize = [this] { BuildMonth(); };
}

TCalendarForm::~TCalendarForm() = default;

void TCalendarForm::BuildControls() {
  SetFont(Style.BaseFont);
  for (std::size_t k = 0; k < 7; ++k) {
    auto* label = new ui::Label(this, this);
    label->Name = "lbl" + std::string(kWeekdayWords[k]);
    label->SetCaption(std::string(kWeekdayWords[k]));
    label->SetFont(Style.BaseFont);
    label->SetBounds(static_cast<int>(8 + k * 28), 33, 28, 16);
    WeekdayLabels[k] = label;
  }
  lbYear = new ui::Label(this, this);
  lbYear->Name = "lbYear";
  lbYear->SetFont(kYearMonthDesignFont);
  lbMonth = new ui::Label(this, this);
  lbMonth->Name = "lbMonth";
  lbMonth->SetFont(kYearMonthDesignFont);
  YearUpDown = new TUpDown(this, this, "YearUpDown");
  YearUpDown->OnStep = [this](int d) { YearUpDownClick(d); };
  MonthUpDown = new TUpDown(this, this, "MonthUpDown");
  MonthUpDown->OnStep = [this](int d) { MonthUpDownClick(d); };
}

void TCalendarForm::BuildMenu() {
  pmCalendar = new ui::PopupMenu(this);
  pmCalendar->Name = "pmCalendar";
  ui::MenuItem* n4 = pmCalendar->Add("現在の日付メモ(&M)...", "N4");
  n4->Add("削除(&D)", "Delete1")->OnClick = [this] { Delete1Click(); };
  n4->Add("編集(&E)", "Edit1")->OnClick = [this] { Edit1Click(); };
  ui::MenuItem* n2 = pmCalendar->Add("日付メモの一覧表示(&A)", "N2");
  n2->Add("現在の月(&M)", "mListMonthScheduleMemo")->OnClick = [this] {
    mListMonthScheduleMemoClick();
  };
  n2->Add("すべて(&A)", "mListAllScheduleMemo")->OnClick = [this] { mListAllScheduleMemoClick(); };
  pmCalendar->Add("-", "N3");
  pmCalendar->Add("オプション設定(&O)", "CalendarOption")->OnClick = [this] {
    CalendarOptionClick();
  };
  pmCalendar->Add("カレンダーを閉じる(&C)", "Exit")->OnClick = [this] { ExitClick(); };
  pmCalendar->Add("-", "N1");
  pmCalendar->Add("Quillpadを終了する(&X)", "Exit1")->OnClick = [this] { Exit1Click(); };
  SetPopupMenu(pmCalendar);
}

platform::Profile TCalendarForm::Ini() {
  return platform::Profile(system_.Files(), JoinPath(host_.CalendarProgramDir(), "Quillpad.ini"));
}

int TCalendarForm::ShownYear() const {
  return StrToIntDef(lbYear->Caption(), kFirstCalendarYear);
}
int TCalendarForm::ShownMonth() const {
  return StrToIntDef(lbMonth->Caption(), 1);
}

ui::Label* TCalendarForm::DayLabel(int day) const {
  if (day < 1 || day > static_cast<int>(layout_.Days.size())) return nullptr;
  return dayLabels_[static_cast<std::size_t>(day - 1)];
}

void TCalendarForm::FormCreate() {
  dragging_ = false;
  Colors = CalendarColors{};
  BackGround = 1;
  const DateTime now = system_.Now();
  lbYear->SetCaption(FormatDateTime("yyyy", now));
  lbMonth->SetCaption(FormatDateTime("m", now));
  SetBoundsRect(host_.ClampCalendarBounds(BoundsRect()));
  LoadCalendarSettings();
  ApplyBorder();
}

void TCalendarForm::ApplyBorder() {
  if (ShowBorder) {
    SetBorderStyle(platform::BorderStyle::Sizeable);
    SetBorderIcons(true, true, false);
  } else {
    SetBorderStyle(platform::BorderStyle::None);
  }
  YearUpDown->SetVisible(!HideUpDownBtn);
  MonthUpDown->SetVisible(!HideUpDownBtn);
}

void TCalendarForm::LoadCalendarSettings() {
  std::string bytes;
  if (platform::ReadOwnedFile(system_, JoinPath(host_.CalendarProgramDir(), kStyleFile), bytes) &&
      ReadCalendarStyle(bytes, Style)) {
    SetFont(Style.BaseFont);
    lbYear->SetFont(Style.YearMonthFont);
    lbMonth->SetFont(Style.YearMonthFont);
  }
  const std::string rulePath = JoinPath(host_.CalendarWorkDir(), kRuleFile);
  Rules =
      platform::ReadOwnedFile(system_, rulePath, bytes) ? ParseHolidayRules(bytes) : HolidayRules();

  platform::Profile ini = Ini();
  const int top = ini.ReadInteger(kSection, "iCalendarTop", Top());
  const int left = ini.ReadInteger(kSection, "iCalendarLeft", Left());
  const int width = ini.ReadInteger(kSection, "iCalendarWidth", Width());
  const int height = ini.ReadInteger(kSection, "iCalendarHeight", Height());
  SetBounds(left, top, width, height);
  auto colour = [&](const char* key, platform::Color& c) {
    c = static_cast<platform::Color>(ini.ReadInteger(kSection, key, static_cast<int>(c)));
  };
  colour("iSundayColor", Colors.Sunday);
  colour("iSaturdayColor", Colors.Saturday);
  colour("iHolidayColor", Colors.Holiday);
  colour("iTodayColor", Colors.Today);
  colour("iMemoExistsColor", Colors.MemoExists);
  colour("iBGColor", Colors.Background);
  BackGround = ini.ReadInteger(kSection, "iBackGround", BackGround);
  ShowBorder = ini.ReadBool(kSection, "bShowBorder", false);
  HideUpDownBtn = ini.ReadBool(kSection, "bHideUpDownBtn", false);
  SetEquinox = ini.ReadBool(kSection, "bSetEquinox", true);
}

void TCalendarForm::SaveCalendarSettings(bool emptyRules) {
  platform::FileSystem& files = system_.Files();
  auto write = [&](const std::string& path, const std::string& bytes) {
    if (!files.WriteFileAtomic(path, bytes))
      throw AppError(files.WriteTarget(path) + "に書き込めませんでした。");
  };
  const std::string rules = JoinLines(Rules.Lines());
  if (emptyRules || !rules.empty()) write(JoinPath(host_.CalendarWorkDir(), kRuleFile), rules);
  write(JoinPath(host_.CalendarProgramDir(), kStyleFile), WriteCalendarStyle(Style));

  platform::Profile ini = Ini();
  bool ok = true;
  ok &= ini.WriteInteger(kSection, "iCalendarTop", Top());
  ok &= ini.WriteInteger(kSection, "iCalendarLeft", Left());
  ok &= ini.WriteInteger(kSection, "iCalendarWidth", Width());
  ok &= ini.WriteInteger(kSection, "iCalendarHeight", Height());
  ok &= ini.WriteInteger(kSection, "iSundayColor", static_cast<int>(Colors.Sunday));
  ok &= ini.WriteInteger(kSection, "iSaturdayColor", static_cast<int>(Colors.Saturday));
  ok &= ini.WriteInteger(kSection, "iHolidayColor", static_cast<int>(Colors.Holiday));
  ok &= ini.WriteInteger(kSection, "iTodayColor", static_cast<int>(Colors.Today));
  ok &= ini.WriteInteger(kSection, "iMemoExistsColor", static_cast<int>(Colors.MemoExists));
  ok &= ini.WriteInteger(kSection, "iBGColor", static_cast<int>(Colors.Background));
  ok &= ini.WriteInteger(kSection, "iBackGround", BackGround);
  ok &= ini.WriteBool(kSection, "bShowBorder", ShowBorder);
  ok &= ini.WriteBool(kSection, "bHideUpDownBtn", HideUpDownBtn);
  ok &= ini.WriteBool(kSection, "bSetEquinox", SetEquinox);
  if (!ok) throw AppError(ini.Path() + "に書き込めませんでした。");
}

void TCalendarForm::BuildMonth() {
  built_ = true;
  platform::FileSystem& files = system_.Files();
  const std::string memoDir = host_.CalendarScheduleMemoDir();
  if (!files.FolderExists(memoDir)) files.CreateFolder(memoDir);

  MonthInput in;
  in.Year = ShownYear();
  in.Month = ShownMonth();
  int ty = 0, tm = 0, td = 0;
  DecodeDate(system_.Now(), ty, tm, td);
  in.TodayYear = ty;
  in.TodayMonth = tm;
  in.TodayDay = td;
  in.SetEquinox = SetEquinox;
  in.ArrowsHidden = HideUpDownBtn;
  in.ClientWidth = ClientWidth();
  in.ClientHeight = ClientHeight();
  in.SunTop = WeekdayLabels[0]->Top();
  in.BaseFont = Font();
  in.YearMonthFont = lbYear->Font();
  in.Colors = Colors;
  in.ScheduleMemoDir = memoDir;
  platform::WindowSystem& windows = system_.Windows();
  const MeasureText measure = [&windows](std::string_view text, const platform::FontSpec& font) {
    return windows.TextExtent(text, font);
  };
  layout_ = BuildMonthLayout(in, Rules, files, measure);

  lbYear->SetCaption(IntToStr(in.Year));
  lbMonth->SetCaption(IntToStr(in.Month));
  lbYear->SetBoundsRect(layout_.Year);
  lbMonth->SetBoundsRect(layout_.Month);
  // Texts stand on the gradient or the wallpaper; only today's cell has a box.
  lbYear->SetTransparent(true);
  lbMonth->SetTransparent(true);
  YearUpDown->SetLeft(layout_.YearArrow.Left);
  YearUpDown->SetTop(layout_.YearArrow.Top);
  YearUpDown->SetSide(layout_.ArrowSide);
  MonthUpDown->SetLeft(layout_.MonthArrow.Left);
  MonthUpDown->SetTop(layout_.MonthArrow.Top);
  MonthUpDown->SetSide(layout_.ArrowSide);

  for (std::size_t k = 0; k < 7; ++k) {
    ui::Label* header = WeekdayLabels[k];
    platform::FontSpec font = in.BaseFont;
    if (k == 0) font.TextColor = layout_.SundayHeaderColor;
    if (k == 6) font.TextColor = layout_.SaturdayHeaderColor;
    font.Height = layout_.HeaderFontHeight;
    header->SetFont(font);
    header->SetTransparent(true);
    const platform::Size size = measure(kWeekdayWords[k], font);
    header->SetBounds(layout_.HeaderLeft[k], layout_.HeaderTop, size.Width, size.Height);
  }

  // Day labels are reused between builds: a build may run inside a handler of one of them.
  while (dayLabels_.size() < layout_.Days.size()) {
    auto* label = new ui::Label(this, this);
    const int day = static_cast<int>(dayLabels_.size()) + 1;
    label->Name = "lblDate" + IntToStr(day);
    label->SetCursor(platform::CursorKind::Hand);
    label->OnClick = [this, day] { lblDateClick(day); };
    label->SetPopupMenu(pmCalendar);
    dayLabels_.push_back(label);
  }
  for (std::size_t i = 0; i < dayLabels_.size(); ++i) {
    ui::Label* label = dayLabels_[i];
    if (i >= layout_.Days.size()) {
      label->Hide();
      continue;
    }
    const DayCell& cell = layout_.Days[i];
    platform::FontSpec font = in.BaseFont;
    font.TextColor = cell.FontColor;
    const std::string text = IntToStr(cell.Day);
    const platform::Size size = measure(text, font);
    label->SetFont(font);
    label->SetCaption(text);
    // Right-aligned in the cell's width: the number ends 16 pixels right of the column.
    label->SetBounds(cell.Left + DayCell::Width - size.Width, cell.Top, size.Width, size.Height);
    label->SetTransparent(!cell.Opaque);
    if (cell.Opaque) label->SetColor(cell.Background);
    label->Peer()->SetToolTip(cell.ToolTipOn ? cell.ToolTip : std::string());
    label->Show();
  }
  SetColor(Colors.Background);
  Invalidate();
}

void TCalendarForm::FormPaint(platform::Canvas& canvas) {
  // Mode 0: the desktop's wallpaper shows through.
  if (BackGround == 0) canvas.PaintDesktop();
  for (const Band& band :
       BackgroundBands(BackGround, Colors.Background, ClientWidth(), ClientHeight())) {
    canvas.FillRect(band.Area, band.Colour);
  }
}

int TCalendarForm::FormHitTest(platform::Point screen) {
  if (ShowBorder) return platform::HtDefault;
  return BorderlessHitTest(BoundsRect(), screen, system_.MouseButtonDown(ui::MouseButton::Right));
}

void TCalendarForm::YearUpDownClick(int delta) {
  int year = ShownYear();
  if (!StepYear(year, delta)) return;
  lbYear->SetCaption(IntToStr(year));
  BuildMonth();
}

void TCalendarForm::MonthUpDownClick(int delta) {
  int year = ShownYear(), month = ShownMonth();
  if (!StepMonth(year, month, MonthPosition, delta)) return;
  lbYear->SetCaption(IntToStr(year));
  lbMonth->SetCaption(IntToStr(month));
  BuildMonth();
}

void TCalendarForm::lblDateClick(int day) {
  if (!IsValidDate(ShownYear(), ShownMonth(), day)) return;
  host_.OpenCalendarDate(EncodeDate(ShownYear(), ShownMonth(), day), {Left(), Top()});
}

void TCalendarForm::FormActivate() {
  SetBoundsRect(host_.ClampCalendarBounds(BoundsRect()));
}

void TCalendarForm::FormClose(ui::CloseAction&) {
  Tag = -1;
  host_.CalendarClosed();
  SaveCalendarSettings();
  Rules = HolidayRules();
}

void TCalendarForm::FormMouseDown(ui::MouseButton button) {
  if (ShowBorder || button != ui::MouseButton::Left) return;
  dragging_ = true;
  dragFrom_ = system_.CursorPos();
  Peer()->SetMouseCapture(true);  // a quick drag leaves the window before it follows
}

void TCalendarForm::FormMouseMove() {
  if (!dragging_) return;
  const platform::Point now = system_.CursorPos();
  if (now == dragFrom_) return;
  SetBounds(Left() + now.X - dragFrom_.X, Top() + now.Y - dragFrom_.Y, Width(), Height());
  dragFrom_ = now;
}

void TCalendarForm::FormMouseUp() {
  if (!dragging_) return;
  dragging_ = false;
  Peer()->SetMouseCapture(false);
}

int TCalendarForm::PopupDay() const {
  for (std::size_t i = 0; i < layout_.Days.size() && i < dayLabels_.size(); ++i) {
    if (pmCalendar->PopupComponent == dayLabels_[i]) return static_cast<int>(i) + 1;
  }
  return 0;
}

void TCalendarForm::Delete1Click() {
  const int day = PopupDay();
  if (day == 0) return;
  host_.DeleteCalendarDateMemo(EncodeDate(ShownYear(), ShownMonth(), day));
}

void TCalendarForm::Edit1Click() {
  const int day = PopupDay();
  if (day != 0) lblDateClick(day);
}

void TCalendarForm::mListMonthScheduleMemoClick() {
  host_.ListMonthFromCalendar();
}
void TCalendarForm::mListAllScheduleMemoClick() {
  host_.ListAllFromCalendar();
}
void TCalendarForm::ExitClick() {
  Close();
}
void TCalendarForm::Exit1Click() {
  host_.ExitFromCalendar();
}

}  // namespace quillpad
