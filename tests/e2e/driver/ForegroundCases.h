#pragma once
// With another program's window behind the subject, the subject's main window is the foreground and active
// window again after every box that one of its buttons opens: what the foreground scenarios share.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "support/Check.h"
#include "support/Process.h"

namespace e2e {

enum class Closing { okButton, cancelButton, confirmName };

// A box that a button of the subject opens, and how the box is closed.
struct BoxCase {
  const char* name;
  std::wstring_view button;
  Closing closing;
};

// What a scenario drives: how its window is found, and the boxes its buttons open.
struct Subject {
  HWND (*requireWindow)(Checker& check, const Process& process);
  std::vector<BoxCase> cases;
};

// Starts another process of the program behind, then the program, and runs each box case in that one process.
void RunForegroundCases(Checker& check, const std::wstring& program, const Subject& subject);

} // namespace e2e
