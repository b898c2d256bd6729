#pragma once
// The fullscreen toggle: a framed window becomes a borderless one over its monitor's full rectangle, taskbar
// area included, and back. Written against any form, screen and taskbar with the framework's operations, so
// that it runs as well on fakes.

#include "CheckedMath.h"
#include "Types.h"

// `rect` and `ws` keep the outer rectangle and state from the last entry; leaving reads them, never clears them.
// The taskbar is told of the fullscreen state once the window covers its monitor, and told that it ended as
// soon as the frame is back, before any arithmetic that may raise.
template <class Form, class Screen, class Taskbar>
void ToggleFullscreen(Form& form, Screen& screen, Taskbar& taskbar, TRect& rect, TWindowState& ws) {
  if (form.BorderStyle() != bsNone) {
    ws = form.WindowState();
    rect = form.BoundsRect();
    form.SetBorderStyle(bsNone);
    // Looked up after the frame change, which leaves the outer rectangle as it was.
    const auto* monitor = screen.MonitorFromWindow(form.Handle(), mdNearest);
    const TRect r = monitor ? monitor->BoundsRect() : TRect{};
    const std::int32_t width = CheckedSubtract(r.Right, r.Left);
    const std::int32_t height = CheckedSubtract(r.Bottom, r.Top);
    if (width <= 0 || height <= 0) {
      // No monitor, or none with an area: give the frame back and leave the window where it is.
      form.SetBorderStyle(bsSizeable);
      return;
    }
    form.SetBounds(r.Left, r.Top, width, height);
    taskbar.MarkFullscreenWindow(form.Handle(), true);
  } else {
    form.SetBorderStyle(bsSizeable);
    taskbar.MarkFullscreenWindow(form.Handle(), false);
    if (ws == wsMaximized) {
      form.SetWindowState(wsMaximized);
      return;
    }
    const std::int32_t width = CheckedSubtract(rect.Right, rect.Left);
    const std::int32_t height = CheckedSubtract(rect.Bottom, rect.Top);
    form.SetBounds(rect.Left, rect.Top, width, height);
  }
}
