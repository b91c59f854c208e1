#pragma once
#include <string>

namespace vb {

// One row of the move history: "1", "CAB" / "new stock" / "change A->E", points, best.
struct THistoryRow {
  std::string Number, Move, Points, Best;
  bool Undone = false;  // redo would bring it back
  bool operator==(const THistoryRow& o) const {
    return Number == o.Number && Move == o.Move && Points == o.Points && Best == o.Best && Undone == o.Undone;
  }
  bool operator!=(const THistoryRow& o) const { return !(*this == o); }
};

}  // namespace vb
