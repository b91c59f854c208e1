#include "core/presenter/GameViewModel.h"

#include <algorithm>

namespace vb {

namespace {
// Beyond this many changed cells one repaint of the board is cheaper.
constexpr std::size_t kMostSingleCells = 32;

bool AnyOf(const bool* first, const bool* last) { return std::any_of(first, last, [](bool b) { return b; }); }
}  // namespace

bool TViewChanges::Any() const {
  return !Cells.empty() || WholeBoard || BoardSize || BoardVisible || AnyOf(Slots.begin(), Slots.end()) ||
         AnyOf(Labels.begin(), Labels.end()) || PutButtons || NewStockLettersButton || Title || Settings ||
         BoardSizeChoice || Names || Font || Letters || UndoRedo || History || Cursor;
}

TViewChanges TViewChanges::All() {
  TViewChanges all;
  all.WholeBoard = all.BoardSize = all.BoardVisible = true;
  all.Slots.fill(true);
  all.Labels.fill(true);
  all.PutButtons = all.NewStockLettersButton = all.Title = all.Settings = true;
  all.BoardSizeChoice = all.Names = all.Font = all.Letters = true;
  all.UndoRedo = all.History = all.Cursor = true;
  return all;
}

TViewChanges CompareViewModels(const TGameViewModel& before, const TGameViewModel& after) {
  TViewChanges changes;
  changes.BoardSize = before.Board.ColumnsCount != after.Board.ColumnsCount ||
                      before.Board.RowsCount != after.Board.RowsCount;
  if (changes.BoardSize) {
    changes.WholeBoard = true;
  } else {
    for (int column = 0; column < BoardGridSize && !changes.WholeBoard; ++column)
      for (int row = 0; row < BoardGridSize; ++row) {
        if (before.Board.Cell(column, row) == after.Board.Cell(column, row)) continue;
        if (changes.Cells.size() == kMostSingleCells) {
          changes.WholeBoard = true;
          changes.Cells.clear();
          break;
        }
        changes.Cells.push_back({column, row});
      }
  }
  changes.Cursor = before.Cursor != after.Cursor;
  if (changes.Cursor && !changes.WholeBoard) {
    // The cells the cursor left and reached are drawn again.
    for (const TKeyboardCursor* cursor : {&before.Cursor, &after.Cursor}) {
      const TCellPosition cell{cursor->Column, cursor->Row};
      if (std::find(changes.Cells.begin(), changes.Cells.end(), cell) == changes.Cells.end())
        changes.Cells.push_back(cell);
    }
  }
  changes.BoardVisible = before.BoardVisible != after.BoardVisible;
  for (int slot = 0; slot < StockSize; ++slot) changes.Slots[slot] = before.Stock.Letter(slot) != after.Stock.Letter(slot);
  for (int label = 0; label < GameLabelsCount; ++label) changes.Labels[label] = before.Labels[label] != after.Labels[label];
  changes.PutButtons = before.PutButtonsEnabled != after.PutButtonsEnabled;
  changes.NewStockLettersButton = before.NewStockLettersEnabled != after.NewStockLettersEnabled;
  changes.Title = before.Title != after.Title;
  changes.Settings = before.Settings != after.Settings || before.FullScreen != after.FullScreen;
  changes.BoardSizeChoice = before.ColumnsChoice != after.ColumnsChoice || before.RowsChoice != after.RowsChoice;
  changes.Names = before.DictionaryName != after.DictionaryName || before.WordsListName != after.WordsListName;
  changes.Font = before.FontName != after.FontName;
  changes.Letters = changes.Font || before.Alphabet != after.Alphabet;
  changes.UndoRedo = before.CanUndo != after.CanUndo || before.CanRedo != after.CanRedo ||
                     before.CanFinishGame != after.CanFinishGame;
  changes.History = before.History != after.History;
  return changes;
}

}  // namespace vb
