#include "memo/marquee.h"

#include <algorithm>

#include "base/text.h"

namespace quillpad {
namespace {

// A ticker has one line: each line end (CR LF, CR or LF) shows as one blank. CR and LF are never
// trail bytes, so replacing them byte by byte is safe.
std::string OneLine(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    out += (text[i] == '\r' || text[i] == '\n') ? ' ' : text[i];
  }
  return out;
}

}  // namespace

MarqueeState::Effect MarqueeState::SetText(std::string text, int clientWidth) {
  if (!text_.empty()) {
    pending_ = std::move(text);
    // A second change while the old text is still leaving only swaps what comes next; starting
    // the scroll-out again would make the picture jump back.
    if (clearing_) return {};
    clearing_ = true;
    clearFrom_ = offset_;
    offset_ = 0;
    return {false, true};
  }
  text_ = std::move(text);
  shown_ = OneLine(text_);
  pending_.clear();
  clearing_ = false;
  offset_ = scrollDistance_ - clientWidth;  // enters from the right edge
  first_ = 0;
  return {true, true};
}

void MarqueeState::SetScrollDistance(int pixels) {
  scrollDistance_ = std::max(0, pixels);
}

bool MarqueeState::SetInterval(int ms) {
  ms = std::max(0, ms);
  if (ms == interval_) return false;
  interval_ = ms;
  return true;
}

bool MarqueeState::TimerWanted() const {
  return interval_ != 0 && (!text_.empty() || (clearing_ && !pending_.empty()));
}

int MarqueeState::CharWidthAt(std::size_t index) const {
  return std::max(0, measure_(std::string_view(shown_).substr(index, CharLength(shown_, index))));
}

MarqueeState::Effect MarqueeState::Tick(int clientWidth) {
  if (clearing_) {
    offset_ += scrollDistance_;
    if (offset_ <= clientWidth) return {true, false};
    offset_ = -clientWidth;
    first_ = 0;
    text_ = std::move(pending_);
    shown_ = OneLine(text_);
    pending_.clear();
    clearing_ = false;
    return {true, true};
  }
  if (shown_.empty()) return {};
  offset_ += scrollDistance_;
  // Every character wholly past the left edge leaves now. Letting only one go per tick makes the
  // offset grow without end whenever a step is wider than a character, and with it the number of
  // copies drawn off-screen on every paint.
  std::size_t zeroWidthSteps = 0;
  while (offset_ > 0) {
    const int w = CharWidthAt(first_);
    if (w >= offset_) break;
    if (w == 0 && ++zeroWidthSteps > shown_.size()) {  // nothing here has a width
      offset_ = 0;
      break;
    }
    first_ += CharLength(shown_, first_);
    if (first_ >= shown_.size()) first_ = 0;
    offset_ -= w;
  }
  return {true, false};
}

MarqueeState::Frame MarqueeState::Layout(int clientWidth) const {
  Frame frame{{}, clientWidth};
  if (shown_.empty()) return frame;
  int offset = offset_;
  if (clearing_) {
    // The last frame of the old text, moved left by what has scrolled out so far.
    offset = clearFrom_ + offset_;
    frame.BlankFrom = std::clamp(clientWidth - offset_, 0, std::max(0, clientWidth));
  }
  const std::string_view rest = std::string_view(shown_).substr(first_);
  const int restWidth = measure_(rest);
  if (restWidth - offset > 0 && -offset < clientWidth) frame.Runs.push_back({-offset, rest});
  // Copies of the whole text follow until the right edge, so the ticker never shows a gap.
  const int whole = measure_(shown_);
  if (whole <= 0) return frame;
  for (int x = restWidth - offset; x < clientWidth; x += whole) {
    if (x + whole > 0) frame.Runs.push_back({x, shown_});
  }
  return frame;
}

}  // namespace quillpad
