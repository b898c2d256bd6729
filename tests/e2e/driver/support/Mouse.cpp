#include "Mouse.h"

#include <chrono>
#include <stdexcept>
#include <string>

#include "HostCommand.h"

namespace e2e {

void ClickAt(POINT point) {
  // Wine puts the top-left corner of the virtual screen, which is left of and above the primary monitor's
  // origin where another monitor lies there, at the X screen's origin.
  const int x = point.x - GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int y = point.y - GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int status = RunHostCommand({L"xdotool", L"mousemove", std::to_wstring(x), std::to_wstring(y), L"click", L"1"},
                                    std::chrono::seconds(10));
  if (status != 0) throw std::runtime_error("xdotool click exited with status " + std::to_string(status));
}

} // namespace e2e
