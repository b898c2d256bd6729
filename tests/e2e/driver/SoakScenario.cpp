// In one process of the program: 500 fullscreen round trips, 200 greeting boxes and 100 file dialogs, after which
// the window is as it was and the process holds no more memory or windows than after the first tenth. Its
// USER and GDI objects are the GuiObjects scenario's.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "Commands.h"
#include "MainWindow.h"
#include "ProcessUsage.h"
#include "support/Text.h"
#include "support/Wait.h"

namespace e2e {

namespace {

using Clock = std::chrono::steady_clock;

// 500 fullscreen round trips, 200 greeting boxes and 100 file dialogs, interleaved so that each command runs
// after the others have left their traces.
constexpr int cycles = 100;
constexpr int fullscreenPerCycle = 5;
constexpr int greetingsPerCycle = 2;
constexpr int fileDialogsPerCycle = 1;
// Lazily made state (the dialogs' classes, fonts, Wine's caches) settles within the first tenth of the run;
// growth is measured from there, sampled every tenth.
constexpr int warmUpCycles = 10;
constexpr int sampleEvery = 10;

// Growth allowed after the warm-up, not counting its two largest steps between samples. Wine's heap now and
// then takes a step (one of some 1.2 MiB; once another of some 240 KiB) at any point of a run and stays flat
// after it; a leak instead grows in every tenth. Measured under Wine 8 over the 90 cycles after the warm-up, the rest
// grew by 0 to 8 KiB (page steps of 4 KiB), so 32 KiB leaves room for the heap's own bookkeeping. A leak of 3000 bytes
// per greeting box shows (planted: some 340 KiB); one of 300 bytes did not, as it fits in room the heap had already
// taken, in both images: private bytes see a leak only once it outgrows that. Windows: none; Wine's file dialog
// leaves one of its panes behind for a few seconds now and then, so the count is polled for.
constexpr std::uint64_t privateBytesAllowance = 32 * 1024;
constexpr std::size_t excusedSteps = 2;
// The shipped 32-bit image under emulation takes a third step, of 32 to 40 KiB, once in a run (seen in three runs of
// five; the rest grew by 0 to 16 KiB), so one more step is excused there; the planted leak of 3000 bytes per greeting
// box still showed (some 370 KiB).
constexpr std::size_t excusedStepsOf32BitImage = 3;
constexpr std::size_t windowsAllowance = 0;

struct Timing {
  const char* what;
  int count = 0;
  Clock::duration total{};

  template <typename Step> void Run(Step&& step) {
    const auto started = Clock::now();
    step();
    total += Clock::now() - started;
    ++count;
  }

