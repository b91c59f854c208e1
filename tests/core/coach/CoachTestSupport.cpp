#include "core/coach/CoachTestSupport.h"

#include <algorithm>
#include <numeric>

#include "core/game/Scoring.h"
#include "core/game/WordCheck.h"
#include "core/text/Cp1252.h"
#include "core/text/Text.h"

namespace vb::test {

std::string GermanFoldPlatform::Normal(const std::string& text) {
  std::string normal;
  for (unsigned char c : UpperCp1252(text)) {
    if (c == 0xAD) continue;
    if (c == 0xDF)
      normal += "SS";
    else if (c == 0xC6)
      normal += "AE";
    else
      normal += static_cast<char>(c);
  }
  return normal;
}

std::unique_ptr<TDictionary> MakeDictionary(const std::string& alphabet, const std::vector<std::string>& words) {
  auto dictionary = std::make_unique<TDictionary>("");
  for (std::size_t i = 0; i < alphabet.size(); ++i) {
    dictionary->Alphabet[i] = static_cast<unsigned char>(alphabet[i]);
    dictionary->LetterProbabilities[i] = 100;
    dictionary->LetterScores[i] = static_cast<std::int32_t>(i % 5 + 1);
  }
  dictionary->LengthScores = {1, 2, 4, 7, 11, 16, 50};
  std::string text;
  for (const std::string& word : words) text += word + "\r\n";
  dictionary->WordsList.SetText(text);
  return dictionary;
}

TGameState MakeState(int columns, int rows, const std::vector<std::string>& picture, const std::string& stock) {
  TGameState state;
  state.StartBoard(columns, rows);
  for (std::size_t row = 0; row < picture.size(); ++row)
    for (std::size_t column = 0; column < picture[row].size(); ++column)
      if (picture[row][column] != '.')
        state.Board.SetCell(static_cast<int>(column), static_cast<int>(row),
                            TBoardCell{static_cast<unsigned char>(picture[row][column]), false});
  for (std::size_t slot = 0; slot < stock.size(); ++slot)
    state.Stock.SetLetter(static_cast<int>(slot), static_cast<unsigned char>(stock[slot]));
  return state;
}

TMoveKey KeyOf(const TMove& move) {
  std::vector<std::tuple<int, int, int>> letters;
  for (const TPlacedLetter& p : move) letters.emplace_back(p.Column, p.Row, p.Letter);
  std::sort(letters.begin(), letters.end());
  return TMoveKey{letters, move.Word, move.Flipped, move.Score};
}

std::set<TMoveKey> KeysOf(const std::vector<TMove>& moves) {
  std::set<TMoveKey> keys;
  for (const TMove& move : moves) keys.insert(KeyOf(move));
  return keys;
}

namespace {

struct TBruteForce {
  const TDictionary& Dictionary;
  TBoard Board;
  std::string AtHand;  // sorted letters
  int MaxSpan;
  std::set<TMoveKey> Moves;

  void Judge() {
    const std::string word = CurrentWord(Board);
    if (word.size() < 2) return;
    std::vector<std::tuple<int, int, int>> letters;
    for (int i = 0; i < Board.LooseCount(); ++i) {
      const TCellPosition p = Board.LooseLetter(i);
      letters.emplace_back(p.Column, p.Row, Board.Cell(p.Column, p.Row).Letter);
    }
    std::sort(letters.begin(), letters.end());
    const int score = PossibleScore(Board, Dictionary);
    if (Dictionary.IsKnownWord(word)) Moves.insert(TMoveKey{letters, word, false, score});
    const std::string flipped = ReverseText(word);
    if (flipped != word && Dictionary.IsKnownWord(flipped)) Moves.insert(TMoveKey{letters, flipped, true, score});
  }

  // Places every order of every choice of letters on the chosen cells.
  void Place(const std::vector<TCellPosition>& cells, std::size_t next, std::string& left) {
    if (next == cells.size()) return Judge();
    for (std::size_t i = 0; i < left.size(); ++i) {
      if (i > 0 && left[i] == left[i - 1]) continue;  // the same letter again
      const char letter = left[i];
      left.erase(i, 1);
      Board.SetCell(cells[next].Column, cells[next].Row, TBoardCell{static_cast<unsigned char>(letter), true});
      Board.AddLooseLetter(cells[next].Column, cells[next].Row);
      Place(cells, next + 1, left);
      Board.RemoveLooseLetter(cells[next].Column, cells[next].Row);
      left.insert(i, 1, letter);
    }
  }

