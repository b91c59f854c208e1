#include "app/BoardViewport.h"

#include <algorithm>

#include "core/presenter/BoardZoom.h"
#include "ui/Dpi.h"

namespace vb {

void TBoardViewport::SetInitialZoom(int percent) { zoom_ = ZoomLevelAtOrBelow(percent); }

void TBoardViewport::SizeCells() {
  const RECT bounds = paint_.DeviceBounds();
  board_.ComputeCellSize(bounds.right - bounds.left, bounds.bottom - bounds.top, zoom_);
  paint_.SetFont(board_.Font());
}

void TBoardViewport::Layout() {
  if (!paint_.Handle()) return;
  SizeCells();
  UpdateBars();
  paint_.Invalidate();
}

void TBoardViewport::UpdateBars() {
  const HWND box = paint_.Handle();
  const RECT bounds = paint_.DeviceBounds();
  const int contentWidth = board_.ContentWidth(), contentHeight = board_.ContentHeight();
  const TScrollLayout layout =
      LayOutScrollBars(bounds.right - bounds.left, bounds.bottom - bounds.top, contentWidth, contentHeight,
                       ::GetSystemMetrics(SM_CXVSCROLL), ::GetSystemMetrics(SM_CYHSCROLL));
  const auto setBar = [box](int bar, bool shown, int content, int view, int position) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    // An empty range hides the bar.
    info.nMax = shown ? content - 1 : 0;
    info.nPage = shown ? static_cast<UINT>(view) : 0;
    info.nPos = shown ? position : 0;
    ::SetScrollInfo(box, bar, &info, TRUE);
  };
  // The bars as planned, then the pages and offset of the client area they left.
  setBar(SB_HORZ, layout.Horizontal, contentWidth, layout.ViewWidth, board_.ScrollX());
  setBar(SB_VERT, layout.Vertical, contentHeight, layout.ViewHeight, board_.ScrollY());
  const int x = ClampScroll(board_.ScrollX(), contentWidth, ViewWidth());
  const int y = ClampScroll(board_.ScrollY(), contentHeight, ViewHeight());
  board_.SetScrollOffset(x, y);
  setBar(SB_HORZ, layout.Horizontal, contentWidth, ViewWidth(), x);
  setBar(SB_VERT, layout.Vertical, contentHeight, ViewHeight(), y);
}

bool TBoardViewport::ZoomAround(int percent, POINT anchor) {
  percent = ZoomLevelAtOrBelow(percent);
  if (percent == zoom_) return false;
  const int oldWidth = board_.CellWidth(), oldHeight = board_.CellHeight();
  const int oldX = board_.ScrollX(), oldY = board_.ScrollY();
  zoom_ = percent;
  if (!paint_.Handle()) return true;
  SizeCells();
  // The bars first: the view they leave decides how far the board may scroll.
  board_.SetScrollOffset(0, 0);
  UpdateBars();
  const int x = KeepAnchorInPlace(oldX, anchor.x, oldWidth, board_.CellWidth(), board_.ContentWidth(), ViewWidth());
  const int y =
      KeepAnchorInPlace(oldY, anchor.y, oldHeight, board_.CellHeight(), board_.ContentHeight(), ViewHeight());
  board_.SetScrollOffset(x, y);
  UpdateBars();
  paint_.Invalidate();
  return true;
}

POINT TBoardViewport::VisibleCentre() const { return POINT{ViewWidth() / 2, ViewHeight() / 2}; }

bool TBoardViewport::IsInView(POINT point) const {
  return point.x >= 0 && point.y >= 0 && point.x < ViewWidth() && point.y < ViewHeight();
}

