#pragma once
// The choose-letter dialog for tests: answers with what `Answer` gives (0, as
// for Cancel, when it is empty) and counts how often it was shown.
#include <functional>

#include "core/presenter/GameView.h"

namespace vb::test {

class ScriptedLetterChooser : public TLetterChooser {
 public:
  std::function<unsigned char()> Answer;
  int Shown = 0;
  unsigned char ChooseLetter() override {
    ++Shown;
    return Answer ? Answer() : 0;
  }
};

}  // namespace vb::test
