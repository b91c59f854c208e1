#include "core/coach/MoveFinder.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <iterator>
#include <limits>
#include <string>
#include <unordered_map>
#include <utility>

#include "core/coach/FinderPosition.h"
#include "core/game/Scoring.h"

namespace vb {

namespace {

using finder::TPosition;
using finder::TWalk;
using finder::ReadPosition;
using finder::WalksOf;

constexpr std::int64_t NoThreshold = std::numeric_limits<std::int64_t>::min();

// The letters that fill the empty cells of a run (in the order walked), and what they put.
struct TFill {
  std::array<unsigned char, MaxLooseLetters> Letters{};
  std::uint8_t Length = 0;  // cells of the run
  std::uint8_t Free = 0;
  std::int32_t Score = 0;
  std::string Word;  // as put: the letters in the order walked
  mutable signed char Known = -1;  // the lookup's verdict, asked once
  mutable std::uint32_t Group = 0;  // the place of its score and word among the moves listed
};

static_assert(StockSize + MaxLooseLetters <= 32, "one bit per distinct letter at hand");

// Finds the fills of walks whose word is in the graph. Walks over the same
// cells with the same stops share their fills. With a threshold, fills scoring
// less may be left out; the threshold only rises, so shared fills stay complete.
class TFiller {
 public:
  TFiller(const TWordGraph& graph, const TDictionary& dictionary, TPosition& position)
      : graph_(graph), dictionary_(dictionary), position_(position) {
    for (int k = 1; k <= MaxLooseLetters; ++k) lengthScore_[k] = dictionary.LengthScore(k);
    const TLetterFold& fold = graph.Fold();
    for (std::size_t i = 0; i < position.Letters.size(); ++i) {
      const unsigned char letter = position.Letters[i];
      if (fold.Length(letter) == 1)
        byByte_[fold.Bytes(letter)[0]] |= 1u << i;
      else
        others_ |= 1u << i;
    }
  }

  // The best score of any `placed` letters still at hand.
  std::int64_t BestOfRemaining(int placed) const {
    std::int64_t sum = 0;
    for (unsigned char letter : position_.Letters) {
      if (placed == 0) break;
      const int take = std::min(placed, position_.Counts[letter]);
      sum += static_cast<std::int64_t>(take) * position_.Score[letter];
      placed -= take;
    }
    return sum;
  }

  std::int32_t BoundOf(const TWalk& walk) {
    Prepare(walk);
    std::int64_t bound = std::numeric_limits<std::int32_t>::min();
    for (int free = 1; free <= MaxLooseLetters; ++free)
      if (freesAhead_[0] & (1u << free)) bound = std::max(bound, BestOfRemaining(free) + lengthScore_[free]);
    return static_cast<std::int32_t>(bound);
  }

  const std::vector<TFill>& FillsOf(const TWalk& walk) { return *Fill(walk, nullptr).first; }

  // Offers each fill of the walk as soon as it is found; the offer may raise
  // the threshold, which prunes the rest of the walk.
  void OfferFills(const TWalk& walk, const std::function<void(const TFill&)>& offer) {
    const auto [fills, fresh] = Fill(walk, &offer);
    if (!fresh)
      for (const TFill& fill : *fills) offer(fill);
  }

  // Fills scoring less than this may be left out.
  void RaiseThreshold(std::int64_t threshold) { threshold_ = std::max(threshold_, threshold); }

  bool Known(const TFill& fill) const {
    if (fill.Known < 0) fill.Known = dictionary_.IsKnownWord(fill.Word) ? 1 : 0;
    return fill.Known == 1;
  }

  template <class Visit>
  void ForEachFill(Visit&& visit) const {
    for (const auto& entry : cache_)
      for (const TFill& fill : entry.second) visit(fill);
  }

 private:
  const std::string& KeyOf(const TWalk& walk) {
    Prepare(walk);
    key_.assign(pattern_, pattern_ + walk.Length);
    key_.append(reinterpret_cast<const char*>(&walk.Stops), sizeof walk.Stops);
    key_ += walk.Backward ? 'b' : 'f';  // a backward read drops palindromes
    return key_;
  }

