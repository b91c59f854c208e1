// The board's zoom steps and the scroll arithmetic that keeps a point in place.
#include <gtest/gtest.h>

#include "core/presenter/BoardZoom.h"

namespace vb {
namespace {

TEST(BoardZoom, StepsThroughTheLevelsAndStopsAtBothEnds) {
  EXPECT_EQ(NextZoomLevel(100), 125);
  EXPECT_EQ(NextZoomLevel(300), 400);
  EXPECT_EQ(NextZoomLevel(400), 400);
  EXPECT_EQ(PreviousZoomLevel(125), 100);
  EXPECT_EQ(PreviousZoomLevel(100), 100);
  // A stored percent between levels snaps down; the step goes from where it is.
  EXPECT_EQ(ZoomLevelAtOrBelow(175), 150);
  EXPECT_EQ(ZoomLevelAtOrBelow(400), 400);
  EXPECT_EQ(ZoomLevelAtOrBelow(7), 100);
  EXPECT_EQ(NextZoomLevel(175), 200);
  EXPECT_EQ(ZoomedCellSize(33, 100), 33);
  EXPECT_EQ(ZoomedCellSize(33, 150), 49);
}

TEST(BoardZoom, ScrollBarsTakeRoomAndMayNeedEachOther) {
  // Fits: no bars, the whole area.
  TScrollLayout fit = LayOutScrollBars(480, 400, 480, 390, 17, 17);
  EXPECT_FALSE(fit.Horizontal || fit.Vertical);
  EXPECT_EQ(fit.ViewWidth, 480);
  // Too high only, and the vertical bar makes it too wide as well.
  TScrollLayout both = LayOutScrollBars(480, 400, 470, 800, 17, 17);
  EXPECT_TRUE(both.Horizontal && both.Vertical);
  EXPECT_EQ(both.ViewWidth, 463);
  EXPECT_EQ(both.ViewHeight, 383);
  TScrollLayout tall = LayOutScrollBars(480, 400, 400, 800, 17, 17);
  EXPECT_TRUE(tall.Vertical && !tall.Horizontal);
  EXPECT_EQ(tall.ViewHeight, 400);
}

TEST(BoardZoom, TheAnchorKeepsItsCellAndTheOffsetStaysInRange) {
  EXPECT_EQ(ClampScroll(-5, 1000, 400), 0);
  EXPECT_EQ(ClampScroll(900, 1000, 400), 600);
  EXPECT_EQ(ClampScroll(50, 300, 400), 0);
  // Cells of 20 to 40: the point 110 of the view (cell 5, its middle) at offset 0
  // is content 220 after; the offset is 110.
  EXPECT_EQ(KeepAnchorInPlace(0, 110, 20, 40, 1200, 400), 110);
  // Back to 20 from offset 110: exactly where it started.
  EXPECT_EQ(KeepAnchorInPlace(110, 110, 40, 20, 600, 400), 0);
  // The anchor's cell stays under it at every level.
  for (int offset : {0, 37, 250})
    for (int anchor : {0, 13, 199, 399}) {
      const int cell = (offset + anchor) / 30;
      const int after = KeepAnchorInPlace(offset, anchor, 30, 45, 45 * 40, 400);
      EXPECT_EQ((after + anchor) / 45, cell) << offset << " " << anchor;
    }
  // Back at the fit the whole board shows: the clamp wins over the anchor.
  EXPECT_EQ(KeepAnchorInPlace(400, 0, 40, 20, 400, 400), 0);
}

TEST(BoardZoom, ScrollingToACellMovesOnlyAsFarAsNeeded) {
  EXPECT_EQ(ScrollToShow(100, 150, 190, 2000, 400), 100);  // already shown
  EXPECT_EQ(ScrollToShow(100, 40, 80, 2000, 400), 40);     // before the view
  EXPECT_EQ(ScrollToShow(100, 500, 540, 2000, 400), 140);  // after it: its end at the view's end
  EXPECT_EQ(ScrollToShow(0, 1960, 2000, 2000, 400), 1600);
  EXPECT_EQ(ScrollToShow(0, 500, 1000, 2000, 400), 500);   // larger than the view: its start
}

}  // namespace
}  // namespace vb
