#pragma once
// Placing a box within an area of the screen: the one centring rule of every box and window of the framework.

#include <cstdint>

#include "Types.h"

// The top-left corner that centres a box of the given size in `area`, halves truncated toward zero. Computed
// without wrapping, also for a box larger than the area or an area far from the origin.
TPoint CentredIn(const TRect& area, std::int32_t width, std::int32_t height) noexcept;
