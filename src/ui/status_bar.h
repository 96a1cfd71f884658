// The status bar: docked at the bottom, panels of fixed widths (the last may be -1: to the edge).
#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace quillpad::ui {

class StatusBar : public Control {
 public:
  static constexpr int kDefaultHeight = 19;
  StatusBar(Component* owner, Control* parent);

  void SetPanels(const std::vector<int>& widths);
  int PanelCount() const { return static_cast<int>(widths_.size()); }
  int PanelWidth(int index) const { return widths_.at(static_cast<std::size_t>(index)); }
  const std::string& PanelText(int index) const {
    return texts_.at(static_cast<std::size_t>(index));
  }
  // Out-of-range panels are ignored.
  void SetPanelText(int index, const std::string& text);

 private:
  std::vector<int> widths_;
  std::vector<std::string> texts_;
};

}  // namespace quillpad::ui
