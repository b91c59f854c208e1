#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/presenter/GamePresenter.h"
#include "core/records/RecordsFile.h"
#include "support/FakePlatform.h"
#include "support/ScriptedErrorDialog.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedGameNumberAsker.h"
#include "support/SmallDictionary.h"
#include "support/TempFolder.h"

namespace vb {

namespace {

class RecordsInGameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::PrepareSmallDictionary(platform, folder, "Rec", "CAB\r\nAD\r\n", "2=1\r\n3=5\r\n");
  }

  std::unique_ptr<TGamePresenter> Start() {
    auto game = std::make_unique<TGamePresenter>(folder.Path(), &pool, &dialogs);
    game->Commands().PrepareFilesAndOptions();
    game->Dictionary.DictionaryName = "Rec.vbd";
    return game;
  }

  // The first two stock letters across the middle, put (unknown words are allowed).
  static void PutFirstTwo(TGamePresenter& game, int column = 5) {
    const int row = game.State.Board.RowsCount / 2;
    ASSERT_TRUE(game.DropStockLetterOnBoard(0, column, row));
    ASSERT_TRUE(game.DropStockLetterOnBoard(1, column + 1, row));
    ASSERT_TRUE(game.PutWord(false));
  }

  TRecordSummary Stored() {
    const TRecordsReadResult read = ReadRecordsFile(folder / "VorbelleStats.ini");
    EXPECT_EQ(read.State, TRecordsFileState::Read) << read.Problem;
    return read.Records.Summary(TRecordKey{"Rec.vbd", 15, 15});
  }

  test::FakePlatformScope platform;
  test::ScriptedErrorDialog errors;
  test::TempFolder folder;
  test::ScriptedFileDialogs dialogs;
  TRandomPool pool{31337, 10, 20};
};

}  // namespace

TEST_F(RecordsInGameTest, ANumberedGameDealsTheSameLettersEverywhereAndAnUndoDrawsThemAgain) {
  auto first = Start();
  test::ScriptedGameNumberAsker asker;
  asker.Answer = [](std::uint32_t) { return std::optional<std::uint32_t>(20261209); };
  first->Commands().SetGameNumberAsker(&asker);
  first->Commands().NewNumberedGameMenuClick();
  ASSERT_EQ(asker.Suggested, std::vector<std::uint32_t>{first->TodaysNumber()});
  EXPECT_EQ(first->Title(), "Vorbelle - Game 20261209");
  EXPECT_EQ(first->GameNumber(), 20261209u);
  PutFirstTwo(*first);
  const TStockLetters refilled = first->State.Stock;

  TRandomPool otherPool{1, 2, 3};
  auto second = std::make_unique<TGamePresenter>(folder.Path(), &otherPool, &dialogs);
  second->Commands().PrepareFilesAndOptions();
  second->Dictionary.DictionaryName = "Rec.vbd";
  second->Commands().NewNumberedGame(20261209);
  ASSERT_TRUE(second->Undo() == false);
  PutFirstTwo(*second);
  EXPECT_EQ(second->State.Stock, refilled);

  // Undone and put elsewhere, the word draws the same letters again.
  ASSERT_TRUE(first->Undo());
  const int row = first->State.Board.RowsCount / 2;
  ASSERT_TRUE(first->ReturnLooseLetterToStock(5, row));
  ASSERT_TRUE(first->ReturnLooseLetterToStock(6, row));
  PutFirstTwo(*first, 2);
  EXPECT_EQ(first->State.Stock, refilled);

  first->Modified = false;
  first->Commands().NewGameMenuClick();
  EXPECT_EQ(first->Title(), "Vorbelle");
  EXPECT_FALSE(first->GameNumber());
}

TEST_F(RecordsInGameTest, EveryPutIsWrittenAndFinishingCountsTheGame) {
  auto game = Start();
  game->Commands().NewGameMenuClick();
  PutFirstTwo(*game);
  const std::int32_t score = game->State.Score;
  EXPECT_EQ(Stored().Records.TotalWords, 1);
  EXPECT_EQ(Stored().Records.GamesPlayed, 0);  // still running

  // The Statistics window gets the records, this key and this game's turns.
  struct Viewer : TStatisticsViewer {
    TRecordKey Key;
    std::vector<TTurnPoints> Turns;
    std::size_t Keys = 0;
    void ShowStatistics(const TRecords& records, const TRecordKey& current,
                        const std::vector<TTurnPoints>& thisGame) override {
      Key = current;
      Turns = thisGame;
      Keys = records.Entries().size();
    }
  } viewer;
  game->SetStatisticsViewer(&viewer);
  game->ShowStatistics();
  EXPECT_TRUE(viewer.Key.SameAs(TRecordKey{"Rec.vbd", 15, 15}));
  ASSERT_EQ(viewer.Turns.size(), 1u);
  EXPECT_EQ(viewer.Turns[0].Points, score);
  EXPECT_EQ(viewer.Keys, 1u);
  ASSERT_TRUE(game->Undo());
  EXPECT_TRUE(game->ThisGamePoints().empty());  // an undone put is no turn of this game
  ASSERT_TRUE(game->Redo());

  ASSERT_TRUE(game->FinishGame());
  EXPECT_FALSE(game->CanFinishGame());
  const TRecordSummary summary = Stored();
  EXPECT_EQ(summary.Records.GamesPlayed, 1);
  EXPECT_EQ(summary.Records.GamesFinished, 1);
  EXPECT_EQ(summary.Records.BestScore, score);
  EXPECT_TRUE(platform->Boxes.empty());
}

TEST_F(RecordsInGameTest, ADamagedFileIsKeptAsideOnceAndAnUnreadableOneIsNeverWritten) {
  test::WriteTextFile(folder / "VorbelleStats.ini", "[Records]\r\nVersion=banana\r\n");
  auto game = Start();
  ASSERT_EQ(platform->Boxes.size(), 1u);
  EXPECT_NE(platform->Boxes[0].Text.find("is damaged"), std::string::npos) << platform->Boxes[0].Text;
  EXPECT_EQ(test::ReadTextFile(folder / "VorbelleStats.bad"), "[Records]\r\nVersion=banana\r\n");
  game->Commands().NewGameMenuClick();
  PutFirstTwo(*game);
  EXPECT_EQ(Stored().Records.TotalWords, 1);
  game->Commands().PrepareFilesAndOptions();  // read once: no second report
  EXPECT_EQ(platform->Boxes.size(), 1u);

  game.reset();
  GetPlatform().RemoveFile(folder / "VorbelleStats.ini");
  ASSERT_TRUE(GetPlatform().CreateFolder(folder / "VorbelleStats.ini"));
  platform->Boxes.clear();
  game = Start();
  ASSERT_EQ(platform->Boxes.size(), 1u);
  EXPECT_NE(platform->Boxes[0].Text.find("cannot be read"), std::string::npos) << platform->Boxes[0].Text;
  game->Commands().NewGameMenuClick();
  PutFirstTwo(*game);
  EXPECT_TRUE(game->FinishGame());
  EXPECT_EQ(platform->Boxes.size(), 1u);  // nothing written, nothing more to report
}

}  // namespace vb
