#include "ProcessUsage.h"

#include <psapi.h>

#include "support/Text.h"
#include "support/WindowQuery.h"

namespace e2e {

namespace {

void Count(Usage& usage, HWND window) {
  ++usage.windows;
  ++usage.windowClasses[ClassName(window)];
}

BOOL CALLBACK CountChild(HWND window, LPARAM usage) {
  Count(*reinterpret_cast<Usage*>(usage), window);
  return TRUE;
}

} // namespace

Usage ReadUsage(HANDLE process, DWORD processId) {
  Usage usage;
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters)) {
    usage.privateBytes = counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
  }
  for (HWND window : TopLevelWindows(processId)) {
    Count(usage, window);
    EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&usage));
  }
  usage.userObjects = GetGuiResources(process, GR_USEROBJECTS);
  usage.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
  return usage;
}

std::string Describe(const Usage& usage) {
  return std::to_string(usage.privateBytes / 1024) + " KiB private, " + std::to_string(usage.windows) + " windows, " +
         std::to_string(usage.userObjects) + " USER and " + std::to_string(usage.gdiObjects) + " GDI objects";
}

std::string MoreWindows(const Usage& earlier, const Usage& later) {
  std::string more;
  for (const auto& [windowClass, count] : later.windowClasses) {
    const auto before = earlier.windowClasses.find(windowClass);
    const int was = before == earlier.windowClasses.end() ? 0 : before->second;
    if (count <= was) continue;
    if (!more.empty()) more += ", ";
    more += ToUtf8(windowClass) + " " + std::to_string(was) + " -> " + std::to_string(count);
  }
  return more.empty() ? "none" : more;
}

} // namespace e2e
