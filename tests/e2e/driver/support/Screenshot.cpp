#include "Screenshot.h"

#include <windows.h>

#include <chrono>
#include <stdexcept>

#include "HostCommand.h"
#include "Text.h"

namespace e2e {

namespace {

constexpr std::chrono::milliseconds screenshotTimeout = std::chrono::seconds(30);

// Written under another name first, so that a file with the final name is always a whole picture.
constexpr wchar_t saveShell[] = LR"(mkdir -p "$1" && xdotool mousemove 0 0 && )"
                                LR"(import -window root "png:$1/$2.png.part" && mv -f "$1/$2.png.part" "$1/$2.png")";

} // namespace

std::optional<std::wstring> SaveScreenshot(const std::wstring& name) {
  wchar_t directory[MAX_PATH]{};
  const DWORD length = GetEnvironmentVariableW(L"PELLACORD_SCREENSHOTS", directory, MAX_PATH);
  if (length == 0) return std::nullopt;
  if (length >= MAX_PATH) throw std::runtime_error("PELLACORD_SCREENSHOTS is too long");
  const int status = RunHostCommand({L"/bin/sh", L"-c", saveShell, L"sh", directory, name}, screenshotTimeout);
  if (status != 0) {
    throw std::runtime_error("screenshot " + ToUtf8(name) + " failed with status " + std::to_string(status));
  }
  return std::wstring(directory) + L"/" + name + L".png";
}

} // namespace e2e
