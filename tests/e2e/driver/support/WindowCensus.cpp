#include "WindowCensus.h"

#include <algorithm>
#include <string_view>

#include "WindowQuery.h"

namespace e2e {

namespace {

// Wine's file dialog makes its panes as top-level windows of this class and moves them into the dialog; on a
// loaded machine one shows for a moment before it gets there. It is Wine's, not a window the program opens.
constexpr std::wstring_view wineFileDialogPane = L"idlg_container_pane";

} // namespace

std::vector<HWND> WindowCensus::Sample() {
  std::vector<HWND> visible;
  for (HWND window : TopLevelWindows(processId_)) {
    if (window != mainWindow_ && IsWindowVisible(window) && ClassName(window) != wineFileDialogPane) {
      visible.push_back(window);
    }
  }
  mostAtOnce_ = std::max(mostAtOnce_, visible.size());
  seen_.insert(visible.begin(), visible.end());
  return visible;
}

} // namespace e2e
