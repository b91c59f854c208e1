#include "core/game/RandomPool.h"

#include "core/base/Platform.h"
#include "core/input/Utilities.h"

namespace vb {

namespace {
std::uint32_t SeedFromClock() {
  const LocalDateTime now = GetPlatform().Now();
  std::uint32_t seed = static_cast<std::uint32_t>(now.Year);
  for (int part : {now.Month, now.Day, now.Hour, now.Minute, now.Second, now.Millisecond})
    seed = seed * 1000u + static_cast<std::uint32_t>(part);
  return seed;
}

std::uint32_t RotateRight1(std::uint32_t value) { return (value >> 1) | (value << 31); }
}  // namespace

TRandomPool::TRandomPool() {
  int x = 0, y = 0;
  GetPlatform().CursorPosition(x, y);
  Seed(SeedFromClock(), x, y);
}

TRandomPool::TRandomPool(std::uint32_t seed, int cursorX, int cursorY) { Seed(seed, cursorX, cursorY); }

void TRandomPool::Seed(std::uint32_t seed, int cursorX, int cursorY) {
  rnd_.seed(seed);
  v_ = Rnd31();
  for (int i = 0; i < 256; ++i) {
    a_[i] = static_cast<std::uint8_t>(Rnd31() + static_cast<std::uint32_t>(cursorX));
    b_[i] = static_cast<std::uint8_t>(Rnd31() + static_cast<std::uint32_t>(cursorY));
  }
  write_ = 0;
  read_ = 0;
}

void TRandomPool::Stir(int x, int y) {
  a_[write_] = static_cast<std::uint8_t>(x);
  b_[write_] = static_cast<std::uint8_t>(y);
  ++write_;  // wraps 255 -> 0
}

std::int32_t TRandomPool::Next() {
  v_ = RotateRight1(ReverseByteOrder32(v_) + GetPlatform().TickCount());
  const std::uint8_t r = read_;
  const std::uint8_t r1 = static_cast<std::uint8_t>(r + 1);
  read_ = static_cast<std::uint8_t>(read_ + 2);
  const std::uint32_t high = (static_cast<std::uint32_t>(a_[r]) << 8) | b_[r];
  const std::uint32_t mixed = (static_cast<std::uint32_t>(a_[b_[r1]]) << 8) | b_[a_[r1]];
  const std::uint32_t low = Rnd31() + mixed + v_;
  // An OR over all 32 bits, not a sum: the pool bytes only ever set bits.
  return static_cast<std::int32_t>((high << 16) | low);
}

int TRandomPool::WeightedIndex(int count, const std::int32_t* weights) {
  if (count <= 0 || weights == nullptr) return -1;
  std::int64_t total = 0;
  for (int i = 0; i < count; ++i) total += weights[i];
  // Without a positive total there is nothing to draw (and no remainder to take).
  if (total <= 0) return -1;
  std::int64_t m = static_cast<std::int64_t>(Next()) % total;  // truncating: sign of the dividend
  if (m < 0) m = -m;
  std::int64_t running = 0;
  for (int i = 0; i < count; ++i) {
    running += weights[i];
    if (running > m) return i;
  }
  return -1;
}

TRandomPool& GetRandomPool() {
  static TRandomPool pool;
  return pool;
}

}  // namespace vb
