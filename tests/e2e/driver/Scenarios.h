#pragma once
// The scenarios, each run by its name as the driver's first argument.

#include <string>

#include "support/Check.h"

namespace e2e {

// Class, caption, client size, buttons, z- and tab order, taskbar button and hidden application window.
void WindowScenario(Checker& check, const std::wstring& program);
// The same at 144 DPI.
void Dpi144Scenario(Checker& check, const std::wstring& program);
// The start-up show command, one process per command.
void ShowCommandScenario(Checker& check, const std::wstring& program);
// First focus, and Tab and Shift+Tab by real key presses.
void FocusScenario(Checker& check, const std::wstring& program);
// WM_CLOSE ends the process with exit code 0.
void CloseScenario(Checker& check, const std::wstring& program);

} // namespace e2e
