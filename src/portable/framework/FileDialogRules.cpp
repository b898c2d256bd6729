#include "FileDialogRules.h"

#include <string>

#include "Exceptions.h"

void CheckWindowsVistaOrLater(std::uint32_t windowsMajor, std::wstring_view className) {
  if (windowsMajor < 6) throw EPlatformVersionException(std::wstring(className) + L" requires Windows Vista or later");
}
