// Loads any bytes as the options file: every setting must stay within its
// checks, and writing the options and reading them again must give them back.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "MemoryPlatform.h"
#include "core/Game.h"
#include "core/GameFile.h"
#include "core/Platform.h"

using namespace vb;

namespace {
void Check(bool condition) {
  if (!condition) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzz::MemoryPlatform platform;
  SetPlatform(&platform);
  static TRandomPool pool(1, 2, 3);
  const std::string folder = "C:\\Vorbelle\\";
  platform.Files.clear();
  platform.Files[folder + "Vorbelle.ini"] = std::string(reinterpret_cast<const char*>(data), size);

  TGame game(folder, &pool);
  game.OptionsFile.Load();
  Check(game.Board.ColumnsCount >= MinBoardSize && game.Board.ColumnsCount <= MaxBoardSize);
  Check(game.Board.RowsCount >= MinBoardSize && game.Board.RowsCount <= MaxBoardSize);
  Check(game.ColumnsCountComboBox().GetText() == std::to_string(game.Board.ColumnsCount));
  Check(!game.LastGameFileName.empty() && game.LastGameFileName.size() <= 259);
  Check(IsPlainDictionaryName(game.Dictionary.DictionaryName) && !game.Dictionary.DictionaryName.empty());

  game.OptionsFile.Save(false);
  TGame again(folder, &pool);
  again.OptionsFile.Load();
  Check(again.Board.ColumnsCount == game.Board.ColumnsCount && again.Board.RowsCount == game.Board.RowsCount);
  Check(again.LastGameFileName == game.LastGameFileName && again.FullScreen == game.FullScreen);
  Check(again.Dictionary.DictionaryName == game.Dictionary.DictionaryName);
  Check(again.AddToWordsList == game.AddToWordsList && again.AllowUnknownWords == game.AllowUnknownWords);
  return 0;
}
