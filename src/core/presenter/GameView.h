#pragma once
// What the presenter tells the window that shows a game: once per command, the
// new view model and what changed in it since the last call.
#include "core/presenter/GameViewModel.h"

namespace vb {

class TGameView {
 public:
  virtual ~TGameView() = default;
  virtual void Update(const TGameViewModel& model, const TViewChanges& changes) = 0;
};

// The choose-letter dialog as the presenter sees it: the letter the player
// picked, or 0 when the dialog was cancelled.
class TLetterChooser {
 public:
  virtual ~TLetterChooser() = default;
  virtual unsigned char ChooseLetter() = 0;
};

}  // namespace vb
