#include "WindowCensus.h"

#include <algorithm>

#include "WindowQuery.h"

namespace e2e {

std::vector<HWND> WindowCensus::Sample() {
  std::vector<HWND> visible;
  for (HWND window : TopLevelWindows(processId_)) {
    if (window != mainWindow_ && IsWindowVisible(window)) visible.push_back(window);
  }
  mostAtOnce_ = std::max(mostAtOnce_, visible.size());
  seen_.insert(visible.begin(), visible.end());
  return visible;
}

} // namespace e2e
