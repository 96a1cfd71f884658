// The memo arrangements, one walk over the list each.
#include "memo/arrangement.h"

namespace quillpad {

namespace {

constexpr int kJustifyGap = 1;  // between packed memos and between packed columns
constexpr int kTileStep = 20;   // down each cascade, and across from one cascade to the next

}  // namespace

std::optional<ArrangeKind> ArrangementOf(int afterSizeChange) {
  switch (afterSizeChange) {
    case 1:
      return ArrangeKind::RightJustify;
    case 2:
      return ArrangeKind::LeftJustify;
    case 3:
      return ArrangeKind::RightTile;
    case 4:
      return ArrangeKind::LeftTile;
    default:
      return std::nullopt;
  }
}

ArrangeAnchor ArrangementAnchor(std::span<const ArrangeMemo> memos, const ArrangeScreen& screen,
                                bool useStartMemo) {
  if (useStartMemo && !memos.empty()) {
    const platform::Rect& first = memos.front().Bounds;
    return {first.Left + first.Width(), first.Left, first.Top};
  }
  const platform::Rect& area = screen.WorkArea;
  return {area.Left + screen.FullScreen.Width - 2, area.Left, area.Top};
}

void ArrangeMemos(ArrangeKind kind, std::span<const ArrangeMemo> memos, const ArrangeScreen& screen,
                  bool useStartMemo, std::vector<ArrangePlacement>& placed) {
  placed.clear();
  if (memos.empty()) return;
  const ArrangeAnchor anchor = ArrangementAnchor(memos, screen, useStartMemo);
  const int fullHeight = screen.FullScreen.Height;
  const bool right = kind == ArrangeKind::RightJustify || kind == ArrangeKind::RightTile;
  int y = anchor.Top;
  int c = right ? anchor.Right : anchor.Left;  // the column's right (or left) edge
  int m = c;                                   // leftmost (or rightmost) edge seen so far
  for (std::size_t i = 0; i < memos.size(); ++i) {
    const ArrangeMemo& memo = memos[i];
    if (memo.Fixed) continue;
    const int width = memo.Bounds.Width();
    const int height = memo.Bounds.Height();
    int left;
    switch (kind) {
      case ArrangeKind::RightJustify:
      case ArrangeKind::LeftJustify: {
        int bottom = y + height;
        if (bottom > fullHeight) {
          y = anchor.Top;
          c = right ? m - kJustifyGap : m + kJustifyGap;
          bottom = y + height;
        }
        if (right) {
          left = c - width;
          if (left < m) m = left;
        } else {
          left = c;
          if (c + width > m) m = c + width;
        }
        placed.push_back({i, {left, y}});
        y = bottom + kJustifyGap;
        break;
      }
      case ArrangeKind::RightTile:
      case ArrangeKind::LeftTile:
        if (y + height > fullHeight) {
          y = anchor.Top;
          c += right ? -kTileStep : kTileStep;
        }
        left = right ? c - width : c;
        placed.push_back({i, {left, y}});
        y += kTileStep;
        break;
    }
  }
}

std::vector<ArrangePlacement> ArrangeMemos(ArrangeKind kind, std::span<const ArrangeMemo> memos,
                                           const ArrangeScreen& screen, bool useStartMemo) {
  std::vector<ArrangePlacement> placed;
  placed.reserve(memos.size());
  ArrangeMemos(kind, memos, screen, useStartMemo, placed);
  return placed;
}

}  // namespace quillpad
