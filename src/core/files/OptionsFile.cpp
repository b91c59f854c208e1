#include "core/files/OptionsFile.h"

namespace vb {

void ReadOptions(const TStoredTextList& list, const TCommonSettings& settings, const TWindowOptions& options) {
  ReadCommonSettings(list, settings);
  list.ReadText(GameSection, "LastGameTitle", false, options.LastGameFileName, 259);
  bool fullScreen = false;
  list.ReadBool(GameSection, "FullScreen", fullScreen);
  options.FullScreen = fullScreen;
}

void WriteOptions(TStoredTextList& list, const TCommonSettings& settings, const TWindowOptions& options) {
  list.Clear();
  const int columns = GetIntFromComboBox(settings.ColumnsChoice, MinBoardSize, MaxBoardSize, DefaultBoardSize);
  const int rows = GetIntFromComboBox(settings.RowsChoice, MinBoardSize, MaxBoardSize, DefaultBoardSize);
  WriteCommonSettings(list, settings.State.Settings, settings.DictionaryName, columns, rows);
  list.WriteText(GameSection, "LastGameTitle", options.LastGameFileName);
  list.WriteBool(GameSection, "FullScreen", options.FullScreen);
}

}  // namespace vb
