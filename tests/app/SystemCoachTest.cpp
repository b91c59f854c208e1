// The coach in the real Vorbelle.exe (system-coach.sh): a crafted game loaded
// with Ctrl+Z, Ctrl+H and Alt+P put the hint, and the saved game shows the
// score grown by exactly the best score the finder computes with the real
// comparison, from letters placed as one of the best moves. And undo and redo
// there (system-undo.sh): the saved games match byte for byte.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/SystemTestSupport.h"
#include "core/coach/MoveFinder.h"
#include "core/coach/WordGraph.h"
#include "core/files/GameFile.h"
#include "core/input/PlainTextInput.h"
#include "support/TempFolder.h"

namespace vb {
namespace {

// GRAVEL across the middle of a 15 x 15 English board, seven letters at hand.
TGameState CraftedGame() {
  TGameState state;
  state.StartBoard(15, 15);
  const std::string word = "GRAVEL";
  for (std::size_t i = 0; i < word.size(); ++i)
    state.Board.SetCell(4 + static_cast<int>(i), 7, TBoardCell{static_cast<unsigned char>(word[i]), false});
  const std::string stock = "NOSTRIL";
  for (int slot = 0; slot < StockSize; ++slot) state.Stock.SetLetter(slot, stock[slot]);
  state.Score = 40;
  return state;
}

void WriteGameFile(const std::string& path, const TGameState& state) {
  TStoredTextList list(path);
  list.OnSave = [&state](TStoredTextList& l) { WriteGame(l, state, "English.vbd"); };
  ASSERT_TRUE(list.SaveAs(path, false));
}

TGameState ReadGameFile(const std::string& path) {
  TGameState state;
  TPlainTextInput columns{"15"}, rows{"15"};
  std::string dictionaryName;
  TStoredTextList list(path);
  const TCommonSettings settings{state, columns, rows, dictionaryName};
  list.OnLoad = [&settings](TStoredTextList& l) { ReadGame(l, settings); };
  EXPECT_TRUE(list.LoadFrom(path));
  return state;
}

// The cells fixed in `after` that were empty in `before`, as a move's letters.
std::vector<TPlacedLetter> NewlyFixed(const TGameState& before, const TGameState& after) {
  std::vector<TPlacedLetter> placed;
  for (int row = 0; row < 15; ++row)
    for (int column = 0; column < 15; ++column)
      if (before.Board.Cell(column, row).Letter == 0 && after.Board.Cell(column, row).Letter != 0)
        placed.push_back({static_cast<std::uint8_t>(column), static_cast<std::uint8_t>(row),
                          after.Board.Cell(column, row).Letter});
  return placed;
}

TEST(SystemCoachTest, AHintPutInTheRealProgramScoresTheBestMove) {
  if (test::ProgramPath().empty()) GTEST_SKIP() << "no program to start";
  if (!test::Exists("Z:\\usr\\bin\\xdotool") || !test::Exists("Z:\\bin\\bash")) GTEST_SKIP() << "xdotool or bash missing";
  const std::string out = test::ProgramFolder() + "/system-coach";
  const std::string outFolder = test::WindowsForm(out) + "\\";
  ::CreateDirectoryA(test::WindowsForm(out).c_str(), nullptr);
  const TGameState start = CraftedGame();
  WriteGameFile(outFolder + "start.vbg", start);
  ::DeleteFileA((outFolder + "after.vbg").c_str());

  const std::string verdict = test::RunSystemScript("system-coach.sh", {out}, 400);
  ASSERT_FALSE(verdict.empty()) << "the system test gave no verdict";
  ASSERT_EQ(verdict.substr(0, 4), "PASS") << verdict;

  TDictionary dictionary(test::WindowsForm(std::string(VB_SOURCE_DIR) + "/data/VorbelleDictionaries") + "\\");
  ASSERT_TRUE(dictionary.LoadDictionary("English.vbd"));
  const TWordGraph graph = TWordGraph::Build(dictionary.WordsList, dictionary.Alphabet);
  const std::vector<TMove> moves = TMoveFinder(graph, dictionary).AllMoves(start);
  ASSERT_FALSE(moves.empty());
  const std::int32_t best = moves.front().Score;

  const TGameState after = ReadGameFile(outFolder + "after.vbg");
  EXPECT_EQ(after.Score, start.Score + best);
  const std::vector<TPlacedLetter> placed = NewlyFixed(start, after);
  bool isABestMove = false;
  for (const TMove& move : moves)
    if (move.Score == best && std::vector<TPlacedLetter>(move.begin(), move.end()) == placed) isABestMove = true;
  EXPECT_TRUE(isABestMove) << placed.size() << " letters placed; the best move is " << moves.front().Word;
}

// GRAVEL across row 7 from column 4: a click on the cell right of its L and
// "S" typed make GRAVELS; Enter puts it, and the saved game holds it fixed
// with the score grown by exactly its possible score.
TEST(SystemKeyboardTest, AWordTypedAfterAClickIsPutByEnterInTheRealProgram) {
  if (test::ProgramPath().empty()) GTEST_SKIP() << "no program to start";
  if (!test::Exists("Z:\\usr\\bin\\xdotool") || !test::Exists("Z:\\bin\\bash")) GTEST_SKIP() << "xdotool or bash missing";
  const std::string out = test::ProgramFolder() + "/system-keyboard";
  const std::string outFolder = test::WindowsForm(out) + "\\";
  ::CreateDirectoryA(test::WindowsForm(out).c_str(), nullptr);
  const TGameState start = CraftedGame();
  WriteGameFile(outFolder + "start.vbg", start);
  ::DeleteFileA((outFolder + "typed.vbg").c_str());

  const std::string verdict = test::RunSystemScript("system-keyboard.sh", {out, "10", "7", "s"}, 400);
  ASSERT_FALSE(verdict.empty()) << "the system test gave no verdict";
  ASSERT_EQ(verdict.substr(0, 4), "PASS") << verdict;

  TDictionary dictionary(test::WindowsForm(std::string(VB_SOURCE_DIR) + "/data/VorbelleDictionaries") + "\\");
  ASSERT_TRUE(dictionary.LoadDictionary("English.vbd"));
  ASSERT_TRUE(dictionary.IsKnownWord("GRAVELS"));
  TGameState typed = start;
  typed.Board.SetCell(10, 7, TBoardCell{'S', true});
  typed.Board.AddLooseLetter(10, 7);
  const std::int32_t possible = typed.PossibleScore(dictionary);

  const TGameState after = ReadGameFile(outFolder + "typed.vbg");
  EXPECT_EQ(after.Board.Cell(10, 7).Letter, 'S');
  EXPECT_FALSE(after.Board.Cell(10, 7).Loose);
  EXPECT_EQ(after.Board.LooseCount(), 0);
  EXPECT_EQ(after.Score, start.Score + possible);
}

TEST(SystemUndoTest, UndoAndRedoInTheRealProgramSaveExactlyTheGamesBeforeAndAfterThePut) {
  if (test::ProgramPath().empty()) GTEST_SKIP() << "no program to start";
  if (!test::Exists("Z:\\usr\\bin\\xdotool") || !test::Exists("Z:\\bin\\bash")) GTEST_SKIP() << "xdotool or bash missing";
  const std::string out = test::ProgramFolder() + "/system-undo";
  const std::string verdict = test::RunSystemScript("system-undo.sh", {out}, 400);
  ASSERT_FALSE(verdict.empty()) << "the system test gave no verdict";
  ASSERT_EQ(verdict.substr(0, 4), "PASS") << verdict;
  const std::string folder = test::WindowsForm(out) + "\\";
  const std::string before = test::ReadTextFile(folder + "before.vbg");
  const std::string after = test::ReadTextFile(folder + "after.vbg");
  ASSERT_NE(before, after) << "the put changed nothing";
  EXPECT_EQ(test::ReadTextFile(folder + "undone.vbg"), before);
  EXPECT_EQ(test::ReadTextFile(folder + "redone.vbg"), after);
  // Right after a load there is nothing to undo.
  EXPECT_EQ(test::ReadTextFile(folder + "reloaded.vbg"), after);
}

// On a screen of 144 DPI the real program lays its window out at one and a
// half times the design: a click where the Columns box lies at that scale
// picks the board width of the next game.
TEST(SystemDpiTest, AtOneHundredFortyFourDpiTheColumnsBoxLiesAtOneAndAHalfTimesItsPlace) {
  if (test::ProgramPath().empty()) GTEST_SKIP() << "no program to start";
  if (!test::Exists("Z:\\usr\\bin\\xdotool") || !test::Exists("Z:\\bin\\bash")) GTEST_SKIP() << "xdotool or bash missing";
  const std::string out = test::ProgramFolder() + "/system-dpi";
  ::DeleteFileA((test::WindowsForm(out) + "\\dpi.vbg").c_str());
  const std::string verdict = test::RunSystemScript("system-dpi.sh", {out}, 400);
  ASSERT_FALSE(verdict.empty()) << "the system test gave no verdict";
  ASSERT_EQ(verdict.substr(0, 4), "PASS") << verdict;
  const TGameState saved = ReadGameFile(test::WindowsForm(out) + "\\dpi.vbg");
  EXPECT_EQ(saved.Board.ColumnsCount, 20);
  EXPECT_EQ(saved.Board.RowsCount, 15);
}

}  // namespace
}  // namespace vb
