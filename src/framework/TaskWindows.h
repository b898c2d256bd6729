#pragma once
// Making a box modal to the whole application: the GUI thread's other windows take no input while it is open.

#include <windows.h>

#include <cstdint>
#include <vector>

using TTaskWindowList = std::vector<HWND>;

// Disables every top-level window of the GUI thread that is visible and enabled, except `owner`.
TTaskWindowList DisableTaskWindows(HWND owner);
// Enables again each window of the list that still exists.
void EnableTaskWindows(const TTaskWindowList& list) noexcept;

// Which window is made active once the box has closed.
enum class TReactivate : std::uint8_t { Owner, PreviouslyActive };
// Whether the keyboard focus is put back where it was before the box.
enum class TRestoreFocus : std::uint8_t { No, Yes };

// The rule every modal box of the framework follows, for as long as it lives and on every way out. Opening:
// the other windows are disabled (the owner is the box's own to disable). Closing: they are enabled again
// before anything is activated, the window that `reactivate` names is made active and, where asked, the focus
// is put back. Last, the window that was active before the box is brought back to the foreground: by then the
// box's window is gone, and Windows hands the activation to its owner or, where that cannot take it (a hidden
// or disabled owner), to another program's window; SetActiveWindow alone cannot bring a background thread's
// window back, and the process had the last input, so SetForegroundWindow may.
class ModalBox {
public:
  ModalBox(HWND owner, TReactivate reactivate, TRestoreFocus restoreFocus);
  ~ModalBox();
  ModalBox(const ModalBox&) = delete;
  ModalBox& operator=(const ModalBox&) = delete;

private:
  HWND owner_;
  HWND previouslyActive_;
  HWND focus_;
  TReactivate reactivate_;
  TRestoreFocus restoreFocus_;
  TTaskWindowList disabled_;
};
