#include "ui/list_box.h"

#include <algorithm>

#include "base/path.h"
#include "base/text.h"
#include "ui/application.h"

namespace quillpad::ui {

void DrawSelectionFrame(platform::Canvas& canvas, const Rect& r) {
  canvas.FrameRect(r, ClHighlight);
  canvas.FrameRect({r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}, ClHighlight);
}

ListBox::ListBox(Component* owner, Control* parent, const platform::WindowStyle& style)
    : Control(owner, parent, platform::WindowClass::ListBox, &style), style_(style) {
  SetColor(ClWindow);
}

void ListBox::SetItems(std::vector<std::string> items) {
  if (sorted_) {
    std::stable_sort(items.begin(), items.end(), [](const std::string& a, const std::string& b) {
      return CompareText(a, b) < 0;
    });
  }
  items_ = std::move(items);
  heights_.clear();
  if (style_.OwnerDraw) {
    for (int i = 0; i < Count(); ++i) {
      const int h = OnMeasureItem ? OnMeasureItem(i) : 1;
      heights_.push_back(std::clamp(h, 1, kMaxItemHeight));
    }
    P().SetItemHeights(heights_);
  }
  P().SetItems(items_);
}

int ListBox::ItemHeight(int index) const {
  if (index < 0 || index >= static_cast<int>(heights_.size())) return 0;
  return heights_[static_cast<std::size_t>(index)];
}

void ListBox::AddItem(const std::string& item) {
  std::vector<std::string> items = items_;
  items.push_back(item);
  SetItems(std::move(items));
}

void ListBox::SetMultiSelect(bool on) {
  style_.MultiSelect = on;
  P().SetStyle(style_);
}

void ListBox::SetSorted(bool on) {
  sorted_ = on;
  if (on) SetItems(items_);
}

int ListBox::SelCount() const {
  int n = 0;
  for (int i = 0; i < Count(); ++i) n += Selected(i) ? 1 : 0;
  return n;
}

void FileListBox::SetDirectory(const std::string& folder) {
  directory_ = ExcludeTrailingBackslash(folder);
  Update();
}

void FileListBox::SetMask(const std::string& mask) {
  mask_ = mask;
  Update();
}

void FileListBox::Update() {
  std::vector<std::string> names;
  if (!directory_.empty()) {
    for (const auto& entry :
         Application::Instance().System().Files().ListFolder(directory_, mask_)) {
      if (!entry.IsFolder) names.push_back(entry.Name);
    }
  }
  SetItems(std::move(names));
}

std::string FileListBox::FileName(int index) const {
  if (index < 0 || index >= Count()) return {};
  return JoinPath(directory_, Items()[static_cast<std::size_t>(index)]);
}

}  // namespace quillpad::ui
