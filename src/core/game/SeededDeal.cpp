#include "core/game/SeededDeal.h"

#include "core/text/Cp1252.h"

namespace vb {

namespace {

constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;
constexpr std::uint64_t kPcgMultiplier = 6364136223846793005ull;
// The stream the deal runs on; fixed, so only the seed picks the letters.
constexpr std::uint64_t kDealStream = 0x566F7262656C6C65ull;  // "Vorbelle"

void HashByte(std::uint64_t& hash, std::uint8_t byte) {
  hash ^= byte;
  hash *= kFnvPrime;
}

// Little-endian, so the bytes hashed never depend on the machine.
void HashWord(std::uint64_t& hash, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) HashByte(hash, static_cast<std::uint8_t>(value >> shift));
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

std::uint64_t TSeededDeal::SeedOf(std::uint32_t gameNumber, const std::string& dictionaryName, int columns,
                                  int rows) {
  std::uint64_t hash = kFnvOffset;
  HashWord(hash, gameNumber);
  // A zero byte around the name keeps the fields apart.
  HashByte(hash, 0);
  for (unsigned char c : UpperCp1252(dictionaryName)) HashByte(hash, c);
  HashByte(hash, 0);
  HashWord(hash, static_cast<std::uint32_t>(columns));
  HashWord(hash, static_cast<std::uint32_t>(rows));
  return hash;
}

TSeededDeal::TSeededDeal(std::uint32_t gameNumber, const std::string& dictionaryName, int columns, int rows) {
  // PCG32's own seeding: stream first, then the state stepped around the seed.
  increment_ = (kDealStream << 1) | 1u;
  Next();
  state_ += SeedOf(gameNumber, dictionaryName, columns, rows);
  Next();
}

std::uint32_t TSeededDeal::Next() {
  const std::uint64_t old = state_;
  state_ = old * kPcgMultiplier + increment_;
  const std::uint32_t shifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
  const std::uint32_t rotation = static_cast<std::uint32_t>(old >> 59u);
  return (shifted >> rotation) | (shifted << ((32u - rotation) & 31u));
}

std::uint64_t TSeededDeal::Below(std::uint64_t bound) {
  // Values under the threshold would make the low results more likely; they
  // are drawn again (for any bound, fewer than half of all values).
  if (bound <= 0xFFFFFFFFull) {
    const std::uint32_t bound32 = static_cast<std::uint32_t>(bound);
    const std::uint32_t threshold = (0u - bound32) % bound32;
    for (;;) {
      const std::uint32_t value = Next();
      if (value >= threshold) return value % bound32;
    }
  }
  const std::uint64_t threshold = (0 - bound) % bound;
  for (;;) {
    const std::uint64_t high = Next();
    const std::uint64_t value = (high << 32) | Next();
    if (value >= threshold) return value % bound;
  }
}

int TSeededDeal::WeightedIndex(int count, const std::int32_t* weights) {
  if (count <= 0 || weights == nullptr) return -1;
  std::uint64_t total = 0;
  for (int i = 0; i < count; ++i)
    if (weights[i] > 0) total += static_cast<std::uint64_t>(weights[i]);
  if (total == 0) return -1;
  const std::uint64_t drawn = Below(total);
  std::uint64_t running = 0;
  for (int i = 0; i < count; ++i) {
    if (weights[i] > 0) running += static_cast<std::uint64_t>(weights[i]);
    if (running > drawn) return i;
  }
  return -1;  // not reached: the running sum ends at the total
}

std::optional<std::uint32_t> TodaysGameNumber(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
    return std::nullopt;
  return static_cast<std::uint32_t>(year * 10000 + month * 100 + day);
}

std::optional<std::uint32_t> ParseGameNumber(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  if (text.empty()) return std::nullopt;
  std::uint32_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10u + static_cast<std::uint32_t>(c - '0');
    if (value > kMaxGameNumber) return std::nullopt;  // stops before it could overflow
  }
  if (value < kMinGameNumber) return std::nullopt;
  return value;
}

}  // namespace vb
