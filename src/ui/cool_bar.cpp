#include "ui/cool_bar.h"

namespace quillpad::ui {

CoolBar::CoolBar(Component* owner, Control* parent)
    : Control(owner, parent, platform::WindowClass::Panel) {
  SetAlign(Align::Top);
}

int CoolBar::AddBand(Control* control) {
  bands_.push_back({control, true});
  LayoutBands();
  return BandCount() - 1;
}

void CoolBar::SetBandVisible(int index, bool visible) {
  bands_.at(static_cast<std::size_t>(index)).Visible = visible;
  LayoutBands();
}

void CoolBar::LayoutBands() {
  if (laying_) return;
  laying_ = true;
  int y = 0;
  const int width = ClientWidth();
  for (Band& band : bands_) {
    band.Control->SetVisible(band.Visible);
    if (!band.Visible) continue;
    const int h = band.Control->Height();
    band.Control->SetBounds(kBandPadding, y + kBandPadding, std::max(0, width - 2 * kBandPadding),
                            h);
    y += h + 2 * kBandPadding;
  }
  if (Height() != y) SetHeight(y);
  laying_ = false;
}

void CoolBar::BoundsChanged(bool sized, bool moved) {
  Control::BoundsChanged(sized, moved);
  if (sized) LayoutBands();
}

}  // namespace quillpad::ui
