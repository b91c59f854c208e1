#include "core/coach/ReferenceMoveFinder.h"

#include <algorithm>
#include <unordered_map>

#include "core/game/Scoring.h"
#include "core/text/Text.h"

namespace vb::test {

namespace {

// The position as the finder sees it: the board without loose letters, and the
// letters at hand (stock plus loose letters).
struct TPosition {
  TBoard Board;
  std::array<int, 256> Counts{};
  std::vector<unsigned char> Letters;  // distinct letters at hand
  int MaxPlaced = 0;
  bool BoardEmpty = false;
};

TPosition PositionOf(const TGameState& state) {
  TPosition position;
  position.Board = state.Board;
  int atHand = 0;
  auto take = [&](unsigned char letter) {
    if (letter == 0) return;
    if (position.Counts[letter]++ == 0) position.Letters.push_back(letter);
    ++atHand;
  };
  for (int slot = 0; slot < StockSize; ++slot) take(state.Stock.Letter(slot));
  while (position.Board.LooseCount() > 0) {
    const TCellPosition p = position.Board.LooseLetter(position.Board.LooseCount() - 1);
    take(position.Board.Cell(p.Column, p.Row).Letter);
    position.Board.RemoveLooseLetter(p.Column, p.Row);
  }
  position.MaxPlaced = std::min(atHand, MaxLooseLetters);
  position.BoardEmpty = position.Board.BoardHasNoFixedLetters(position.Board.ColumnsCount, position.Board.RowsCount);
  return position;
}

// A run of cells along a row (Horizontal) or column that a move fills
// completely: empty cells before and after it, at least one empty cell inside.
struct TSegment {
  bool Horizontal = true;
  int Line = 0, Start = 0, Length = 0;
  int Free = 0;
  std::int32_t Bound = 0;  // no move in it scores more
};

struct TLine {
  const TBoard& Board;
  bool Horizontal;
  int Line;
  int Length() const { return Horizontal ? Board.ColumnsCount : Board.RowsCount; }
  TCellPosition At(int i) const { return Horizontal ? TCellPosition{i, Line} : TCellPosition{Line, i}; }
  unsigned char Letter(int i) const {
    const TCellPosition p = At(i);
    return Board.Cell(p.Column, p.Row).Letter;
  }
  bool Occupied(int i) const { return i >= 0 && i < Length() && Letter(i) != 0; }
  // A letter placed here would touch a letter across the word.
  bool Blocked(int i) const {
    const TCellPosition p = At(i);
    return Horizontal ? Board.IsOccupied(p.Column, p.Row - 1) || Board.IsOccupied(p.Column, p.Row + 1)
                      : Board.IsOccupied(p.Column - 1, p.Row) || Board.IsOccupied(p.Column + 1, p.Row);
  }
};

// The runs the word check accepts: every empty cell of the run filled, none
// touching a letter across the word, a fixed letter in it once the board has
// one, and a single placed letter only at an end of the run (touching exactly one letter).
void AddSegments(const TLine& line, const TPosition& position, std::vector<TSegment>& segments) {
  const int length = line.Length();
  for (int start = 0; start < length; ++start) {
    if (line.Occupied(start - 1)) continue;
    int free = 0, firstFree = -1;
    bool hasFixed = false;
    for (int end = start; end < length; ++end) {
      if (line.Occupied(end)) {
        hasFixed = true;
      } else {
        if (line.Blocked(end) || ++free > position.MaxPlaced) break;
        if (firstFree < 0) firstFree = end;
      }
      if (line.Occupied(end + 1) || free == 0 || end == start) continue;
      if (!hasFixed && !position.BoardEmpty) continue;
      if (free == 1 && firstFree != start && firstFree != end) continue;
      segments.push_back(TSegment{line.Horizontal, line.Line, start, end - start + 1, free, 0});
    }
  }
}

std::vector<TSegment> SegmentsOf(const TPosition& position) {
  std::vector<TSegment> segments;
  const TBoard& board = position.Board;
  if (position.MaxPlaced == 0) return segments;
  for (int row = 0; row < board.RowsCount; ++row) AddSegments(TLine{board, true, row}, position, segments);
  for (int column = 0; column < board.ColumnsCount; ++column)
    AddSegments(TLine{board, false, column}, position, segments);
  return segments;
}

// The letters that fill a segment's empty cells, in reading order, and how they are put.
struct TFill {
  std::array<unsigned char, MaxLooseLetters> Letters{};
  bool Flipped = false;
  std::int32_t Score = 0;
  std::string Word;  // as put
  mutable signed char Known = -1;  // the lookup's verdict, asked once
};

// Finds the fills of one pattern (the segment's letters, 0 for an empty cell)
// whose folded word is in the graph, read forwards and backwards.
class TFiller {
 public:
  TFiller(const TWordGraph& graph, const TDictionary& dictionary, TPosition& position)
      : graph_(graph), dictionary_(dictionary), position_(position) {}

  const std::vector<TFill>& FillsOf(const TLine& line, const TSegment& segment) {
    pattern_.assign(segment.Length, '\0');
    for (int i = 0; i < segment.Length; ++i) pattern_[i] = static_cast<char>(line.Letter(segment.Start + i));
    auto found = cache_.find(pattern_);
    if (found != cache_.end()) return found->second;
    std::vector<TFill>& fills = cache_[pattern_];
    freeOrdinal_.assign(segment.Length, -1);
    int ordinal = 0;
    for (int i = 0; i < segment.Length; ++i)
      if (pattern_[i] == '\0') freeOrdinal_[i] = ordinal++;
    for (bool flipped : {false, true}) {
      flipped_ = flipped;
      fills_ = &fills;
      Walk(0, graph_.Start());
    }
    return fills;
  }

