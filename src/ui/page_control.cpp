#include "ui/page_control.h"

#include <algorithm>

namespace quillpad::ui {

TabSheet* PageControl::AddPage(const std::string& caption) {
  auto* page = new TabSheet(Owner(), this);
  page->SetCaption(caption);
  page->SetAlign(Align::Client);
  pages_.push_back(page);
  std::vector<std::string> captions;
  for (TabSheet* p : pages_) captions.push_back(p->Caption());
  P().SetItems(captions);
  if (active_ < 0) {
    SetActivePageIndex(0);
  } else {
    page->Hide();
    P().SetItemIndex(active_);
  }
  return page;
}

void PageControl::SetActivePageIndex(int index) {
  if (index < 0 || index >= PageCount()) return;
  active_ = index;
  P().SetItemIndex(index);
  // The new page shows before the old one hides, so the area never flashes empty.
  Page(index)->Show();
  for (int i = 0; i < PageCount(); ++i) {
    if (i != index) Page(i)->Hide();
  }
}

void PageControl::DoSelectionChange() {
  const int index = P().ItemIndex();
  if (index == active_ || index < 0 || index >= PageCount()) return;
  SetActivePageIndex(index);
  if (OnChange) OnChange();
}

Rect PageControl::DockArea() const {
  constexpr int kTabs = 24, kEdge = 4;
  const Size client = ClientSize();
  return {kEdge, kTabs, std::max(kEdge, client.Width - kEdge),
          std::max(kTabs, client.Height - kEdge)};
}

}  // namespace quillpad::ui
