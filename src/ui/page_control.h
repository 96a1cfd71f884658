// A page control: a tab strip over pages of which one shows at a time. The tab captions are the
// pages' captions; a click on a tab shows its page and raises OnChange.
#pragma once

#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/std_controls.h"

namespace quillpad::ui {

class TabSheet : public Panel {
 public:
  TabSheet(Component* owner, Control* parent) : Panel(owner, parent) {}
};

class PageControl : public Control {
 public:
  PageControl(Component* owner, Control* parent)
      : Control(owner, parent, platform::WindowClass::TabControl) {}
  // A new last page with this tab caption; the first page added becomes the active one.
  TabSheet* AddPage(const std::string& caption);
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TabSheet* Page(int index) const { return pages_[static_cast<std::size_t>(index)]; }
  int ActivePageIndex() const { return active_; }
  TabSheet* ActivePage() const { return active_ < 0 ? nullptr : Page(active_); }
  void SetActivePageIndex(int index);
  std::function<void()> OnChange;

 protected:
  void DoSelectionChange() override;
  // The pages fill the area below the tabs.
  Rect DockArea() const override;

 private:
  std::vector<TabSheet*> pages_;
  int active_ = -1;
};

}  // namespace quillpad::ui
