// A window timer: OnTimer every Interval ms while Enabled (and while OnTimer is set).
#pragma once

#include <functional>

#include "ui/component.h"

namespace quillpad::ui {

class Timer : public Component {
 public:
  explicit Timer(Component* owner, int intervalMs = 1000, bool enabled = true);
  ~Timer() override;

  int Interval() const { return interval_; }
  void SetInterval(int ms);  // restarts the count
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Running() const { return id_ != 0; }

  // Set it through SetOnTimer so a timer that waits for its handler starts.
  void SetOnTimer(std::function<void()> handler);

 private:
  void Update();
  int interval_;
  bool enabled_;
  int id_ = 0;
  std::function<void()> onTimer_;
};

}  // namespace quillpad::ui
