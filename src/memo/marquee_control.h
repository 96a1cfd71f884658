// TMarquee: the ticker a marquee memo lays over its whole client area. The memo creates it,
// gives it the memo font and text, and deletes it when it leaves the mode.
//
//   auto* marquee = new TMarquee(memo, memo);  // owner, parent: fills the parent
//   marquee->SetFont(memo->Font());
//   marquee->SetText(memoText);
#pragma once

#include <string>

#include "memo/marquee.h"
#include "ui/control.h"
#include "ui/timer.h"

namespace quillpad {

class TMarquee : public ui::Control {
 public:
  static constexpr platform::Color kDefaultColor = 0x000000;
  static constexpr platform::Color kDefaultFontColor = 0x008000;

  TMarquee(ui::Component* owner, ui::Control* parent);

  // The scrolled text (CP932, lines joined by CR LF). A new text waits until the old one has
  // scrolled out; GetText answers the waiting one.
  void SetText(const std::string& text) override;
  std::string Text() const override { return state_.GetText(); }
  std::string GetText() const { return state_.GetText(); }

  int Interval() const { return state_.Interval(); }
  void SetInterval(int ms);  // 0 stops the ticker
  int ScrollDistance() const { return state_.ScrollDistance(); }
  void SetScrollDistance(int pixels) { state_.SetScrollDistance(pixels); }

  // The text font (its colour is the text colour); the drawn text is as high as the control.
  void SetFont(const platform::FontSpec& font);
  platform::FontSpec DrawingFont() const;

  const MarqueeState& State() const { return state_; }
  bool TimerRunning() const { return timer_->Running(); }

 protected:
  void DoPaint(platform::Canvas& canvas) override;
  void BoundsChanged(bool sized, bool moved) override;

 private:
  void Apply(MarqueeState::Effect effect);
  void RestartTimer();

  MarqueeState state_;
  ui::Timer* timer_;  // owned as a component
};

}  // namespace quillpad
