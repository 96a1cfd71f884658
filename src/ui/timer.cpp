#include "ui/timer.h"

#include "ui/application.h"

namespace quillpad::ui {

Timer::Timer(Component* owner, int intervalMs, bool enabled)
    : Component(owner), interval_(intervalMs), enabled_(enabled) {}

Timer::~Timer() {
  if (id_ && Application::Exists()) Application::Instance().System().StopTimer(id_);
}

void Timer::SetInterval(int ms) {
  interval_ = ms;
  Update();
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Update();
}

void Timer::SetOnTimer(std::function<void()> handler) {
  onTimer_ = std::move(handler);
  Update();
}

void Timer::Update() {
  platform::System& system = Application::Instance().System();
  if (id_) {
    system.StopTimer(id_);
    id_ = 0;
  }
  if (enabled_ && interval_ > 0 && onTimer_) {
    id_ = system.StartTimer(interval_, [this] {
      if (onTimer_) onTimer_();
    });
  }
}

}  // namespace quillpad::ui
