#include "ProcessCounters.h"

#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <stdexcept>

#include "support/Text.h"

namespace bench {

namespace {

std::uint64_t Ticks(const FILETIME& time) {
  return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

std::runtime_error LastError(const char* what) {
  return std::runtime_error(std::string(what) + ": " + e2e::DescribeError(GetLastError()));
}

} // namespace

Memory ReadMemory(HANDLE process) {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters)) {
    throw LastError("GetProcessMemoryInfo");
  }
  const std::uint64_t privateBytes = counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
  return {privateBytes, counters.WorkingSetSize};
}

std::uint64_t CpuClock::Read() {
  const e2e::UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
  if (!snapshot) throw LastError("CreateToolhelp32Snapshot");
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot.get(), &entry); more; more = Thread32Next(snapshot.get(), &entry)) {
    if (entry.th32OwnerProcessID != processId_) continue;
    const bool known =
        std::ranges::any_of(threads_, [&](const Thread& thread) { return thread.id == entry.th32ThreadID; });
    if (known) continue;
    e2e::UniqueHandle handle(OpenThread(THREAD_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ThreadID));
    if (handle) threads_.push_back({entry.th32ThreadID, std::move(handle)});
  }
  std::uint64_t total = 0;
  for (const Thread& thread : threads_) {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetThreadTimes(thread.handle.get(), &created, &exited, &kernel, &user)) throw LastError("GetThreadTimes");
    total += Ticks(kernel) + Ticks(user);
  }
  return total;
}

} // namespace bench
