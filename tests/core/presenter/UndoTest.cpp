#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/coach/MoveFinder.h"
#include "core/presenter/GamePresenter.h"
#include "support/PresenterFixture.h"
#include "support/ScriptedLetterChooser.h"

namespace vb {

namespace {


// What undo and redo must bring back, words list included.
struct Snapshot {
  TGameState State;
  std::vector<std::string> Words;
  bool WordsListModified;
  bool operator==(const Snapshot& o) const {
    return State == o.State && Words == o.Words && WordsListModified == o.WordsListModified;
  }
};

class UndoTest : public test::PresenterTest {
 protected:
  UndoTest() : PresenterTest(TRandomPool{4242, 10, 20}) {}
  void SetUp() override {
    StartNewGame("Undo", "CAB\r\nBEAD\r\nDAB\r\nACE\r\nBE\r\nAD\r\nHILL\r\n",
                 [this](TGamePresenter& presenter) { presenter.SetLetterChooser(&chooser); });
  }

  Snapshot Now() const {
    return {game->State, game->Dictionary.WordsList.Entries(), game->Dictionary.WordsListModified};
  }

  // One random turn: a legal move, an unknown two-letter word (added to the
  // list), new stock letters or a letter change. False when none could be made.
  // `beforeTurn` is the game just before the turn's command (letters laid out).
  bool RandomTurn(std::mt19937& random) {
    switch (random() % 4) {
      case 0: {
        const TWordGraph graph = TWordGraph::Build(game->Dictionary.WordsList, game->Dictionary.Alphabet);
        const std::vector<TMove> moves = TMoveFinder(graph, game->Dictionary).AllMoves(game->State);
        if (moves.empty()) return false;
        const TMove& move = moves[random() % moves.size()];
        if (!LayOutMove(game->State, move)) return false;
        beforeTurn = Now();
        return game->PutWord(move.Flipped);
      }
      case 1: {
        // Two stock letters side by side next to nothing: only the first word may stand alone.
        const TBoard& board = game->State.Board;
        for (int row = 0; row < board.RowsCount; ++row)
          for (int column = 0; column + 1 < board.ColumnsCount; ++column) {
            if (board.IsOccupied(column, row) || board.IsOccupied(column + 1, row)) continue;
            if (!game->DropStockLetterOnBoard(0, column, row) || !game->DropStockLetterOnBoard(1, column + 1, row))
              continue;
            beforeTurn = Now();
            return game->State.CanPutWord() && game->PutWord(false);
          }
        return false;
      }
      case 2:
        beforeTurn = Now();
        return game->NewStockLetters();
      default:
        chooser.Answer = [&random] { return static_cast<unsigned char>('A' + random() % 12); };
        beforeTurn = Now();
        return game->ChangeStockLetter(static_cast<int>(random() % StockSize));
    }
  }

