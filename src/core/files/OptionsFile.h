#pragma once
// The options file "Vorbelle.ini": the common settings, the last game file and
// the full-screen switch, mapped between a stored text list and the game's
// values. Read at start-up, written at every close.
#include <string>

#include "core/files/GameFile.h"

namespace vb {

struct TWindowOptions {
  std::string& LastGameFileName;
  bool& FullScreen;
};

// OnLoad: the common settings, "LastGameTitle" (a non-empty path of at most
// 259 characters) and "FullScreen" (false when absent).
void ReadOptions(const TStoredTextList& list, const TCommonSettings& settings, const TWindowOptions& options);
// OnSave: the board size the choices show (not the size of the game on the
// board, which stays as it is), the common settings, "LastGameTitle", "FullScreen".
void WriteOptions(TStoredTextList& list, const TCommonSettings& settings, const TWindowOptions& options);

}  // namespace vb
