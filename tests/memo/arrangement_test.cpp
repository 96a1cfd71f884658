// The memo arrangements on plain rectangles, to the pixel.
#include "memo/arrangement.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillpad {
namespace {

using platform::Point;
using platform::Rect;

ArrangeMemo At(int left, int top, int width, int height, bool fixed = false) {
  return {Rect{left, top, left + width, top + height}, fixed};
}
ArrangeMemo Sized(int width, int height, bool fixed = false) {
  return At(300, 300, width, height, fixed);
}

// Work area from (0, 0) to (1280, 1000), full screen 1280 x 1000: R = 1278, L = 0, T = 0.
const ArrangeScreen kScreen{{0, 0, 1280, 1000}, {1280, 1000}};

std::vector<Point> Corners(const std::vector<ArrangePlacement>& placed) {
  std::vector<Point> corners;
  for (const ArrangePlacement& p : placed) corners.push_back(p.TopLeft);
  return corners;
}

TEST(ArrangementTest, TheSettingNamesTheArrangement) {
  EXPECT_EQ(ArrangementOf(0), std::nullopt);
  EXPECT_EQ(ArrangementOf(1), ArrangeKind::RightJustify);
  EXPECT_EQ(ArrangementOf(2), ArrangeKind::LeftJustify);
  EXPECT_EQ(ArrangementOf(3), ArrangeKind::RightTile);
  EXPECT_EQ(ArrangementOf(4), ArrangeKind::LeftTile);
  EXPECT_EQ(ArrangementOf(5), std::nullopt);
  EXPECT_EQ(ArrangementOf(-1), std::nullopt);
}

TEST(ArrangementTest, AnchorFromTheWorkAreaOrTheFirstMemo) {
  const ArrangeScreen screen{{40, 30, 1024, 738}, {984, 690}};
  const std::vector<ArrangeMemo> memos{At(500, 200, 100, 50, true), Sized(80, 40)};
  EXPECT_EQ(ArrangementAnchor(memos, screen, false), (ArrangeAnchor{40 + 984 - 2, 40, 30}));
  EXPECT_EQ(ArrangementAnchor(memos, screen, true), (ArrangeAnchor{600, 500, 200}));
  // Without memos there is no first memo to anchor on.
  EXPECT_EQ(ArrangementAnchor({}, screen, true), (ArrangeAnchor{1022, 40, 30}));
}

TEST(ArrangementTest, AnEmptyListPlacesNothing) {
  std::vector<ArrangePlacement> placed{{3, {1, 2}}};
  for (ArrangeKind kind : {ArrangeKind::RightJustify, ArrangeKind::LeftJustify,
                           ArrangeKind::RightTile, ArrangeKind::LeftTile}) {
    ArrangeMemos(kind, {}, kScreen, true, placed);
    EXPECT_TRUE(placed.empty());
  }
}

// Three memos 400 high on a full height of 1000: two in the first column (tops 0 and 401), the
// third starts a column right-aligned at the first column's leftmost left edge minus 1.
TEST(ArrangementTest, RightJustifyWrapsTheThirdOf400HighMemos) {
  const std::vector<ArrangeMemo> memos{Sized(100, 400), Sized(150, 400), Sized(80, 400)};
  const auto placed = ArrangeMemos(ArrangeKind::RightJustify, memos, kScreen, false);
  ASSERT_EQ(placed.size(), 3u);
  EXPECT_EQ(placed[0], (ArrangePlacement{0, {1178, 0}}));
  EXPECT_EQ(placed[1], (ArrangePlacement{1, {1128, 401}}));
  EXPECT_EQ(placed[2], (ArrangePlacement{2, {1127 - 80, 0}}));
  // A fourth fits below the third; a fifth opens a third column left of the second's.
  const std::vector<ArrangeMemo> five{Sized(100, 400), Sized(150, 400), Sized(80, 400),
                                      Sized(200, 400), Sized(10, 400)};
  EXPECT_EQ(Corners(ArrangeMemos(ArrangeKind::RightJustify, five, kScreen, false)),
            (std::vector<Point>{{1178, 0}, {1128, 401}, {1047, 0}, {927, 401}, {916, 0}}));
}

TEST(ArrangementTest, LeftJustifyMirrorsIt) {
  const std::vector<ArrangeMemo> memos{Sized(100, 400), Sized(150, 400), Sized(80, 400),
                                       Sized(200, 400), Sized(10, 400)};
  // Second column at the first's rightmost right edge (150) + 1; the third at 151 + 200 + 1.
  EXPECT_EQ(Corners(ArrangeMemos(ArrangeKind::LeftJustify, memos, kScreen, false)),
            (std::vector<Point>{{0, 0}, {0, 401}, {151, 0}, {151, 401}, {352, 0}}));
}

// The wrap compares against the full height, exactly: a memo ending at 1000 still fits.
TEST(ArrangementTest, TheColumnWrapsOnlyPastTheFullHeight) {
  const std::vector<ArrangeMemo> memos{Sized(100, 499), Sized(100, 500), Sized(100, 1)};
  EXPECT_EQ(Corners(ArrangeMemos(ArrangeKind::RightJustify, memos, kScreen, false)),
            (std::vector<Point>{{1178, 0}, {1178, 500}, {1077, 0}}));
  // A work area ending above the full height changes nothing here: that is the clamp's business.
  const ArrangeScreen shortArea{{0, 0, 1280, 700}, {1280, 1000}};
  EXPECT_EQ(Corners(ArrangeMemos(ArrangeKind::RightJustify, memos, shortArea, false)),
            (std::vector<Point>{{1178, 0}, {1178, 500}, {1077, 0}}));
  // A memo taller than the full height opens a new column at once, one pixel left of R.
  const std::vector<ArrangeMemo> tall{Sized(100, 1200)};
  EXPECT_EQ(Corners(ArrangeMemos(ArrangeKind::RightJustify, tall, kScreen, false)),
            (std::vector<Point>{{1177, 0}}));
  EXPECT_EQ(Corners(ArrangeMemos(ArrangeKind::LeftJustify, tall, kScreen, false)),
            (std::vector<Point>{{1, 0}}));
}

// 60 memos 100 high: a cascade holds tops 0, 20, ... 900 (46 memos), since 920 + 100 > 1000;
// the other 14 start again at the top, 20 pixels further in.
TEST(ArrangementTest, SixtyTilesMakeTwoCascades) {
  const std::vector<ArrangeMemo> memos(60, Sized(120, 100));
  const auto right = ArrangeMemos(ArrangeKind::RightTile, memos, kScreen, false);
  const auto left = ArrangeMemos(ArrangeKind::LeftTile, memos, kScreen, false);
  ASSERT_EQ(right.size(), 60u);
  ASSERT_EQ(left.size(), 60u);
  for (std::size_t i = 0; i < 60; ++i) {
    const int top = static_cast<int>(i < 46 ? i : i - 46) * 20;
    const int step = i < 46 ? 0 : 20;
    EXPECT_EQ(right[i], (ArrangePlacement{i, {1278 - step - 120, top}})) << i;
    EXPECT_EQ(left[i], (ArrangePlacement{i, {step, top}})) << i;
  }
  EXPECT_EQ(right[45].TopLeft.Y, 900);
  EXPECT_EQ(right[46].TopLeft, (Point{1138, 0}));
}

TEST(ArrangementTest, TilesOfMixedHeightsWrapEachOnItsOwnHeight) {
  const std::vector<ArrangeMemo> memos{Sized(50, 970), Sized(60, 990), Sized(70, 960),
                                       Sized(80, 30)};
  // 0 + 970 fits; 20 + 990 does not: a new cascade at 0; 20 + 960 fits; 40 + 30 fits.
  EXPECT_EQ(Corners(ArrangeMemos(ArrangeKind::RightTile, memos, kScreen, false)),
            (std::vector<Point>{{1228, 0}, {1198, 0}, {1188, 20}, {1178, 40}}));
  EXPECT_EQ(Corners(ArrangeMemos(ArrangeKind::LeftTile, memos, kScreen, false)),
            (std::vector<Point>{{0, 0}, {20, 0}, {20, 20}, {20, 40}}));
}

// Fixed memos keep their place and take no room: the next memo takes the slot.
TEST(ArrangementTest, FixedMemosAreSkipped) {
  const std::vector<ArrangeMemo> memos{Sized(100, 400), At(5, 5, 900, 900, true), Sized(150, 400),
                                       Sized(80, 400)};
  const auto placed = ArrangeMemos(ArrangeKind::RightJustify, memos, kScreen, false);
  EXPECT_EQ(placed,
            (std::vector<ArrangePlacement>{{0, {1178, 0}}, {2, {1128, 401}}, {3, {1047, 0}}}));
  const auto tiles = ArrangeMemos(ArrangeKind::LeftTile, memos, kScreen, false);
  EXPECT_EQ(tiles, (std::vector<ArrangePlacement>{{0, {0, 0}}, {2, {0, 20}}, {3, {0, 40}}}));
}

// bUseStartMemo with a fixed first memo at (500, 200), 100 x 50: R = 600, L = 500, T = 200; the
// first memo stays and the others line up against it.
TEST(ArrangementTest, AFixedStartMemoAnchorsTheOthersAndStays) {
  const std::vector<ArrangeMemo> memos{At(500, 200, 100, 50, true), Sized(80, 300), Sized(90, 300),
                                       Sized(60, 300)};
  EXPECT_EQ(
      ArrangeMemos(ArrangeKind::RightJustify, memos, kScreen, true),
      (std::vector<ArrangePlacement>{{1, {520, 200}}, {2, {510, 501}}, {3, {509 - 60, 200}}}));
  EXPECT_EQ(ArrangeMemos(ArrangeKind::LeftJustify, memos, kScreen, true),
            (std::vector<ArrangePlacement>{{1, {500, 200}}, {2, {500, 501}}, {3, {591, 200}}}));
  EXPECT_EQ(ArrangeMemos(ArrangeKind::RightTile, memos, kScreen, true),
            (std::vector<ArrangePlacement>{{1, {520, 200}}, {2, {510, 220}}, {3, {540, 240}}}));
  EXPECT_EQ(ArrangeMemos(ArrangeKind::LeftTile, memos, kScreen, true),
            (std::vector<ArrangePlacement>{{1, {500, 200}}, {2, {500, 220}}, {3, {500, 240}}}));
}

// A free start memo is arranged too: it moves onto the anchor it defines, which for the
// columns is where it already is, and for the tiles as well.
TEST(ArrangementTest, AFreeStartMemoTakesTheAnchorItDefines) {
  const std::vector<ArrangeMemo> memos{At(500, 200, 100, 50), Sized(80, 300)};
  for (ArrangeKind kind : {ArrangeKind::RightJustify, ArrangeKind::LeftJustify,
                           ArrangeKind::RightTile, ArrangeKind::LeftTile}) {
    const auto placed = ArrangeMemos(kind, memos, kScreen, true);
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_EQ(placed[0], (ArrangePlacement{0, {500, 200}}));
  }
  EXPECT_EQ(ArrangeMemos(ArrangeKind::RightJustify, memos, kScreen, true)[1].TopLeft,
            (Point{520, 251}));
  // The columns wrap at the full height, from the start memo's top.
  const std::vector<ArrangeMemo> low{At(500, 700, 100, 200), Sized(80, 200)};
  EXPECT_EQ(Corners(ArrangeMemos(ArrangeKind::LeftJustify, low, kScreen, true)),
            (std::vector<Point>{{500, 700}, {601, 700}}));
}

// The corners follow each other unclamped: a start memo off the screen's left keeps its
// columns where the arithmetic puts them, whatever the clamp later does to each memo.
TEST(ArrangementTest, CornersAreComputedBeforeClamping) {
  const std::vector<ArrangeMemo> memos{At(-50, 0, 100, 400, true), Sized(120, 400), Sized(130, 400),
                                       Sized(70, 400)};
  EXPECT_EQ(Corners(ArrangeMemos(ArrangeKind::LeftJustify, memos, kScreen, true)),
            (std::vector<Point>{{-50, 0}, {-50, 401}, {81, 0}}));
  const ArrangeScreen offset{{-100, 0, 1180, 1000}, {1280, 1000}};
  EXPECT_EQ(ArrangementAnchor(memos, offset, false), (ArrangeAnchor{1178, -100, 0}));
}

TEST(ArrangementTest, ThePlacementStorageIsReused) {
  const std::vector<ArrangeMemo> memos(10, Sized(10, 10));
  std::vector<ArrangePlacement> placed;
  ArrangeMemos(ArrangeKind::RightTile, memos, kScreen, false, placed);
  ASSERT_EQ(placed.size(), 10u);
  const ArrangePlacement* storage = placed.data();
  ArrangeMemos(ArrangeKind::LeftTile, memos, kScreen, false, placed);
  EXPECT_EQ(placed.size(), 10u);
  EXPECT_EQ(placed.data(), storage);
}

}  // namespace
}  // namespace quillpad
