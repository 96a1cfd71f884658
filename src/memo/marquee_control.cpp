#include "memo/marquee_control.h"

#include "ui/application.h"

namespace quillpad {

TMarquee::TMarquee(ui::Component* owner, ui::Control* parent)
    : ui::Control(owner, parent, platform::WindowClass::PaintBox),
      state_([this](std::string_view text) {
        return ui::Application::Instance().Windows().TextExtent(text, DrawingFont()).Width;
      }),
      timer_(new ui::Timer(this, MarqueeState::kDefaultInterval, false)) {
  timer_->SetOnTimer([this] { Apply(state_.Tick(ClientWidth())); });
  SetColor(kDefaultColor);
  platform::FontSpec font = Font();
  font.TextColor = kDefaultFontColor;
  ui::Control::SetFont(font);
  SetBounds(0, 0, 100, 50);
  SetAlign(ui::Align::Client);
}

void TMarquee::SetText(const std::string& text) {
  Apply(state_.SetText(text, ClientWidth()));
}

void TMarquee::SetInterval(int ms) {
  if (state_.SetInterval(ms)) RestartTimer();
}

void TMarquee::SetFont(const platform::FontSpec& font) {
  ui::Control::SetFont(font);
  Invalidate();
}

platform::FontSpec TMarquee::DrawingFont() const {
  platform::FontSpec font = Font();
  font.Height = ClientHeight();  // positive: the cell height, so the text fills the control
  font.Charset = 1;              // the default character set: the face name decides
  return font;
}

void TMarquee::Apply(MarqueeState::Effect effect) {
  if (effect.RestartTimer) RestartTimer();
  if (effect.Repaint) Invalidate();
}

void TMarquee::RestartTimer() {
  timer_->SetEnabled(false);
  timer_->SetInterval(state_.Interval());
  timer_->SetEnabled(state_.TimerWanted());
}

void TMarquee::DoPaint(platform::Canvas& canvas) {
  const ui::Size size = ClientSize();
  const ui::Rect client{0, 0, size.Width, size.Height};
  canvas.FillRect(client, GetColor());
  const platform::FontSpec font = DrawingFont();
  const MarqueeState::Frame frame = state_.Layout(size.Width);
  for (const MarqueeState::Run& run : frame.Runs) canvas.TextOut({run.X, 0}, run.Text, font);
  if (frame.BlankFrom < size.Width) {
    canvas.FillRect({frame.BlankFrom, 0, size.Width, size.Height}, GetColor());
  }
  ui::Control::DoPaint(canvas);
}

void TMarquee::BoundsChanged(bool sized, bool moved) {
  ui::Control::BoundsChanged(sized, moved);
  if (sized) Invalidate();  // the drawn text follows the new height
}

}  // namespace quillpad
