#include "ui/string_grid.h"

#include "support/sim_fixture.h"
#include "ui/form.h"

namespace quillpad::testing {
namespace {

using namespace ui;

class StringGridTest : public UiTest {
 protected:
  StringGridTest() {
    grid = new StringGrid(&form, &form);
    grid->SetColCount(3);
    grid->SetRowCount(3);
    grid->SetColWidths({30, 30, 93});
    grid->OnSetEditText = [this](int c, int r, const std::string& v) {
      edits.push_back({c, r, v});
    };
  }
  struct EditRecord {
    int Col, Row;
    std::string Value;
  };
  Form form{nullptr};
  StringGrid* grid;
  std::vector<EditRecord> edits;
};

TEST_F(StringGridTest, TypingFillsTheCurrentCellAndReportsIt) {
  EXPECT_EQ(grid->Row(), 1);  // the header row is never current
  EXPECT_EQ(grid->Col(), 0);
  Sim(*grid->InplaceEditor()).UserType("12");
  EXPECT_EQ(grid->Cell(0, 1), "12");
  ASSERT_FALSE(edits.empty());
  EXPECT_EQ(edits.back().Value, "12");
  EXPECT_EQ(edits.back().Row, 1);
  EXPECT_EQ(grid->InplaceEditor()->BoundsRect(), (platform::Rect{0, 18, 30, 35}));
}

TEST_F(StringGridTest, TabWalksTheCellsRowByRowAndStopsAtTheEnds) {
  auto& editor = Sim(*grid->InplaceEditor());
  EXPECT_TRUE(editor.UserKey(0x09));
  EXPECT_EQ(grid->Col(), 1);
  editor.UserKey(0x09);
  editor.UserKey(0x09);
  EXPECT_EQ(grid->Col(), 0);
  EXPECT_EQ(grid->Row(), 2);
  editor.UserKey(0x09, platform::SsShift);
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_EQ(grid->Row(), 1);
  grid->SetCurrent(2, 2);
  editor.UserKey(0x09);  // past the last cell: stays
  EXPECT_EQ(grid->Row(), 2);
  EXPECT_EQ(grid->Col(), 2);
  editor.UserKey(0x26);
  EXPECT_EQ(grid->Row(), 1);
  editor.UserKey(0x26);
  EXPECT_EQ(grid->Row(), 1);
}

TEST_F(StringGridTest, TheEditorShowsTheTextOfTheCellItMovesTo) {
  grid->SetCell(1, 2, "23");
  grid->SetCurrent(1, 2);
  EXPECT_EQ(grid->InplaceEditor()->Text(), "23");
  EXPECT_TRUE(edits.empty());  // a program change is no user edit
  Sim(*grid).UserMouseDown(MouseButton::Left, {40, 20});
  EXPECT_EQ(grid->Col(), 1);
  EXPECT_EQ(grid->Row(), 1);
  EXPECT_EQ(grid->InplaceEditor()->Text(), "");
}

TEST_F(StringGridTest, ShrinkingDropsRowsAndKeepsTheCurrentRowInside) {
  grid->SetCell(0, 2, "x");
  grid->SetCurrent(0, 2);
  grid->SetRowCount(2);
  EXPECT_EQ(grid->Row(), 1);
  grid->SetRowCount(3);
  EXPECT_EQ(grid->Cell(0, 2), "");
  EXPECT_EQ(grid->Cell(5, 1), "");  // outside: empty, no fault
}

}  // namespace
}  // namespace quillpad::testing
