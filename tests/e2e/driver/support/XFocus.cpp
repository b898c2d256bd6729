#include "XFocus.h"

#include "HostCommand.h"
#include "Wait.h"

namespace e2e {

namespace {

// Starting a host command takes a moment; on a loaded machine several.
constexpr std::chrono::milliseconds commandTimeout = 10s;

// Exits with 0 when the focused window's name is the first argument.
constexpr wchar_t focusTest[] = LR"sh([ "$(xdotool getwindowfocus getwindowname 2>/dev/null)" = "$1" ])sh";

} // namespace

bool WaitForXInputFocus(const std::wstring& windowName, std::chrono::milliseconds timeout) {
  return WaitFor(timeout, [&] {
    return RunHostCommand({L"sh", L"-c", focusTest, L"sh", windowName}, commandTimeout) == 0;
  });
}

} // namespace e2e
