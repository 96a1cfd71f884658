// The four memo arrangements as arithmetic on rectangles: where each memo's top-left
// corner goes, before the caller moves it back inside the work area. No windows here: the main
// window feeds in the memos' outer rectangles and applies the answer.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "platform/types.h"

namespace quillpad {

enum class ArrangeKind {
  RightJustify,  // packed columns, right-aligned, 1 pixel apart, growing leftwards
  LeftJustify,   // packed columns, left-aligned, growing rightwards
  RightTile,     // cascades 20 pixels down, each further cascade 20 pixels left
  LeftTile,      // the same, each further cascade 20 pixels right
};

// The arrangement that iAfterSizeChange names: 1 right justify, 2 left justify, 3 right tile,
// 4 left tile; none for 0 and every other value.
std::optional<ArrangeKind> ArrangementOf(int afterSizeChange);

// One memo of the list as the arrangement sees it.
struct ArrangeMemo {
  platform::Rect Bounds;  // the outer rectangle (Left, Top, Width, Height of the window)
  bool Fixed = false;     // position fixed: keeps its place and takes no part
};

// WorkArea: the work area's edges and the full-screen width and height.
struct ArrangeScreen {
  platform::Rect WorkArea;
  platform::Size FullScreen;
};

// Right anchor R, left anchor L and top anchor T. With useStartMemo the first memo of the list
// gives them (R = its Left + Width, L = its Left, T = its Top), fixed or not; otherwise R =
// work-area left + full width - 2, L = work-area left, T = work-area top.
struct ArrangeAnchor {
  int Right = 0;
  int Left = 0;
  int Top = 0;
  friend bool operator==(const ArrangeAnchor&, const ArrangeAnchor&) = default;
};
ArrangeAnchor ArrangementAnchor(std::span<const ArrangeMemo> memos, const ArrangeScreen& screen,
                                bool useStartMemo);

// One memo moved by an arrangement: its position in the list and its new top-left corner.
struct ArrangePlacement {
  std::size_t Index = 0;
  platform::Point TopLeft;
  friend bool operator==(const ArrangePlacement&, const ArrangePlacement&) = default;
};

// The memos placed, in list order (fixed memos are left out), with the corners the arrangement
// computes. The columns and cascades follow these unclamped corners, and a column wraps when a
// memo would reach below the full-screen height (not the work-area bottom). The caller sets each
// memo's Top and Left, brings it to the front and applies ClampToWorkArea, in this order.
// `placed` is cleared first; its storage is reused.
void ArrangeMemos(ArrangeKind kind, std::span<const ArrangeMemo> memos, const ArrangeScreen& screen,
                  bool useStartMemo, std::vector<ArrangePlacement>& placed);
std::vector<ArrangePlacement> ArrangeMemos(ArrangeKind kind, std::span<const ArrangeMemo> memos,
                                           const ArrangeScreen& screen, bool useStartMemo);

}  // namespace quillpad
