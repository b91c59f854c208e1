#pragma once
// The options file "Vorbelle.ini": the common settings, the last game file and
// the full-screen switch. Read at start-up, written at every close.
#include "core/StoredTextList.h"

namespace vb {

class TGame;

// OnLoad: the common settings, "LastGameTitle" (a non-empty path of at most
// 259 characters) and "FullScreen" (false when absent).
void ReadOptions(TGame& game, TStoredTextList& list);
// OnSave: the board size shown in the combo boxes (not the size of the game on
// the board, which stays as it is), the common settings, "LastGameTitle", "FullScreen".
void WriteOptions(TGame& game, TStoredTextList& list);

}  // namespace vb