  // The walk's fills, and whether they were found just now (and offered).
  std::pair<const std::vector<TFill>*, bool> Fill(const TWalk& walk, const std::function<void(const TFill&)>* offer) {
    auto found = cache_.find(KeyOf(walk));
    if (found != cache_.end()) return {&found->second, false};
    std::vector<TFill>& fills = cache_[key_];
    fills_ = &fills;
    offer_ = offer;
    backward_ = walk.Backward;
    stops_ = walk.Stops;
    length_ = walk.Length;
    Walk(0, graph_.Start(), 0, 0);
    return {&fills, true};
  }

  // The walk's cells in the order walked, and for each step the free counts of the stops ahead.
  void Prepare(const TWalk& walk) {
    const auto& letters = position_.Letter[walk.Direction][walk.Line];
    for (int step = 0; step < walk.Length; ++step) pattern_[step] = static_cast<char>(letters[walk.Cell(step)]);
    int free = 0;
    std::array<std::uint8_t, BoardGridSize + 1> freeAt{};
    for (int step = 0; step < walk.Length; ++step) {
      if (pattern_[step] == '\0') ++free;
      freeAt[step] = static_cast<std::uint8_t>(free);
    }
    freesAhead_[walk.Length] = 0;
    for (int step = walk.Length - 1; step >= 0; --step)
      freesAhead_[step] = freesAhead_[step + 1] | ((walk.Stops >> step) & 1u ? 1u << freeAt[step] : 0u);
  }

  // Whether some stop ahead could still reach the threshold.
  bool CanReach(int step, int placed, std::int64_t sum) const {
    const std::uint32_t frees = freesAhead_[step];
    for (int free = std::max(placed, 1); free <= MaxLooseLetters; ++free)
      if ((frees & (1u << free)) && sum + BestOfRemaining(free - placed) + lengthScore_[free] >= threshold_)
        return true;
    return false;
  }

  void Walk(int step, TWordGraph::TCursor cursor, int placed, std::int64_t sum) {
    if (step > 0 && ((stops_ >> (step - 1)) & 1u) && cursor.IsWord) Record(step, placed, sum);
    if (step == length_) return;
    const unsigned char fixed = static_cast<unsigned char>(pattern_[step]);
    if (fixed != 0) {
      if (graph_.StepLetter(cursor, fixed)) Walk(step + 1, cursor, placed, sum);
      return;
    }
    if (placed == position_.MaxPlaced) return;
    if (threshold_ != NoThreshold && !CanReach(step, placed, sum)) return;
    // One pass over the node's edges serves every letter that folds to one byte.
    graph_.ForEachStep(cursor, [&](unsigned char folded, TWordGraph::TCursor next) {
      if (const std::uint32_t letters = byByte_[folded])
        for (std::size_t i = 0; i < position_.Letters.size(); ++i)
          if (letters & (1u << i)) Place(step, next, placed, sum, position_.Letters[i]);
    });
    if (others_ != 0)
      for (std::size_t i = 0; i < position_.Letters.size(); ++i) {
        if (!(others_ & (1u << i))) continue;
        TWordGraph::TCursor next = cursor;
        if (graph_.StepLetter(next, position_.Letters[i])) Place(step, next, placed, sum, position_.Letters[i]);
      }
  }

  void Place(int step, TWordGraph::TCursor next, int placed, std::int64_t sum, unsigned char letter) {
    int& count = position_.Counts[letter];
    if (count == 0) return;
    --count;
    chosen_[placed] = letter;
    word_[step] = static_cast<char>(letter);
    Walk(step + 1, next, placed + 1, sum + position_.Score[letter]);
    ++count;
  }

  void Record(int length, int placed, std::int64_t sum) {
    const std::int32_t score = static_cast<std::int32_t>(sum + lengthScore_[placed]);
    if (score < threshold_) return;
    for (int i = 0; i < length; ++i)
      if (pattern_[i] != '\0') word_[i] = pattern_[i];
    if (backward_ && std::equal(word_, word_ + length / 2, std::reverse_iterator<const char*>(word_ + length)))
      return;  // a palindrome: the same move as put forwards
    TFill& fill = fills_->emplace_back();
    std::copy(chosen_.begin(), chosen_.begin() + placed, fill.Letters.begin());
    fill.Length = static_cast<std::uint8_t>(length);
    fill.Free = static_cast<std::uint8_t>(placed);
    fill.Score = score;
    fill.Word.assign(word_, word_ + length);
    if (offer_) (*offer_)(fill);
  }

