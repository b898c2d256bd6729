// The task dialog, forced in the test program: closed by Esc, and its text copied by Ctrl+C. Wine's task dialog
// does neither, so under Wine this is a skip.

#include <string>

#include "GreetingBoxes.h"
#include "support/WineHost.h"

namespace e2e {

namespace {

// The probe's first focus is on its other button, so its box is opened by clicks only.
constexpr GreetingCase cases[] = {
    {"click, Esc", Open::click, Place::asStarted, Close::escKey, false, nullptr},
    {"click, Ctrl+C, OK", Open::click, Place::asStarted, Close::okClick, true, nullptr},
};

} // namespace

void TaskDialogKeysScenario(Checker& check, const std::wstring& program) {
  if (RunsUnderWine()) {
    check.Skip("Wine's task dialog does not close by Esc when it has no Cancel button, whatever its flags, and "
               "copies nothing on Ctrl+C; Windows' does both");
  }
  RunGreetingCases(check, program, probeTaskDialog, cases);
}

} // namespace e2e
