#include "ui/status_bar.h"

namespace quillpad::ui {

StatusBar::StatusBar(Component* owner, Control* parent)
    : Control(owner, parent, platform::WindowClass::StatusBar) {
  SetHeight(kDefaultHeight);
  SetAlign(Align::Bottom);
}

void StatusBar::SetPanels(const std::vector<int>& widths) {
  widths_ = widths;
  texts_.assign(widths.size(), std::string());
  P().SetPanels(widths);
}

void StatusBar::SetPanelText(int index, const std::string& text) {
  if (index < 0 || index >= PanelCount()) return;
  texts_[static_cast<std::size_t>(index)] = text;
  P().SetPanelText(index, text);
}

}  // namespace quillpad::ui
