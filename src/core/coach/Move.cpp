#include "core/coach/Move.h"

#include <algorithm>
#include <tuple>

namespace vb {

namespace {
auto KeyOf(const TPlacedLetter& p) { return std::make_tuple(p.Column, p.Row, p.Letter); }
bool PlacedBefore(const TPlacedLetter& a, const TPlacedLetter& b) { return KeyOf(a) < KeyOf(b); }
}  // namespace

bool operator==(const TMove& a, const TMove& b) {
  return a.LettersCount == b.LettersCount && a.Word == b.Word && std::equal(a.begin(), a.end(), b.begin());
}

bool IsBetterMove(const TMove& a, const TMove& b) {
  if (a.Score != b.Score) return a.Score > b.Score;
  if (a.Word != b.Word) return a.Word < b.Word;
  if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), PlacedBefore)) return true;
  if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), PlacedBefore)) return false;
  return !a.Flipped && b.Flipped;
}

bool LayOutMove(TGameState& state, const TMove& move) {
  TGameState laid = state;
  // Loose letters still on the board are at hand too: take them off first.
  std::string spare;
  while (laid.Board.LooseCount() > 0) {
    const TCellPosition p = laid.Board.LooseLetter(laid.Board.LooseCount() - 1);
    if (!laid.ReturnLooseLetterToStock(p.Column, p.Row)) {
      spare += static_cast<char>(laid.Board.Cell(p.Column, p.Row).Letter);
      laid.Board.RemoveLooseLetter(p.Column, p.Row);
    }
  }
  for (const TPlacedLetter& placed : move) {
    if (!laid.Board.IsInPlay(placed.Column, placed.Row) || laid.Board.IsOccupied(placed.Column, placed.Row))
      return false;
    int slot = 0;
    while (slot < StockSize && laid.Stock.Letter(slot) != placed.Letter) ++slot;
    if (slot < StockSize) {
      laid.DropStockLetterOnBoard(slot, placed.Column, placed.Row);
      continue;
    }
    const std::size_t at = spare.find(static_cast<char>(placed.Letter));
    if (at == std::string::npos) return false;
    spare.erase(at, 1);
    laid.Board.SetCell(placed.Column, placed.Row, TBoardCell{placed.Letter, true});
    laid.Board.AddLooseLetter(placed.Column, placed.Row);
  }
  // Letters that found no stock slot must not be lost.
  for (char letter : spare) {
    const int slot = laid.Stock.FirstEmpty();
    if (slot < 0) return false;
    laid.Stock.SetLetter(slot, static_cast<unsigned char>(letter));
  }
  state = laid;
  return true;
}

}  // namespace vb
