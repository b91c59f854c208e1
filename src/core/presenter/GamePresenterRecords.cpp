// The presenter's numbered games, records and statistics.
#include "core/presenter/GamePresenter.h"

#include "core/base/Platform.h"
#include "core/errors/MessageBoxes.h"

namespace vb {

// --- Numbered games and records ---------------------------------------------------------

void TGamePresenter::StartNumberedGame(std::uint32_t number) {
  TCommandScope command(*this);
  deal_.emplace(number, Dictionary.DictionaryName, State.Board.ColumnsCount, State.Board.RowsCount);
  gameNumber_ = number;
  SetTitle(titleFile_);
}

std::uint32_t TGamePresenter::TodaysNumber() const {
  const LocalDateTime now = GetPlatform().Now();
  return TodaysGameNumber(now.Year, now.Month, now.Day).value_or(kMinGameNumber);
}

void TGamePresenter::RecordGameStarted() {
  records_.GameStarted(Dictionary.DictionaryName, State.Board.ColumnsCount, State.Board.RowsCount, gameNumber_);
}

bool TGamePresenter::FinishGame() {
  TCommandScope command(*this);
  if (!records_.GameRunning()) return false;
  records_.GameEnded(true);
  return true;
}

std::vector<TTurnPoints> TGamePresenter::ThisGamePoints() const {
  std::vector<TTurnPoints> points;
  const std::vector<TTurn>& turns = history_.Turns();
  for (std::size_t i = 0; i < history_.DoneCount(); ++i)
    if (turns[i].Kind == TTurnKind::Put) points.push_back({turns[i].Points, turns[i].Best});
  return points;
}

void TGamePresenter::ShowStatistics() {
  if (!statistics_) return;
  const TRecordKey current{Dictionary.DictionaryName, State.Board.ColumnsCount, State.Board.RowsCount};
  statistics_->ShowStatistics(records_.Records(), current, ThisGamePoints());
}

void TGamePresenter::FinishWhenNothingIsLeft() {
  if (!records_.GameRunning() || State.LetterChangesCount > 0 || !coach_.LegalMoves() || *coach_.LegalMoves() > 0)
    return;
  // Only a game with a word in it counts; a board that never had a move stays open.
  if (State.Score == 0) return;
  records_.GameEnded(true);
  ShowMessageText("No word can be put any more and no letter changes are left: the game is finished.");
}

}  // namespace vb
