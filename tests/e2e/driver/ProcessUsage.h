#pragma once
// What a process holds, read from outside, to tell whether a long run leaks.

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

namespace e2e {

struct Usage {
  // PagefileUsage: Wine leaves PrivateUsage at 0 and counts private memory here; on Windows the two agree.
  std::uint64_t privateBytes = 0;
  // The process's top-level windows, shown or not, with all their descendants, and how many of each class.
  std::size_t windows = 0;
  std::map<std::wstring, int> windowClasses;
  // GetGuiResources; Wine answers 0 for both.
  DWORD userObjects = 0;
  DWORD gdiObjects = 0;
};

Usage ReadUsage(HANDLE process, DWORD processId);
std::string Describe(const Usage& usage);
// The classes of which `later` has more windows than `earlier`, with the numbers, or "none".
std::string MoreWindows(const Usage& earlier, const Usage& later);

} // namespace e2e
