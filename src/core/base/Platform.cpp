#include "core/base/Platform.h"

#include <stdexcept>

namespace vb {
namespace {
Platform* current = nullptr;
}

Platform& GetPlatform() {
  if (!current) throw std::logic_error("No platform is installed.");
  return *current;
}

void SetPlatform(Platform* platform) { current = platform; }

ScopedPlatform::ScopedPlatform(Platform& platform) : previous_(current) { current = &platform; }

ScopedPlatform::~ScopedPlatform() { current = previous_; }

}  // namespace vb
