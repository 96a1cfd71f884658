#include "app/window_placement.h"

#include <gtest/gtest.h>

#include "app/main_texts.h"

namespace quillpad {
namespace {

using platform::Rect;

const Rect kWork{0, 0, 1280, 984};

TEST(ClampToWorkAreaTest, MovesBackInsideWithoutResizing) {
  EXPECT_EQ(ClampToWorkArea({1200, 950, 1300, 1000}, kWork), (Rect{1180, 934, 1280, 984}));
  EXPECT_EQ(ClampToWorkArea({-20, -5, 80, 45}, kWork), (Rect{0, 0, 100, 50}));
  EXPECT_EQ(ClampToWorkArea({10, 10, 110, 60}, kWork), (Rect{10, 10, 110, 60}));
  // A work area that does not start at the origin (task bar at the top or left).
  EXPECT_EQ(ClampToWorkArea({0, 0, 100, 50}, Rect{40, 30, 1280, 1024}), (Rect{40, 30, 140, 80}));
}

TEST(ClampToWorkAreaTest, WindowLargerThanWorkAreaEndsAtTopLeft) {
  EXPECT_EQ(ClampToWorkArea({300, 200, 1800, 1400}, kWork), (Rect{0, 0, 1500, 1200}));
}

TEST(PlacementTest, CentreRoundsHalvesTowardZero) {
  EXPECT_EQ(CentreOnScreen({101, 51}, {1280, 1004}), (platform::Point{640 - 50, 502 - 25}));
}

TEST(PlacementTest, AboutBoxFacesTheMiddleOfTheScreen) {
  const platform::Size full{1280, 1000};
  EXPECT_EQ(AboutBoxPosition({10, 20, 410, 320}, {200, 100}, full), (platform::Point{10, 20}));
  EXPECT_EQ(AboutBoxPosition({900, 700, 1200, 950}, {200, 100}, full), (platform::Point{1000, 850}));
  // Exactly at half the screen counts as the lower/right half.
  EXPECT_EQ(AboutBoxPosition({640, 500, 940, 800}, {200, 100}, full), (platform::Point{740, 700}));
}

TEST(PlacementTest, FittedClientSizeHasAFloorAndGrowsWithText) {
  EXPECT_EQ(FittedClientSize({}), (platform::Size{430, 250}));
  FormSizeInput in;
  in.WidestLine = 600;
  in.LeftPanelWidth = 95;
  in.LineHeight = 12;
  in.LineCount = 30;
  in.CoolBarHeight = 26;
  in.OutputMemoHeight = 20;
  in.StatusBarHeight = 19;
  EXPECT_EQ(FittedClientSize(in), (platform::Size{95 + 600 + 44, 360 + 26 + 20 + 19 + 44}));
}

TEST(MainTextsTest, TrayTipCutsWithoutSplittingCharacters) {
  EXPECT_EQ(TrayTipText(12, "カテゴリ０"), "総メモ数=12 in カテゴリ０");
  const std::string tip = TrayTipText(3, std::string(300, '\x82') + "x");
  EXPECT_LE(tip.size(), 255u);
  EXPECT_EQ(tip.substr(0, 14), "総メモ数=3 in ");
  EXPECT_EQ(tip.size(), 254u);
}

TEST(MainTextsTest, CaretTextAndCaption) {
  EXPECT_EQ(CaretPositionText(3, 5, 120), "3行 5桁 計120文字");
  EXPECT_EQ(MainCaption("C:\\Docs\\\x95\x5c.txt"), "Quillpad - \x95\x5c.txt");
  EXPECT_EQ(MainCaption("カテゴリ０ ： メモ #1/3 編集中..."), "Quillpad - カテゴリ０ ： メモ #1/3 編集中...");
}

}  // namespace
}  // namespace quillpad
