#pragma once
// The player's hand: seven stock slots, each holding one letter or nothing.
// Slot order matters (a returned letter goes to the first empty slot).
#include <array>

namespace vb {

constexpr int StockSize = 7;

class TStockLetters {
 public:
  static bool IsSlot(int slot) { return slot >= 0 && slot < StockSize; }
  // The slot's letter, 0 for an empty slot or a slot number outside 0..6.
  unsigned char Letter(int slot) const;
  // Ignored for slot numbers outside 0..6.
  void SetLetter(int slot, unsigned char letter);
  // ClearStockLetters: all seven slots emptied.
  void Clear();
  // FirstEmptyStockPanel: the first empty slot in order, or -1 when all are full.
  int FirstEmpty() const;
  int LettersCount() const;
  void Swap(int first, int second);

  bool operator==(const TStockLetters& other) const { return slots_ == other.slots_; }
  bool operator!=(const TStockLetters& other) const { return !(*this == other); }

 private:
  std::array<unsigned char, StockSize> slots_{};
};

}  // namespace vb
