#include "ui/owner_draw_list_box.h"

#include "support/sim_fixture.h"
#include "ui/form.h"
#include "ui/short_cut.h"

namespace quillpad::testing {
namespace {

using namespace ui;

class OwnerDrawListBoxTest : public UiTest {
 protected:
  OwnerDrawListBoxTest() {
    form.Show();
    list = new OwnerDrawListBox(&form, &form);
    list->SetBounds(0, 0, 120, 100);
    list->OnMeasureItem = [](int i) { return i == 0 ? 40 : 23; };
    list->OnDragDrop = [this](int from, int to) { drops.push_back({from, to}); };
    list->SetItems(std::vector<std::string>(20, "x"));
  }
  Form form{nullptr};
  OwnerDrawListBox* list;
  std::vector<std::pair<int, int>> drops;
};

TEST_F(OwnerDrawListBoxTest, RowsFollowTheirHeightsTheSelectionStaysInViewAndDragsDropOnlyOverTheList) {
  EXPECT_EQ(list->ItemRect(1), (platform::Rect{0, 40, 120, 63}));
  EXPECT_EQ(list->ItemAtPos({5, 40}), 1);
  list->SetItemIndex(19);
  // Rows 16 to 19 fill 92 of the 100 pixels; one more would not fit.
  EXPECT_EQ(list->TopIndex(), 16);
  EXPECT_EQ(list->ItemRect(19).Bottom, 92);
  EXPECT_TRUE(list->NavigationKey(VkHome));
  EXPECT_EQ(list->TopIndex(), 0);
  list->SetItems({"a", "b", "c"});
  Sim(*list).UserDrag({5, 5}, {5, 95});  // below the last row: to the last
  Sim(*list).UserDrag({5, 45}, {130, 5});  // let go outside: nothing
  Sim(*list).UserDrag({5, 70}, {5, 45});
  ASSERT_EQ(drops.size(), 2u);
  EXPECT_EQ(drops[0], std::make_pair(0, 2));
  EXPECT_EQ(drops[1], std::make_pair(2, 1));
  EXPECT_EQ(desk.Capture(), nullptr);
}

}  // namespace
}  // namespace quillpad::testing
