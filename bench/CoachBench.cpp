// Benchmarks of the coach: the word graph of the Dutch list (time, bytes per
// word), the best move of 15x15 mid-games (English) and dense 30x30 games
// (Dutch), and every move of an empty 30x30 board. Positions come from random
// legal play with a fixed seed. The summary prints "name: value" lines;
// "--smoke" runs a tiny summary only (for ctest).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/coach/MoveFinder.h"
#include "core/coach/WordGraph.h"
#include "core/dictionary/Dictionary.h"
#include "core/text/TextLines.h"
#include "BenchMain.h"
#include "platform/DefaultPlatform.h"

namespace vb {
namespace {

using Clock = std::chrono::steady_clock;

std::string DictionariesFolder() { return std::string(VB_SOURCE_DIR) + "\\data\\VorbelleDictionaries\\"; }

std::unique_ptr<TDictionary> Load(const char* name) {
  auto dictionary = std::make_unique<TDictionary>(DictionariesFolder());
  if (!dictionary->LoadDictionary(name)) std::fprintf(stderr, "cannot load %s\n", name);
  return dictionary;
}

double Seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

void FillStock(TGameState& state, const TDictionary& dictionary, std::mt19937& random) {
  std::discrete_distribution<int> pick(dictionary.LetterProbabilities.begin(), dictionary.LetterProbabilities.end());
  for (int slot = 0; slot < StockSize; ++slot)
    if (state.Stock.Letter(slot) == 0) state.Stock.SetLetter(slot, dictionary.Alphabet[pick(random)]);
}

// Positions after `turns` words, each a random one of the five best moves
// (players pick good moves, which keeps the board open as real games do).
std::vector<TGameState> Positions(const TDictionary& dictionary, const TWordGraph& graph, int size, int turns,
                                  int count, unsigned seed) {
  std::mt19937 random(seed);
  const TMoveFinder finder(graph, dictionary);
  std::vector<TGameState> positions;
  while (static_cast<int>(positions.size()) < count) {
    TGameState state;
    state.StartBoard(size, size);
    FillStock(state, dictionary, random);
    for (int turn = 0, tries = 0; turn < turns && tries < turns * 3; ++tries) {
      std::vector<TMove> moves = finder.AllMoves(state);
      if (moves.empty()) {
        state.Stock.Clear();
        FillStock(state, dictionary, random);
        continue;
      }
      const std::size_t choice = std::uniform_int_distribution<std::size_t>(0, std::min<std::size_t>(moves.size(), 5) - 1)(random);
      LayOutMove(state, moves[choice]);
      state.Board.FixLooseLetters();
      FillStock(state, dictionary, random);
      ++turn;
    }
    positions.push_back(state);
  }
  return positions;
}

// Milliseconds of BestMove per position: the median and the 99th percentile.
void PrintBestMoveTimes(const char* name, const TDictionary& dictionary, const TWordGraph& graph,
                        const std::vector<TGameState>& positions) {
  const TMoveFinder finder(graph, dictionary);
  std::vector<double> times;
  for (const TGameState& state : positions) {
    double best = 1e30;
    for (int repeat = 0; repeat < 3; ++repeat) {
      const auto start = Clock::now();
      benchmark::DoNotOptimize(finder.BestMove(state));
      best = std::min(best, Seconds(start));
    }
    times.push_back(best * 1000);
  }
  std::sort(times.begin(), times.end());
  std::printf("%s_best_move_median_ms: %.3f\n", name, times[times.size() / 2]);
  std::printf("%s_best_move_p99_ms: %.3f\n", name, times[std::min(times.size() - 1, times.size() * 99 / 100)]);
}

void PrintSummary(bool smoke) {
  auto english = Load("English.vbd");
  const TWordGraph englishGraph = TWordGraph::Build(english->WordsList, english->Alphabet);
  std::printf("english_graph_bytes_per_word: %.2f\n",
              static_cast<double>(englishGraph.MemoryBytes()) / english->WordsList.Count());

  const int positions = smoke ? 2 : 300;
  PrintBestMoveTimes("english_15x15_midgame", *english, englishGraph,
                     Positions(*english, englishGraph, 15, smoke ? 3 : 12, positions, 1));

  TGameState empty;
  empty.StartBoard(30, 30);
  std::mt19937 random(3);
  const TMoveFinder finder(englishGraph, *english);
  double worst = 0, total = 0;
  std::size_t moves = 0;
  const int stocks = smoke ? 1 : 50;
  for (int i = 0; i < stocks; ++i) {
    empty.Stock.Clear();
    FillStock(empty, *english, random);
    const auto start = Clock::now();
    moves += finder.AllMoves(empty).size();
    const double seconds = Seconds(start);
    worst = std::max(worst, seconds);
    total += seconds;
  }
  std::printf("english_empty_30x30_all_moves_mean_ms: %.2f (%.0f moves)\n", total / stocks * 1000,
              static_cast<double>(moves) / stocks);
  std::printf("english_empty_30x30_all_moves_worst_ms: %.2f\n", worst * 1000);
  const auto counting = Clock::now();
  for (int i = 0; i < stocks; ++i) benchmark::DoNotOptimize(finder.CountMoves(empty));
  std::printf("english_empty_30x30_count_moves_mean_ms: %.2f\n", Seconds(counting) / stocks * 1000);
  if (smoke) return;

  auto dutch = Load("Dutch.vbd");
  // The raw read and split of the same file, as the baseline of the build time.
  auto start = Clock::now();
  std::string content;
  GetPlatform().ReadFileBytes(DictionariesFolder() + "Dutch.txt", content);
  benchmark::DoNotOptimize(SplitLines(content));
  const double readSplit = Seconds(start);
  double build = 1e30;
  TWordGraph dutchGraph;
  for (int i = 0; i < 3; ++i) {
    start = Clock::now();
    dutchGraph = TWordGraph::Build(dutch->WordsList, dutch->Alphabet);
    build = std::min(build, Seconds(start));
  }
  std::printf("dutch_graph_build_seconds: %.3f (%zu words)\n", build, dutch->WordsList.Count());
  std::printf("dutch_graph_build_over_read_and_split: %.1f\n", build / readSplit);
  std::printf("dutch_graph_bytes_per_word: %.2f\n",
              static_cast<double>(dutchGraph.MemoryBytes()) / dutch->WordsList.Count());
  PrintBestMoveTimes("dutch_30x30_dense", *dutch, dutchGraph, Positions(*dutch, dutchGraph, 30, 60, 100, 2));
}

void BM_BuildEnglishGraph(benchmark::State& state) {
  auto english = Load("English.vbd");
  for (auto _ : state) benchmark::DoNotOptimize(TWordGraph::Build(english->WordsList, english->Alphabet));
}
BENCHMARK(BM_BuildEnglishGraph)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vb

int main(int argc, char** argv) { return vb::RunBenchmarkProgram(argc, argv, vb::PrintSummary); }