  // Every set of empty cells of one line, of 1..7 cells.
  void Choose(const std::vector<TCellPosition>& line, std::size_t from, std::vector<TCellPosition>& cells) {
    if (!cells.empty()) {
      std::string left = AtHand;
      Place(cells, 0, left);
    }
    if (cells.size() == std::min<std::size_t>(AtHand.size(), MaxLooseLetters)) return;
    for (std::size_t i = from; i < line.size(); ++i) {
      if (!cells.empty() && std::abs(line[i].Column - cells[0].Column) + std::abs(line[i].Row - cells[0].Row) >= MaxSpan)
        break;
      cells.push_back(line[i]);
      Choose(line, i + 1, cells);
      cells.pop_back();
    }
  }
};

int SpanOf(const TMoveKey& move) {
  const auto& letters = std::get<0>(move);
  int low = 1000, high = -1;
  for (const auto& [column, row, letter] : letters) {
    (void)letter;
    const int along = std::get<0>(letters.front()) == std::get<0>(letters.back()) && letters.size() > 1 ? row : column;
    low = std::min(low, along);
    high = std::max(high, along);
  }
  return high - low + 1;
}

}  // namespace

std::set<TMoveKey> BruteForceMoves(const TGameState& state, const TDictionary& dictionary, int maxSpan) {
  TBruteForce brute{dictionary, state.Board, {}, maxSpan, {}};
  for (int slot = 0; slot < StockSize; ++slot)
    if (state.Stock.Letter(slot) != 0) brute.AtHand += static_cast<char>(state.Stock.Letter(slot));
  while (brute.Board.LooseCount() > 0) {
    const TCellPosition p = brute.Board.LooseLetter(0);
    brute.AtHand += static_cast<char>(brute.Board.Cell(p.Column, p.Row).Letter);
    brute.Board.RemoveLooseLetter(p.Column, p.Row);
  }
  std::sort(brute.AtHand.begin(), brute.AtHand.end());
  const TBoard& board = brute.Board;
  for (bool horizontal : {true, false}) {
    const int lines = horizontal ? board.RowsCount : board.ColumnsCount;
    const int length = horizontal ? board.ColumnsCount : board.RowsCount;
    for (int l = 0; l < lines; ++l) {
      std::vector<TCellPosition> empty;
      for (int i = 0; i < length; ++i) {
        const TCellPosition p = horizontal ? TCellPosition{i, l} : TCellPosition{l, i};
        if (!board.IsOccupied(p.Column, p.Row)) empty.push_back(p);
      }
      std::vector<TCellPosition> cells;
      brute.Choose(empty, 0, cells);
    }
  }
  return brute.Moves;
}

std::set<TMoveKey> WithinSpan(const std::set<TMoveKey>& moves, int maxSpan) {
  std::set<TMoveKey> within;
  for (const TMoveKey& move : moves)
    if (SpanOf(move) <= maxSpan) within.insert(move);
  return within;
}

void FillStockRandomly(TGameState& state, const TDictionary& dictionary, std::mt19937& random, int stockSize) {
  int letters = 0;
  while (dictionary.Alphabet[letters] != 0) ++letters;
  std::uniform_int_distribution<int> pick(0, letters - 1);
  for (int slot = 0; slot < stockSize; ++slot)
    if (state.Stock.Letter(slot) == 0) state.Stock.SetLetter(slot, dictionary.Alphabet[pick(random)]);
}

TGameState RandomlyPlayed(int columns, int rows, const TDictionary& dictionary, const TWordGraph& graph, int turns,
                          std::mt19937& random, int stockSize) {
  TGameState state;
  state.StartBoard(columns, rows);
  FillStockRandomly(state, dictionary, random, stockSize);
  const TMoveFinder finder(graph, dictionary);
  for (int turn = 0, tries = 0; turn < turns && tries < turns * 4; ++tries) {
    const std::vector<TMove> moves = finder.AllMoves(state);
    if (moves.empty()) {
      state.Stock.Clear();
      FillStockRandomly(state, dictionary, random, stockSize);
      continue;
    }
    const TMove& move = moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(random)];
    if (!LayOutMove(state, move)) break;
    state.Score += move.Score;
    state.Board.FixLooseLetters();
    FillStockRandomly(state, dictionary, random, stockSize);
    ++turn;
  }
  return state;
}

std::vector<std::string> RandomWords(const std::string& letters, int count, int maxLength, std::mt19937& random) {
  std::uniform_int_distribution<int> length(2, maxLength);
  std::uniform_int_distribution<std::size_t> letter(0, letters.size() - 1);
  std::vector<std::string> words(static_cast<std::size_t>(count));
  for (std::string& word : words) {
    word.resize(static_cast<std::size_t>(length(random)));
    for (char& c : word) c = letters[letter(random)];
  }
  return words;
}

}  // namespace vb::test
