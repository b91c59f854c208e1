// The presenter's coach: hints, and the coach panel kept up to date.
#include "core/presenter/GamePresenter.h"

#include "core/coach/CoachTexts.h"
#include "core/errors/MessageBoxes.h"

namespace vb {

// --- Coach ------------------------------------------------------------------------------

bool TGamePresenter::Hint() {
  TCommandScope command(*this);
  if (!boardVisible_) return false;
  const TCoach::THint hint = coach_.NextHint(State);
  if (hint.Kind == TCoach::THintKind::Preparing) {
    ShowMessageText(CoachPreparingText);
    return false;
  }
  if (hint.Kind == TCoach::THintKind::NoLegalMove) {
    ShowMessageText(NoLegalMoveText);
    return false;
  }
  if (!LayOutMove(State, hint.Move)) return false;
  Modified = true;
  hintLaidOut_ = true;
  records_.HintUsed();
  AfterMove();
  return true;
}

void TGamePresenter::CoachGraphReady() {
  // Publishing recounts the position with the new graph.
  TCommandScope command(*this);
}


void TGamePresenter::ShowCoach() {
  const bool shown = boardVisible_ && !Dictionary.DictionaryName.empty();
  if (shown) {
    coach_.Recount(State);
    FinishWhenNothingIsLeft();
  }
  SetLabel(TGameLabel::CoachBest, shown ? coach_.BestLine() : "");
  SetLabel(TGameLabel::CoachComparison, shown ? coach_.ComparisonLine() : "");
  SetLabel(TGameLabel::CoachLegalMoves, shown ? coach_.LegalMovesLine() : "");
  SetLabel(TGameLabel::CoachHints, shown ? coach_.HintsLine() : "");
}

}  // namespace vb
