#include "base/encoding.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_metrics.h"

namespace quillpad::platform::sim {

std::unique_ptr<Window> SimWindowSystem::CreateWindow(WindowClass cls, Window* parent,
                                                      WindowEvents& events,
                                                      const WindowStyle* style) {
  SimWindow* simParent = parent ? &SimDesktop::Sim(parent) : nullptr;
  auto window = std::make_unique<SimWindow>(desktop_, cls, simParent, events);
  if (style) window->style_ = *style;
  return window;
}

int SimWindowSystem::TrackPopupMenu(const std::vector<MenuItemSpec>& items, Point screen,
                                    Window* /*owner*/) {
  desktop_.popups_.push_back({screen, items, 0});
  if (desktop_.popupAnswers_.empty()) {
    desktop_.Unexpected("a pop-up menu was shown but no choice was queued");
    return 0;
  }
  const std::string path = desktop_.popupAnswers_.front();
  desktop_.popupAnswers_.pop_front();
  if (path.empty()) return 0;
  std::string failure;
  const MenuItemSpec* item = FindMenuPath(items, path, &failure);
  if (!item) {
    desktop_.Unexpected(failure);
    return 0;
  }
  desktop_.popups_.back().Chosen = item->Id;
  return item->Id;
}

void SimWindowSystem::RunModal(Window& window, const std::function<bool()>& done) {
  SimWindow& sim = SimDesktop::Sim(&window);
  const std::string caption = sim.Text();
  desktop_.modals_.push_back(caption);
  std::function<void(SimWindow&)> script;
  const std::string name = desktop_.NameOf ? desktop_.NameOf(sim) : std::string();
  if (auto it = desktop_.modalScripts_.find(caption); it != desktop_.modalScripts_.end()) {
    script = it->second;
  } else if (auto named = desktop_.modalScripts_.find(name);
             !name.empty() && named != desktop_.modalScripts_.end()) {
    script = named->second;
  } else if (!desktop_.modalQueue_.empty()) {
    script = std::move(desktop_.modalQueue_.front());
    desktop_.modalQueue_.pop_front();
  } else {
    desktop_.Unexpected("modal window \"" + Cp932ToUtf8(caption) + "\" has no script");
    return;
  }
  desktop_.Dispatch([&] { script(sim); });
  if (!done())
    desktop_.Unexpected("modal window \"" + Cp932ToUtf8(caption) +
                        "\" still open after its script");
}

Size SimWindowSystem::TextExtent(std::string_view text, const FontSpec& font) {
  return MeasureText(text, font);
}

}  // namespace quillpad::platform::sim