  bool Known(const TFill& fill) const {
    if (fill.Known < 0) fill.Known = dictionary_.IsKnownWord(fill.Word) ? 1 : 0;
    return fill.Known == 1;
  }

 private:
  void Walk(int step, TWordGraph::TCursor cursor) {
    const int length = static_cast<int>(pattern_.size());
    if (step == length) {
      if (cursor.IsWord) Record();
      return;
    }
    const int cell = flipped_ ? length - 1 - step : step;
    const unsigned char fixed = static_cast<unsigned char>(pattern_[cell]);
    if (fixed != 0) {
      if (graph_.StepLetter(cursor, fixed)) Walk(step + 1, cursor);
      return;
    }
    for (unsigned char letter : position_.Letters) {
      int& count = position_.Counts[letter];
      if (count == 0) continue;
      TWordGraph::TCursor next = cursor;
      if (!graph_.StepLetter(next, letter)) continue;
      --count;
      chosen_[freeOrdinal_[cell]] = letter;
      Walk(step + 1, next);
      ++count;
    }
  }

  void Record() {
    TFill fill;
    fill.Flipped = flipped_;
    std::string word = pattern_;
    int free = 0;
    std::int64_t score = 0;
    for (char& c : word) {
      if (c != '\0') continue;
      fill.Letters[free] = chosen_[free];
      c = static_cast<char>(chosen_[free]);
      score += LetterScoreOf(dictionary_, chosen_[free]);
      ++free;
    }
    if (flipped_) {
      std::string reversed = ReverseText(word);
      if (reversed == word) return;  // a palindrome: the same move as put forwards
      word = std::move(reversed);
    }
    fill.Word = std::move(word);
    fill.Score = static_cast<std::int32_t>(score + dictionary_.LengthScore(free));
    fills_->push_back(std::move(fill));
  }

  const TWordGraph& graph_;
  const TDictionary& dictionary_;
  TPosition& position_;
  std::unordered_map<std::string, std::vector<TFill>> cache_;
  std::string pattern_;
  std::vector<int> freeOrdinal_;
  std::array<unsigned char, MaxLooseLetters> chosen_{};
  bool flipped_ = false;
  std::vector<TFill>* fills_ = nullptr;
};

TMove MoveOf(const TLine& line, const TSegment& segment, const TFill& fill) {
  TMove move;
  for (int i = 0; i < segment.Length; ++i) {
    const int at = segment.Start + i;
    if (line.Occupied(at)) continue;
    const TCellPosition p = line.At(at);
    move.Letters[move.LettersCount] = TPlacedLetter{static_cast<std::uint8_t>(p.Column), static_cast<std::uint8_t>(p.Row),
                                                    fill.Letters[move.LettersCount]};
    ++move.LettersCount;
  }
  move.Flipped = fill.Flipped;
  move.Word = fill.Word;
  move.Score = fill.Score;
  return move;
}

// Calls visit(line, segment, fill) for every legal move; stops when it returns false.
template <class Visit>
void ForEachMove(const TWordGraph& graph, const TDictionary& dictionary, const TGameState& state, Visit&& visit) {
  TPosition position = PositionOf(state);
  TFiller filler(graph, dictionary, position);
  for (const TSegment& segment : SegmentsOf(position)) {
    const TLine line{position.Board, segment.Horizontal, segment.Line};
    for (const TFill& fill : filler.FillsOf(line, segment))
      if (filler.Known(fill)) visit(line, segment, fill);
  }
}

}  // namespace

std::vector<TMove> TReferenceMoveFinder::AllMoves(const TGameState& state) const {
  std::vector<TMove> moves;
  ForEachMove(graph_, dictionary_, state,
              [&](const TLine& line, const TSegment& segment, const TFill& fill) {
                moves.push_back(MoveOf(line, segment, fill));
              });
  std::sort(moves.begin(), moves.end(), IsBetterMove);
  return moves;
}

std::size_t TReferenceMoveFinder::CountMoves(const TGameState& state) const {
  std::size_t count = 0;
  ForEachMove(graph_, dictionary_, state, [&](const TLine&, const TSegment&, const TFill&) { ++count; });
  return count;
}

std::optional<TMove> TReferenceMoveFinder::BestMove(const TGameState& state) const {
  TPosition position = PositionOf(state);
  std::vector<TSegment> segments = SegmentsOf(position);
  // The best scores of k letters at hand, for the bound of a segment with k empty cells.
  std::vector<std::int32_t> scores;
  for (unsigned char letter : position.Letters)
    for (int i = 0; i < position.Counts[letter]; ++i) scores.push_back(LetterScoreOf(dictionary_, letter));
  std::sort(scores.rbegin(), scores.rend());
  std::array<std::int32_t, MaxLooseLetters + 1> bound{};
  std::int64_t best = 0;
  for (int k = 1; k <= position.MaxPlaced; ++k) {
    best += scores[k - 1];
    bound[k] = static_cast<std::int32_t>(best + dictionary_.LengthScore(k));
  }
  for (TSegment& segment : segments) segment.Bound = bound[segment.Free];
  std::stable_sort(segments.begin(), segments.end(),
                   [](const TSegment& a, const TSegment& b) { return a.Bound > b.Bound; });

  TFiller filler(graph_, dictionary_, position);
  std::optional<TMove> found;
  for (const TSegment& segment : segments) {
    if (found && segment.Bound < found->Score) break;
    const TLine line{position.Board, segment.Horizontal, segment.Line};
    for (const TFill& fill : filler.FillsOf(line, segment)) {
      if (found && fill.Score < found->Score) continue;
      if (!filler.Known(fill)) continue;
      TMove move = MoveOf(line, segment, fill);
      if (!found || IsBetterMove(move, *found)) found = std::move(move);
    }
  }
  return found;
}

}  // namespace vb::test
