#pragma once
// The program's random generator: a runtime pseudo-random source mixed with two
// pools of bytes that the player's mouse movements over the board keep
// overwriting, and with the tick count at every draw.
#include <array>
#include <cstdint>
#include <random>

#include "core/game/LetterSource.h"

namespace vb {

class TRandomPool : public TLetterSource {
 public:
  // Seeds from the platform's clock and the mouse position.
  TRandomPool();
  // Seeds from the given values (tests, reproducible runs).
  TRandomPool(std::uint32_t seed, int cursorX, int cursorY);

  // Mixes a pointer position into the pool; constant time, no allocation.
  void Stir(int x, int y);
  // The next value; may be negative.
  std::int32_t Next();
  // An index 0..count-1 drawn with probability weight / total; -1 when the
  // weights hold no positive total (nothing can be drawn).
  int WeightedIndex(int count, const std::int32_t* weights) override;

 private:
  void Seed(std::uint32_t seed, int cursorX, int cursorY);
  // Non-negative 31-bit values from the runtime generator.
  std::uint32_t Rnd31() { return static_cast<std::uint32_t>(rnd_() >> 1); }

  std::mt19937 rnd_;
  std::uint8_t write_ = 0;
  std::uint8_t read_ = 0;
  std::array<std::uint8_t, 256> a_{};
  std::array<std::uint8_t, 256> b_{};
  std::uint32_t v_ = 0;
};

// The program-wide pool, created (and seeded) on first use.
TRandomPool& GetRandomPool();

}  // namespace vb
