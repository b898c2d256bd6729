#pragma once
// The file-open dialog's rounds that the scenarios of the file dialog share: one click on File-Dlg, what the
// dialog offers as the file name, how it is closed, and the main window afterwards.

#include <windows.h>

#include <string>

#include "support/Check.h"
#include "support/Process.h"

namespace e2e {

enum class Ending { cancelButton, cancelCommand, escKey, confirmFile, confirmMissingName };
enum class NameShown { empty, chosenFile, missingName };

// The names the rounds confirm: a file that exists, and one whose file does not.
struct Names {
  std::wstring chosenFile;
  std::wstring missingName;
};

// One click on File-Dlg: what the dialog offers as the file name and how it is closed.
struct Round {
  const char* name;
  NameShown nameShown;
  Ending ending;
  // A picture of the open dialog is saved under this name; none for most rounds.
  const wchar_t* screenshot;
};

// Opens the dialog from the main window, checks it and what it offers, closes it as the round says, and checks
// the main window is as before.
void RunRound(Checker& check, const Process& process, HWND mainWindow, const Round& round, const Names& names);

} // namespace e2e
