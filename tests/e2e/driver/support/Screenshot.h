#pragma once
// Pictures of the session's screen, for a person to look at; no check reads them.

#include <optional>
#include <string>

namespace e2e {

// Saves the whole screen as <name>.png in the Unix directory named by PELLACORD_SCREENSHOTS, after moving the
// pointer into the corner so that it highlights nothing; returns the file's Unix path, or nothing when the
// variable is not set. Throws when the picture cannot be taken.
std::optional<std::wstring> SaveScreenshot(const std::wstring& name);

} // namespace e2e
