// Plays thousands of random turns on the game model with a shipped dictionary
// and checks the game's invariants after every step, including saves and
// reloads through the real game file. Seeded, so every run plays the same game.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <tuple>
#include <vector>

#include "core/game/GameTestHelpers.h"
#include "core/presenter/GamePresenter.h"
#include "core/base/Paths.h"
#include "support/FakePlatform.h"
#include "support/ScriptedLetterChooser.h"
#include "support/ScriptedErrorDialog.h"

namespace vb {
namespace {

constexpr int SoakSteps = 12000;

// Everything a saved game must give back.
struct GameSnapshot {
  std::vector<std::tuple<int, int, int, bool>> Cells;  // column, row, letter, loose
  std::set<std::pair<int, int>> Loose;
  std::vector<int> Stock;
  std::int32_t Score, LetterChanges;
  int Columns, Rows;
  std::string DictionaryName;
  bool AddToWordsList, AllowUnknownWords;

  explicit GameSnapshot(const TGamePresenter& game)
      : Score(game.State.Score),
        LetterChanges(game.State.LetterChangesCount),
        Columns(game.State.Board.ColumnsCount),
        Rows(game.State.Board.RowsCount),
        DictionaryName(game.Dictionary.DictionaryName),
        AddToWordsList(game.State.Settings.AddToWordsList),
        AllowUnknownWords(game.State.Settings.AllowUnknownWords) {
    for (int c = 0; c < BoardGridSize; ++c)
      for (int r = 0; r < BoardGridSize; ++r) {
        const TBoardCell cell = game.State.Board.Cell(c, r);
        if (cell.Letter != 0 || cell.Loose) Cells.emplace_back(c, r, cell.Letter, cell.Loose);
      }
    for (int i = 0; i < game.State.Board.LooseCount(); ++i)
      Loose.insert({game.State.Board.LooseLetter(i).Column, game.State.Board.LooseLetter(i).Row});
    for (int slot = 0; slot < StockSize; ++slot) Stock.push_back(game.State.Stock.Letter(slot));
  }
  bool operator==(const GameSnapshot& o) const {
    return std::tie(Cells, Loose, Stock, Score, LetterChanges, Columns, Rows, DictionaryName, AddToWordsList,
                    AllowUnknownWords) == std::tie(o.Cells, o.Loose, o.Stock, o.Score, o.LetterChanges, o.Columns,
                                                   o.Rows, o.DictionaryName, o.AddToWordsList, o.AllowUnknownWords);
  }
};

class Soak {
 public:
  Soak(const std::string& programFolder, const std::string& dictionaryName)
      : pool_(20240611u, 321, 123), game_(programFolder, &pool_), rng_(987654321u) {
    game_.Dictionary.DictionaryName = dictionaryName;
    game_.SetLetterChooser(&letters_);
    letters_.Answer = [this] { return Chance(20) ? static_cast<unsigned char>(0) : RandomAlphabetLetter(); };
  }

  void Run(int steps) {
    NewGame();
    for (int step = 0; step < steps; ++step) {
      Step();
      CheckInvariants(step);
      if (::testing::Test::HasFatalFailure()) return;
    }
  }

  int Puts = 0, Reloads = 0, Games = 0, NewStocks = 0, Changes = 0;

 private:
  bool Chance(int percent) { return Pick(100) < percent; }
  int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(rng_); }

  unsigned char RandomAlphabetLetter() {
    unsigned char letter = 0;
    while (letter == 0) letter = game_.Dictionary.Alphabet[Pick(AlphabetSize)];
    return letter;
  }

  void NewGame() {
    game_.ColumnsChoice.SetText(std::to_string(MinBoardSize + Pick(21)));
    game_.RowsChoice.SetText(std::to_string(MinBoardSize + Pick(21)));
    game_.Modified = false;
    ASSERT_TRUE(game_.ResetGame());
    const std::string name = game_.Dictionary.DictionaryName;
    ASSERT_TRUE(game_.Dictionary.LoadDictionary(name));
    game_.ClearStockLetters();
    game_.FillStock();
    game_.Modified = false;
    game_.State.Settings.AllowUnknownWords = !Chance(25);
    game_.State.Settings.AddToWordsList = Chance(10);
    lastScore_ = 0;
    ++Games;
  }

