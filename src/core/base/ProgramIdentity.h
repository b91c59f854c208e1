#pragma once
// Names and texts that identify the program.

namespace vb {

inline constexpr const char* kProgramName = "Vorbelle";
inline constexpr const char* kVersionText = "Version 2.5.1, released on 24.10.2004";

}  // namespace vb
