#include "support/sim_fixture.h"
#include "ui/edit_controls.h"
#include "ui/form.h"
#include "ui/std_controls.h"

namespace quillpad::testing {
namespace {

using namespace ui;

TEST(HintTextTest, ShortPartIsTheToolTipLongPartTheStatusText) {
  EXPECT_EQ(GetShortHint("次のメモ|次のメモに移動"), "次のメモ");
  EXPECT_EQ(GetLongHint("次のメモ|次のメモに移動"), "次のメモに移動");
  EXPECT_EQ(GetShortHint("|計算結果"), "");
  EXPECT_EQ(GetLongHint("|計算結果"), "計算結果");
  EXPECT_EQ(GetShortHint("カレンダー表示"), "カレンダー表示");
  EXPECT_EQ(GetLongHint("カレンダー表示"), "カレンダー表示");
  // "ソ" ends in 0x7C? No: 0x83 0x5C. "ポ" is 0x83 0x7C, a trail byte that looks like "|".
  EXPECT_EQ(GetShortHint("ポ|x"), "ポ");
}

class HintTest : public UiTest {
 protected:
  HintTest() {
    app.OnHint = [this] { hints.push_back(app.Hint()); };
  }
  Form form{nullptr};
  std::vector<std::string> hints;
};

TEST_F(HintTest, MovingOverControlsRaisesTheHintEvent) {
  auto* output = new Memo(&form, &form);
  output->SetHint("|計算結果");
  auto* panel = new Panel(&form, &form);
  panel->SetHint("スケジュールメモ|日付に紐付いたメモファイル");
  auto* inner = new Label(&form, panel);
  EXPECT_EQ(Sim(*output).ToolTip(), "");
  EXPECT_EQ(Sim(*panel).ToolTip(), "スケジュールメモ");
  Sim(*output).UserMouseMove({1, 1});
  Sim(*output).UserMouseMove({2, 1});  // same hint: no second event
  Sim(*inner).UserMouseMove({1, 1});   // a control without a hint shows its parent's
  Sim(form).UserMouseMove({1, 1});
  EXPECT_EQ(hints, (std::vector<std::string>{"計算結果", "日付に紐付いたメモファイル", ""}));
}

}  // namespace
}  // namespace quillpad::testing
