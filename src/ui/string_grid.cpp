#include "ui/string_grid.h"

#include <algorithm>

namespace quillpad::ui {

namespace {
constexpr int kVkTab = 0x09;
constexpr int kVkUp = 0x26;
constexpr int kVkDown = 0x28;
constexpr int kDefaultColWidth = 64;
const std::string kEmpty;
}  // namespace

StringGrid::StringGrid(Component* owner, Control* parent)
    : Control(owner, parent, platform::WindowClass::PaintBox) {
  SetColor(ClWindow);
  cells_.assign(2, std::vector<std::string>(1));
  editor_ = new Edit(owner, this);
  editor_->OnChange = [this] {
    if (loading_ || row_ >= RowCount()) return;
    const std::string text = editor_->Text();
    cells_[static_cast<std::size_t>(row_)][static_cast<std::size_t>(col_)] = text;
    Invalidate();
    if (OnSetEditText) OnSetEditText(col_, row_, text);
  };
  editor_->OnKeyDown = [this](int& key, unsigned shift) {
    if (EditorKey(key, shift)) key = 0;
  };
  PlaceEditor();
}

void StringGrid::SetColCount(int count) {
  colCount_ = std::max(1, count);
  for (auto& row : cells_) row.resize(static_cast<std::size_t>(colCount_));
  SetCurrent(col_, row_);
}

void StringGrid::SetRowCount(int count) {
  cells_.resize(static_cast<std::size_t>(std::max(2, count)),
                std::vector<std::string>(static_cast<std::size_t>(colCount_)));
  SetCurrent(col_, row_);
}

const std::string& StringGrid::Cell(int col, int row) const {
  if (row < 0 || row >= RowCount() || col < 0 || col >= colCount_) return kEmpty;
  return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void StringGrid::SetCell(int col, int row, const std::string& text) {
  if (row < 0 || row >= RowCount() || col < 0 || col >= colCount_) return;
  cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = text;
  if (row == row_ && col == col_) PlaceEditor();
  Invalidate();
}

void StringGrid::ClearRow(int row) {
  for (int c = 0; c < colCount_; ++c) SetCell(c, row, "");
}

void StringGrid::SetColWidths(const std::vector<int>& widths) {
  colWidths_ = widths;
  PlaceEditor();
}

int StringGrid::ColWidth(int col) const {
  return col < static_cast<int>(colWidths_.size()) ? colWidths_[static_cast<std::size_t>(col)]
                                                   : kDefaultColWidth;
}

void StringGrid::SetRowHeight(int height) {
  rowHeight_ = height;
  PlaceEditor();
}

void StringGrid::SetCurrent(int col, int row) {
  col_ = std::clamp(col, 0, colCount_ - 1);
  row_ = std::clamp(row, FixedRows(), RowCount() - 1);
  PlaceEditor();
}

Rect StringGrid::CellRect(int col, int row) const {
  int left = 0;
  for (int c = 0; c < col; ++c) left += ColWidth(c) + 1;
  const int top = row * (rowHeight_ + 1);
  return {left, top, left + ColWidth(col), top + rowHeight_};
}

void StringGrid::PlaceEditor() {
  loading_ = true;
  editor_->SetBoundsRect(CellRect(col_, row_));
  if (editor_->Text() != Cell(col_, row_)) editor_->SetText(Cell(col_, row_));
  loading_ = false;
}

bool StringGrid::EditorKey(int key, unsigned shift) {
  if (key == kVkTab) {
    int col = col_ + ((shift & platform::SsShift) ? -1 : 1);
    int row = row_;
    if (col >= colCount_) {
      col = 0;
      ++row;
    } else if (col < 0) {
      col = colCount_ - 1;
      --row;
    }
    if (row >= FixedRows() && row < RowCount()) SetCurrent(col, row);
    return true;
  }
  if (key == kVkUp || key == kVkDown) {
    SetCurrent(col_, row_ + (key == kVkDown ? 1 : -1));
    return true;
  }
  return false;
}

void StringGrid::DoPaint(platform::Canvas& canvas) {
  for (int r = 0; r < RowCount(); ++r) {
    for (int c = 0; c < colCount_; ++c) {
      const Rect cell = CellRect(c, r);
      canvas.FillRect(cell, r < FixedRows() ? ClBtnFace : ClWindow);
      canvas.TextOut({cell.Left + 2, cell.Top + 2}, Cell(c, r), Font());
    }
  }
  Control::DoPaint(canvas);
}

void StringGrid::DoMouseDown(MouseButton button, Point p, unsigned shift) {
  int left = 0;
  for (int c = 0; c < colCount_; ++c) {
    const int right = left + ColWidth(c) + 1;
    if (p.X >= left && p.X < right) {
      SetCurrent(c, p.Y / (rowHeight_ + 1));
      break;
    }
    left = right;
  }
  Control::DoMouseDown(button, p, shift);
}

}  // namespace quillpad::ui
