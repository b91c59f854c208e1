#include "platform/win32/RunFile.h"

#include <windows.h>
#include <shellapi.h>

#include "core/errors/StatusFrame.h"

namespace vb {

std::string RunFileParameters(const std::string& parameters, bool quote) {
  if (parameters.empty()) return {};
  return quote ? " \"" + parameters + "\"" : " " + parameters;
}

void RunFile(const std::string& file, const std::string& parameters, const std::string& directory, bool quote,
             bool minimised) {
  StatusFrame frame(VB_HERE, "RunFile");
  frame.Run([&] {
    if (file.empty()) return;
    const std::string parameterText = RunFileParameters(parameters, quote);
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_CONNECTNETDRV;
    info.hwnd = ::GetActiveWindow();
    info.lpVerb = nullptr;
    info.lpFile = file.c_str();
    info.lpParameters = parameterText.empty() ? nullptr : parameterText.c_str();
    info.lpDirectory = directory.empty() ? nullptr : directory.c_str();
    info.nShow = minimised ? SW_SHOWMINNOACTIVE : SW_SHOWNORMAL;
    ::SetLastError(0);
    if (!::ShellExecuteExA(&info)) frame.Raise(__LINE__, "Failed to run file.", file, "", ::GetLastError());
  }, __LINE__);
}

void OpenSite(const std::string& address, const std::string& failureText) {
  StatusFrame frame(VB_HERE, "OpenSite", failureText);
  frame.Run([&] {
    RunFile(address, "", "", true, false);
    frame.Adopt();
  }, __LINE__);
}

}  // namespace vb
