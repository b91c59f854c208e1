#pragma once
// The turns of one game, for undo, redo and the move history. A turn is a put
// word, "New stock letters" or one letter change; it keeps the whole game
// before and after it (the state is a plain value), so undo and redo restore
// exactly, drawn letters included, and never draw again.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/game/GameState.h"
#include "core/game/SeededDeal.h"
#include "core/presenter/GameViewModel.h"

namespace vb {

enum class TTurnKind { Put, NewStock, LetterChange };

// What the game showed and kept beside the state at one side of a turn.
struct TTurnSide {
  TGameState State;
  std::array<std::string, GameLabelsCount> Labels;
  bool WordsListModified = false;
  std::uint32_t WordsListWrites = 0;
  // A numbered game's deal where it stood: after an undo the next draws are
  // the same letters the undone turn drew.
  std::optional<TSeededDeal> Deal;
};

struct TTurn {
  TTurnKind Kind = TTurnKind::Put;
  std::string Word;                    // as put
  std::string AddedWord;               // the word the put added to the words list, if any
  std::int32_t Points = 0;
  std::optional<std::int32_t> Best;    // the best possible points before the turn, when known
  bool HintUsed = false;
  unsigned char From = 0, To = 0;      // a letter change
  TTurnSide Before, After;
};

class TTurnHistory {
 public:
  // A new turn; turns that were undone are dropped (they can no longer be redone).
  void Record(TTurn turn);
  void Clear();
  bool CanUndo() const { return done_ > 0; }
  bool CanRedo() const { return done_ < turns_.size(); }
  // The turn to undo or redo (the caller restores its sides); the history steps.
  const TTurn& Undo();
  const TTurn& Redo();

  const std::vector<TTurn>& Turns() const { return turns_; }
  std::size_t DoneCount() const { return done_; }
  std::vector<THistoryRow> Rows() const;
  // The cells a put turn fixed (none for other turns), to show it on the board.
  std::vector<TCellPosition> PlacedCells(std::size_t turn) const;

 private:
  std::vector<TTurn> turns_;
  std::size_t done_ = 0;
};

}  // namespace vb
