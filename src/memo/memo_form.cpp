#include "memo/memo_form.h"

#include <algorithm>

#include "base/text.h"
#include "memo/marquee_control.h"
#include "memo/memo_paint.h"
#include "ui/application.h"

namespace quillpad {

platform::FontSpec ToPlatformFont(const FontSpec& font) {
  return platform::FontSpec{font.Name, font.Height, static_cast<platform::Color>(font.Color), font.Charset,
                            font.Style};
}

FontSpec FromPlatformFont(const platform::FontSpec& font) {
  return FontSpec{font.Charset, static_cast<ColorValue>(font.TextColor), font.Height, font.Name, font.Style};
}

namespace {
// Borderless, no title bar, no icons, no task bar button, open to dropped files. Memos come up at
// start and with every file switch, hundreds at a time: none of them takes the activation from
// the window the user works in.
platform::WindowStyle MemoStyle() {
  platform::WindowStyle style;
  style.Border = platform::BorderStyle::None;
  style.Caption = false;
  style.SystemMenu = style.MinimizeBox = style.MaximizeBox = false;
  style.ToolWindowExStyle = true;
  style.AcceptFiles = true;
  style.ShowInactive = true;
  return style;
}
}  // namespace

TMemoForm::TMemoForm(ui::Component* owner, MemoHost* host)
    : ui::Form(owner, MemoStyle()), host_(host) {
  Name = "MemoForm";
  ApplyBorder();
  SetColor(static_cast<platform::Color>(memo_.Color));
  SetClientSize(memo_.ClientWidth, memo_.ClientHeight);
}

void TMemoForm::ApplyBorder() {
  // No caption whatever the border: the memo is moved by dragging its inside.
  HoldStyle(true);
  SetBorderStyle(memo_.BorderStyle == MemoBorder::SizeToolWin ? platform::BorderStyle::SizeToolWindow
                                                               : platform::BorderStyle::None);
  SetCaptionBar(false);
  HoldStyle(false);
}

void TMemoForm::SetRecord(const MemoRecord& record) {
  memo_ = record;
  ApplyBorder();
  SetColor(static_cast<platform::Color>(memo_.Color));
  SetFont(ToPlatformFont(memo_.Font));
  SetStayOnTop(memo_.StayOnTop);
  SetCursor(memo_.HandCursor ? platform::CursorKind::Hand : platform::CursorKind::Arrow);
  SetClientBounds(memo_.Left, memo_.Top, memo_.ClientWidth, memo_.ClientHeight);
  ApplyMarquee();
  ApplyMenuMarks();
  Invalidate();
}

void TMemoForm::PrepareForReuse() {
  delete marquee_;
  marquee_ = nullptr;
  DeletedFlag = false;
  clickedItem_ = nullptr;
  memo_ = MemoRecord{};
  SetHint("");
  // As a window made afresh, it takes the key list as it is now.
  ApplyKeyList();
}

void TMemoForm::ApplyMarquee() {
  if (memo_.Kind != MemoKind::mkMarquee) {
    delete marquee_;
    marquee_ = nullptr;
    return;
  }
  // The scrolling text covers the whole client area; it is never stored with the memo.
  if (!marquee_) {
    marquee_ = new TMarquee(this, this);
    marquee_->SetAlign(ui::Align::Client);  // its right clicks reach the memo's menu
  }
  // The ticker keeps its own black background; a restyle with the same text scrolls on.
  marquee_->SetFont(ToPlatformFont(memo_.Font));
  if (marquee_->GetText() != memo_.Text) marquee_->SetText(memo_.Text);
}

MemoRecord TMemoForm::Record() const {
  MemoRecord record = memo_;
  record.Left = Left();
  record.Top = Top();
  const platform::Size client = ClientSize();
  record.ClientWidth = client.Width;
  record.ClientHeight = client.Height;
  record.Visible = Visible();
  // The label follows its text.
  const platform::FontSpec font = ToPlatformFont(memo_.Font);
  platform::WindowSystem& windows = ui::Application::Instance().Windows();
  int width = 0;
  const std::vector<std::string> lines = SplitLines(memo_.Text);
  for (const std::string& line : lines) width = std::max(width, windows.TextExtent(line, font).Width);
  record.LabelWidth = width;
  record.LabelHeight = static_cast<int>(lines.size()) * windows.TextExtent("A", font).Height;
  return record;
}

void TMemoForm::DoPaint(platform::Canvas& canvas) {
  const platform::Size size = canvas.CanvasSize();
  const platform::Color background = static_cast<platform::Color>(memo_.Color);
  switch (memo_.Kind) {
    case MemoKind::mkWallpaper:
      // The desktop shows through under the text.
      canvas.PaintDesktop();
      break;
    case MemoKind::mkGradation:
      for (const GradientStrip& strip : GradientStrips(memo_.Color, memo_.Font.Color, size.Width)) {
        canvas.FillRect({strip.X, 0, strip.X + 5, size.Height}, static_cast<platform::Color>(strip.Color));
      }
      break;
    default:
      canvas.FillRect({0, 0, size.Width, size.Height}, background);
      break;
  }
  if (memo_.Kind == MemoKind::mkImage) {
    // The picture fills the client area, stretched as its child control shows it.
    canvas.DrawBitmap({0, 0, size.Width, size.Height}, memo_.Picture);
    return;
  }
  const platform::FontSpec font = ToPlatformFont(memo_.Font);
  const int lineHeight = canvas.TextExtent("A", font).Height;
  int y = memo_.LabelTop;
  // Only what can show: nothing below the client area, nothing past its right edge.
  for (const std::string& line : SplitLines(memo_.Text)) {
    if (y >= size.Height) break;
    canvas.TextOut({memo_.LabelLeft, y}, VisiblePart(line, size.Width - memo_.LabelLeft), font);
    y += lineHeight;
  }
}

}  // namespace quillpad
