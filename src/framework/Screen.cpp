#include "Screen.h"

TScreen* Screen = nullptr;

TRect ToTRect(const RECT& rect) noexcept { return {rect.left, rect.top, rect.right, rect.bottom}; }

namespace {

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM param) noexcept {
  auto& handles = *reinterpret_cast<std::vector<HMONITOR>*>(param);
  try {
    handles.push_back(monitor);
  } catch (...) {
    return FALSE;
  }
  return TRUE;
}

} // namespace

TRect TMonitor::BoundsRect() const noexcept {
  MONITORINFO info{sizeof info};
  return GetMonitorInfoW(handle_, &info) ? ToTRect(info.rcMonitor) : TRect{};
}

void TScreen::GetMonitors() {
  std::vector<HMONITOR> handles;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&handles));
  monitors_.clear();
  for (HMONITOR handle : handles) monitors_.emplace_back(handle, monitors_.size());
  enumerated_ = true;
}

TMonitor* TScreen::FindMonitor(HMONITOR handle) noexcept {
  for (TMonitor& monitor : monitors_) {
    if (monitor.Handle() == handle) return &monitor;
  }
  return nullptr;
}

TMonitor* TScreen::MonitorFromWindow(HWND window, TMonitorDefaultTo) {
  const HMONITOR handle = ::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
  if (!handle) return nullptr;
  if (!enumerated_) GetMonitors();
  if (TMonitor* monitor = FindMonitor(handle)) return monitor;
  // Monitors come and go: the list is refreshed once before giving up.
  GetMonitors();
  return FindMonitor(handle);
}
