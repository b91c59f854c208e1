#pragma once
// The "New numbered game" dialog as the presenter sees it: shown with a
// suggested number (today's), it gives the game number the player accepted, or
// none when the player cancelled.
#include <cstdint>
#include <optional>

namespace vb {

class TGameNumberAsker {
 public:
  virtual ~TGameNumberAsker() = default;
  virtual std::optional<std::uint32_t> AskGameNumber(std::uint32_t suggested) = 0;
};

}  // namespace vb
