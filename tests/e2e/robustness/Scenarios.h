#pragma once
// The robustness driver's scenarios. Each gets the program it drives and, where it needs one, a second file.

#include <string>

#include "support/Check.h"

namespace robust {

// In one process of the program: 500 fullscreen round trips, 200 greeting boxes and 100 file dialogs, after
// which the window is as it was and the process holds no more than after the first tenth of them.
void SoakScenario(e2e::Checker& check, const std::wstring& program, const std::wstring& unused);

// A copy of the program beside a planted library under system libraries' names (shcore.dll, which the program
// loads itself, and others the system loads for it): the program works and never loads one. The second file is
// the planted library.
void LibrarySearchScenario(e2e::Checker& check, const std::wstring& program, const std::wstring& planted);

// The framework's test program with failures injected into its commands: no file-dialog object, and no dialog
// window can be made; each command ends without a crash or a message and the program goes on.
void FailureScenario(e2e::Checker& check, const std::wstring& probe, const std::wstring& unused);

} // namespace robust