  const TWordGraph& graph_;
  const TDictionary& dictionary_;
  TPosition& position_;
  std::array<std::int64_t, MaxLooseLetters + 1> lengthScore_{};
  std::unordered_map<std::string, std::vector<TFill>> cache_;
  std::string key_;
  char pattern_[BoardGridSize + 1] = {};
  char word_[BoardGridSize + 1] = {};
  std::array<std::uint32_t, BoardGridSize + 1> freesAhead_{};
  std::array<unsigned char, MaxLooseLetters> chosen_{};
  std::array<std::uint32_t, 256> byByte_{};  // the letters at hand (bit i: Letters[i]) whose fold is that one byte
  std::uint32_t others_ = 0;                 // the letters at hand whose fold is not one byte
  std::vector<TFill>* fills_ = nullptr;
  const std::function<void(const TFill&)>* offer_ = nullptr;
  std::int64_t threshold_ = NoThreshold;
  std::uint32_t stops_ = 0;
  int length_ = 0;
  bool backward_ = false;
};

// The placed letters in board reading order.
template <class Put>
void ForEachPlaced(const TPosition& position, const TWalk& walk, const TFill& fill, Put&& put) {
  const auto& letters = position.Letter[walk.Direction][walk.Line];
  const int first = walk.Backward ? walk.From - fill.Length + 1 : walk.From;
  int next = walk.Backward ? fill.Free - 1 : 0;
  for (int at = first; at < first + fill.Length; ++at) {
    if (letters[at] != 0) continue;
    const TCellPosition p = walk.Direction == 0 ? TCellPosition{at, walk.Line} : TCellPosition{walk.Line, at};
    put(p, fill.Letters[next]);
    next += walk.Backward ? -1 : 1;
  }
}

TMove MoveOf(const TPosition& position, const TWalk& walk, const TFill& fill) {
  TMove move;
  ForEachPlaced(position, walk, fill, [&](TCellPosition p, unsigned char letter) {
    move.Letters[move.LettersCount++] =
        TPlacedLetter{static_cast<std::uint8_t>(p.Column), static_cast<std::uint8_t>(p.Row), letter};
  });
  move.Flipped = walk.Backward;
  move.Word = fill.Word;
  move.Score = fill.Score;
  return move;
}

// Calls visit(walk, fill) for every legal move.
template <class Visit>
void ForEachMove(TFiller& filler, const std::vector<TWalk>& walks, Visit&& visit) {
  for (const TWalk& walk : walks)
    for (const TFill& fill : filler.FillsOf(walk))
      if (filler.Known(fill)) visit(walk, fill);
}

// A move as sorted within its group (same score, same word): the placed
// letters (column, row, letter; 18 bits each, none = 0) packed into two
// numbers, the put last.
struct TSortEntry {
  std::uint64_t High = 0, Low = 0;
  const TWalk* Walk = nullptr;
  const TFill* Fill = nullptr;
};

bool SortsBefore(const TSortEntry& a, const TSortEntry& b) {
  return a.High != b.High ? a.High < b.High : a.Low < b.Low;
}

static_assert(BoardGridSize <= 32 && MaxLooseLetters == 7, "five bits per column and row, seven letters");

void PackPlaced(const TPosition& position, const TWalk& walk, const TFill& fill, TSortEntry& entry) {
  std::array<std::uint64_t, MaxLooseLetters> placed{};
  int i = 0;
  ForEachPlaced(position, walk, fill, [&](TCellPosition p, unsigned char letter) {
    placed[i++] = static_cast<std::uint64_t>(p.Column) << 13 | static_cast<std::uint64_t>(p.Row) << 8 | letter;
  });
  entry.High = placed[0] << 46 | placed[1] << 28 | placed[2] << 10 | placed[3] >> 8;
  entry.Low = (placed[3] & 0xFF) << 56 | placed[4] << 38 | placed[5] << 20 | placed[6] << 2 | (walk.Backward ? 1 : 0);
}

}  // namespace

std::vector<TMove> TMoveFinder::AllMoves(const TGameState& state) const {
  TPosition position;
  ReadPosition(state, dictionary_, position);
  const std::vector<TWalk> walks = WalksOf(position);
  TFiller filler(graph_, dictionary_, position);
  std::vector<TSortEntry> entries;
  ForEachMove(filler, walks, [&](const TWalk& walk, const TFill& fill) {
    TSortEntry& entry = entries.emplace_back();
    PackPlaced(position, walk, fill, entry);
    entry.Walk = &walk;
    entry.Fill = &fill;
  });
  // The order of score and word is settled once per distinct fill; moves are
  // then bucketed by it, and only moves of one bucket compare their letters.
  std::vector<const TFill*> known;
  filler.ForEachFill([&](const TFill& fill) {
    if (fill.Known == 1) known.push_back(&fill);
  });
  auto better = [](const TFill* a, const TFill* b) { return a->Score != b->Score ? a->Score > b->Score : a->Word < b->Word; };
  std::sort(known.begin(), known.end(), better);
  std::vector<std::size_t> bucketEnd(known.size() + 1, 0);
  for (std::size_t i = 0; i < known.size(); ++i)
    known[i]->Group = i > 0 && !better(known[i - 1], known[i]) ? known[i - 1]->Group : static_cast<std::uint32_t>(i);
  for (const TSortEntry& entry : entries) ++bucketEnd[entry.Fill->Group + 1];
  for (std::size_t i = 1; i < bucketEnd.size(); ++i) bucketEnd[i] += bucketEnd[i - 1];
  std::vector<TSortEntry> sorted(entries.size());
  std::vector<std::size_t> next(bucketEnd.begin(), bucketEnd.end() - 1);
  for (const TSortEntry& entry : entries) sorted[next[entry.Fill->Group]++] = entry;
  for (std::size_t i = 0; i + 1 < bucketEnd.size(); ++i)
    if (bucketEnd[i + 1] - bucketEnd[i] > 1)
      std::sort(sorted.begin() + bucketEnd[i], sorted.begin() + bucketEnd[i + 1], SortsBefore);
  entries.swap(sorted);
  std::vector<TMove> moves;
  moves.reserve(entries.size());
  for (const TSortEntry& entry : entries) moves.push_back(MoveOf(position, *entry.Walk, *entry.Fill));
  return moves;
}

std::size_t TMoveFinder::CountMoves(const TGameState& state) const {
  TPosition position;
  ReadPosition(state, dictionary_, position);
  TFiller filler(graph_, dictionary_, position);
  std::size_t count = 0;
  ForEachMove(filler, WalksOf(position), [&](const TWalk&, const TFill&) { ++count; });
  return count;
}

std::optional<TMove> TMoveFinder::BestMove(const TGameState& state) const {
  TPosition position;
  ReadPosition(state, dictionary_, position);
  std::vector<TWalk> walks = WalksOf(position);
  TFiller filler(graph_, dictionary_, position);
  for (TWalk& walk : walks) walk.Bound = filler.BoundOf(walk);
  std::sort(walks.begin(), walks.end(), [](const TWalk& a, const TWalk& b) { return a.Bound > b.Bound; });

  std::optional<TMove> found;
  const TWalk* current = nullptr;
  const std::function<void(const TFill&)> offer = [&](const TFill& fill) {
    // Cheap checks first: a lower score or a later word cannot win.
    if (found && (fill.Score < found->Score || (fill.Score == found->Score && fill.Word > found->Word))) return;
    if (!filler.Known(fill)) return;
    TMove move = MoveOf(position, *current, fill);
    if (found && !IsBetterMove(move, *found)) return;
    found = std::move(move);
    filler.RaiseThreshold(found->Score);
  };
  for (const TWalk& walk : walks) {
    if (found && walk.Bound < found->Score) break;
    current = &walk;
    filler.OfferFills(walk, offer);
  }
  return found;
}

}  // namespace vb
