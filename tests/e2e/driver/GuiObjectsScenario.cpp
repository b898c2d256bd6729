// The USER and GDI objects of one process of the program after each command has run a number of times: no
// more than after the first rounds. Wine counts neither (GetGuiResources answers 0), so under Wine this is a
// skip; the soak scenario's window count stands in for USER objects there.

#include <string>

#include "Commands.h"
#include "MainWindow.h"
#include "ProcessUsage.h"
#include "support/Closing.h"
#include "support/Wait.h"

namespace e2e {

namespace {

// Lazily made state (the dialogs' classes, fonts, cached brushes) is made in the first rounds.
constexpr int warmUpRounds = 2;
constexpr int rounds = 20;
// Measured on no system yet: none beyond what the warm-up made.
constexpr DWORD allowance = 0;

// USER and GDI objects, as the soak's reading gives them.
Usage Read(const Process& process) { return ReadUsage(process.Handle(), process.Id()); }

void RunRound(Checker& check, const Process& process, HWND window) {
  const FrameState framed = ReadFrame(window);
  FullscreenRoundTrip(check, window, RequireChild(check, window, L"Fullscreen"), framed);
  GreetingRoundTrip(check, process, window, RequireChild(check, window, L"Hallo?"));
  FileDialogRoundTrip(check, process, window, RequireChild(check, window, L"File-Dlg"));
  process.WaitUntilIdle(stateTimeout);
}

} // namespace

void GuiObjectsScenario(Checker& check, const std::wstring& program) {
  const Process process = Process::Launch(program);
  const HWND window = RequireWindow(check, process, L"TForm1");
  check.Require(true, process.WaitUntilIdle(stateTimeout), "program idle after start-up");
  const Usage atStart = Read(process);
  if (atStart.userObjects == 0 && atStart.gdiObjects == 0) {
    CheckClosesCleanly(check, process, window, exitTimeout);
    check.Skip("GetGuiResources answers 0 USER and 0 GDI objects for a process with a window: the system does not "
               "count them (Wine does not)");
  }
  for (int round = 0; round < warmUpRounds; ++round) RunRound(check, process, window);
  const Usage warm = Read(process);
  for (int round = 0; round < rounds; ++round) RunRound(check, process, window);
  const Usage end = Read(process);
  check.Equal(true, end.userObjects <= warm.userObjects + allowance,
              "USER objects after " + std::to_string(rounds) + " more rounds (" + std::to_string(end.userObjects) +
                  "), at most " + std::to_string(allowance) + " more than after the warm-up (" +
                  std::to_string(warm.userObjects) + ")");
  check.Equal(true, end.gdiObjects <= warm.gdiObjects + allowance,
              "GDI objects after " + std::to_string(rounds) + " more rounds (" + std::to_string(end.gdiObjects) +
                  "), at most " + std::to_string(allowance) + " more than after the warm-up (" +
                  std::to_string(warm.gdiObjects) + ")");
  CheckClosesCleanly(check, process, window, exitTimeout);
}

} // namespace e2e
