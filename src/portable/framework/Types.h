#pragma once
// Value types shared by the framework and the commands.

#include <cstdint>

struct TRect {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;

  friend bool operator==(const TRect&, const TRect&) = default;
};

struct TPoint {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

enum class TWindowState : std::uint8_t { wsNormal, wsMinimized, wsMaximized };
using enum TWindowState;

enum class TFormBorderStyle : std::uint8_t { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using enum TFormBorderStyle;

// Which monitor a lookup gives for a window that lies on none: the nearest, the only rule the framework uses.
enum class TMonitorDefaultTo : std::uint8_t { mdNearest };
using enum TMonitorDefaultTo;
