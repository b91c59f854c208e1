#include "core/Platform.h"

namespace vb {
namespace {
Platform* current = nullptr;
}

Platform& GetPlatform() { return current ? *current : DefaultPlatform(); }

void SetPlatform(Platform* platform) { current = platform; }

ScopedPlatform::ScopedPlatform(Platform& platform) : previous_(current) { current = &platform; }

ScopedPlatform::~ScopedPlatform() { current = previous_; }

}  // namespace vb
