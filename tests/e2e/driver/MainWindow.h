#pragma once
// What every scenario knows about the program's main window, and the checks of its layout that the
// window and DPI scenarios share.

#include <windows.h>

#include <array>
#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "support/Check.h"
#include "support/Geometry.h"
#include "support/Process.h"
#include "support/Timeouts.h"
#include "support/WindowQuery.h"

namespace e2e {

using namespace std::chrono_literals;

inline constexpr std::wstring_view mainWindowClass = L"TForm1";
inline constexpr std::wstring_view applicationWindowClass = L"TApplication";
inline constexpr std::wstring_view mainWindowCaption = L"Pellacord";

struct ButtonLayout {
  std::wstring_view caption;
  Box box;
};

struct MainWindowLayout {
  Size client;
  // In tab order, which is also the z-order from the top.
  std::array<ButtonLayout, 3> buttons;
};

inline constexpr MainWindowLayout layoutAt96{
    {624, 441}, {{{L"Hallo?", {32, 40, 75, 25}}, {L"File-Dlg", {32, 96, 75, 25}}, {L"Fullscreen", {32, 152, 75, 25}}}}};
// 441 * 1.25 = 551.25 and 25 * 1.25 = 31.25 round down, 75 * 1.25 = 93.75 up.
inline constexpr MainWindowLayout layoutAt120{
    {780, 551},
    {{{L"Hallo?", {40, 50, 94, 31}}, {L"File-Dlg", {40, 120, 94, 31}}, {L"Fullscreen", {40, 190, 94, 31}}}}};
// 441 * 1.5 = 661.5 and 75 * 1.5 = 112.5 round up.
inline constexpr MainWindowLayout layoutAt144{
    {936, 662},
    {{{L"Hallo?", {48, 60, 113, 38}}, {L"File-Dlg", {48, 144, 113, 38}}, {L"Fullscreen", {48, 228, 113, 38}}}}};
// 441 * 1.75 = 771.75 and 25 * 1.75 = 43.75 round up, 75 * 1.75 = 131.25 down.
inline constexpr MainWindowLayout layoutAt168{
    {1092, 772},
    {{{L"Hallo?", {56, 70, 131, 44}}, {L"File-Dlg", {56, 168, 131, 44}}, {L"Fullscreen", {56, 266, 131, 44}}}}};

// The main window once it is shown; ends the scenario when none appears in time.
HWND RequireMainWindow(Checker& check, const Process& process);

// The process's hidden application window; null when it has none.
HWND ApplicationWindow(DWORD processId);

// The main window's direct child with that caption; ends the scenario when there is none.
HWND RequireChild(Checker& check, HWND parent, std::wstring_view caption);

// Moves the window from outside, without activating it, and ends the scenario unless it gets there.
void RequireMovedTo(Checker& check, HWND window, const Box& place);

// The session's two monitors, the primary first, once they are checked to be laid out as the two-monitor
// scenarios expect: the second left of the primary and lower, at negative coordinates, and each with a work
// area smaller than itself. Ends the scenario otherwise.
std::vector<MonitorAreas> RequireTwoMonitors(Checker& check);

// The process's top-level windows (main, hidden application window, taskbar) and the main window's
// buttons against the layout.
void CheckMainWindow(Checker& check, const Process& process, HWND mainWindow, const MainWindowLayout& layout);

} // namespace e2e
