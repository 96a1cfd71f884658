// A list whose owner draws every item at a height of the owner's choosing. The toolkit paints it
// in a paint box, so every backend shows the same rows. A left press selects the item under the
// mouse and starts a drag; letting go over the list reports the drop. The owner passes its
// form's Up, Down, Home and End keys on; the list scrolls so that the selected item shows.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace quillpad::ui {

class OwnerDrawListBox : public Control {
 public:
  OwnerDrawListBox(Component* owner, Control* parent);

  const std::vector<std::string>& Items() const { return items_; }
  // Measures every item through OnMeasureItem; nothing is selected afterwards.
  void SetItems(std::vector<std::string> items);
  int Count() const { return static_cast<int>(items_.size()); }
  int ItemHeight(int index) const { return heights_.at(static_cast<std::size_t>(index)); }

  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);  // out of range: no selection
  int TopIndex() const { return top_; }
  // Client rectangle of a shown item; an empty rectangle for items scrolled out above.
  Rect ItemRect(int index) const;
  // The item under a client point, or -1 below the last item.
  int ItemAtPos(Point p) const;
  // Up, Down, Home and End; true when the key was used.
  bool NavigationKey(int key);

  std::function<int(int index)> OnMeasureItem;  // without it: the font height + 2
  std::function<void(platform::Canvas&, int index, const Rect& rect, bool selected)> OnDrawItem;
  // A left press on an item (after it was selected).
  std::function<void(int index)> OnItemPress;
  // A drag that ended over the list: from = the selected item, to = the item under the point
  // or the last one.
  std::function<void(int from, int to)> OnDragDrop;

 protected:
  void DoPaint(platform::Canvas& canvas) override;
  void DoMouseDown(MouseButton button, Point p, unsigned shift) override;
  void DoMouseUp(MouseButton button, Point p, unsigned shift) override;

 private:
  void ScrollIntoView();
  std::vector<std::string> items_;
  std::vector<int> heights_;
  int itemIndex_ = -1;
  int top_ = 0;
  bool dragging_ = false;
};

}  // namespace quillpad::ui
