#pragma once
// Ending the program under test the way a user closes its window.

#include <windows.h>

#include <chrono>

#include "Check.h"
#include "Process.h"

namespace e2e {

// Posts WM_CLOSE to the window and checks that the process then ends, within the timeout, with exit code 0.
void CheckClosesCleanly(Checker& check, const Process& process, HWND window, std::chrono::milliseconds timeout);

} // namespace e2e
