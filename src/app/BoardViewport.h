#pragma once
// What part of the board its paint box shows: the zoom, the scroll bars and
// the scroll offset. The cell size comes from the paint box's whole size, not
// its client area, so bars that appear never change it; at 100% the board fits
// the box, no bar shows and nothing is shifted.
#include <windows.h>

#include "app/BoardView.h"
#include "ui/PaintBox.h"

namespace vb {

class TBoardViewport {
 public:
  TBoardViewport(ui::PaintBox& paint, TBoardView& board) : paint_(paint), board_(board) {}

  int Zoom() const { return zoom_; }
  // Sets the zoom before the first layout (the stored one), snapped to a level.
  void SetInitialZoom(int percent);
  // Cell size, font, bars and offset from the box's size, the board size and the zoom.
  void Layout();
  // A new zoom level keeping `anchor` (a point of the box's client area) over
  // the same place of the board. False when the zoom stays.
  bool ZoomAround(int percent, POINT anchor);
  // The middle of what the box shows.
  POINT VisibleCentre() const;
  bool IsInView(POINT point) const;

  void ScrollTo(int x, int y);
  // WM_HSCROLL / WM_VSCROLL: a line is a cell, a page what the box shows.
  void ScrollRequest(int bar, WORD request);
  // Wheel notches (WHEEL_DELTA each, positive away from the player) scroll one cell each.
  void ScrollByWheel(int bar, int delta);
  // Scrolls as little as needed to show the cell.
  void ShowCell(int column, int row);
  // A point within a margin of an edge the board can still scroll towards
  // (half a cell, at least 12 design pixels): a drag there scrolls it.
  bool CanScrollTowards(POINT point) const;
  // One cell towards every such edge; false when nothing moved.
  bool ScrollTowards(POINT point);

 private:
  int ViewWidth() const { return paint_.ClientWidth(); }
  int ViewHeight() const { return paint_.ClientHeight(); }
  // Cell size and letter font from the box's whole size and the zoom.
  void SizeCells();
  void UpdateBars();
  // -1, 0 or 1 cells on each axis that a point near an edge asks for.
  POINT EdgeDirection(POINT point) const;

  ui::PaintBox& paint_;
  TBoardView& board_;
  int zoom_ = 100;
  int wheelRest_[2] = {0, 0};
};

}  // namespace vb
