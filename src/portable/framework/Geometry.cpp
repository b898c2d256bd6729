#include "Geometry.h"

TPoint CentredIn(const TRect& area, std::int32_t width, std::int32_t height) noexcept {
  // 64-bit intermediates: the extent of an area that spans the coordinate range does not fit 32 bits.
  const auto centre = [](std::int32_t low, std::int32_t high, std::int32_t size) {
    return static_cast<std::int32_t>(std::int64_t{low} + (std::int64_t{high} - low - size) / 2);
  };
  return {centre(area.Left, area.Right, width), centre(area.Top, area.Bottom, height)};
}
