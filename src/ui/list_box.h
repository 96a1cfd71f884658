// List boxes: the items live here, the user's selection in the peer. An owner-drawn list asks
// OnMeasureItem for each item's height whenever its items are set, and OnDrawItem to draw them.
// FileListBox lists the files of a folder that match a mask, through the platform's FileSystem.
#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace quillpad::ui {

// Owner-drawn items that fill themselves with their own colour mark the selected one with this
// two-pixel frame in the highlight colour.
void DrawSelectionFrame(platform::Canvas& canvas, const Rect& r);

class ListBox : public Control {
 public:
  ListBox(Component* owner, Control* parent, const platform::WindowStyle& style = FramedStyle());

  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(std::vector<std::string> items);
  void AddItem(const std::string& item);
  void Clear() { SetItems({}); }
  int Count() const { return static_cast<int>(items_.size()); }

  bool MultiSelect() const { return style_.MultiSelect; }
  void SetMultiSelect(bool on);
  bool Sorted() const { return sorted_; }
  void SetSorted(bool on);

  int ItemIndex() const { return P().ItemIndex(); }
  void SetItemIndex(int index) { P().SetItemIndex(index); }
  bool Selected(int index) const { return P().ItemSelected(index); }
  void SetSelected(int index, bool selected) { P().SetItemSelected(index, selected); }
  int SelCount() const;
  std::function<void()> OnSelectionChange;

  // The native list holds no taller item.
  static constexpr int kMaxItemHeight = 255;
  // Given in the style the list is made with.
  bool OwnerDraw() const { return style_.OwnerDraw; }
  int ItemHeight(int index) const;
  // The item under a client point; -1 below the last item or outside the list.
  int ItemAtPos(Point p) const { return P().ItemAtPoint(p); }
  std::function<int(int index)> OnMeasureItem;
  std::function<void(int index, platform::Canvas&, const Rect&, bool selected)> OnDrawItem;

 protected:
  void DoSelectionChange() override {
    if (OnSelectionChange) OnSelectionChange();
  }
  void DoDrawItem(int index, platform::Canvas& canvas, const Rect& r, bool selected) override {
    if (OnDrawItem && index >= 0 && index < Count()) OnDrawItem(index, canvas, r, selected);
  }

 private:
  std::vector<std::string> items_;
  std::vector<int> heights_;
  platform::WindowStyle style_;
  bool sorted_ = false;
};

class FileListBox : public ListBox {
 public:
  FileListBox(Component* owner, Control* parent, const platform::WindowStyle& style = FramedStyle())
      : ListBox(owner, parent, style) {}

  const std::string& Directory() const { return directory_; }
  void SetDirectory(const std::string& folder);
  const std::string& Mask() const { return mask_; }
  void SetMask(const std::string& mask);
  // Lists again (files only, sorted by name).
  void Update();
  // Full path of an item.
  std::string FileName(int index) const;

 private:
  std::string directory_;
  std::string mask_ = "*.*";
};

}  // namespace quillpad::ui
