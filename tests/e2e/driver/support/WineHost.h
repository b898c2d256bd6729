#pragma once
// What the driver needs from the Unix host that Wine runs on. Wine's own exports are looked up at run time:
// on Windows they are absent and these fail with an explanation.

#include <string>

namespace e2e {

// Whether the driver runs under Wine: ntdll exports Wine's version there.
bool RunsUnderWine();

// "/work/x.exe" as the Windows path that Wine maps to it.
std::wstring WindowsPathOfUnixPath(const std::wstring& unixPath);
// The Unix path of a Windows path.
std::wstring UnixPathOfWindowsPath(const std::wstring& windowsPath);

} // namespace e2e
