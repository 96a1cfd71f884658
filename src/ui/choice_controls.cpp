#include "ui/choice_controls.h"

#include <algorithm>

namespace quillpad::ui {

void RadioButton::SetChecked(bool checked) {
  checked_ = checked;
  P().SetChecked(checked);
}

void RadioGroup::SetItems(const std::vector<std::string>& items) {
  for (RadioButton* b : buttons_) delete b;
  buttons_.clear();
  for (std::size_t i = 0; i < items.size(); ++i) {
    auto* b = new RadioButton(this, this);
    b->SetCaption(items[i]);
    const int index = static_cast<int>(i);
    b->OnClick = [this, index] {
      SetItemIndex(index);
      if (OnClick) OnClick();
    };
    buttons_.push_back(b);
  }
  index_ = -1;
  Layout();
}

void RadioGroup::SetItemIndex(int index) {
  index_ = index >= 0 && index < Count() ? index : -1;
  for (int i = 0; i < Count(); ++i) Button(i)->SetChecked(i == index_);
}

void RadioGroup::BoundsChanged(bool sized, bool moved) {
  GroupBox::BoundsChanged(sized, moved);
  if (sized) Layout();
}

// One column below the caption, the rows sharing the height evenly.
void RadioGroup::Layout() {
  if (buttons_.empty()) return;
  constexpr int kCaption = 16, kMargin = 8, kMinRow = 14;
  const int rows = Count();
  const int row = std::max(kMinRow, (Height() - kCaption - 4) / rows);
  for (int i = 0; i < rows; ++i)
    Button(i)->SetBounds(kMargin, kCaption + i * row, std::max(0, Width() - 2 * kMargin),
                         std::min(row, 17));
}

}  // namespace quillpad::ui
