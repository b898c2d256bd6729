#pragma once
// What another process costs, read from outside.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "support/Handle.h"

namespace bench {

struct Memory {
  // Private bytes: PagefileUsage, which Wine fills where it leaves PrivateUsage at 0; on Windows the two agree.
  std::uint64_t privateBytes = 0;
  std::uint64_t workingSet = 0;
};

Memory ReadMemory(HANDLE process);

// Kernel plus user time of a process, in 100 ns units, summed over its threads: Wine does not advance
// GetProcessTimes for another process, but it does GetThreadTimes (in 10 ms steps).
class CpuClock {
public:
  explicit CpuClock(DWORD processId) : processId_(processId) {}

  // The process's CPU time so far. Each thread seen is kept open, so that one that ends between two
  // readings still counts.
  std::uint64_t Read();

private:
  struct Thread {
    DWORD id;
    e2e::UniqueHandle handle;
  };
  DWORD processId_;
  std::vector<Thread> threads_;
};

} // namespace bench