  // Mostly a cell that continues the line of the loose letters, or one next to a
  // letter; sometimes anywhere, or off the board.
  TCellPosition Target() {
    const TBoard& board = game_.State.Board;
    if (Chance(3)) return TCellPosition{board.ColumnsCount + Pick(3), Pick(board.RowsCount)};
    if (board.LooseCount() > 0 && Chance(90)) return LineEnd();
    std::vector<TCellPosition> occupied;
    for (int c = 0; c < board.ColumnsCount; ++c)
      for (int r = 0; r < board.RowsCount; ++r)
        if (board.IsOccupied(c, r)) occupied.push_back({c, r});
    if (occupied.empty() || Chance(10)) return TCellPosition{Pick(board.ColumnsCount), Pick(board.RowsCount)};
    return RunEnd(occupied[Pick(static_cast<int>(occupied.size()))], Pick(2) == 0, Chance(50));
  }

  TCellPosition RunEnd(TCellPosition p, bool vertical, bool forward) const {
    while (game_.State.Board.IsOccupied(p.Column, p.Row)) p = Beside(p, vertical, forward);
    return p;
  }

  static TCellPosition Beside(TCellPosition p, bool vertical, bool forward) {
    const int step = forward ? 1 : -1;
    return vertical ? TCellPosition{p.Column, p.Row + step} : TCellPosition{p.Column + step, p.Row};
  }

  // The first free cell past either end of the run through a loose letter.
  TCellPosition LineEnd() {
    const TBoard& board = game_.State.Board;
    const TCellPosition first = board.LooseLetter(0);
    bool vertical = Pick(2) == 0;
    if (board.LooseCount() > 1) {
      vertical = board.LooseLetter(1).Column == first.Column;
    } else if (board.IsOccupied(first.Column, first.Row - 1) || board.IsOccupied(first.Column, first.Row + 1)) {
      vertical = true;  // continue the line the letter already touches
    } else if (board.IsOccupied(first.Column - 1, first.Row) || board.IsOccupied(first.Column + 1, first.Row)) {
      vertical = false;
    }
    return RunEnd(first, vertical, Chance(50));
  }

  TCellPosition RandomLooseLetter() {
    const int count = game_.State.Board.LooseCount();
    return count == 0 ? TCellPosition{Pick(5), Pick(5)} : game_.State.Board.LooseLetter(Pick(count));
  }

  void Step() {
    const int action = Pick(100);
    if (action < 35) {
      const TCellPosition p = Target();
      const int slot = Pick(StockSize);
      const bool expected = game_.CanDropStockLetterOnBoard(slot, p.Column, p.Row);
      EXPECT_EQ(game_.DropStockLetterOnBoard(slot, p.Column, p.Row), expected);
    } else if (action < 45) {
      const TCellPosition from = RandomLooseLetter();
      const TCellPosition to = Target();
      game_.MoveBoardLetter(from.Column, from.Row, to.Column, to.Row);
    } else if (action < 51) {
      const TCellPosition from = RandomLooseLetter();
      game_.DropBoardLetterOnStock(from.Column, from.Row, Pick(StockSize + 1));
    } else if (action < 57) {
      const TCellPosition from = RandomLooseLetter();
      game_.ReturnLooseLetterToStock(from.Column, from.Row);
    } else if (action < 62) {
      game_.SwapStockLetters(Pick(StockSize), Pick(StockSize));
    } else if (action < 65) {
      Changes += game_.ChangeStockLetter(Pick(StockSize));
    } else if (action < 67) {
      NewStocks += game_.NewStockLetters();
    } else if (action < 93) {
      const bool enabled = game_.PutButtonsEnabled();
      const bool put = game_.PutWord(Chance(30));
      if (put) ++Puts;
      EXPECT_TRUE(!put || enabled);
      // A player takes back a letter of an arrangement that forms no word.
      if (!enabled && Chance(60)) {
        const TCellPosition p = RandomLooseLetter();
        game_.ReturnLooseLetterToStock(p.Column, p.Row);
      }
    } else if (action < 94 && Chance(30)) {
      SaveAndReload();
    } else if (action < 96) {
      game_.State.Settings.AllowUnknownWords = !Chance(15);
    } else if (action < 97 && Chance(25)) {
      NewGame();
    } else {
      game_.ShowLetterScore(game_.State.Stock.Letter(Pick(StockSize)));
      game_.RandomPool().Stir(Pick(500), Pick(500));
    }
  }

