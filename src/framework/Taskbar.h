#pragma once
// What the shell is told about the application's windows, beyond what it reads from their styles.

#include <windows.h>

#include <shobjidl.h>
#include <wrl/client.h>

class TTaskbar {
public:
  // Tells the shell that the window covers its monitor, so that the taskbar goes below it while it is active,
  // or that it no longer does. Windows guesses this from a borderless window whose client area fills the
  // monitor, but not for a window that is still maximized, which the fullscreen toggle keeps so. Any failure
  // (no shell, no taskbar) changes nothing.
  void MarkFullscreenWindow(HWND window, bool fullscreen) noexcept;
  // Makes the shell's object now, when the loop is first idle, rather than on the first toggle: loading its
  // library is the largest part of a first toggle's cost. Once made (or failed), this does nothing.
  void Prepare() noexcept { List(); }
  // Lets the shell's object go, while COM is still initialised.
  void Release() noexcept { list_.Reset(); }

private:
  // Made once; a failure is not retried.
  ITaskbarList2* List() noexcept;

  Microsoft::WRL::ComPtr<ITaskbarList2> list_;
  bool created_ = false;
};
