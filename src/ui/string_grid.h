// A small text grid: one row of fixed header cells on top, editable cells below, and an edit
// field that always sits over the current cell. Tab and Shift+Tab move between cells, Up and
// Down between rows; a click picks the cell under the mouse.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/edit_controls.h"

namespace quillpad::ui {

class StringGrid : public Control {
 public:
  StringGrid(Component* owner, Control* parent);

  int ColCount() const { return colCount_; }
  void SetColCount(int count);
  int RowCount() const { return static_cast<int>(cells_.size()); }
  // Rows added are empty; rows removed take their texts with them.
  void SetRowCount(int count);
  int FixedRows() const { return 1; }

  const std::string& Cell(int col, int row) const;
  void SetCell(int col, int row, const std::string& text);
  // Empties every cell of a row.
  void ClearRow(int row);

  void SetColWidths(const std::vector<int>& widths);
  int ColWidth(int col) const;
  int RowHeight() const { return rowHeight_; }
  void SetRowHeight(int height);

  int Col() const { return col_; }
  int Row() const { return row_; }
  // Moves the edit field; the row stays below the header and inside the grid.
  void SetCurrent(int col, int row);

  Edit* InplaceEditor() const { return editor_; }

  // After the user changed a cell's text in the edit field.
  std::function<void(int col, int row, const std::string& value)> OnSetEditText;

 protected:
  void DoPaint(platform::Canvas& canvas) override;
  void DoMouseDown(MouseButton button, Point p, unsigned shift) override;

 private:
  void PlaceEditor();
  bool EditorKey(int key, unsigned shift);
  Rect CellRect(int col, int row) const;

  int colCount_ = 1;
  std::vector<std::vector<std::string>> cells_;  // [row][col]
  std::vector<int> colWidths_;
  int rowHeight_ = 17;
  int col_ = 0;
  int row_ = 1;
  bool loading_ = false;
  Edit* editor_;
};

}  // namespace quillpad::ui
