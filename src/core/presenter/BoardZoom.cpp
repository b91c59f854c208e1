#include "core/presenter/BoardZoom.h"

#include <algorithm>
#include <cstdint>

namespace vb {

int NextZoomLevel(int percent) {
  for (int level : kZoomLevels)
    if (level > percent) return level;
  return percent;
}

int PreviousZoomLevel(int percent) {
  for (auto level = kZoomLevels.rbegin(); level != kZoomLevels.rend(); ++level)
    if (*level < percent) return *level;
  return percent;
}

int ZoomLevelAtOrBelow(int percent) {
  int found = kZoomLevels.front();
  for (int level : kZoomLevels)
    if (level <= percent) found = level;
  return found;
}

int ZoomedCellSize(int fitCell, int percent) {
  return static_cast<int>(static_cast<std::int64_t>(std::max(fitCell, 0)) * percent / 100);
}

TScrollLayout LayOutScrollBars(int areaWidth, int areaHeight, int contentWidth, int contentHeight,
                               int verticalBarWidth, int horizontalBarHeight) {
  TScrollLayout layout;
  layout.ViewWidth = areaWidth;
  layout.ViewHeight = areaHeight;
  // Twice: a bar that appears can make the content overflow the other way.
  for (int pass = 0; pass < 2; ++pass) {
    layout.Horizontal = contentWidth > layout.ViewWidth;
    layout.Vertical = contentHeight > layout.ViewHeight;
    layout.ViewWidth = std::max(0, areaWidth - (layout.Vertical ? verticalBarWidth : 0));
    layout.ViewHeight = std::max(0, areaHeight - (layout.Horizontal ? horizontalBarHeight : 0));
  }
  return layout;
}

int ClampScroll(int offset, int content, int view) { return std::clamp(offset, 0, std::max(0, content - view)); }

int KeepAnchorInPlace(int offset, int anchor, int oldCell, int newCell, int newContent, int view) {
  if (oldCell <= 0 || newCell <= 0) return ClampScroll(0, newContent, view);
  const std::int64_t at = static_cast<std::int64_t>(offset) + anchor;
  if (at < 0) return ClampScroll(offset, newContent, view);
  // The same cell, and the same share of it, under the anchor.
  const std::int64_t cell = at / oldCell;
  const std::int64_t within = at % oldCell;
  const std::int64_t newAt = cell * newCell + within * newCell / oldCell;
  const std::int64_t wanted = std::clamp<std::int64_t>(newAt - anchor, INT32_MIN, INT32_MAX);
  return ClampScroll(static_cast<int>(wanted), newContent, view);
}

int ScrollToShow(int offset, int start, int end, int content, int view) {
  if (end - start > view || start < offset) return ClampScroll(start, content, view);
  if (end > offset + view) return ClampScroll(end - view, content, view);
  return ClampScroll(offset, content, view);
}

}  // namespace vb
