// The presenter's undo and redo: each turn's two sides recorded and restored.
#include "core/presenter/GamePresenter.h"

namespace vb {

// --- Undo and redo ------------------------------------------------------------------------

TTurnSide TGamePresenter::Side() const {
  return TTurnSide{State, labels_, Dictionary.WordsListModified, Dictionary.WordsListWrites, deal_};
}

void TGamePresenter::RecordTurn(TTurn turn) {
  turn.After = Side();
  history_.Record(std::move(turn));
  hintLaidOut_ = false;
}

void TGamePresenter::RestoreSide(const TTurnSide& side) {
  const TGameSettings settings = State.Settings;
  State = side.State;
  State.Settings = settings;
  deal_ = side.Deal;
  labels_ = side.Labels;
  // A words list written since that side holds what the file must lose or gain.
  Dictionary.WordsListModified = side.WordsListModified || Dictionary.WordsListWrites != side.WordsListWrites;
  if (!Label(TGameLabel::WordsInDictionary).empty())
    SetLabel(TGameLabel::WordsInDictionary, Dictionary.WordsCountText());
  putButtonsEnabled_ = State.CanPutWord();
  hintLaidOut_ = false;
  cursor_.Typed.clear();
  Modified = true;
}

bool TGamePresenter::Undo() {
  TCommandScope command(*this);
  if (!history_.CanUndo()) return false;
  const TTurn& turn = history_.Undo();
  if (!turn.AddedWord.empty()) {
    Dictionary.RemoveLastAddedWord(turn.AddedWord);
    coach_.WordsListChanged(true);
  }
  RestoreSide(turn.Before);
  return true;
}

bool TGamePresenter::Redo() {
  TCommandScope command(*this);
  if (!history_.CanRedo()) return false;
  const TTurn& turn = history_.Redo();
  if (!turn.AddedWord.empty()) {
    Dictionary.AddWord(turn.AddedWord);
    coach_.WordsListChanged(true);
  }
  RestoreSide(turn.After);
  return true;
}

}  // namespace vb
