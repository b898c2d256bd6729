#include "WindowQuery.h"

#include <stdexcept>

#include "Text.h"
#include "Wait.h"

namespace e2e {

namespace {

BOOL CALLBACK CollectOfProcess(HWND window, LPARAM parameter) {
  auto& found = *reinterpret_cast<std::pair<DWORD, std::vector<HWND>>*>(parameter);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId == found.first) found.second.push_back(window);
  return TRUE;
}

GUITHREADINFO ThreadInfo(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(ThreadOf(window), &info)) return GUITHREADINFO{};
  return info;
}

} // namespace

std::vector<HWND> TopLevelWindows(DWORD processId) {
  std::pair<DWORD, std::vector<HWND>> found{processId, {}};
  EnumWindows(CollectOfProcess, reinterpret_cast<LPARAM>(&found));
  return found.second;
}

std::vector<HWND> ChildrenInZOrder(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

HWND WaitForVisibleWindow(DWORD processId, const std::wstring& className, std::chrono::milliseconds timeout) {
  HWND found = nullptr;
  WaitFor(timeout, [&] {
    for (HWND window : TopLevelWindows(processId)) {
      if (IsWindowVisible(window) && ClassName(window) == className) {
        found = window;
        return true;
      }
    }
    return false;
  });
  return found;
}

std::wstring ClassName(HWND window) {
  wchar_t name[256]{};
  const int length = GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return std::wstring(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

std::wstring BaseClassName(HWND window) {
  wchar_t name[256]{};
  const UINT length = RealGetWindowClassW(window, name, static_cast<UINT>(std::size(name)));
  return std::wstring(name, length);
}

std::wstring Text(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

DWORD ThreadOf(HWND window) { return GetWindowThreadProcessId(window, nullptr); }

LONG_PTR Style(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }

LONG_PTR ExStyle(HWND window) { return GetWindowLongPtrW(window, GWL_EXSTYLE); }

bool HasStyle(HWND window, LONG_PTR bits) { return (Style(window) & bits) == bits; }

bool HasExStyle(HWND window, LONG_PTR bits) { return (ExStyle(window) & bits) == bits; }

HWND Owner(HWND window) { return GetWindow(window, GW_OWNER); }

Size ClientSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right - client.left, client.bottom - client.top};
}

Box BoxInParent(HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

bool HasTaskbarButton(HWND window) {
  if (!IsWindowVisible(window)) return false;
  if (HasExStyle(window, WS_EX_APPWINDOW)) return true;
  return Owner(window) == nullptr && !HasExStyle(window, WS_EX_TOOLWINDOW);
}

HWND FocusOfThread(HWND window) { return ThreadInfo(window).hwndFocus; }

HWND ActiveOfThread(HWND window) { return ThreadInfo(window).hwndActive; }

Box BoxOf(const RECT& rect) { return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}; }

Box OuterBox(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return BoxOf(rect);
}

Box ClientOnScreen(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
  return BoxOf(rect);
}

namespace {

MonitorAreas AreasOf(HMONITOR monitor) {
  MONITORINFO info{sizeof info};
  if (!GetMonitorInfoW(monitor, &info)) throw std::runtime_error("GetMonitorInfo failed");
  return {BoxOf(info.rcMonitor), BoxOf(info.rcWork)};
}

// A named callback: a lambda does not convert to the stdcall function pointer of the 32-bit build.
BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, RECT*, LPARAM found) {
  MONITORINFO info{sizeof info};
  GetMonitorInfoW(monitor, &info);
  auto& monitors = *reinterpret_cast<std::vector<MonitorAreas>*>(found);
  const MonitorAreas areas{BoxOf(info.rcMonitor), BoxOf(info.rcWork)};
  if (info.dwFlags & MONITORINFOF_PRIMARY) {
    monitors.insert(monitors.begin(), areas);
  } else {
    monitors.push_back(areas);
  }
  return TRUE;
}

} // namespace

MonitorAreas MonitorOf(HWND window) { return AreasOf(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)); }

std::vector<MonitorAreas> Monitors() {
  std::vector<MonitorAreas> monitors;
  EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

std::vector<HWND> VisibleChildren(HWND parent, std::wstring_view baseClass) {
  std::vector<HWND> found;
  for (HWND child : ChildrenInZOrder(parent)) {
    if (IsWindowVisible(child) && Lowercase(BaseClassName(child)) == baseClass) found.push_back(child);
  }
  return found;
}

std::wstring ChildTexts(HWND parent, std::wstring_view baseClass) {
  std::wstring joined;
  for (HWND child : VisibleChildren(parent, baseClass)) {
    const std::wstring text = Text(child);
    if (text.empty()) continue;
    if (!joined.empty()) joined += L" | ";
    joined += text;
  }
  return joined;
}

} // namespace e2e
