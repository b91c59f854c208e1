#pragma once
// The game file (".vbg") and the settings it shares with the options file, read
// and written through a stored text list. Values that fail their check are
// ignored: the current value (the default) stands.
#include <string>

#include "core/StoredTextList.h"

namespace vb {

class TGame;

// The section of both files.
inline constexpr const char* GameSection = "VorbelleGame";

// "ColumnsCount", "RowsCount" (10..30, default: the combo box's number; the
// combo box then shows the value), "LastDictionaryName" (a plain file name),
// "AddToWordsList", "AllowUnknownWords".
void ReadCommonSettings(TGame& game, TStoredTextList& list);
// Writes the five common keys with the given board size.
void WriteCommonSettings(const TGame& game, TStoredTextList& list, int columnsCount, int rowsCount);

// OnLoad of the game file: settings, letter changes, score, stock, board. Loose
// flags without a letter are dropped, and loose cells after the seventh are
// taken as fixed letters, so LooseLetters always lists exactly the loose cells.
void ReadGame(TGame& game, TStoredTextList& list);
// OnSave of the game file: every key in the fixed order, every cell of the
// playing rectangle row by row.
void WriteGame(const TGame& game, TStoredTextList& list);

}  // namespace vb
