#include "platform/win32/Instance.h"

#include <objbase.h>
#include <windows.h>

#include <exception>

#include "core/errors/Terminate.h"
#include "platform/win32/Handles.h"

namespace vb {

namespace {
KernelHandle instanceMutex;
}

bool IsAnotherInstanceRunning(const std::string& programName) {
  ::SetLastError(0);
  const std::string name = "Mutex_ProgramInstance_" + programName;
  instanceMutex.reset(::CreateMutexA(nullptr, TRUE, name.c_str()));
  if (instanceMutex && ::GetLastError() == ERROR_ALREADY_EXISTS) {
    instanceMutex.reset();
    return true;
  }
  return false;
}

void CloseInstanceMutex() { instanceMutex.reset(); }

ProcessInitialisation::ProcessInitialisation(Platform& platform) {
  SetPlatform(&platform);
  std::set_terminate(&TerminateProgramFun);
  ::SetLastError(0);
  comInitialised_ = SUCCEEDED(::OleInitialize(nullptr));
}

ProcessInitialisation::~ProcessInitialisation() {
  ::SetLastError(0);
  if (comInitialised_) ::OleUninitialize();
  SetPlatform(nullptr);
}

}  // namespace vb
