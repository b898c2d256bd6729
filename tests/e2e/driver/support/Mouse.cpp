#include "Mouse.h"

#include <chrono>
#include <stdexcept>
#include <string>

#include "HostCommand.h"

namespace e2e {

void ClickAt(POINT point) {
  const int status =
      RunHostCommand({L"xdotool", L"mousemove", std::to_wstring(point.x), std::to_wstring(point.y), L"click", L"1"},
                     std::chrono::seconds(10));
  if (status != 0) throw std::runtime_error("xdotool click exited with status " + std::to_string(status));
}

} // namespace e2e
