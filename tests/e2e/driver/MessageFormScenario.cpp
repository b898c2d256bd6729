// The framework's message form, forced in its test program: contents, place, keys, clipboard.

#include <string>

#include "GreetingBoxes.h"
#include "MainWindow.h"

namespace e2e {

namespace {

// The probe's first focus is on its other button, so its box is opened by clicks only.
constexpr GreetingCase cases[] = {
    {"Ctrl+C, Enter", Open::click, Place::asStarted, Close::enterKey, true, L"message-form"},
    {"Ctrl+C, Esc", Open::click, Place::asStarted, Close::escKey, true, nullptr},
    {"Ctrl+C, WM_CLOSE", Open::click, Place::asStarted, Close::wmClose, true, nullptr},
    {"moved window, OK", Open::click, Place::movedAndResized, Close::okClick, false, nullptr},
};

} // namespace

void MessageFormScenario(Checker& check, const std::wstring& program) {
  RunGreetingCases(check, program, probeMessageForm, cases);
}

} // namespace e2e
