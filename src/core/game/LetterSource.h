#pragma once
// Where the stock's letters come from: the program's random pool for an
// ordinary game, a seeded deal for a numbered one. The game state only asks
// for a weighted index, so either can be handed in.
#include <cstdint>

namespace vb {

class TLetterSource {
 public:
  virtual ~TLetterSource() = default;
  // An index 0..count-1 drawn with probability weight / total; -1 when the
  // weights hold no positive total (nothing can be drawn).
  virtual int WeightedIndex(int count, const std::int32_t* weights) = 0;
};

}  // namespace vb