  test::ScriptedLetterChooser chooser;
  Snapshot beforeTurn;
};

}  // namespace

TEST_F(UndoTest, RandomTurnsUndoneAndRedoneComeBackExactly) {
  std::mt19937 random(99);
  const Snapshot start = Now();
  std::vector<std::pair<Snapshot, Snapshot>> turns;  // each turn's game before and after it
  std::size_t done = 0;
  int made = 0;
  for (int step = 0; step < 300; ++step) {
    const unsigned action = random() % 10;
    if (action < 2 && done > 0) {
      ASSERT_TRUE(game->Undo());
      --done;
      ASSERT_EQ(Now(), turns[done].first) << "undo at step " << step;
    } else if (action < 4 && done < turns.size()) {
      ASSERT_TRUE(game->Redo());
      ASSERT_EQ(Now(), turns[done].second) << "redo at step " << step;
      ++done;
    } else {
      const Snapshot before = Now();
      if (!RandomTurn(random)) {
        game->State = before.State;  // letters laid out for a turn that did not happen
        continue;
      }
      turns.resize(done);
      turns.emplace_back(beforeTurn, Now());
      ++done;
      ++made;
      ASSERT_FALSE(game->CanRedo()) << "a new turn drops what was undone";
    }
    ASSERT_EQ(game->History().DoneCount(), done);
  }
  EXPECT_GT(made, 50);
  while (game->Undo()) {
  }
  EXPECT_EQ(Now().Words, start.Words);
  EXPECT_EQ(Now().State.Score, 0);
}

TEST_F(UndoTest, HistoryRowsAndWhatStartsANewHistory) {
  game->State.Stock.SetLetter(0, 'A');
  game->State.Stock.SetLetter(1, 'D');
  const int row = game->State.Board.RowsCount / 2;
  ASSERT_TRUE(game->DropStockLetterOnBoard(0, 4, row));
  ASSERT_TRUE(game->DropStockLetterOnBoard(1, 5, row));
  ASSERT_TRUE(game->PutWord(false));
  chooser.Answer = [] { return static_cast<unsigned char>('E'); };
  const unsigned char first = game->State.Stock.Letter(0);
  ASSERT_TRUE(game->ChangeStockLetter(0));
  ASSERT_TRUE(game->NewStockLetters());
  ASSERT_TRUE(game->Undo());
  std::vector<THistoryRow> rows = game->ViewModel().History;
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], (THistoryRow{"1", "AD", std::to_string(game->State.Score), "", false}));
  EXPECT_EQ(rows[1].Move, std::string("change ") + static_cast<char>(first) + "->E");
  EXPECT_EQ(rows[2], (THistoryRow{"3", "new stock", "", "", true}));
  EXPECT_EQ(game->History().PlacedCells(0), (std::vector<TCellPosition>{{4, row}, {5, row}}));

  // Saving keeps the history; a load and a new game start a new one, and undo
  // right after a load changes nothing.
  const std::string path = folder / "VorbelleGames\\undo.vbg";
  dialogs.Answers = {path};
  ASSERT_TRUE(game->Commands().SaveGameMenuClick());
  EXPECT_TRUE(game->CanUndo());
  ASSERT_TRUE(game->Commands().LoadGameFrom(path));
  EXPECT_FALSE(game->CanUndo());
  EXPECT_FALSE(game->CanRedo());
  const Snapshot loaded = Now();
  EXPECT_FALSE(game->Undo());
  EXPECT_EQ(Now(), loaded);
  EXPECT_FALSE(game->Modified);
  ASSERT_TRUE(game->NewStockLetters());
  game->Modified = false;
  game->Commands().NewGameMenuClick();
  EXPECT_FALSE(game->CanUndo());
}

TEST_F(UndoTest, AnUndonePutOfAnAddedWordLeavesASavedListMarkedForWriting) {
  game->State.Stock.SetLetter(0, 'K');
  game->State.Stock.SetLetter(1, 'I');
  const int row = game->State.Board.RowsCount / 2;
  ASSERT_TRUE(game->DropStockLetterOnBoard(0, 4, row));
  ASSERT_TRUE(game->DropStockLetterOnBoard(1, 5, row));
  ASSERT_FALSE(game->Dictionary.WordsListModified);
  ASSERT_TRUE(game->PutWord(false));  // KI is unknown: added
  ASSERT_TRUE(game->Dictionary.IsKnownWord("KI"));
  dialogs.Answers = {folder / "VorbelleGames\\ki.vbg"};
  ASSERT_TRUE(game->Commands().SaveGameMenuClick());
  ASSERT_NE(test::ReadTextFile(folder / "VorbelleDictionaries\\Undo.txt").find("KI\r\n"), std::string::npos);

  ASSERT_TRUE(game->Undo());
  EXPECT_FALSE(game->Dictionary.IsKnownWord("KI"));
  // The file still holds KI: the next save must write the list again.
  EXPECT_TRUE(game->Dictionary.WordsListModified);
  ASSERT_TRUE(game->Redo());
  EXPECT_TRUE(game->Dictionary.IsKnownWord("KI"));
  EXPECT_EQ(game->Dictionary.WordsList.Entries().back(), "KI");
}

}  // namespace vb
