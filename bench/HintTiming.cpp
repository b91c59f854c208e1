#include "HintTiming.h"

#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "core/coach/Coach.h"
#include "core/coach/MoveFinder.h"
#include "core/coach/WordGraph.h"
#include "core/dictionary/Dictionary.h"

namespace vb {

namespace {
void FillStock(TGameState& state, const TDictionary& dictionary, std::mt19937& random) {
  std::discrete_distribution<int> pick(dictionary.LetterProbabilities.begin(), dictionary.LetterProbabilities.end());
  for (int slot = 0; slot < StockSize; ++slot)
    if (state.Stock.Letter(slot) == 0) state.Stock.SetLetter(slot, dictionary.Alphabet[pick(random)]);
}

// After 6 to 14 words, each one of the five best moves, as players tend to pick.
std::vector<TGameState> MidGames(const TDictionary& dictionary, std::size_t count) {
  const TWordGraph graph = TWordGraph::Build(dictionary.WordsList, dictionary.Alphabet);
  const TMoveFinder finder(graph, dictionary);
  std::mt19937 random(2026);
  std::vector<TGameState> positions;
  while (positions.size() < count) {
    TGameState state;
    state.StartBoard(15, 15);
    const int turns = 6 + static_cast<int>(random() % 9);
    for (int turn = 0, tries = 0; turn < turns && tries < 3 * turns; ++tries) {
      FillStock(state, dictionary, random);
      const std::vector<TMove> moves = finder.AllMoves(state);
      if (moves.empty()) {
        state.Stock.Clear();
        continue;
      }
      const TMove& move = moves[random() % std::min<std::size_t>(5, moves.size())];
      for (const TPlacedLetter& placed : move) {
        for (int slot = 0; slot < StockSize; ++slot)
          if (state.Stock.Letter(slot) == placed.Letter) {
            state.Stock.SetLetter(slot, 0);
            break;
          }
        state.Board.SetCell(placed.Column, placed.Row, TBoardCell{placed.Letter, false});
      }
      ++turn;
    }
    FillStock(state, dictionary, random);
    positions.push_back(state);
  }
  return positions;
}
}  // namespace

THintFigures MeasureHints(std::size_t count) {
  TDictionary dictionary(std::string(VB_SOURCE_DIR) + "\\data\\VorbelleDictionaries\\");
  THintFigures figures;
  if (!dictionary.LoadDictionary("English.vbd")) return figures;
  const std::vector<TGameState> positions = MidGames(dictionary, count);
  TCoach coach(dictionary);
  coach.WordsListChanged(true);
  coach.WaitUntilReady();
  std::vector<double> milliseconds;
  for (const TGameState& position : positions) {
    const auto start = std::chrono::steady_clock::now();
    coach.NextHint(position);
    milliseconds.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(milliseconds.begin(), milliseconds.end());
  figures.Positions = milliseconds.size();
  figures.MedianMilliseconds = milliseconds[milliseconds.size() / 2];
  figures.WorstMilliseconds = milliseconds.back();
  return figures;
}

}  // namespace vb
