#pragma once
// What the main window shows of a game, as one value, and the difference
// between two of them. The presenter builds the model after each command,
// compares it with the one the view last got, and hands the view both in one
// call: the view redraws exactly what changed and never reads the game itself.
#include <array>
#include <string>
#include <vector>

#include "core/game/Board.h"
#include "core/game/GameState.h"
#include "core/dictionary/LetterStatistics.h"
#include "core/game/StockLetters.h"
#include "core/game/KeyboardCursor.h"
#include "core/presenter/HistoryRow.h"

namespace vb {

// The labels whose texts the game produces; the last four are the coach panel's.
enum class TGameLabel {
  WordsInDictionary,
  ValidWord,
  Score,
  LetterScore,
  LetterChanges,
  CoachBest,
  CoachComparison,
  CoachLegalMoves,
  CoachHints,
};
constexpr int GameLabelsCount = 9;

struct TGameViewModel {
  TBoard Board;
  TStockLetters Stock;
  std::array<std::string, GameLabelsCount> Labels;
  bool PutButtonsEnabled = false;
  bool NewStockLettersEnabled = false;
  std::string Title;
  bool BoardVisible = false;  // false from start-up until the first new game or load
  TGameSettings Settings;
  bool FullScreen = false;
  // The board size the combo boxes show (the next new game's size).
  std::string ColumnsChoice, RowsChoice;
  std::string DictionaryName, WordsListName;  // as the edits show them
  std::string FontName;                       // of the stock, the board and the letter chooser
  TAlphabet Alphabet{};                       // the letter chooser's tiles
  bool CanUndo = false, CanRedo = false;
  bool CanFinishGame = false;  // a game that counts in the records is running
  TKeyboardCursor Cursor;      // keyboard play on the board
  std::vector<THistoryRow> History;           // the move history, every turn of the game

  const std::string& Label(TGameLabel label) const { return Labels[static_cast<int>(label)]; }
};

struct TViewChanges {
  // Cells whose content changed, when the rest of the board stayed as it was.
  std::vector<TCellPosition> Cells;
  bool WholeBoard = false;  // repaint every cell
  bool BoardSize = false;   // the size in play changed: the cell size follows
  bool BoardVisible = false;
  std::array<bool, StockSize> Slots{};
  std::array<bool, GameLabelsCount> Labels{};
  bool PutButtons = false;
  bool NewStockLettersButton = false;
  bool Title = false;
  bool Settings = false;  // check boxes and full screen
  bool BoardSizeChoice = false;
  bool Names = false;
  bool Font = false;
  bool Letters = false;
  bool UndoRedo = false;  // also whether the game can be finished
  bool History = false;
  bool Cursor = false;  // its cells are among Cells (or the whole board)

  bool Any() const;
  // Everything, for a view that has shown nothing yet.
  static TViewChanges All();
};

TViewChanges CompareViewModels(const TGameViewModel& before, const TGameViewModel& after);

}  // namespace vb
