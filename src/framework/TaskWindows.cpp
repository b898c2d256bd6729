#include "TaskWindows.h"

namespace {

struct DisableRequest {
  HWND owner;
  TTaskWindowList* list;
};

BOOL CALLBACK DisableOne(HWND window, LPARAM param) noexcept {
  auto& request = *reinterpret_cast<DisableRequest*>(param);
  if (window != request.owner && IsWindowVisible(window) && IsWindowEnabled(window)) {
    try {
      request.list->push_back(window);
    } catch (...) {
      return FALSE; // out of memory: leave the rest enabled rather than lose track of them
    }
    EnableWindow(window, FALSE);
  }
  return TRUE;
}

} // namespace

TTaskWindowList DisableTaskWindows(HWND owner) {
  TTaskWindowList list;
  DisableRequest request{owner, &list};
  EnumThreadWindows(GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(&request));
  return list;
}

void EnableTaskWindows(const TTaskWindowList& list) noexcept {
  for (HWND window : list) {
    if (IsWindow(window)) EnableWindow(window, TRUE);
  }
}
