#pragma once
// Counting the windows a process opens over its main window, to tell how many were ever open at once.

#include <windows.h>

#include <cstddef>
#include <set>
#include <vector>

namespace e2e {

// Records, at each sample, the visible top-level windows of a process other than its main window. Sampling
// from every poll of a scenario's waits catches a second window that appears while the first is open.
class WindowCensus {
public:
  WindowCensus(DWORD processId, HWND mainWindow) noexcept : processId_(processId), mainWindow_(mainWindow) {}

  // The visible windows now, recorded.
  std::vector<HWND> Sample();

  DWORD ProcessId() const noexcept { return processId_; }
  // The most that were visible at one sample.
  std::size_t MostAtOnce() const noexcept { return mostAtOnce_; }
  // How many different windows were seen in all.
  std::size_t Distinct() const noexcept { return seen_.size(); }

private:
  DWORD processId_;
  HWND mainWindow_;
  std::size_t mostAtOnce_ = 0;
  std::set<HWND> seen_;
};

} // namespace e2e
