// The task dialog, forced in the test program: contents, owner, place on the work area, the ways to close it
// that Wine's task dialog knows as Windows' does.

#include <string>

#include "GreetingBoxes.h"
#include "MainWindow.h"

namespace e2e {

namespace {

// The probe's first focus is on its other button, so its box is opened by clicks only.
constexpr GreetingCase cases[] = {
    {"click, OK", Open::click, Place::asStarted, Close::okClick, false, L"task-dialog"},
    {"click, Enter", Open::click, Place::asStarted, Close::enterKey, false, nullptr},
    {"click, Alt+F4", Open::click, Place::asStarted, Close::altF4, false, nullptr},
    {"click, WM_CLOSE", Open::click, Place::asStarted, Close::wmClose, false, nullptr},
    {"moved window, click, OK", Open::click, Place::movedAndResized, Close::okClick, false, nullptr},
    {"moved window, click, WM_CLOSE", Open::click, Place::movedAndResized, Close::wmClose, false, nullptr},
    {"lower right, click, OK", Open::click, Place::lowerRight, Close::okClick, false, nullptr},
    {"lower right, click, Enter", Open::click, Place::lowerRight, Close::enterKey, false, nullptr},
    {"lower right, click, Alt+F4", Open::click, Place::lowerRight, Close::altF4, false, nullptr},
};

} // namespace

void TaskDialogScenario(Checker& check, const std::wstring& program) {
  RunGreetingCases(check, program, probeTaskDialog, cases);
}

} // namespace e2e
