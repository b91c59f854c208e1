#pragma once
// The game-number dialog for tests: answers with what `Answer` gives for the
// suggested number (none, as for Cancel, when it is empty) and records each
// suggestion it was shown with.
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "core/presenter/GameNumberSeam.h"

namespace vb::test {

class ScriptedGameNumberAsker : public TGameNumberAsker {
 public:
  std::function<std::optional<std::uint32_t>(std::uint32_t suggested)> Answer;
  std::vector<std::uint32_t> Suggested;
  std::optional<std::uint32_t> AskGameNumber(std::uint32_t suggested) override {
    Suggested.push_back(suggested);
    return Answer ? Answer(suggested) : std::nullopt;
  }
};

}  // namespace vb::test
