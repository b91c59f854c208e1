#include "core/GameFile.h"

#include <limits>

#include "core/Game.h"
#include "core/Paths.h"
#include "core/Text.h"
#include "core/Utilities.h"

namespace vb {

namespace {

constexpr std::int32_t MaxCount = std::numeric_limits<std::int32_t>::max();
const char* const StockSection = "StockLetters";
const char* const MapSection = "Map";

// The number a combo box shows, or the default size when it shows none in range.
int BoardSizeShownIn(TextInput& box) {
  const std::int32_t shown = GetIntFromComboBoxUnlimited(box);
  return shown >= MinBoardSize && shown <= MaxBoardSize ? shown : DefaultBoardSize;
}

int ReadBoardSizeKey(const TStoredTextList& list, const char* key, TextInput& box) {
  std::int32_t size = BoardSizeShownIn(box);
  list.ReadInteger(GameSection, key, size, MaxBoardSize, MinBoardSize);
  box.SetText(IntToText(size));
  return size;
}

}  // namespace

void ReadCommonSettings(TGame& game, TStoredTextList& list) {
  game.Board.ColumnsCount = ReadBoardSizeKey(list, "ColumnsCount", game.ColumnsCountComboBox());
  game.Board.RowsCount = ReadBoardSizeKey(list, "RowsCount", game.RowsCountComboBox());
  std::string dictionaryName = game.Dictionary.DictionaryName;
  list.ReadText(GameSection, "LastDictionaryName", false, dictionaryName, 255);
  if (IsPlainFileName(dictionaryName)) game.Dictionary.DictionaryName = dictionaryName;
  list.ReadBool(GameSection, "AddToWordsList", game.AddToWordsList);
  list.ReadBool(GameSection, "AllowUnknownWords", game.AllowUnknownWords);
  game.View().ComputeCellSize();
  game.View().DictionaryNamesChanged();
  game.View().SettingsChanged();
}

void WriteCommonSettings(const TGame& game, TStoredTextList& list, int columnsCount, int rowsCount) {
  list.WriteInteger(GameSection, "ColumnsCount", columnsCount);
  list.WriteInteger(GameSection, "RowsCount", rowsCount);
  list.WriteText(GameSection, "LastDictionaryName", game.Dictionary.DictionaryName);
  list.WriteBool(GameSection, "AddToWordsList", game.AddToWordsList);
  list.WriteBool(GameSection, "AllowUnknownWords", game.AllowUnknownWords);
}

void ReadGame(TGame& game, TStoredTextList& list) {
  ReadCommonSettings(game, list);
  TBoard& board = game.Board;

  game.LetterChangesCount = TGame::LetterChangesFor(board.ColumnsCount, board.RowsCount);
  list.ReadInteger(GameSection, "LetterChangesCount", game.LetterChangesCount, MaxCount, 0);
  game.ShowLetterChanges();
  list.ReadInteger(GameSection, "Score", game.Score, MaxCount, 0);

  for (int slot = 0; slot < StockSize; ++slot) {
    unsigned char letter = 0;
    list.ReadLetter(StockSection, IntToText(slot + 1), letter);
    game.Stock.SetLetter(slot, letter);
  }

  game.ClearBoard();
  for (int row = 0; row < board.RowsCount; ++row) {
    for (int column = 0; column < board.ColumnsCount; ++column) {
      const std::string n = IntToText(row * board.ColumnsCount + column);
      TBoardCell cell;
      list.ReadLetter(MapSection, "L" + n, cell.Letter);
      list.ReadBool(MapSection, "S" + n, cell.Loose);
      // Only a letter can be loose, and only seven loose letters can be listed.
      cell.Loose = cell.Loose && cell.Letter != 0 && board.AddLooseLetter(column, row);
      board.SetCell(column, row, cell);
    }
  }
  game.View().BoardChanged();
}

void WriteGame(const TGame& game, TStoredTextList& list) {
  const TBoard& board = game.Board;
  list.Clear();
  WriteCommonSettings(game, list, board.ColumnsCount, board.RowsCount);
  list.WriteInteger(GameSection, "LetterChangesCount", game.LetterChangesCount);
  list.WriteInteger(GameSection, "Score", game.Score);
  for (int slot = 0; slot < StockSize; ++slot) list.WriteLetter(StockSection, IntToText(slot + 1), game.Stock.Letter(slot));
  for (int row = 0; row < board.RowsCount; ++row) {
    for (int column = 0; column < board.ColumnsCount; ++column) {
      const std::string n = IntToText(row * board.ColumnsCount + column);
      const TBoardCell cell = board.Cell(column, row);
      list.WriteLetter(MapSection, "L" + n, cell.Letter);
      list.WriteBool(MapSection, "S" + n, cell.Loose);
    }
  }
}

}  // namespace vb