  void SaveAndReload() {
    const GameSnapshot saved(game_);
    const std::string path = game_.GamesFolder + "Soak.vbg";
    ASSERT_TRUE(game_.Dictionary.SaveDictionary());
    ASSERT_TRUE(game_.GameFile.SaveAs(path, false));
    game_.Modified = false;
    // Another board size in the combo boxes must not matter for a load.
    game_.ColumnsChoice.SetText(std::to_string(MinBoardSize + Pick(21)));
    ASSERT_TRUE(game_.ResetGame());
    ASSERT_TRUE(game_.GameFile.LoadFrom(path));
    const std::string name = game_.Dictionary.DictionaryName;
    ASSERT_TRUE(game_.Dictionary.LoadDictionary(name));
    game_.Modified = false;
    game_.UpdatePutButtons();
    game_.ShowScore(game_.PossibleScore());
    ASSERT_TRUE(GameSnapshot(game_) == saved) << "reload " << Reloads;
    ++Reloads;
  }

  void CheckInvariants(int step) {
    const TBoard& board = game_.State.Board;
    ASSERT_LE(game_.State.Stock.LettersCount() + board.LooseCount(), MaxLooseLetters) << "step " << step;
    std::set<std::pair<int, int>> listed, flagged;
    for (int i = 0; i < board.LooseCount(); ++i)
      listed.insert({board.LooseLetter(i).Column, board.LooseLetter(i).Row});
    ASSERT_EQ(listed.size(), static_cast<std::size_t>(board.LooseCount())) << "duplicate entry, step " << step;
    for (int c = 0; c < BoardGridSize; ++c)
      for (int r = 0; r < BoardGridSize; ++r) {
        const TBoardCell cell = board.Cell(c, r);
        if (cell.Loose) flagged.insert({c, r});
        ASSERT_FALSE(cell.Loose && cell.Letter == 0) << "step " << step;
        ASSERT_TRUE(cell.Letter == 0 || board.IsInPlay(c, r)) << "letter outside, step " << step;
      }
    ASSERT_EQ(listed, flagged) << "step " << step;
    ASSERT_GE(game_.State.Score, lastScore_) << "step " << step;
    lastScore_ = game_.State.Score;
    const bool wordFormed = board.LooseCount() > 0 && game_.CurrentWord().size() >= 2;
    ASSERT_EQ(game_.PutButtonsEnabled(), wordFormed) << "step " << step;
  }

  TRandomPool pool_;
  test::ScriptedLetterChooser letters_;
  TGamePresenter game_;
  std::mt19937 rng_;
  std::int32_t lastScore_ = 0;
};

TEST(GameSoak, RandomTurnsKeepTheInvariants) {
  test::FakePlatformScope platform;
  platform->FixedTickCount = 4242;
  platform->DefaultAnswer = 7;  // "No" to any question
  test::ScriptedErrorDialog errors;
  test::TempFolder folder;
  GetPlatform().CreateFolder(folder.Path() + "VorbelleDictionaries");
  GetPlatform().CreateFolder(folder.Path() + "VorbelleGames");

  // The shipped English dictionary, copied so that added words stay in the test's folder.
  const std::string shipped = test::SourceFolder() + "data\\VorbelleDictionaries\\";
  ASSERT_TRUE(PathExists(shipped + "English.vbd"));
  for (const char* name : {"English.vbd", "English.txt"})
    test::WriteTextFile(folder.Path() + "VorbelleDictionaries\\" + name, test::ReadTextFile(shipped + name));

  Soak soak(folder.Path(), "English.vbd");
  soak.Run(SoakSteps);
  EXPECT_TRUE(errors.Shown.empty()) << errors.Shown.front().Report;
  // The run did play: words were put, games saved and reloaded, letters changed.
  EXPECT_GT(soak.Puts, 300);
  EXPECT_GT(soak.Reloads, 20);
  EXPECT_GT(soak.Games, 5);
  EXPECT_GT(soak.NewStocks + soak.Changes, 50);
  std::printf("soak: %d games, %d words put, %d reloads, %d new stocks, %d changes\n", soak.Games, soak.Puts,
              soak.Reloads, soak.NewStocks, soak.Changes);
}

}  // namespace
}  // namespace vb
