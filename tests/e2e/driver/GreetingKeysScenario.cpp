// The greeting box opened and closed by real key presses.

#include <string>

#include "GreetingBoxes.h"
#include "MainWindow.h"

namespace e2e {

namespace {

constexpr GreetingCase cases[] = {
    {"Enter opens, Enter closes", Open::enterKey, Place::asStarted, Close::enterKey, false, nullptr},
    {"Space opens, Alt+F4 closes", Open::spaceKey, Place::asStarted, Close::altF4, false, nullptr},
    {"click, Esc", Open::click, Place::asStarted, Close::escKey, false, nullptr},
    {"moved window, click, Enter", Open::click, Place::movedAndResized, Close::enterKey, false, nullptr},
    {"moved window, click, Alt+F4", Open::click, Place::movedAndResized, Close::altF4, false, nullptr},
    {"fullscreen, click, Enter", Open::click, Place::fullscreen, Close::enterKey, false, nullptr},
};

} // namespace

void GreetingKeysScenario(Checker& check, const std::wstring& program) {
  RunGreetingCases(check, program, pellacordGreeting, cases);
}

} // namespace e2e
