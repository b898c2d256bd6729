#pragma once
// The screen and its monitors.

#include <windows.h>

#include <memory>
#include <vector>

#include "Classes.h"
#include "Types.h"

// A Windows rectangle as the framework's.
TRect ToTRect(const RECT& rect) noexcept;

class TMonitor {
public:
  TMonitor(HMONITOR handle, std::size_t monitorNum) noexcept : handle_(handle), monitorNum_(monitorNum) {}

  HMONITOR Handle() const noexcept { return handle_; }
  std::size_t MonitorNum() const noexcept { return monitorNum_; }
  // The monitor's full rectangle in virtual-screen coordinates, taskbar included; empty if the system no longer
  // knows the monitor.
  TRect BoundsRect() const noexcept;

private:
  HMONITOR handle_;
  std::size_t monitorNum_;
};

class TScreen : public TComponent {
public:
  using TComponent::TComponent;

  // The monitor of the screen's list that the system picks for the window; the list is enumerated again once when
  // the system names a monitor it does not hold. Null when none can be had.
  TMonitor* MonitorFromWindow(HWND window, TMonitorDefaultTo defaultTo = mdNearest);

private:
  void GetMonitors();
  TMonitor* FindMonitor(HMONITOR handle) noexcept;

  std::vector<TMonitor> monitors_;
  bool enumerated_ = false;
};

extern TScreen* Screen;