void TBoardViewport::ScrollTo(int x, int y) {
  if (!paint_.Handle()) return;
  x = ClampScroll(x, board_.ContentWidth(), ViewWidth());
  y = ClampScroll(y, board_.ContentHeight(), ViewHeight());
  if (x == board_.ScrollX() && y == board_.ScrollY()) return;
  board_.SetScrollOffset(x, y);
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_POS;
  info.nPos = x;
  ::SetScrollInfo(paint_.Handle(), SB_HORZ, &info, TRUE);
  info.nPos = y;
  ::SetScrollInfo(paint_.Handle(), SB_VERT, &info, TRUE);
  paint_.Invalidate();
}

void TBoardViewport::ScrollRequest(int bar, WORD request) {
  const bool across = bar == SB_HORZ;
  const int position = across ? board_.ScrollX() : board_.ScrollY();
  const int line = std::max(1, across ? board_.CellWidth() : board_.CellHeight());
  const int page = std::max(1, across ? ViewWidth() : ViewHeight());
  int wanted = position;
  switch (request) {
    case SB_LINEUP: wanted -= line; break;
    case SB_LINEDOWN: wanted += line; break;
    case SB_PAGEUP: wanted -= page; break;
    case SB_PAGEDOWN: wanted += page; break;
    case SB_TOP: wanted = 0; break;
    case SB_BOTTOM: wanted = across ? board_.ContentWidth() : board_.ContentHeight(); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      // The 32-bit position; the message carries only 16 bits.
      SCROLLINFO info{};
      info.cbSize = sizeof info;
      info.fMask = SIF_TRACKPOS;
      if (!::GetScrollInfo(paint_.Handle(), bar, &info)) return;
      wanted = info.nTrackPos;
      break;
    }
    default:
      return;
  }
  if (across) {
    ScrollTo(wanted, board_.ScrollY());
  } else {
    ScrollTo(board_.ScrollX(), wanted);
  }
}

void TBoardViewport::ScrollByWheel(int bar, int delta) {
  // Fine-grained wheels send parts of a notch: they add up to one.
  int& rest = wheelRest_[bar == SB_HORZ ? 0 : 1];
  rest += delta;
  const int notches = rest / WHEEL_DELTA;
  rest -= notches * WHEEL_DELTA;
  if (notches == 0) return;
  if (bar == SB_HORZ) {
    ScrollTo(board_.ScrollX() - notches * board_.CellWidth(), board_.ScrollY());
  } else {
    ScrollTo(board_.ScrollX(), board_.ScrollY() - notches * board_.CellHeight());
  }
}

POINT TBoardViewport::EdgeDirection(POINT point) const {
  const auto direction = [](int at, int view, int cell, int scroll, int content) {
    const int margin = std::max(cell / 2, ui::Scale(12));
    if (at < margin && scroll > 0) return -1;
    if (at >= view - margin && scroll + view < content) return 1;
    return 0;
  };
  return POINT{direction(point.x, ViewWidth(), board_.CellWidth(), board_.ScrollX(), board_.ContentWidth()),
               direction(point.y, ViewHeight(), board_.CellHeight(), board_.ScrollY(), board_.ContentHeight())};
}

bool TBoardViewport::CanScrollTowards(POINT point) const {
  const POINT direction = EdgeDirection(point);
  return direction.x != 0 || direction.y != 0;
}

bool TBoardViewport::ScrollTowards(POINT point) {
  const POINT direction = EdgeDirection(point);
  if (direction.x == 0 && direction.y == 0) return false;
  const int x = board_.ScrollX(), y = board_.ScrollY();
  ScrollTo(x + direction.x * board_.CellWidth(), y + direction.y * board_.CellHeight());
  return board_.ScrollX() != x || board_.ScrollY() != y;
}

void TBoardViewport::ShowCell(int column, int row) {
  const int left = column * board_.CellWidth(), top = row * board_.CellHeight();
  ScrollTo(ScrollToShow(board_.ScrollX(), left, left + board_.CellWidth(), board_.ContentWidth(), ViewWidth()),
           ScrollToShow(board_.ScrollY(), top, top + board_.CellHeight(), board_.ContentHeight(), ViewHeight()));
}

}  // namespace vb
