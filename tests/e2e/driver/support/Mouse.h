#pragma once
// Real mouse clicks through the X server that Wine draws on.

#include <windows.h>

namespace e2e {

// Moves the pointer to the point on the screen and clicks the left button there with xdotool, and returns
// when xdotool has sent it; the program gets it as it would a user's click, or does not get it where a user's
// would not reach, as on a disabled window. Throws when xdotool fails.
void ClickAt(POINT point);

} // namespace e2e
