// Loads any bytes as the options file: every setting must stay within its
// checks, and writing the options and reading them again must give them back.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzSupport.h"
#include "core/presenter/GamePresenter.h"
#include "core/files/GameFile.h"
#include "core/base/Paths.h"

using namespace vb;
using fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::MemoryPlatform& platform = fuzz::FreshPlatform();
  static TRandomPool pool(1, 2, 3);
  const std::string folder = "C:\\Vorbelle\\";
  platform.Files[folder + "Vorbelle.ini"] = fuzz::InputText(data, size);

  TGamePresenter game(folder, &pool);
  game.OptionsFile.Load();
  Check(game.State.Board.ColumnsCount >= MinBoardSize && game.State.Board.ColumnsCount <= MaxBoardSize);
  Check(game.State.Board.RowsCount >= MinBoardSize && game.State.Board.RowsCount <= MaxBoardSize);
  Check(game.ColumnsChoice.GetText() == std::to_string(game.State.Board.ColumnsCount));
  Check(!game.LastGameFileName.empty() && game.LastGameFileName.size() <= 259);
  Check(IsPlainFileName(game.Dictionary.DictionaryName) && !game.Dictionary.DictionaryName.empty());

  game.OptionsFile.Save(false);
  TGamePresenter again(folder, &pool);
  again.OptionsFile.Load();
  Check(again.State.Board.ColumnsCount == game.State.Board.ColumnsCount && again.State.Board.RowsCount == game.State.Board.RowsCount);
  Check(again.LastGameFileName == game.LastGameFileName && again.FullScreen == game.FullScreen);
  Check(again.Dictionary.DictionaryName == game.Dictionary.DictionaryName);
  Check(again.State.Settings.AddToWordsList == game.State.Settings.AddToWordsList && again.State.Settings.AllowUnknownWords == game.State.Settings.AllowUnknownWords);
  return 0;
}
