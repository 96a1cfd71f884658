// A splitter docked beside the control it sizes: dragging it changes that control's width (Left,
// Right) or height (Top, Bottom), keeping both it and the Client control at least MinSize.
#pragma once

#include <functional>

#include "ui/control.h"

namespace quillpad::ui {

class Splitter : public Control {
 public:
  Splitter(Component* owner, Control* parent);

  int MinSize() const { return minSize_; }
  void SetMinSize(int size) { minSize_ = size; }
  // The docked sibling whose edge touches the splitter, or null.
  Control* Target() const;
  // Moves the splitter by delta pixels (right or down is positive), as a drag would.
  void MoveBy(int delta);
  std::function<void()> OnMoved;
  // Docking across the other way keeps the bar's thickness.
  void SetAlign(Align align) override;

 protected:
  void DoMouseDown(MouseButton button, Point p, unsigned shift) override;
  void DoMouseUp(MouseButton button, Point p, unsigned shift) override;

 private:
  bool Vertical() const;  // a Left or Right splitter: a vertical bar moved sideways
  int minSize_ = 30;
  int thickness_ = 3;
  bool dragging_ = false;
  Point dragStart_;
};

}  // namespace quillpad::ui
