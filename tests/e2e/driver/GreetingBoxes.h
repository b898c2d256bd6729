#pragma once
// The greeting box that the greeting scenarios share: a case opens it in a process of its own, checks its
// contents, its place and the main window while it is open, closes it and checks the main window afterwards.
// The box comes by one of the framework's two routes, the task dialog or its own message form; each case
// knows which to expect.

#include <windows.h>

#include <span>
#include <string>

#include "support/Check.h"

namespace e2e {

enum class Open { click, enterKey, spaceKey };
enum class Place { asStarted, movedAndResized, lowerRight, fullscreen, secondMonitor, fullscreenOnSecond };
enum class Close { okClick, wmClose, enterKey, escKey, altF4 };

struct GreetingCase {
  const char* name;
  Open open;
  Place place;
  Close close;
  // Ctrl+C before closing.
  bool copyFirst;
  // A picture of the open box is saved under this name; none for most cases.
  const wchar_t* screenshot;
};

// The programs whose box is driven: Pellacord, on the route its common controls call for, and the test program
// told to take the message form or the task dialog.
struct Subject;
extern const Subject pellacordGreeting;
extern const Subject probeMessageForm;
extern const Subject probeTaskDialog;

// Each case in a process of its own, reported under its name. Where Wine shows the task dialog, the cases that
// press Esc or Ctrl+C are left out: Wine's task dialog neither closes by the one nor copies on the other, and
// those cases are the task dialog's keys scenario's, a skip under Wine.
void RunGreetingCases(Checker& check, const std::wstring& program, const Subject& subject,
                      std::span<const GreetingCase> cases);

} // namespace e2e
