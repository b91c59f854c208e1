#pragma once
// One turn of the game being played, for the "This game" chart: the points the
// player's word scored and the best points that turn allowed, when known.
#include <cstdint>
#include <optional>

namespace vb {

struct TTurnPoints {
  std::int32_t Points = 0;
  std::optional<std::int32_t> Best;  // none when the best move of the turn is not known
};

}  // namespace vb
