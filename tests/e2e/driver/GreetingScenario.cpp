// The greeting box opened by a click and closed by a click or a message, also with the main window moved or
// fullscreen, and its text copied by Ctrl+C.

#include <string>

#include "GreetingBoxes.h"
#include "MainWindow.h"

namespace e2e {

namespace {

constexpr GreetingCase cases[] = {
    {"click, OK", Open::click, Place::asStarted, Close::okClick, false, L"greeting-box"},
    {"click, WM_CLOSE", Open::click, Place::asStarted, Close::wmClose, false, nullptr},
    {"moved window, click, OK", Open::click, Place::movedAndResized, Close::okClick, false, L"greeting-box-moved"},
    {"moved window, click, WM_CLOSE", Open::click, Place::movedAndResized, Close::wmClose, false, nullptr},
    {"fullscreen, click, OK", Open::click, Place::fullscreen, Close::okClick, false, nullptr},
    {"click, Ctrl+C, OK", Open::click, Place::asStarted, Close::okClick, true, nullptr},
};

} // namespace

void GreetingScenario(Checker& check, const std::wstring& program) {
  RunGreetingCases(check, program, pellacordGreeting, cases);
}

} // namespace e2e
