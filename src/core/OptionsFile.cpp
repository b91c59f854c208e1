#include "core/OptionsFile.h"

#include "core/Game.h"
#include "core/GameFile.h"
#include "core/Utilities.h"

namespace vb {

void ReadOptions(TGame& game, TStoredTextList& list) {
  ReadCommonSettings(game, list);
  game.View().ComputeCellSize();
  list.ReadText(GameSection, "LastGameTitle", false, game.LastGameFileName, 259);
  bool fullScreen = false;
  list.ReadBool(GameSection, "FullScreen", fullScreen);
  game.FullScreen = fullScreen;
  game.View().SettingsChanged();
}

void WriteOptions(TGame& game, TStoredTextList& list) {
  list.Clear();
  const int columns =
      GetIntFromComboBox(game.ColumnsCountComboBox(), MinBoardSize, MaxBoardSize, DefaultBoardSize);
  const int rows = GetIntFromComboBox(game.RowsCountComboBox(), MinBoardSize, MaxBoardSize, DefaultBoardSize);
  WriteCommonSettings(game, list, columns, rows);
  list.WriteText(GameSection, "LastGameTitle", game.LastGameFileName);
  list.WriteBool(GameSection, "FullScreen", game.FullScreen);
}

}  // namespace vb
