#include "app/BoardView.h"

#include <algorithm>

#include "core/presenter/BoardZoom.h"
#include "ui/Dpi.h"
#include "ui/Fonts.h"

namespace vb {

void TBoardView::ComputeCellSize(int areaWidth, int areaHeight, int zoomPercent) {
  cellWidth_ = ZoomedCellSize(board_.ColumnsCount > 0 ? areaWidth / board_.ColumnsCount : 0, zoomPercent);
  cellHeight_ = ZoomedCellSize(board_.RowsCount > 0 ? areaHeight / board_.RowsCount : 0, zoomPercent);
  // Points of the 96-DPI cell height: the letter keeps its share of the cell at any DPI.
  fontPoints_ = ui::Unscale(cellHeight_) / 2;
  CreateLetterFont();
}

void TBoardView::SetFontName(const std::string& name) {
  if (name.empty() || name == fontName_) return;
  fontName_ = name;
  CreateLetterFont();
}

void TBoardView::CreateLetterFont() {
  font_ = fontPoints_ > 0 ? ui::CreateFontByPoints(fontName_, fontPoints_, ui::FontBold) : ui::FontHandle();
}

std::optional<TCellPosition> TBoardView::CellAt(int x, int y) const {
  // Before the first cell, truncating division would still give cell 0.
  if (x < 0 || y < 0 || cellWidth_ <= 0 || cellHeight_ <= 0) return std::nullopt;
  const int column = (x + scrollX_) / cellWidth_;
  const int row = (y + scrollY_) / cellHeight_;
  if (column >= board_.ColumnsCount || row >= board_.RowsCount) return std::nullopt;
  return TCellPosition{column, row};
}

RECT TBoardView::CellRect(int column, int row) const {
  const int left = column * cellWidth_ - scrollX_;
  const int top = row * cellHeight_ - scrollY_;
  return RECT{left, top, left + cellWidth_, top + cellHeight_};
}

void TBoardView::PaintCell(HDC dc, int column, int row) const {
  if (!board_.IsInPlay(column, row) || cellWidth_ <= 0 || cellHeight_ <= 0) return;
  const RECT rect = CellRect(column, row);
  const TBoardCell cell = board_.Cell(column, row);
  const bool highlighted =
      std::find(highlighted_.begin(), highlighted_.end(), TCellPosition{column, row}) != highlighted_.end();
  const bool contrastPaper = highContrast_ && (cell.Letter == 0 || cell.Loose);
  const int fill = highlighted        ? CellColours::HighlightFill
                   : contrastPaper    ? CellColours::ContrastFill
                   : cell.Letter == 0 ? CellColours::EmptyFill
                                      : (cell.Loose ? CellColours::LooseFill : CellColours::FixedFill);
  ui::FillWithSystemColour(dc, rect, fill);
  if (highContrast_ && cell.Letter != 0 && cell.Loose) {
    const RECT inside{rect.left + 1, rect.top + 1, rect.right - 2, rect.bottom - 2};
    ui::FrameWithSystemColour(dc, inside, CellColours::LooseFrameWidth, CellColours::ContrastText);
  }

  if (cell.Letter != 0) {
    ui::SelectedObject font(dc, font_ ? static_cast<HGDIOBJ>(font_.get()) : ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(dc, TRANSPARENT);
    const int text = highlighted ? CellColours::HighlightLetter : contrastPaper ? CellColours::ContrastText
                                                                               : CellColours::Letter;
    ::SetTextColor(dc, ::GetSysColor(text));
    const char letter = static_cast<char>(cell.Letter);
    SIZE size{};
    ::GetTextExtentPoint32A(dc, &letter, 1, &size);
    const int x = rect.left + (cellWidth_ - size.cx) / 2;
    const int y = rect.top + (cellHeight_ - size.cy) / 2;
    ::ExtTextOutA(dc, x, y, ETO_CLIPPED, &rect, &letter, 1, nullptr);
  }

  ui::PenHandle pen(::CreatePen(PS_SOLID, 1, ::GetSysColor(CellColours::Outline)));
  ui::SelectedObject selectedPen(dc, pen.get());
  const POINT outline[5] = {{rect.left, rect.top},
                            {rect.right - 1, rect.top},
                            {rect.right - 1, rect.bottom - 1},
                            {rect.left, rect.bottom - 1},
                            {rect.left, rect.top}};
  ::Polyline(dc, outline, 5);
  if (cursor_.Active && cursor_.Column == column && cursor_.Row == row) PaintCursor(dc, rect);
}

void TBoardView::PaintCursor(HDC dc, const RECT& cell) const {
  // A frame two pixels wide inside the outline, in the text colour, so it shows
  // on every fill; and a triangle on the right (across) or bottom (down) edge.
  const int inset = std::max(2, cellWidth_ / 16);
  ui::FrameWithSystemColour(dc, {cell.left + inset, cell.top + inset, cell.right - inset, cell.bottom - inset}, 2,
                            COLOR_WINDOWTEXT);
  const int size = std::max(3, std::min(cellWidth_, cellHeight_) / 5);
  POINT mark[3];
  if (cursor_.Down) {
    const int x = (cell.left + cell.right) / 2, y = cell.bottom - inset - 3;
    mark[0] = {x - size, y - size};
    mark[1] = {x + size, y - size};
    mark[2] = {x, y};
  } else {
    const int x = cell.right - inset - 3, y = (cell.top + cell.bottom) / 2;
    mark[0] = {x - size, y - size};
    mark[1] = {x - size, y + size};
    mark[2] = {x, y};
  }
  ui::SelectedObject selectedBrush(dc, ::GetSysColorBrush(COLOR_WINDOWTEXT));
  ui::SelectedObject noPen(dc, ::GetStockObject(NULL_PEN));
  ::Polygon(dc, mark, 3);
}

void TBoardView::PaintBoard(HDC dc) const {
  RECT clip{};
  const bool clipped = ::GetClipBox(dc, &clip) != ERROR && clip.right > clip.left;
  for (int row = 0; row < board_.RowsCount; ++row)
    for (int column = 0; column < board_.ColumnsCount; ++column) {
      // A zoomed board has far more cells than the area shows.
      RECT cell = CellRect(column, row), common{};
      if (clipped && !::IntersectRect(&common, &cell, &clip)) continue;
      PaintCell(dc, column, row);
    }
}

}  // namespace vb
