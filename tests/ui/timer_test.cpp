#include "ui/timer.h"

#include "support/sim_fixture.h"
#include "ui/form.h"
#include "ui/status_bar.h"

namespace quillpad::testing {
namespace {

using namespace ui;

class TimerTest : public UiTest {
 protected:
  Form form{nullptr};
};

TEST_F(TimerTest, TicksFollowTheSimulatedClock) {
  auto* timer = new Timer(&form, 1000);
  int ticks = 0;
  timer->SetOnTimer([&] { ++ticks; });
  desk.Advance(999);
  EXPECT_EQ(ticks, 0);
  desk.Advance(2001);
  EXPECT_EQ(ticks, 3);
  timer->SetEnabled(false);
  desk.Advance(5000);
  EXPECT_EQ(ticks, 3);
  timer->SetEnabled(true);
  timer->SetInterval(200);  // restarts the count
  desk.Advance(600);
  EXPECT_EQ(ticks, 6);
}

TEST_F(TimerTest, AStoppedOrDestroyedTimerLeavesNoSystemTimer) {
  auto* waiting = new Timer(&form, 200, false);
  waiting->SetOnTimer([] {});
  EXPECT_FALSE(waiting->Running());
  auto* running = new Timer(&form, 1000);
  running->SetOnTimer([] {});
  EXPECT_EQ(desk.ActiveTimerCount(), 1);
  delete running;
  EXPECT_EQ(desk.ActiveTimerCount(), 0);
}

TEST_F(TimerTest, ATickThatStopsItsTimerIsTheLast) {
  auto* timer = new Timer(&form, 200);
  int ticks = 0;
  timer->SetOnTimer([&] {
    if (++ticks == 2) timer->SetEnabled(false);
  });
  desk.Advance(2000);
  EXPECT_EQ(ticks, 2);
}

TEST_F(TimerTest, StatusBarPanelsHoldTheirTexts) {
  auto* status = new StatusBar(&form, &form);
  status->SetPanels({120, 70, 50});
  status->SetPanelText(1, "変更あり");
  status->SetPanelText(5, "ignored");
  EXPECT_EQ(status->PanelText(1), "変更あり");
  EXPECT_EQ(Sim(*status).PanelText(1), "変更あり");
  EXPECT_EQ(Sim(*status).PanelWidths(), (std::vector<int>{120, 70, 50}));
  EXPECT_EQ(status->Height(), StatusBar::kDefaultHeight);
}

}  // namespace
}  // namespace quillpad::testing
