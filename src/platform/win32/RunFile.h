#pragma once
// Starting a file, program or address with its default action.
#include <string>

namespace vb {

// The parameter text handed to the shell: empty for no parameters, else a blank
// followed by the parameters, in double quotes when `quote`.
std::string RunFileParameters(const std::string& parameters, bool quote);

// Starts `file` with its default action; an empty file does nothing. A failure
// ("Failed to run file.") is left in GlobalFunStat.
void RunFile(const std::string& file, const std::string& parameters, const std::string& directory, bool quote,
             bool minimised);

// Opens a page or document; a failure is shown in the error dialog with `failureText`.
void OpenSite(const std::string& address, const std::string& failureText);

}  // namespace vb
