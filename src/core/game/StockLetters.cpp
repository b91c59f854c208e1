#include "core/game/StockLetters.h"

#include <utility>

namespace vb {

unsigned char TStockLetters::Letter(int slot) const { return IsSlot(slot) ? slots_[slot] : 0; }

void TStockLetters::SetLetter(int slot, unsigned char letter) {
  if (!IsSlot(slot)) return;
  slots_[slot] = letter;
}

void TStockLetters::Clear() {
  for (int slot = 0; slot < StockSize; ++slot) SetLetter(slot, 0);
}

int TStockLetters::FirstEmpty() const {
  for (int slot = 0; slot < StockSize; ++slot)
    if (slots_[slot] == 0) return slot;
  return -1;
}

int TStockLetters::LettersCount() const {
  int count = 0;
  for (unsigned char letter : slots_) count += letter != 0;
  return count;
}

void TStockLetters::Swap(int first, int second) {
  if (!IsSlot(first) || !IsSlot(second) || first == second) return;
  const unsigned char letter = slots_[first];
  SetLetter(first, slots_[second]);
  SetLetter(second, letter);
}

}  // namespace vb
