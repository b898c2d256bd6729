#include "Session.h"

#include <windows.h>

#include "Image.h"

namespace e2e {

std::optional<std::string> SessionRoute() {
  char route[64]{};
  const DWORD length = GetEnvironmentVariableA("PELLACORD_ROUTE", route, sizeof route);
  if (length == 0 || length >= sizeof route) return std::nullopt;
  return std::string(route, length);
}

std::string DescribeRun(const std::wstring& program) {
  const std::string image = DescribeImage(program);
  std::string described =
      image.starts_with("PE32+") ? "the 64-bit build (" + image + ")" : "the shipped 32-bit image (" + image + ")";
  if (const std::optional<std::string> route = SessionRoute()) described += ", " + *route + " route";
  const int monitors = GetSystemMetrics(SM_CMONITORS);
  described += monitors == 1 ? ", one monitor" : ", " + std::to_string(monitors) + " monitors";
  return described;
}

} // namespace e2e
