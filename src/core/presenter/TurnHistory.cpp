#include "core/presenter/TurnHistory.h"

#include <utility>

namespace vb {

void TTurnHistory::Record(TTurn turn) {
  turns_.resize(done_);
  turns_.push_back(std::move(turn));
  done_ = turns_.size();
}

void TTurnHistory::Clear() {
  turns_.clear();
  done_ = 0;
}

const TTurn& TTurnHistory::Undo() { return turns_[--done_]; }
const TTurn& TTurnHistory::Redo() { return turns_[done_++]; }

namespace {
std::string MoveText(const TTurn& turn) {
  switch (turn.Kind) {
    case TTurnKind::NewStock:
      return "new stock";
    case TTurnKind::LetterChange:
      return std::string("change ") + static_cast<char>(turn.From) + "->" + static_cast<char>(turn.To);
    case TTurnKind::Put:
      break;
  }
  return turn.HintUsed ? turn.Word + " (hint)" : turn.Word;
}
}  // namespace

std::vector<THistoryRow> TTurnHistory::Rows() const {
  std::vector<THistoryRow> rows;
  rows.reserve(turns_.size());
  for (std::size_t i = 0; i < turns_.size(); ++i) {
    const TTurn& turn = turns_[i];
    const bool put = turn.Kind == TTurnKind::Put;
    rows.push_back({std::to_string(i + 1), MoveText(turn), put ? std::to_string(turn.Points) : "",
                    put && turn.Best ? std::to_string(*turn.Best) : "", i >= done_});
  }
  return rows;
}

std::vector<TCellPosition> TTurnHistory::PlacedCells(std::size_t turn) const {
  std::vector<TCellPosition> cells;
  if (turn >= turns_.size() || turns_[turn].Kind != TTurnKind::Put) return cells;
  const TBoard& before = turns_[turn].Before.State.Board;
  const TBoard& after = turns_[turn].After.State.Board;
  for (int row = 0; row < after.RowsCount; ++row)
    for (int column = 0; column < after.ColumnsCount; ++column) {
      const TBoardCell was = before.Cell(column, row);
      const TBoardCell is = after.Cell(column, row);
      // Letters fixed by this put: empty or loose before, fixed after.
      if (is.Letter != 0 && !is.Loose && (was.Letter == 0 || was.Loose)) cells.push_back({column, row});
    }
  return cells;
}

}  // namespace vb
