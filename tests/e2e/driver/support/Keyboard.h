#pragma once
// Real key presses through the X server that Wine draws on.

#include <string>

namespace e2e {

// Presses a key combination in xdotool's notation ("Tab", "shift+Tab") on the session's display once the X
// input focus is on the top-level window with that caption, and returns when xdotool has sent it; the
// program gets it as it would a user's. The helper script is named by PELLACORD_PRESS_KEYS, which
// wine-run.sh sets.
void PressKeys(const std::wstring& windowCaption, const std::wstring& keys);

} // namespace e2e
