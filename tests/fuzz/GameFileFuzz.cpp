// Loads any bytes as a game file. Whatever the file holds, the board must keep
// its invariants, every operation must stay inside the board, the stock and the
// loose list, and saving and loading again must give the same game.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzSupport.h"
#include "core/presenter/GamePresenter.h"
#include "core/files/GameFile.h"
#include "core/base/Paths.h"

using namespace vb;
using fuzz::Check;

namespace {

void CheckBoard(const TGamePresenter& game) {
  const TBoard& board = game.State.Board;
  Check(board.ColumnsCount >= MinBoardSize && board.ColumnsCount <= MaxBoardSize);
  Check(board.RowsCount >= MinBoardSize && board.RowsCount <= MaxBoardSize);
  Check(board.LooseCount() >= 0 && board.LooseCount() <= MaxLooseLetters);
  int looseCells = 0;
  for (int c = 0; c < BoardGridSize; ++c)
    for (int r = 0; r < BoardGridSize; ++r) {
      const TBoardCell cell = board.Cell(c, r);
      Check(cell.Letter == 0 || board.IsInPlay(c, r));
      Check(!cell.Loose || cell.Letter != 0);
      if (cell.Loose) {
        ++looseCells;
        Check(board.FindLooseLetter(c, r) >= 0);
      }
    }
  Check(looseCells == board.LooseCount());
  Check(game.State.Score >= 0 && game.State.LetterChangesCount >= 0);
  Check(IsPlainFileName(game.Dictionary.DictionaryName) && game.Dictionary.DictionaryName.size() <= 255);
}

bool SameGame(const TGamePresenter& a, const TGamePresenter& b) {
  // The state is a value: the whole game compares at once.
  return a.State == b.State && a.Dictionary.DictionaryName == b.Dictionary.DictionaryName;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::MemoryPlatform& platform = fuzz::FreshPlatform();
  static TRandomPool pool(1, 2, 3);
  const std::string folder = "C:\\Vorbelle\\";
  platform.Files[folder + "Fuzz.vbg"] = fuzz::InputText(data, size);

  TGamePresenter game(folder, &pool);
  game.GameFile.LoadFrom(folder + "Fuzz.vbg");
  CheckBoard(game);

  game.UpdatePutButtons();
  (void)game.PossibleScore();
  game.ShowLetterScore(game.State.Stock.Letter(0));
  game.State.Settings.AllowUnknownWords = true;
  game.PutWord(true);
  CheckBoard(game);

  if (game.GameFile.SaveAs(folder + "Again.vbg", false)) {
    TGamePresenter again(folder, &pool);
    again.GameFile.LoadFrom(folder + "Again.vbg");
    Check(SameGame(game, again));
  }

  // Every listed loose letter can be taken back, whatever the file held.
  while (game.State.Board.LooseCount() > 0) {
    const TCellPosition p = game.State.Board.LooseLetter(0);
    game.State.Board.RemoveLooseLetter(p.Column, p.Row);
    Check(!game.State.Board.IsOccupied(p.Column, p.Row));
  }
  CheckBoard(game);
  return 0;
}
