#pragma once
// One round of the benchmark for one program: start it, let it idle, toggle its fullscreen state, close it.

#include <chrono>
#include <string>
#include <vector>

#include "ProcessCounters.h"

namespace bench {

struct Target {
  std::string name;
  std::wstring path;
  // The class of its main window.
  std::wstring windowClass;
  // Appended to the quoted path on its command line.
  std::wstring arguments;
};

struct MeasureOptions {
  std::chrono::milliseconds idle{5000};
  int toggles = 5;
};

struct Sample {
  // From just before CreateProcess until the main window is visible and its thread has answered a sent
  // WM_NULL, that is, until the window is shown and the message loop takes input.
  double startupMs = 0;
  // CPU time of the process up to that moment: also shows that its CPU time can be read at all.
  double startupCpuMs = 0;
  Memory afterStartup;
  Memory afterIdle;
  // CPU time over the idle interval.
  double idleCpuMs = 0;
  // From sending the click of "Fullscreen" until the command has returned and the window is painted, borderless
  // over its monitor's rectangle, and from the next click until it is painted framed again in its former
  // rectangle; one of each per round trip, the first of a fresh process first.
  std::vector<double> enterMs;
  std::vector<double> leaveMs;
};

// Throws when the program does not start, answer, toggle or end as expected within generous time limits.
Sample MeasureOnce(const Target& target, const MeasureOptions& options);

} // namespace bench
