#include "core/game/GameState.h"

#include "core/game/Scoring.h"
#include "core/text/Text.h"
#include "core/game/WordCheck.h"

namespace vb {

void TGameState::StartBoard(int columns, int rows) {
  Board.ClearBoard();
  Board.ColumnsCount = columns;
  Board.RowsCount = rows;
  Score = 0;
  LetterChangesCount = LetterChangesFor(columns, rows);
}

bool TGameState::CanDropStockLetterOnBoard(int slot, int column, int row) const {
  // An eighth loose letter could not be listed (only a crafted game file can
  // hold seven loose letters and stock letters at once).
  return Stock.Letter(slot) != 0 && Board.IsInPlay(column, row) && Board.Cell(column, row).Letter == 0 &&
         Board.LooseCount() < MaxLooseLetters;
}

bool TGameState::CanMoveBoardLetter(int fromColumn, int fromRow, int toColumn, int toRow) const {
  return Board.IsLoose(fromColumn, fromRow) && Board.IsInPlay(toColumn, toRow) &&
         Board.Cell(toColumn, toRow).Letter == 0 && (fromColumn != toColumn || fromRow != toRow);
}

bool TGameState::CanDropBoardLetterOnStock(int column, int row, int slot) const {
  return Board.IsLoose(column, row) && TStockLetters::IsSlot(slot) && Stock.Letter(slot) == 0;
}

bool TGameState::CanSwapStockLetters(int sourceSlot, int targetSlot) const {
  return Stock.Letter(sourceSlot) != 0 && TStockLetters::IsSlot(targetSlot) && sourceSlot != targetSlot;
}

bool TGameState::DropStockLetterOnBoard(int slot, int column, int row) {
  if (!CanDropStockLetterOnBoard(slot, column, row)) return false;
  Board.SetCell(column, row, TBoardCell{Stock.Letter(slot), true});
  Board.AddLooseLetter(column, row);
  Stock.SetLetter(slot, 0);
  return true;
}

bool TGameState::MoveBoardLetter(int fromColumn, int fromRow, int toColumn, int toRow) {
  if (!CanMoveBoardLetter(fromColumn, fromRow, toColumn, toRow)) return false;
  Board.SetCell(toColumn, toRow, TBoardCell{Board.Cell(fromColumn, fromRow).Letter, true});
  Board.SetCell(fromColumn, fromRow, TBoardCell{});
  Board.MoveLooseLetter(fromColumn, fromRow, toColumn, toRow);
  return true;
}

bool TGameState::DropBoardLetterOnStock(int column, int row, int slot) {
  if (!CanDropBoardLetterOnStock(column, row, slot)) return false;
  Stock.SetLetter(slot, Board.Cell(column, row).Letter);
  Board.RemoveLooseLetter(column, row);
  return true;
}

bool TGameState::SwapStockLetters(int sourceSlot, int targetSlot) {
  if (!CanSwapStockLetters(sourceSlot, targetSlot)) return false;
  Stock.Swap(sourceSlot, targetSlot);
  return true;
}

bool TGameState::ReturnLooseLetterToStock(int column, int row) {
  const int slot = Stock.FirstEmpty();
  if (!Board.IsLoose(column, row) || slot < 0) return false;
  Stock.SetLetter(slot, Board.Cell(column, row).Letter);
  Board.RemoveLooseLetter(column, row);
  return true;
}

std::string TGameState::CurrentWord() const { return vb::CurrentWord(Board); }

bool TGameState::CanPutWord() const {
  const int count = Board.LooseCount();
  return count >= 1 && count <= MaxLooseLetters && CurrentWord().size() >= 2;
}

std::int32_t TGameState::PossibleScore(const TDictionary& dictionary) const {
  return vb::PossibleScore(Board, dictionary);
}

TPutOutcome TGameState::PutWord(bool flipped, const TDictionary& dictionary, TLetterSource& letters, std::string& word) {
  word = CurrentWord();
  if (word.empty()) return TPutOutcome::NoWord;
  if (flipped) word = ReverseText(word);
  const bool known = dictionary.IsKnownWord(word);
  if (!known && !Settings.AllowUnknownWords) return TPutOutcome::Refused;
  Score = AddScore(Score, PossibleScore(dictionary));
  Board.FixLooseLetters();
  FillStock(dictionary, letters);
  return known ? TPutOutcome::PutKnown : TPutOutcome::PutUnknown;
}

unsigned char TGameState::DrawLetter(const TDictionary& dictionary, TLetterSource& letters) {
  const int slot = letters.WeightedIndex(AlphabetSize, dictionary.LetterProbabilities.data());
  return slot < 0 ? 0 : dictionary.Alphabet[slot];
}

void TGameState::FillStock(const TDictionary& dictionary, TLetterSource& letters) {
  for (int slot = 0; slot < StockSize; ++slot)
    if (Stock.Letter(slot) == 0) Stock.SetLetter(slot, DrawLetter(dictionary, letters));
}

bool TGameState::ChangeStockLetter(int slot, unsigned char letter) {
  if (!CanChangeStockLetter(slot) || letter == 0) return false;
  Stock.SetLetter(slot, letter);
  --LetterChangesCount;
  return true;
}

bool TGameState::NewStockLetters(const TDictionary& dictionary, TLetterSource& letters) {
  if (LetterChangesCount <= 0) return false;
  // The loose letters are discarded, not returned to the stock.
  while (Board.LooseCount() > 0) {
    const TCellPosition p = Board.LooseLetter(Board.LooseCount() - 1);
    Board.RemoveLooseLetter(p.Column, p.Row);
  }
  Stock.Clear();
  FillStock(dictionary, letters);
  Board.ClearLooseLetters();
  --LetterChangesCount;
  return true;
}

}  // namespace vb
