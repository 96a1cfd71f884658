#include "memo/marquee.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "memo/test_bytes.h"

namespace quillpad {
namespace {

using test::Hex;

// Single-byte characters 10 px, double-byte ones 20 px.
int Measure(std::string_view s) {
  int width = 0;
  for (std::size_t i = 0; i < s.size(); i += CharLength(s, i)) width += CharLength(s, i) * 10;
  return width;
}

std::vector<std::pair<int, std::string>> Runs(const MarqueeState& m, int width) {
  std::vector<std::pair<int, std::string>> out;
  for (const auto& run : m.Layout(width).Runs) out.emplace_back(run.X, std::string(run.Text));
  return out;
}

using RunList = std::vector<std::pair<int, std::string>>;

TEST(MarqueeState, NothingToShowNeedsNoTimerAndDrawsNoText) {
  MarqueeState m(Measure);
  EXPECT_FALSE(m.TimerWanted());
  EXPECT_TRUE(m.Layout(100).Runs.empty());
  EXPECT_EQ(m.Layout(100).BlankFrom, 100);
  const auto effect = m.SetText("", 100);
  EXPECT_TRUE(effect.Repaint);
  EXPECT_FALSE(m.TimerWanted());
  EXPECT_FALSE(m.Tick(100).Repaint);
  EXPECT_FALSE(m.Clearing());
}

TEST(MarqueeState, ATextEntersFromTheRightAndRepeatsWithoutGap) {
  MarqueeState m(Measure);
  const auto effect = m.SetText("ab", 100);
  EXPECT_TRUE(effect.Repaint && effect.RestartTimer);
  EXPECT_TRUE(m.TimerWanted());
  EXPECT_EQ(m.FirstIndex(), 1);
  EXPECT_EQ(m.Offset(), -80);
  EXPECT_EQ(Runs(m, 100), (RunList{{80, "ab"}}));
  EXPECT_TRUE(m.Tick(100).Repaint);
  EXPECT_EQ(Runs(m, 100), (RunList{{60, "ab"}, {80, "ab"}}));
  for (int i = 0; i < 4; ++i) m.Tick(100);  // offset 20: "a" has left
  EXPECT_EQ(m.FirstIndex(), 2);
  EXPECT_EQ(m.Offset(), 10);
  // "b" lies wholly left of the edge (it leaves on the next tick): not drawn.
  EXPECT_EQ(Runs(m, 100), (RunList{{0, "ab"}, {20, "ab"}, {40, "ab"}, {60, "ab"}, {80, "ab"}}));
  const RunList picture = Runs(m, 100);
  m.Tick(100);  // 20 px is one whole "ab": the same picture
  EXPECT_EQ(m.FirstIndex(), 2);
  EXPECT_EQ(Runs(m, 100), picture);
}

TEST(MarqueeState, CharactersPastTheEdgeLeaveAndTheIndexWraps) {
  MarqueeState m(Measure);
  m.SetText("abc", 30);  // offset -10
  m.Tick(30);
  EXPECT_EQ(m.FirstIndex(), 1);  // "a" exactly at the edge stays
  EXPECT_EQ(m.Offset(), 10);
  m.Tick(30);
  EXPECT_EQ(m.FirstIndex(), 3);
  EXPECT_EQ(m.Offset(), 10);
  m.Tick(30);  // "c" leaves, back to "a", which leaves too
  EXPECT_EQ(m.FirstIndex(), 2);
  EXPECT_EQ(m.Offset(), 10);
  EXPECT_EQ(Runs(m, 30), (RunList{{-10, "bc"}, {10, "abc"}}));
}

TEST(MarqueeState, OffsetStaysBoundedWhenTheStepIsWiderThanACharacter) {
  MarqueeState m(Measure);
  m.SetScrollDistance(35);
  m.SetText("abcdefg", 50);
  for (int i = 0; i < 10000; ++i) {
    m.Tick(50);
    ASSERT_LE(m.Offset(), 10);
    ASSERT_LE(m.Layout(50).Runs.size(), 3u);
  }
  // A font where nothing has a width still ticks and ends.
  MarqueeState flat([](std::string_view) { return 0; });
  flat.SetText("abc", 50);
  for (int i = 0; i < 100; ++i) flat.Tick(50);
  EXPECT_LE(flat.Offset(), 20);
  EXPECT_TRUE(flat.Layout(50).Runs.empty());
}

TEST(MarqueeState, DoubleByteCharactersLeaveWhole) {
  // "a", then 表 (its trail byte is '\'), then "b", then あ.
  const std::string text = "a" + Hex("95 5C") + "b" + Hex("82 A0");
  MarqueeState m(Measure);
  m.SetScrollDistance(5);
  m.SetText(text, 40);
  std::vector<int> seen;
  for (int i = 0; i < 200; ++i) {
    m.Tick(40);
    if (seen.empty() || seen.back() != m.FirstIndex()) seen.push_back(m.FirstIndex());
    for (const auto& run : m.Layout(40).Runs) {
      ASSERT_FALSE(IsTrailByteAt(text, text.size() - run.Text.size())) << i;
    }
  }
  ASSERT_GE(seen.size(), 5u);
  for (int index : seen) EXPECT_TRUE(index == 1 || index == 2 || index == 4 || index == 5) << index;
}

TEST(MarqueeState, LineEndsShowAsBlanks) {
  MarqueeState m(Measure);
  m.SetText("ab\r\ncd\ne\rf", 200);
  EXPECT_EQ(Runs(m, 200).front().second, "ab cd e f");
  EXPECT_EQ(m.GetText(), "ab\r\ncd\ne\rf");
}

TEST(MarqueeState, ANewTextWaitsUntilTheOldOneHasScrolledOut) {
  MarqueeState m(Measure);
  m.SetText("abcde", 40);  // offset -20
  m.Tick(40);
  m.Tick(40);  // offset 20: "a" left, "b" at -10
  const RunList before = Runs(m, 40);
  ASSERT_EQ(before.front(), (std::pair<int, std::string>{-10, "bcde"}));

  auto effect = m.SetText("xyz", 40);
  EXPECT_TRUE(effect.RestartTimer);
  EXPECT_FALSE(effect.Repaint);
  EXPECT_TRUE(m.Clearing());
  EXPECT_EQ(m.GetText(), "xyz");
  EXPECT_EQ(m.Text(), "abcde");
  EXPECT_EQ(m.Offset(), 0);
  EXPECT_EQ(Runs(m, 40), before);
  EXPECT_EQ(m.Layout(40).BlankFrom, 40);

  effect = m.Tick(40);
  EXPECT_TRUE(effect.Repaint);
  EXPECT_FALSE(effect.RestartTimer);
  EXPECT_EQ(Runs(m, 40).front(), (std::pair<int, std::string>{-30, "bcde"}));
  EXPECT_EQ(m.Layout(40).BlankFrom, 20);  // the strip freed so far stays background

  // Changing it again while clearing swaps the waiting text but keeps the scroll-out going.
  effect = m.SetText("pq", 40);
  EXPECT_FALSE(effect.Repaint || effect.RestartTimer);
  EXPECT_EQ(m.Offset(), 20);
  EXPECT_EQ(m.GetText(), "pq");

  m.Tick(40);  // offset 40: not yet past the width
  EXPECT_TRUE(m.Clearing());
  EXPECT_EQ(m.Layout(40).BlankFrom, 0);
  effect = m.Tick(40);
  EXPECT_TRUE(effect.Repaint && effect.RestartTimer);
  EXPECT_FALSE(m.Clearing());
  EXPECT_EQ(m.Text(), "pq");
  EXPECT_EQ(m.PendingText(), "");
  EXPECT_EQ(m.FirstIndex(), 1);
  EXPECT_EQ(m.Offset(), -40);
  EXPECT_EQ(Runs(m, 40), RunList{});  // just beyond the right edge
  m.Tick(40);
  EXPECT_EQ(Runs(m, 40), (RunList{{20, "pq"}}));
}

TEST(MarqueeState, ClearingToAnEmptyTextStopsTheTicker) {
  MarqueeState m(Measure);
  m.SetText("ab", 20);
  m.SetText("", 20);
  EXPECT_TRUE(m.Clearing());
  EXPECT_TRUE(m.TimerWanted());  // the old text still has to leave
  EXPECT_EQ(m.GetText(), "");
  m.Tick(20);
  EXPECT_TRUE(m.Tick(20).RestartTimer);
  EXPECT_FALSE(m.Clearing());
  EXPECT_FALSE(m.TimerWanted());
  EXPECT_TRUE(m.Layout(20).Runs.empty());
  // The next text is shown at once again.
  EXPECT_TRUE(m.SetText("c", 20).Repaint);
  EXPECT_EQ(m.Text(), "c");
}

TEST(MarqueeState, IntervalZeroStopsAndOnlyChangesRestart) {
  MarqueeState m(Measure);
  m.SetText("ab", 100);
  EXPECT_FALSE(m.SetInterval(200));
  EXPECT_TRUE(m.SetInterval(0));
  EXPECT_FALSE(m.TimerWanted());
  EXPECT_FALSE(m.SetInterval(-5));
  EXPECT_EQ(m.Interval(), 0);
  m.SetText("cd", 100);  // clearing with a pending text still waits for a running interval
  EXPECT_FALSE(m.TimerWanted());
  EXPECT_TRUE(m.SetInterval(50));
  EXPECT_TRUE(m.TimerWanted());
}

}  // namespace
}  // namespace quillpad
