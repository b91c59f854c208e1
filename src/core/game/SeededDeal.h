#pragma once
// Numbered games: the same game number, dictionary and board size deal every
// player the same letters in the same order, on any machine and with any
// compiler. The generator is our own PCG32 (not the C library's rand), seeded
// by a stable hash, and the weighted draw uses integers only.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/game/LetterSource.h"

namespace vb {

// Game numbers run from 1 to 99999999, so a date YYYYMMDD is one.
inline constexpr std::uint32_t kMinGameNumber = 1;
inline constexpr std::uint32_t kMaxGameNumber = 99999999;

class TSeededDeal : public TLetterSource {
 public:
  // `dictionaryName` is the dictionary's file name as the game knows it
  // ("English.vbd"); letter case does not matter (it is folded to upper case in
  // code page 1252 before hashing). The letters also depend on the dictionary's
  // probabilities, so players share a deal when they share the dictionary file.
  TSeededDeal(std::uint32_t gameNumber, const std::string& dictionaryName, int columns, int rows);

  // The next 32 bits of the PCG32 (XSH RR) stream.
  std::uint32_t Next();
  // As the random pool's draw: the first index whose running sum of weights
  // exceeds a value drawn uniformly (without modulo bias) below the total.
  // Weights below zero count as zero.
  int WeightedIndex(int count, const std::int32_t* weights) override;

  // The 64-bit FNV-1a hash the deal is seeded from (exposed for the tests that
  // pin it).
  static std::uint64_t SeedOf(std::uint32_t gameNumber, const std::string& dictionaryName, int columns, int rows);

 private:
  std::uint64_t Below(std::uint64_t bound);
  std::uint64_t state_ = 0;
  std::uint64_t increment_ = 0;
};

// Today's game: the date as the number YYYYMMDD; none when the parts are not a
// calendar date in the years 1 to 9999.
std::optional<std::uint32_t> TodaysGameNumber(int year, int month, int day);

// A game number typed by the player: blanks (space, tab, CR, LF) around it are
// ignored, then decimal digits only, 1 to 99999999 (leading zeros allowed).
// None for anything else (signs, inner blanks, other characters, 0, too large).
std::optional<std::uint32_t> ParseGameNumber(std::string_view text);

}  // namespace vb
