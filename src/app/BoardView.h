#pragma once
// The board as drawn on the paint area: cell geometry from the area's size, the
// board size and the zoom, painting of one cell or all, and the hit test that
// maps a point back to a cell. Points and rectangles are in the area's client
// coordinates; a zoomed board larger than the area is shifted by the scroll offset.
#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/game/Board.h"
#include "core/game/KeyboardCursor.h"
#include "ui/Gdi.h"

namespace vb {

// The system colours of the cell states.
struct CellColours {
  static constexpr int EmptyFill = COLOR_BTNFACE;
  static constexpr int LooseFill = COLOR_BTNSHADOW;
  static constexpr int FixedFill = COLOR_HIGHLIGHT;
  static constexpr int Letter = COLOR_HIGHLIGHTTEXT;
  static constexpr int Outline = COLOR_BTNTEXT;
  // A turn picked in the move history, for a moment.
  static constexpr int HighlightFill = COLOR_INFOBK;
  static constexpr int HighlightLetter = COLOR_INFOTEXT;
  // High contrast: empty and loose cells take the window colours, a loose
  // letter gets a thick frame in the text colour, a fixed one the selection colours.
  static constexpr int ContrastFill = COLOR_WINDOW;
  static constexpr int ContrastText = COLOR_WINDOWTEXT;
  static constexpr int LooseFrameWidth = 3;
};

class TBoardView {
 public:
  explicit TBoardView(const TBoard& board) : board_(board) {}

  // Cell size from the area's size (device pixels), the board size and the zoom
  // (percent of the size that fits); the letter font follows the cell height.
  void ComputeCellSize(int areaWidth, int areaHeight, int zoomPercent = 100);
  int CellWidth() const { return cellWidth_; }
  int CellHeight() const { return cellHeight_; }
  // The whole board's size, and how far it is scrolled (content pixels left of
  // and above the area's client origin).
  int ContentWidth() const { return cellWidth_ * board_.ColumnsCount; }
  int ContentHeight() const { return cellHeight_ * board_.RowsCount; }
  void SetScrollOffset(int x, int y) { scrollX_ = x, scrollY_ = y; }
  int ScrollX() const { return scrollX_; }
  int ScrollY() const { return scrollY_; }
  // The letter size in points: half the cell height (in 96-DPI pixels).
  int FontPoints() const { return fontPoints_; }
  void SetFontName(const std::string& name);
  const std::string& FontName() const { return fontName_; }
  HFONT Font() const { return font_.get(); }

  // The cell under a point of the area; none for the strip right of the last
  // column and below the last row, and for points outside the area.
  std::optional<TCellPosition> CellAt(int x, int y) const;
  RECT CellRect(int column, int row) const;

  void PaintCell(HDC dc, int column, int row) const;
  void PaintCursor(HDC dc, const RECT& cell) const;
  // High contrast: system colours only, and loose letters framed thickly, so
  // they differ from fixed ones by more than colour.
  void SetHighContrast(bool on) { highContrast_ = on; }
  bool HighContrast() const { return highContrast_; }
  // The keyboard cursor, drawn as a frame with a mark on the side it types towards.
  void SetCursor(const TKeyboardCursor& cursor) { cursor_ = cursor; }
  // Cells drawn in the highlight colours until the next call.
  void SetHighlight(std::vector<TCellPosition> cells) { highlighted_ = std::move(cells); }
  const std::vector<TCellPosition>& Highlighted() const { return highlighted_; }
  // Rows outer, columns inner, the cells in the DC's clip box only; the strip
  // outside the cells is left alone.
  void PaintBoard(HDC dc) const;

 private:
  void CreateLetterFont();

  const TBoard& board_;
  int cellWidth_ = 0;
  int cellHeight_ = 0;
  int scrollX_ = 0;
  int scrollY_ = 0;
  int fontPoints_ = 0;
  std::string fontName_ = "Tahoma";
  ui::FontHandle font_;
  std::vector<TCellPosition> highlighted_;
  TKeyboardCursor cursor_;
  bool highContrast_ = false;
};

}  // namespace vb
