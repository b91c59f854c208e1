#pragma once
// The single-instance guard and process-wide set-up of the program.
#include <string>

#include "core/base/Platform.h"

namespace vb {

// True when another process holds the instance mutex of this program name.
// Otherwise the mutex is held until CloseInstanceMutex.
bool IsAnotherInstanceRunning(const std::string& programName);
void CloseInstanceMutex();

// Process set-up before the main routine and tear-down after it: the core's
// platform, terminate handler, cleared last-error code, component-object library.
class ProcessInitialisation {
 public:
  explicit ProcessInitialisation(Platform& platform);
  ~ProcessInitialisation();
  ProcessInitialisation(const ProcessInitialisation&) = delete;
  ProcessInitialisation& operator=(const ProcessInitialisation&) = delete;

 private:
  bool comInitialised_;
};

}  // namespace vb
