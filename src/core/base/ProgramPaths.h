#pragma once
// The running executable's path and command line.
#include <cstdint>
#include <string>

namespace vb {

std::string GetProgramPath();
// The program's folder, ending with a path delimiter.
std::string GetProgramFolder();
std::string GetProgramFileName();
// 0 gives the program path; an index beyond the last gives empty text.
std::string GetCommandLineParameter(std::int32_t index);

}  // namespace vb
