#pragma once
// The game file (".vbg") and the settings it shares with the options file,
// mapped between a stored text list and the game's values. Values that fail
// their check are ignored: the current value (the default) stands.
#include <string>

#include "core/game/GameState.h"
#include "core/store/StoredTextList.h"
#include "core/input/Utilities.h"

namespace vb {

// The section of both files.
inline constexpr const char* GameSection = "VorbelleGame";

// The values both files carry, where the game holds them.
struct TCommonSettings {
  TGameState& State;           // board size in play and the two switches
  TextInput& ColumnsChoice;    // the board size the window offers
  TextInput& RowsChoice;
  std::string& DictionaryName;
};

// "ColumnsCount", "RowsCount" (10..30, default: the choice's number; the choice
// then shows the value), "LastDictionaryName" (a plain file name),
// "AddToWordsList", "AllowUnknownWords".
void ReadCommonSettings(const TStoredTextList& list, const TCommonSettings& settings);
// Writes the five common keys with the given board size.
void WriteCommonSettings(TStoredTextList& list, const TGameSettings& settings, const std::string& dictionaryName,
                         int columnsCount, int rowsCount);

// OnLoad of the game file: settings, letter changes, score, stock, board. Loose
// flags without a letter are dropped, and loose cells after the seventh are
// taken as fixed letters, so LooseLetters always lists exactly the loose cells.
void ReadGame(const TStoredTextList& list, const TCommonSettings& settings);
// OnSave of the game file: every key in the fixed order, every cell of the
// playing rectangle row by row.
void WriteGame(TStoredTextList& list, const TGameState& state, const std::string& dictionaryName);

}  // namespace vb
