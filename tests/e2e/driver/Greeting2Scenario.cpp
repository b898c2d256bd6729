// On two monitors, the second left of the primary and lower: the greeting box of a main window on the second
// monitor, also while fullscreen there.

#include <string>

#include "GreetingBoxes.h"
#include "MainWindow.h"

namespace e2e {

namespace {

// The main window on the second monitor, left of the primary and lower: the task dialog is centred on that
// monitor's work area.
constexpr GreetingCase cases[] = {
    {"second monitor, click, OK", Open::click, Place::secondMonitor, Close::okClick, false, L"greeting-second-monitor"},
    {"second monitor, click, Enter", Open::click, Place::secondMonitor, Close::enterKey, false, nullptr},
    {"fullscreen on the second monitor, click, OK", Open::click, Place::fullscreenOnSecond, Close::okClick, false,
     nullptr},
    {"fullscreen on the second monitor, click, Alt+F4", Open::click, Place::fullscreenOnSecond, Close::altF4, false,
     nullptr},
};

} // namespace

void Greeting2Scenario(Checker& check, const std::wstring& program) {
  RequireTwoMonitors(check);
  RunGreetingCases(check, program, pellacordGreeting, cases);
}

} // namespace e2e
