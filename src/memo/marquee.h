// The scrolling of a ticker text, apart from any window or clock: the control feeds it the
// client width on every call and a function that measures text in the drawing font.
//
// Positions step by whole characters: a double-byte character leaves the left edge in one step,
// so the rest of the text never starts on a trail byte (which would garble everything after it).
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillpad {

class MarqueeState {
 public:
  using Measure = std::function<int(std::string_view)>;
  static constexpr int kDefaultScrollDistance = 20;
  static constexpr int kDefaultInterval = 200;

  // What the owner has to do after a call.
  struct Effect {
    bool Repaint = false;
    bool RestartTimer = false;
  };
  // One piece of text to draw at (X, 0); Text points into the state.
  struct Run {
    int X = 0;
    std::string_view Text;
  };
  struct Frame {
    std::vector<Run> Runs;
    int BlankFrom;  // background from here to the right edge (over any text)
  };

  explicit MarqueeState(Measure measure) : measure_(std::move(measure)) {}

  // A new text enters from the right edge at once when nothing is shown; otherwise it waits
  // until the old text has scrolled out to the left.
  Effect SetText(std::string text, int clientWidth);
  // The pending text while clearing, else the text.
  const std::string& GetText() const { return clearing_ ? pending_ : text_; }

  int ScrollDistance() const { return scrollDistance_; }
  void SetScrollDistance(int pixels);  // negative counts as 0
  int Interval() const { return interval_; }
  // True when the value changed and the timer must restart; negative counts as 0 (stopped).
  bool SetInterval(int ms);
  // Whether a (restarted) timer should run.
  bool TimerWanted() const;

  Effect Tick(int clientWidth);
  Frame Layout(int clientWidth) const;

  const std::string& Text() const { return text_; }
  const std::string& PendingText() const { return pending_; }
  bool Clearing() const { return clearing_; }
  int FirstIndex() const { return static_cast<int>(first_) + 1; }  // 1-based byte index
  int Offset() const { return offset_; }

 private:
  int CharWidthAt(std::size_t index) const;

  Measure measure_;
  std::string text_;
  std::string shown_;  // text_ on one line: every line end drawn as one blank
  std::string pending_;
  bool clearing_ = false;
  std::size_t first_ = 0;
  int offset_ = 0;
  int clearFrom_ = 0;  // the offset of the frame that is scrolling out
  int scrollDistance_ = kDefaultScrollDistance;
  int interval_ = kDefaultInterval;
};

}  // namespace quillpad
