#pragma once
// The board's zoom and scrolling arithmetic, on plain numbers (pixels of one
// axis): the zoom levels and their steps, the zoomed cell size, where the
// scroll bars go and how far the board scrolls.
#include <array>

#include "core/files/ViewSettings.h"

namespace vb {

// Percent of the cell size that fits the board into its area; 100 is the fit.
inline constexpr std::array<int, 7> kZoomLevels = {100, 125, 150, 200, 250, 300, 400};
static_assert(kZoomLevels.front() == kMinBoardZoom && kZoomLevels.back() == kMaxBoardZoom,
              "the settings file accepts exactly the range of the zoom levels");

// The level above (below) `percent`; `percent` itself at the top (bottom).
int NextZoomLevel(int percent);
int PreviousZoomLevel(int percent);
// A stored percent as a level: the highest level not above it (100 below the range).
int ZoomLevelAtOrBelow(int percent);
int ZoomedCellSize(int fitCell, int percent);

// Where the board's scroll bars go when its content is larger than the area.
// The bars take room from the area, which may make the other bar needed too.
struct TScrollLayout {
  int ViewWidth = 0, ViewHeight = 0;  // what stays of the area for the board
  bool Horizontal = false, Vertical = false;
};
TScrollLayout LayOutScrollBars(int areaWidth, int areaHeight, int contentWidth, int contentHeight,
                               int verticalBarWidth, int horizontalBarHeight);

// The offset within 0 .. content - view (0 when the content fits).
int ClampScroll(int offset, int content, int view);
// The offset after the cell size changes from `oldCell` to `newCell` such that
// the point `anchor` of the view (0 .. view) shows the same place of the same cell.
int KeepAnchorInPlace(int offset, int anchor, int oldCell, int newCell, int newContent, int view);
// The nearest offset that shows start .. end (the start when it cannot show all).
int ScrollToShow(int offset, int start, int end, int content, int view);

}  // namespace vb
