// A cool bar: bands stacked one per row, each holding one control (a tool bar). A band's row is
// its control's height + 4 (2 px above and below); the bar sizes itself to its visible bands.
#pragma once

#include <vector>

#include "ui/control.h"

namespace quillpad::ui {

class CoolBar : public Control {
 public:
  static constexpr int kBandPadding = 2;

  CoolBar(Component* owner, Control* parent);

  // control must be a child of this bar. Answers the band index.
  int AddBand(Control* control);
  int BandCount() const { return static_cast<int>(bands_.size()); }
  Control* BandControl(int index) const {
    return bands_.at(static_cast<std::size_t>(index)).Control;
  }
  bool BandVisible(int index) const { return bands_.at(static_cast<std::size_t>(index)).Visible; }
  void SetBandVisible(int index, bool visible);
  // Rows again, after a band control changed its height.
  void LayoutBands();

 protected:
  void BoundsChanged(bool sized, bool moved) override;

 private:
  struct Band {
    ui::Control* Control;
    bool Visible;
  };
  std::vector<Band> bands_;
  bool laying_ = false;
};

}  // namespace quillpad::ui
