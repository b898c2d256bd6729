#include "WindowKeys.h"

#include <chrono>
#include <cstdint>
#include <stdexcept>

#include "HostCommand.h"
#include "Text.h"
#include "XFocus.h"

namespace e2e {

namespace {

// The focus wait has its own limit, so that the shell ends, and reports, before the driver stops waiting.
constexpr wchar_t pressShell[] = LR"(timeout 5 xdotool windowfocus --sync "$1" && xdotool key "$2")";

} // namespace

void PressKeysIn(HWND window, const std::wstring& keys) {
  const std::uintptr_t xWindow = XWindowOf(window);
  if (xWindow == 0) throw std::runtime_error("no X window for " + ToUtf8(keys) + " to be pressed in");
  const int status =
      RunHostCommand({L"/bin/sh", L"-c", pressShell, L"sh", std::to_wstring(xWindow), keys}, std::chrono::seconds(15));
  if (status != 0) {
    throw std::runtime_error("pressing " + ToUtf8(keys) + " in X window " + std::to_string(xWindow) +
                             " failed with status " + std::to_string(status) + (status == 124 ? " (no focus)" : ""));
  }
}

} // namespace e2e
