#pragma once
// Making a box modal to the whole application: the GUI thread's other windows take no input while it is open.

#include <windows.h>

#include <vector>

using TTaskWindowList = std::vector<HWND>;

// Disables every top-level window of the GUI thread that is visible and enabled, except `owner`.
TTaskWindowList DisableTaskWindows(HWND owner);
// Enables again each window of the list that still exists.
void EnableTaskWindows(const TTaskWindowList& list) noexcept;

// DisableTaskWindows for as long as it lives, on every way out.
class TaskWindowsDisabled {
public:
  explicit TaskWindowsDisabled(HWND owner) : list_(DisableTaskWindows(owner)) {}
  ~TaskWindowsDisabled() { EnableTaskWindows(list_); }
  TaskWindowsDisabled(const TaskWindowsDisabled&) = delete;
  TaskWindowsDisabled& operator=(const TaskWindowsDisabled&) = delete;

private:
  TTaskWindowList list_;
};
