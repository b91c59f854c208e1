#include "core/base/ProgramPaths.h"

#include "core/base/Paths.h"
#include "core/base/Platform.h"

namespace vb {

std::string GetProgramPath() { return GetPlatform().ProgramPath(); }
std::string GetProgramFolder() { return GetPathPart(GetProgramPath()); }
std::string GetProgramFileName() { return GetNamePart(GetProgramPath()); }

std::string GetCommandLineParameter(std::int32_t index) {
  if (index == 0) return GetProgramPath();
  if (index < 0) return {};
  auto parameters = GetPlatform().CommandLineParameters();
  return static_cast<std::size_t>(index) <= parameters.size() ? parameters[index - 1] : std::string();
}

}  // namespace vb
