#pragma once
// Ending the program when exception handling gives up.

namespace vb {

// Ends the process with exit code 1 at once, without exit handlers.
void TerminateProgramImmediately();
// Reports "Abort intercepted." and ends the process; installed with std::set_terminate.
void TerminateProgramFun();

}  // namespace vb
