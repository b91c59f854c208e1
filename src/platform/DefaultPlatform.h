#pragma once
// The build's own platform: the Windows API in the Windows build, the portable
// implementation in the native one. The entry point installs it (SetPlatform);
// the core never reaches for it by itself.
#include "core/base/Platform.h"

namespace vb {

Platform& DefaultPlatform();

}  // namespace vb
