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

bool Exists(HWND window) noexcept { return window && IsWindow(window); }

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

ModalBox::ModalBox(HWND owner, TReactivate reactivate, TRestoreFocus restoreFocus)
    : owner_(owner), previouslyActive_(GetActiveWindow()), focus_(GetFocus()), reactivate_(reactivate),
      restoreFocus_(restoreFocus), disabled_(DisableTaskWindows(owner)) {}

ModalBox::~ModalBox() {
  EnableTaskWindows(disabled_);
  const HWND active = reactivate_ == TReactivate::Owner ? owner_ : previouslyActive_;
  if (Exists(active)) SetActiveWindow(active);
  if (restoreFocus_ == TRestoreFocus::Yes && Exists(focus_)) SetFocus(focus_);
  if (Exists(previouslyActive_)) SetForegroundWindow(previouslyActive_);
}
