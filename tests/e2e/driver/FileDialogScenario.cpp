// The file-open dialog in one process: owner, cancel in its ways, a confirmed file offered again, also past a
// cancel, and a name whose file does not exist taken as well.

#include <string>
#include <vector>

#include "FileDialogRounds.h"
#include "MainWindow.h"
#include "support/Closing.h"
#include "support/TemporaryFolder.h"
#include "support/Wait.h"
#include "support/WindowQuery.h"

namespace e2e {

namespace {

// In one process, in this order: the name carries over from a confirmed choice, also past a cancel.
constexpr Round rounds[] = {
    {"first, Cancel button", NameShown::empty, Ending::cancelButton, L"file-dialog"},
    {"clicks behind it, Esc", NameShown::empty, Ending::escKey, nullptr},
    {"a file confirmed", NameShown::empty, Ending::confirmFile, nullptr},
    {"after the confirmed file, IDCANCEL", NameShown::chosenFile, Ending::cancelCommand, nullptr},
    {"after a cancel, Cancel button", NameShown::chosenFile, Ending::cancelButton, nullptr},
    // The dialog's own defaults are replaced, not extended: a name whose file does not exist is taken too.
    {"a name that does not exist confirmed", NameShown::chosenFile, Ending::confirmMissingName, nullptr},
    {"after the name that does not exist, Cancel button", NameShown::missingName, Ending::cancelButton, nullptr},
};

} // namespace

void FileDialogScenario(Checker& check, const std::wstring& program) {
  // Outlives the process, which may hold the folder as its current directory after the dialog.
  TemporaryFolder folder(L"pellacord-filedialog");
  const std::wstring chosenFile = folder.AddFile(L"chosen.txt");
  const Names names{chosenFile, chosenFile.substr(0, chosenFile.rfind(L'\\') + 1) + L"not-there.txt"};
  // The rounds run in one process and build on each other: the first that cannot go on ends them.
  check.RunCase("one process", [&] {
    const Process process = Process::Launch(program, {SW_SHOWNORMAL});
    const HWND mainWindow = RequireMainWindow(check, process);
    check.Require(mainWindow, WaitForValue(mainWindow, stateTimeout, [&] { return ActiveOfThread(mainWindow); }),
                  "active window after start-up");
    check.Equal(true, process.WaitUntilIdle(stateTimeout), "program becomes idle after start-up");
    for (const Round& round : rounds) RunRound(check, process, mainWindow, round, names);
    CheckClosesCleanly(check, process, mainWindow, exitTimeout);
  });
  check.Equal(true, folder.Remove(), "temporary folder removed");
}

} // namespace e2e
