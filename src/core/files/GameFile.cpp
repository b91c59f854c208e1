#include "core/files/GameFile.h"

#include <limits>

#include "core/base/Paths.h"
#include "core/text/Text.h"

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

void ReadCommonSettings(const TStoredTextList& list, const TCommonSettings& settings) {
  TBoard& board = settings.State.Board;
  board.ColumnsCount = ReadBoardSizeKey(list, "ColumnsCount", settings.ColumnsChoice);
  board.RowsCount = ReadBoardSizeKey(list, "RowsCount", settings.RowsChoice);
  std::string dictionaryName = settings.DictionaryName;
  list.ReadText(GameSection, "LastDictionaryName", false, dictionaryName, 255);
  if (IsPlainFileName(dictionaryName)) settings.DictionaryName = dictionaryName;
  list.ReadBool(GameSection, "AddToWordsList", settings.State.Settings.AddToWordsList);
  list.ReadBool(GameSection, "AllowUnknownWords", settings.State.Settings.AllowUnknownWords);
}

void WriteCommonSettings(TStoredTextList& list, const TGameSettings& settings, const std::string& dictionaryName,
                         int columnsCount, int rowsCount) {
  list.WriteInteger(GameSection, "ColumnsCount", columnsCount);
  list.WriteInteger(GameSection, "RowsCount", rowsCount);
  list.WriteText(GameSection, "LastDictionaryName", dictionaryName);
  list.WriteBool(GameSection, "AddToWordsList", settings.AddToWordsList);
  list.WriteBool(GameSection, "AllowUnknownWords", settings.AllowUnknownWords);
}

void ReadGame(const TStoredTextList& list, const TCommonSettings& settings) {
  ReadCommonSettings(list, settings);
  TGameState& state = settings.State;
  TBoard& board = state.Board;

  state.LetterChangesCount = TGameState::LetterChangesFor(board.ColumnsCount, board.RowsCount);
  list.ReadInteger(GameSection, "LetterChangesCount", state.LetterChangesCount, MaxCount, 0);
  list.ReadInteger(GameSection, "Score", state.Score, MaxCount, 0);

  for (int slot = 0; slot < StockSize; ++slot) {
    unsigned char letter = 0;
    list.ReadLetter(StockSection, IntToText(slot + 1), letter);
    state.Stock.SetLetter(slot, letter);
  }

  board.ClearBoard();
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
}

void WriteGame(TStoredTextList& list, const TGameState& state, const std::string& dictionaryName) {
  const TBoard& board = state.Board;
  list.Clear();
  WriteCommonSettings(list, state.Settings, dictionaryName, board.ColumnsCount, board.RowsCount);
  list.WriteInteger(GameSection, "LetterChangesCount", state.LetterChangesCount);
  list.WriteInteger(GameSection, "Score", state.Score);
  for (int slot = 0; slot < StockSize; ++slot) list.WriteLetter(StockSection, IntToText(slot + 1), state.Stock.Letter(slot));
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
