#include <gtest/gtest.h>

#include <array>

#include "core/game/RandomPool.h"
#include "support/FakePlatform.h"

namespace vb {
namespace {

TEST(RandomPool, WeightedIndexDrawsOnlyPositiveWeights) {
  test::FakePlatformScope platform;
  TRandomPool pool(7, 100, 200);
  const std::array<std::int32_t, 3> onlyLast{0, 0, 5};
  for (int i = 0; i < 500; ++i) ASSERT_EQ(pool.WeightedIndex(3, onlyLast.data()), 2);

  const std::array<std::int32_t, 4> two{0, 1000, 0, 1};
  std::array<int, 4> hits{};
  for (int i = 0; i < 5000; ++i) ++hits[pool.WeightedIndex(4, two.data())];
  EXPECT_EQ(hits[0] + hits[2], 0);
  EXPECT_GT(hits[1], 4900);
}

TEST(RandomPool, NothingToDrawGivesMinusOne) {
  test::FakePlatformScope platform;
  TRandomPool pool(7, 0, 0);
  const std::array<std::int32_t, 3> zero{0, 0, 0};
  EXPECT_EQ(pool.WeightedIndex(3, zero.data()), -1);
  EXPECT_EQ(pool.WeightedIndex(0, zero.data()), -1);
}

TEST(RandomPool, FixedSeedTicksAndCursorRepeatTheSequence) {
  test::FakePlatformScope platform;
  platform->FixedTickCount = 123456;
  TRandomPool first(42, 10, 20), second(42, 10, 20), moved(42, 10, 20);
  moved.Stir(3, 4);
  bool differs = false;
  for (int i = 0; i < 100; ++i) {
    const std::int32_t value = first.Next();
    ASSERT_EQ(value, second.Next());
    differs = differs || value != moved.Next();
  }
  EXPECT_TRUE(differs);
}

TEST(RandomPool, TheStartUpPoolUsesThePlatformsClockAndCursor) {
  test::FakePlatformScope platform;
  platform->FixedNow = LocalDateTime{2024, 5, 6, 7, 8, 9, 10};
  platform->FixedTickCount = 99;
  platform->CursorX = 640;
  platform->CursorY = 480;
  TRandomPool first, second;
  for (int i = 0; i < 20; ++i) ASSERT_EQ(first.Next(), second.Next());
}

TEST(RandomPool, PoolBytesAreOredIntoTheHighWord) {
  test::FakePlatformScope platform;
  TRandomPool pool(1, 0, 0);
  for (int i = 0; i < 256; ++i) pool.Stir(0x12, 0x34);
  for (int i = 0; i < 300; ++i) {
    const std::uint32_t value = static_cast<std::uint32_t>(pool.Next());
    ASSERT_EQ(value & 0x12340000u, 0x12340000u);
  }
}

}  // namespace
}  // namespace vb
