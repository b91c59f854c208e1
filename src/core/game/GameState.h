#pragma once
// One game as a plain value: the board with its loose letters, the stock, the
// score, the letter changes left and the two words-list switches. It can be
// copied (to try a move, to undo one) and compared, and holds no callbacks and
// no references to windows or files. The rules are its members: each only
// changes the value, and the dictionary and the letter source (random pool or seeded deal) are handed in.
#include <cstdint>
#include <string>

#include "core/game/Board.h"
#include "core/dictionary/Dictionary.h"
#include "core/game/LetterSource.h"
#include "core/game/RandomPool.h"
#include "core/game/StockLetters.h"

namespace vb {

struct TGameSettings {
  bool AddToWordsList = true;
  bool AllowUnknownWords = true;
  bool operator==(const TGameSettings& o) const {
    return AddToWordsList == o.AddToWordsList && AllowUnknownWords == o.AllowUnknownWords;
  }
  bool operator!=(const TGameSettings& o) const { return !(*this == o); }
};

// What putting the current word came to.
enum class TPutOutcome {
  NoWord,        // the loose letters form no word: nothing changed
  Refused,       // an unknown word while unknown words are not allowed
  PutKnown,      // put; the word is in the words list
  PutUnknown,    // put; an unknown word, allowed
};

class TGameState {
 public:
  TBoard Board;          // ColumnsCount and RowsCount are Board's
  TStockLetters Stock;   // slots 0..6
  std::int32_t Score = 0;
  std::int32_t LetterChangesCount = 0;
  TGameSettings Settings;

  bool operator==(const TGameState& o) const {
    return Board == o.Board && Stock == o.Stock && Score == o.Score && LetterChangesCount == o.LetterChangesCount &&
           Settings == o.Settings;
  }
  bool operator!=(const TGameState& o) const { return !(*this == o); }

  // Grants trunc(columns x rows x 0.05) letter changes.
  static std::int32_t LetterChangesFor(int columns, int rows) { return columns * rows / 20; }
  // An empty board of the given size, no score, its letter changes; the stock and settings stay.
  void StartBoard(int columns, int rows);

  // --- Moving letters ------------------------------------------------------
  bool CanDropStockLetterOnBoard(int slot, int column, int row) const;
  bool CanMoveBoardLetter(int fromColumn, int fromRow, int toColumn, int toRow) const;
  bool CanDropBoardLetterOnStock(int column, int row, int slot) const;
  bool CanSwapStockLetters(int sourceSlot, int targetSlot) const;
  // Each returns false and changes nothing when the move is not allowed.
  bool DropStockLetterOnBoard(int slot, int column, int row);
  bool MoveBoardLetter(int fromColumn, int fromRow, int toColumn, int toRow);
  bool DropBoardLetterOnStock(int column, int row, int slot);
  bool SwapStockLetters(int sourceSlot, int targetSlot);
  // A loose letter back to the first empty stock slot.
  bool ReturnLooseLetterToStock(int column, int row);

  // --- Words and scoring ---------------------------------------------------
  // The word the loose letters form with the letters they touch, or "".
  std::string CurrentWord() const;
  // One to seven loose letters that form a word of two letters or more.
  bool CanPutWord() const;
  std::int32_t PossibleScore(const TDictionary& dictionary) const;
  // Checks the current word (read backwards when flipped) against the words
  // list and the settings; a put word is scored, its letters fixed and the
  // stock refilled. `word` receives the word as put.
  TPutOutcome PutWord(bool flipped, const TDictionary& dictionary, TLetterSource& letters, std::string& word);

  // --- Stock and letter changes -------------------------------------------
  static unsigned char DrawLetter(const TDictionary& dictionary, TLetterSource& letters);
  // Draws a letter into every empty stock slot.
  void FillStock(const TDictionary& dictionary, TLetterSource& letters);
  // A stock letter exchanged for `letter`, spending one change.
  bool CanChangeStockLetter(int slot) const { return LetterChangesCount > 0 && Stock.Letter(slot) != 0; }
  bool ChangeStockLetter(int slot, unsigned char letter);
  // The loose letters and the stock discarded for seven new letters, spending one change.
  bool NewStockLetters(const TDictionary& dictionary, TLetterSource& letters);
};

}  // namespace vb
