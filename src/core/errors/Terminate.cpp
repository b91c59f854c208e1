#include "core/errors/Terminate.h"

#include <cstdlib>

#include "core/errors/FunStat.h"
#include "core/base/Platform.h"

namespace vb {

void TerminateProgramImmediately() {
  GetPlatform().TerminateImmediately(1);
  std::_Exit(1);
}

void TerminateProgramFun() {
  const char* text = "Abort intercepted.\r\nProgram must be terminated.";
  GlobalFunStat.Raise(SourcePath(__FILE__), "TerminateProgramFun", __LINE__, StatusError, text, "", "", 0);
  GlobalFunStat.Show(SourcePath(__FILE__), "TerminateProgramFun", __LINE__);
  GlobalFunStat.ShowErrorDialog(text);
  GlobalFunStat.Clear(StatusPerfect);
  TerminateProgramImmediately();
}

}  // namespace vb
