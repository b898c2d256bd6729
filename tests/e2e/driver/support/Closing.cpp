#include "Closing.h"

#include <optional>

namespace e2e {

void CheckClosesCleanly(Checker& check, const Process& process, HWND window, std::chrono::milliseconds timeout) {
  check.Require(true, PostMessageW(window, WM_CLOSE, 0, 0) != FALSE, "WM_CLOSE posted");
  check.Equal(true, process.WaitForExit(timeout), "process exits after WM_CLOSE");
  check.Equal(std::optional<DWORD>(0), process.ExitCode(), "exit code");
}

} // namespace e2e