  void Print() const {
    const double seconds = std::chrono::duration<double>(total).count();
    std::printf("  %-26s %4d in %6.1f s, %6.1f ms each\n", what, count, seconds, count ? 1000 * seconds / count : 0.0);
  }
};

// The private bytes gained from the first sample to the last, less the largest gains between two samples.
std::uint64_t GrowthBesidesLargestSteps(const std::vector<std::uint64_t>& samples, std::size_t excused) {
  std::vector<std::uint64_t> gains;
  for (std::size_t i = 1; i < samples.size(); ++i) {
    gains.push_back(samples[i] > samples[i - 1] ? samples[i] - samples[i - 1] : 0);
  }
  std::sort(gains.begin(), gains.end(), std::greater<>());
  std::uint64_t growth = 0;
  for (std::size_t i = excused; i < gains.size(); ++i) growth += gains[i];
  return growth;
}

void CheckGrowth(Checker& check, const Process& process, const Usage& warm, std::vector<std::uint64_t> privateSamples) {
  Usage end;
  WaitFor(stateTimeout, [&] {
    end = ReadUsage(process.Handle(), process.Id());
    return end.windows <= warm.windows + windowsAllowance;
  });
  std::printf("at the end: %s; more windows than after warm-up: %s\n", Describe(end).c_str(),
              MoreWindows(warm, end).c_str());
  privateSamples.push_back(end.privateBytes);
  BOOL emulated = FALSE;
  const std::size_t excused =
      IsWow64Process(process.Handle(), &emulated) && emulated ? excusedStepsOf32BitImage : excusedSteps;
  const std::uint64_t growth = GrowthBesidesLargestSteps(privateSamples, excused);
  std::printf("private bytes gained after the warm-up, besides the %zu largest steps: %llu KiB\n", excused,
              static_cast<unsigned long long>(growth / 1024));
  const std::string privateMeasure =
      "private bytes gained after the warm-up (" + std::to_string(warm.privateBytes / 1024) +
      " KiB), besides the largest steps, at most " + std::to_string(privateBytesAllowance / 1024) + " KiB";
  check.Equal(true, growth <= privateBytesAllowance, privateMeasure);
  check.Equal(true, end.windows <= warm.windows + windowsAllowance,
              "windows of the process after the run, at most " + std::to_string(windowsAllowance) + " more than " +
                  std::to_string(warm.windows) + " after warm-up (more: " + MoreWindows(warm, end) + ")");
}

} // namespace

void SoakScenario(Checker& check, const std::wstring& program) {
  const Process process = Process::Launch(program);
  const HWND window = RequireWindow(check, process, L"TForm1");
  check.Require(true, process.WaitUntilIdle(stateTimeout), "program idle after start-up");
  const FrameState first = ReadFrame(window);
  const HWND greeting = RequireChild(check, window, L"Hallo?");
  const HWND fileDialog = RequireChild(check, window, L"File-Dlg");
  const HWND fullscreen = RequireChild(check, window, L"Fullscreen");
  std::printf("first state: %s; at start-up: %s\n", Describe(first).c_str(),
              Describe(ReadUsage(process.Handle(), process.Id())).c_str());
  std::fflush(stdout);

  Timing fullscreenTiming{"fullscreen round trips"};
  Timing greetingTiming{"greeting boxes"};
  Timing fileDialogTiming{"file dialogs"};
  Usage warm;
  std::vector<std::uint64_t> privateSamples;
  const auto started = Clock::now();
  for (int cycle = 1; cycle <= cycles; ++cycle) {
    const Checker::Case named(check, "cycle " + std::to_string(cycle));
    for (int i = 0; i < fullscreenPerCycle; ++i) {
      fullscreenTiming.Run([&] { FullscreenRoundTrip(check, window, fullscreen, first); });
    }
    for (int i = 0; i < greetingsPerCycle; ++i) {
      greetingTiming.Run([&] {
        const std::wstring boxClass = GreetingRoundTrip(check, process, window, greeting);
        if (greetingTiming.count == 0) std::printf("greeting box: class %s\n", ToUtf8(boxClass).c_str());
      });
    }
    for (int i = 0; i < fileDialogsPerCycle; ++i) {
      fileDialogTiming.Run([&] { FileDialogRoundTrip(check, process, window, fileDialog); });
    }
    if (cycle % sampleEvery == 0) {
      process.WaitUntilIdle(stateTimeout);
      const Usage usage = ReadUsage(process.Handle(), process.Id());
      if (cycle == warmUpCycles) warm = usage;
      if (cycle >= warmUpCycles) privateSamples.push_back(usage.privateBytes);
      std::printf("after cycle %3d (%5.1f s): %s; more windows than after warm-up: %s\n", cycle,
                  std::chrono::duration<double>(Clock::now() - started).count(), Describe(usage).c_str(),
                  MoreWindows(warm, usage).c_str());
      std::fflush(stdout);
    }
  }
  std::printf("time taken:\n");
  fullscreenTiming.Print();
  greetingTiming.Print();
  fileDialogTiming.Print();

  check.Equal(first, ReadFrame(window), "the main window's style, outer rectangle and zoom after the run");
  check.Equal(false, IsZoomed(window) != FALSE, "main window zoomed after the run");
  process.WaitUntilIdle(stateTimeout);
  CheckGrowth(check, process, warm, std::move(privateSamples));
  CheckClosesCleanly(check, process, window, exitTimeout);
}

} // namespace e2e
