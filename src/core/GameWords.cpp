// Checking, putting and scoring words.
#include "core/Game.h"
#include "core/GameTexts.h"
#include "core/Scoring.h"
#include "core/Text.h"
#include "core/WordCheck.h"

namespace vb {

std::string TGame::CurrentWord() const { return vb::CurrentWord(Board); }

void TGame::UpdatePutButtons() {
  const int count = Board.LooseCount();
  SetPutButtonsEnabled(count >= 1 && count <= MaxLooseLetters && CurrentWord().size() >= 2);
}

bool TGame::PutWord(bool flipped) {
  std::string word = CurrentWord();
  if (word.empty()) return false;
  if (flipped) word = ReverseText(word);
  const bool known = Dictionary.IsKnownWord(word);
  SetLabel(TGameLabel::ValidWord, ValidWordText(word, known));
  if (!known) {
    if (!AllowUnknownWords) return false;
    if (AddToWordsList) Dictionary.AddWord(word);
  }
  Score = AddScore(Score, PossibleScore());
  ShowScore(0);
  ShowLetterScore(0);
  FixLooseLetters();
  FillStock();
  return true;
}

std::int32_t TGame::PossibleScore() const { return vb::PossibleScore(Board, Dictionary); }

void TGame::ShowScore(std::int32_t possibleScore) { SetLabel(TGameLabel::Score, ScoreText(Score, possibleScore)); }

void TGame::ShowLetterScore(unsigned char letter) {
  SetLabel(TGameLabel::LetterScore, letter == 0 ? std::string() : LetterScoreText(LetterScoreOf(Dictionary, letter)));
}

}  // namespace vb
