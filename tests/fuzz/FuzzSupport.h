#pragma once
// The set-up every fuzz target shares: the in-memory platform, the input as
// text, and a check that turns a broken property into a finding.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "MemoryPlatform.h"
#include "core/base/Platform.h"

namespace vb::fuzz {

// The platform for one input: installed on first use, with no files left over
// from the input before.
inline MemoryPlatform& FreshPlatform() {
  static MemoryPlatform platform;
  SetPlatform(&platform);
  platform.Files.clear();
  return platform;
}

inline std::string InputText(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// Aborts, which the fuzzer reports with the input, when a property does not hold.
inline void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace vb::fuzz
