#pragma once
// Programs of the Unix host that Wine runs on, started from the driver.

#include <chrono>
#include <string>
#include <vector>

namespace e2e {

// Runs a Unix program (the first argument, found on the PATH unless it is a path) with the session's
// environment and returns its exit status. Wine starts a Unix program but hands back no handle to wait on, so
// a shell around it writes the status to a file that this polls for; throws when none arrives in time.
int RunHostCommand(const std::vector<std::wstring>& arguments, std::chrono::milliseconds timeout);

// One argument quoted so that the command-line parser gives it back unchanged.
std::wstring QuoteArgument(const std::wstring& argument);

} // namespace e2e
