// Drawing stock letters and spending letter changes.
#include "core/Game.h"

namespace vb {

unsigned char TGame::DrawLetter() {
  const int slot = pool_->WeightedIndex(AlphabetSize, Dictionary.LetterProbabilities.data());
  return slot < 0 ? 0 : Dictionary.Alphabet[slot];
}

void TGame::FillStock() {
  Modified = true;
  for (int slot = 0; slot < StockSize; ++slot)
    if (Stock.Letter(slot) == 0) Stock.SetLetter(slot, DrawLetter());
}

bool TGame::ChangeStockLetter(int slot) {
  if (LetterChangesCount <= 0 || Stock.Letter(slot) == 0) return false;
  const unsigned char letter = ChooseLetter ? ChooseLetter() : 0;
  if (letter == 0) return false;
  Modified = true;
  Stock.SetLetter(slot, letter);
  --LetterChangesCount;
  ShowLetterChanges();
  return true;
}

bool TGame::NewStockLetters() {
  if (LetterChangesCount <= 0) return false;
  // The loose letters are discarded, not returned to the stock.
  while (Board.LooseCount() > 0) {
    const TCellPosition p = Board.LooseLetter(Board.LooseCount() - 1);
    Board.RemoveLooseLetter(p.Column, p.Row);
  }
  ClearStockLetters();
  FillStock();
  ClearLooseLetters();
  --LetterChangesCount;
  ShowLetterChanges();
  ShowScore(0);
  return true;
}

}  // namespace vb
