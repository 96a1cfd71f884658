#include "memo/marquee_control.h"

#include "memo/test_bytes.h"
#include "support/sim_fixture.h"
#include "ui/form.h"

namespace quillpad::testing {
namespace {

using Ops = std::vector<std::string>;

// A borderless memo-like form 200 x 30: the drawing font is 30 high, so the sim draws single-byte
// characters 15 px wide.
class MarqueeTest : public UiTest {
 protected:
  MarqueeTest() {
    form.SetBorderStyle(platform::BorderStyle::None);
    form.SetClientSize(200, 30);
    marquee = new TMarquee(&form, &form);
  }
  Ops Paint() { return Sim(*marquee).Paint(); }
  ui::Form form{nullptr};
  TMarquee* marquee;
};

TEST_F(MarqueeTest, FillsTheMemoWithDefaultsAndAnEmptyTextPaintsOnlyBackground) {
  EXPECT_EQ(marquee->BoundsRect(), (platform::Rect{0, 0, 200, 30}));
  EXPECT_EQ(marquee->Interval(), 200);
  EXPECT_EQ(marquee->ScrollDistance(), 20);
  EXPECT_EQ(marquee->Font().TextColor, 0x008000u);
  EXPECT_EQ(marquee->DrawingFont().Height, 30);
  EXPECT_EQ(desk.ActiveTimerCount(), 0);
  EXPECT_EQ(Paint(), (Ops{"FillRect 0,0,200,30 $00000000"}));
  marquee->SetText("");
  desk.Advance(1000);
  EXPECT_FALSE(marquee->TimerRunning());
}

TEST_F(MarqueeTest, TicksMoveTheTextAndRepeatItAcrossTheControl) {
  marquee->SetText("ab");  // 30 px wide
  EXPECT_TRUE(marquee->TimerRunning());
  EXPECT_EQ(Paint(), (Ops{"FillRect 0,0,200,30 $00000000", "TextOut 180,0 $00008000 ab"}));
  const int before = Sim(*marquee).Invalidations();
  desk.Advance(199);
  EXPECT_EQ(Sim(*marquee).Invalidations(), before);
  desk.Advance(1);
  EXPECT_EQ(Sim(*marquee).Invalidations(), before + 1);
  EXPECT_EQ(Paint(), (Ops{"FillRect 0,0,200,30 $00000000", "TextOut 160,0 $00008000 ab",
                          "TextOut 190,0 $00008000 ab"}));
  desk.Advance(9 * 200);  // offset 20: "a" (15 px) has left the edge
  EXPECT_EQ(marquee->State().FirstIndex(), 2);
  const Ops ops = Paint();
  ASSERT_EQ(ops.size(), 9u);
  EXPECT_EQ(ops[1], "TextOut -5,0 $00008000 b");
  EXPECT_EQ(ops[2], "TextOut 10,0 $00008000 ab");
  EXPECT_EQ(ops[8], "TextOut 190,0 $00008000 ab");
}

TEST_F(MarqueeTest, ADoubleByteCharacterLeavesTheEdgeWhole) {
  const std::string a = test::Hex("82 A0"), i = test::Hex("82 A2");  // 30 px each
  marquee->SetText(a + i);
  desk.Advance(10 * 200);  // offset 20: the first character is still partly shown
  EXPECT_EQ(Paint()[1], "TextOut -20,0 $00008000 " + a + i);
  desk.Advance(200);
  EXPECT_EQ(marquee->State().FirstIndex(), 3);
  EXPECT_EQ(Paint(), (Ops{"FillRect 0,0,200,30 $00000000", "TextOut -10,0 $00008000 " + i,
                          "TextOut 20,0 $00008000 " + a + i, "TextOut 80,0 $00008000 " + a + i,
                          "TextOut 140,0 $00008000 " + a + i}));
}

TEST_F(MarqueeTest, TheTextIsAsHighAsTheControlAndTakesTheMemoFont) {
  platform::FontSpec font;
  font.TextColor = 0xFFFFFF;
  font.Height = -12;
  marquee->SetText("ab");
  const int before = Sim(*marquee).Invalidations();
  marquee->SetFont(font);
  EXPECT_GT(Sim(*marquee).Invalidations(), before);
  form.SetClientSize(200, 50);
  EXPECT_EQ(marquee->DrawingFont().Height, 50);
  EXPECT_EQ(marquee->DrawingFont().TextColor, 0xFFFFFFu);
  desk.Advance(200);  // now 25 px per character: "ab" at 160, the copy at 210 is off
  EXPECT_EQ(Paint(), (Ops{"FillRect 0,0,200,50 $00000000", "TextOut 160,0 $00FFFFFF ab"}));
}

TEST_F(MarqueeTest, ANewTextFollowsOnceTheOldOneHasLeft) {
  marquee->SetText("abcdefghijklmn");  // 210 px, fills the control after ten ticks
  desk.Advance(2000);
  const Ops shown = Paint();
  marquee->SetText("xy");
  EXPECT_EQ(marquee->GetText(), "xy");
  EXPECT_EQ(Paint(), shown);
  desk.Advance(200);
  Ops ops = Paint();
  ASSERT_EQ(ops.size(), 4u);  // background, the old frame 20 px further left, the freed strip
  EXPECT_EQ(ops[1], "TextOut -25,0 $00008000 bcdefghijklmn");
  EXPECT_EQ(ops.back(), "FillRect 180,0,200,30 $00000000");
  desk.Advance(9 * 200);  // offset 200: everything blank, the old text still current
  EXPECT_EQ(marquee->State().Text(), "abcdefghijklmn");
  EXPECT_EQ(Paint().back(), "FillRect 0,0,200,30 $00000000");
  desk.Advance(200);  // past the width: the new text waits just beyond the right edge
  EXPECT_EQ(marquee->State().Text(), "xy");
  EXPECT_EQ(Paint(), (Ops{"FillRect 0,0,200,30 $00000000"}));
  desk.Advance(200);
  EXPECT_EQ(Paint(), (Ops{"FillRect 0,0,200,30 $00000000", "TextOut 180,0 $00008000 xy"}));
}

TEST_F(MarqueeTest, IntervalZeroStopsAndDestroyingLeavesNoTimer) {
  marquee->SetText("ab");
  marquee->SetInterval(0);
  EXPECT_FALSE(marquee->TimerRunning());
  desk.Advance(1000);
  EXPECT_EQ(marquee->State().Offset(), -180);
  marquee->SetInterval(100);
  desk.Advance(100);
  EXPECT_EQ(marquee->State().Offset(), -160);
  EXPECT_EQ(desk.ActiveTimerCount(), 1);
  delete marquee;
  EXPECT_EQ(desk.ActiveTimerCount(), 0);
  desk.Advance(1000);
}

}  // namespace
}  // namespace quillpad::testing
