// pellacord-bench: starts Pellacord and the baseline in turn under the same conditions and prints what each
// costs, as medians over the rounds and as ratios to the baseline. A program that prints figures, not a test.
//
//   pellacord-bench --program <Pellacord.exe> --baseline <pellacord-baseline.exe>
//                   [--shipped <32-bit Pellacord.exe> --shipped-baseline <32-bit pellacord-baseline.exe>]
//                   [--rounds N] [--idle-ms N] [--toggles N] [--markdown <file>] [--note <text>]...

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <exception>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "ImageFile.h"
#include "Measure.h"
#include "Report.h"
#include "support/Handle.h"
#include "support/Process.h"
#include "support/Text.h"
#include "support/WineHost.h"

namespace {

using bench::Row;
using bench::Summary;

constexpr double kKiB = 1024.0;
constexpr double kStartupTarget = 1.15;
constexpr double kPrivateBytesTarget = 1.25;
constexpr double kIdleCpuLimitMs = 10.0;
constexpr double kShippedSizeLimit = 200 * kKiB;
constexpr double kToggleTarget = 1.25;

struct Options {
  std::wstring program;
  std::wstring baseline;
  std::wstring shipped;
  std::wstring shippedBaseline;
  std::wstring markdown;
  std::vector<std::string> notes;
  int rounds = 15;
  int idleMilliseconds = 5000;
  int toggles = 5;
};

int Usage(const char* problem) {
  std::fprintf(stderr,
               "pellacord-bench: %s\nusage: pellacord-bench --program <exe> --baseline <exe> [--shipped <exe> "
               "--shipped-baseline <exe>] [--rounds N] [--idle-ms N] [--toggles N] [--markdown <file>] "
               "[--note <text>]...\n",
               problem);
  return 2;
}

int Count(const std::wstring& text, int least) {
  const int value = std::stoi(text);
  if (value < least) throw std::invalid_argument("a count below " + std::to_string(least));
  return value;
}

// A path as given, where a Unix path (as a script on the host passes it) is mapped to Wine's Windows path.
std::wstring WindowsPath(const std::wstring& path) {
  return path.starts_with(L'/') ? e2e::WindowsPathOfUnixPath(path) : path;
}

Options Parse(int argc, wchar_t** argv) {
  Options options;
  const std::map<std::wstring, std::wstring*> paths{{L"--program", &options.program},
                                                    {L"--baseline", &options.baseline},
                                                    {L"--shipped", &options.shipped},
                                                    {L"--shipped-baseline", &options.shippedBaseline},
                                                    {L"--markdown", &options.markdown}};
  for (int i = 1; i < argc; ++i) {
    const std::wstring name = argv[i];
    if (i + 1 >= argc) throw std::invalid_argument("no value after " + e2e::ToUtf8(name));
    const std::wstring value = argv[++i];
    if (const auto path = paths.find(name); path != paths.end()) {
      *path->second = value;
    } else if (name == L"--rounds") {
      options.rounds = Count(value, 1);
    } else if (name == L"--idle-ms") {
      options.idleMilliseconds = Count(value, 1);
    } else if (name == L"--toggles") {
      // The first round trip of a process is reported apart from the later ones, so there must be later ones.
      options.toggles = Count(value, 2);
    } else if (name == L"--note") {
      options.notes.push_back(e2e::ToUtf8(value));
    } else {
      throw std::invalid_argument("unknown option " + e2e::ToUtf8(name));
    }
  }
  if (options.program.empty() || options.baseline.empty()) throw std::invalid_argument("--program and --baseline");
  if (options.shipped.empty() != options.shippedBaseline.empty()) {
    throw std::invalid_argument("--shipped and --shipped-baseline go together");
  }
  return options;
}

using GetVersionFunction = const char*(CDECL*)();

GetVersionFunction WineGetVersion() {
  return reinterpret_cast<GetVersionFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version")));
}

std::string Platform() {
  const auto get = WineGetVersion();
  return get ? std::string("Wine ") + get() : std::string("Windows");
}

std::string Today() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  char text[32];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u", now.wYear, now.wMonth, now.wDay);
  return text;
}

struct Series {
  std::vector<double> startup, startupCpu, privateBytes, workingSet, privateAfterIdle, idleCpu;
  // The first round trip of a fresh process apart from the later ones, each way.
  std::vector<double> enterFirst, enterLater, leaveFirst, leaveLater;

  void Add(const bench::Sample& sample) {
    startup.push_back(sample.startupMs);
    startupCpu.push_back(sample.startupCpuMs);
    privateBytes.push_back(static_cast<double>(sample.afterStartup.privateBytes) / kKiB);
    workingSet.push_back(static_cast<double>(sample.afterStartup.workingSet) / kKiB);
    privateAfterIdle.push_back(static_cast<double>(sample.afterIdle.privateBytes) / kKiB);
    idleCpu.push_back(sample.idleCpuMs);
    AddToggles(sample.enterMs, enterFirst, enterLater);
    AddToggles(sample.leaveMs, leaveFirst, leaveLater);
  }

private:
  static void AddToggles(const std::vector<double>& times, std::vector<double>& first, std::vector<double>& later) {
    first.push_back(times.front());
    later.insert(later.end(), times.begin() + 1, times.end());
  }
};

Row Compare(std::string measure, std::string unit, const std::vector<double>& program,
            const std::vector<double>& baseline, int precision) {
  return {std::move(measure), std::move(unit), bench::Summarize(program), bench::Summarize(baseline), "", {},
          precision};
}

std::wstring FileName(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::string JoinNames(const std::vector<std::wstring>& names) {
  std::string joined;
  for (const std::wstring& name : names) joined += (joined.empty() ? "" : ", ") + e2e::ToUtf8(name);
  return joined.empty() ? "none" : joined;
}

// The shipped image's facts: its size row, and the lines that say what it needs beside it.
struct ShippedImage {
  Row size;
  std::vector<std::string> lines;
  std::vector<std::string> missed;
};

ShippedImage DescribeShipped(const Options& options) {
  const bench::ImageFile program = bench::ReadImageFile(options.shipped);
  const bench::ImageFile baseline = bench::ReadImageFile(options.shippedBaseline);
  ShippedImage shipped;
  const auto single = [](double value) { return Summary{value, value, value}; };
  const double size = static_cast<double>(program.fileSize);
  shipped.size = {"Shipped image, " + program.build,
                  "KiB",
                  single(size / kKiB),
                  single(static_cast<double>(baseline.fileSize) / kKiB),
                  "<= 200 KiB",
                  size <= kShippedSizeLimit,
                  1};

  std::vector<std::wstring> foreign;
  for (const std::wstring& name : program.imports) {
    if (!bench::IsSystemLibrary(name)) foreign.push_back(name);
  }
  for (const std::wstring& name : program.delayedImports) {
    if (!bench::IsSystemLibrary(name)) foreign.push_back(name);
  }
  const std::vector<std::wstring> beside = bench::LibrariesBeside(options.shipped);
  shipped.lines = {
      "Shipped image " + e2e::ToUtf8(FileName(options.shipped)) + " (" + program.build +
          "): " + std::to_string(program.fileSize) + " bytes, of which " + std::to_string(program.resourceBytes) +
          " bytes of resources (icon, manifest, version block, window "
          "definition); baseline " +
          std::to_string(baseline.fileSize) + " bytes, of which " + std::to_string(baseline.resourceBytes) +
          " bytes of resources.",
      "Libraries it imports: " + JoinNames(program.imports) +
          (program.delayedImports.empty() ? "" : "; delay-loaded: " + JoinNames(program.delayedImports)) + ".",
      "Imports not found in the system directory: " + JoinNames(foreign) + ".",
      "Libraries in its folder: " + JoinNames(beside) + "."};
  if (size > kShippedSizeLimit) {
    shipped.missed.push_back("Shipped 32-bit image larger than 200 KiB: " + std::to_string(program.fileSize) +
                             " bytes.");
  }
  if (!foreign.empty()) shipped.missed.push_back("The image imports libraries that are not system libraries.");
  if (!beside.empty()) shipped.missed.push_back("Libraries sit beside the shipped image.");
  return shipped;
}

void Print(const std::string& text) {
  std::fputs(text.c_str(), stdout);
  std::fflush(stdout);
}

void WriteFile(const std::wstring& path, const std::string& text) {
  const e2e::UniqueHandle file(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (!file || !::WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
      written != text.size()) {
    throw std::runtime_error("cannot write " + e2e::ToUtf8(path) + ": " + e2e::DescribeError(GetLastError()));
  }
}

// Every order of the three programs: taken in turn, every six rounds each program follows each other as often.
std::vector<std::array<int, 3>> Orders() {
  std::array<int, 3> order{0, 1, 2};
  std::vector<std::array<int, 3>> orders;
  do {
    orders.push_back(order);
  } while (std::next_permutation(order.begin(), order.end()));
  return orders;
}

// One way of the toggle against one baseline: the first round trip of a fresh process, then the later ones.
std::vector<Row> ToggleRows(bool enter, const std::string& against, const Series& program, const Series& baseline,
                            bool withTarget) {
  std::vector<Row> rows;
  for (const bool first : {true, false}) {
    const auto times = [&](const Series& series) -> const std::vector<double>& {
      return enter ? (first ? series.enterFirst : series.enterLater) : (first ? series.leaveFirst : series.leaveLater);
    };
    Row row = Compare(std::string("Fullscreen ") + (enter ? "entry" : "leaving") +
                          (first ? ", first toggle of the process" : ", later toggles") + ", against " + against,
                      "ms", times(program), times(baseline), 1);
    if (withTarget) {
      row.target = "<= 1.25x";
      row.met = bench::Ratio(row).value_or(0) <= kToggleTarget;
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

int Run(const Options& options) {
  const bench::Target program{"Pellacord", e2e::ResolveProgramPath(options.program), L"TForm1", L""};
  const std::wstring baselinePath = e2e::ResolveProgramPath(options.baseline);
  const bench::Target baseline{"baseline", baselinePath, L"PellacordBaseline", L""};
  const bench::Target sameSteps{"same-steps baseline", baselinePath, L"PellacordBaseline", L"--same-steps"};
  const std::string build = bench::ReadImageFile(program.path).build;
  const bench::MeasureOptions measure{std::chrono::milliseconds(options.idleMilliseconds), options.toggles};

  Print("Measuring the " + build + " build under " + Platform() + ": " + std::to_string(options.rounds) +
        " rounds of each program, alternating.\n");
  const bench::Target* const targets[] = {&program, &baseline, &sameSteps};
  // Unmeasured: the first start of each pays for loading the system libraries from disk.
  for (const bench::Target* target : targets) bench::MeasureOnce(*target, measure);
  Series measured[std::size(targets)];
  const std::vector<std::array<int, 3>> orders = Orders();
  for (int round = 0; round < options.rounds; ++round) {
    // The order changes every round, so that no program always follows the same other one.
    for (const int index : orders[static_cast<std::size_t>(round) % orders.size()]) {
      measured[index].Add(bench::MeasureOnce(*targets[index], measure));
    }
    Print("round " + std::to_string(round + 1) + " of " + std::to_string(options.rounds) + " done\n");
  }
  const Series& programSeries = measured[0];
  const Series& baselineSeries = measured[1];
  const Series& sameStepsSeries = measured[2];

  // A start-up takes tens of milliseconds of CPU: none at all means the clock reads nothing, and so would the
  // idle figure.
  for (const Series* series : {&programSeries, &baselineSeries, &sameStepsSeries}) {
    if (bench::Summarize(series->startupCpu).max == 0) {
      throw std::runtime_error("the programs' CPU time reads 0 even for their start-up: it cannot be measured");
    }
  }

  const std::string idle = std::to_string(options.idleMilliseconds / 1000.0).substr(0, 3) + " s";
  Row startup = Compare("Start-up: process creation to window visible and taking input", "ms", programSeries.startup,
                        baselineSeries.startup, 1);
  startup.target = "<= 1.15x";
  startup.met = bench::Ratio(startup).value_or(0) <= kStartupTarget;
  Row privateBytes =
      Compare("Private bytes after start-up", "KiB", programSeries.privateBytes, baselineSeries.privateBytes, 0);
  privateBytes.target = "<= 1.25x";
  privateBytes.met = bench::Ratio(privateBytes).value_or(0) <= kPrivateBytesTarget;
  Row idleCpu = Compare("CPU time while idle for " + idle, "ms", programSeries.idleCpu, baselineSeries.idleCpu, 0);
  idleCpu.target = "<= baseline, < 10 ms";
  idleCpu.met = idleCpu.program.median <= idleCpu.baseline->median && idleCpu.program.median < kIdleCpuLimitMs;
  std::vector<Row> rows{
      startup,
      Compare("CPU time of the start-up", "ms", programSeries.startupCpu, baselineSeries.startupCpu, 0),
      privateBytes,
      Compare("Working set after start-up", "KiB", programSeries.workingSet, baselineSeries.workingSet, 0),
      Compare("Private bytes after " + idle + " idle", "KiB", programSeries.privateAfterIdle,
              baselineSeries.privateAfterIdle, 0),
      idleCpu,
  };
  for (const bool enter : {true, false}) {
    for (Row& row : ToggleRows(enter, "the same steps", programSeries, sameStepsSeries, true)) rows.push_back(row);
  }
  for (const bool enter : {true, false}) {
    for (Row& row : ToggleRows(enter, "one call", programSeries, baselineSeries, false)) rows.push_back(row);
  }
  std::vector<std::string> missed;
  for (const Row& row : rows) {
    if (row.met == false) missed.push_back(row.measure + ": target " + row.target + " missed.");
  }

  std::vector<std::string> shippedLines;
  if (!options.shipped.empty()) {
    ShippedImage shipped = DescribeShipped(options);
    rows.push_back(shipped.size);
    shippedLines = shipped.lines;
    missed.insert(missed.end(), shipped.missed.begin(), shipped.missed.end());
  }

  const std::string table = bench::MarkdownTable(rows);
  Print("\n" + table + "\n");
  for (const std::string& line : shippedLines) Print(line + "\n");
  for (const std::string& line : missed) Print("MISSED: " + line + "\n");

  if (!options.markdown.empty()) {
    const bool underWine = WineGetVersion() != nullptr;
    std::string document = "# Benchmark\n\n"
                           "Pellacord against a baseline: the least Win32 program that shows the same window "
                           "(`tests/bench/baseline`), built with the same toolchain, flags and manifest, and run "
                           "twice over: toggling fullscreen in one call each way, and in the same steps as "
                           "Pellacord (`--same-steps`). Written by "
                           "`scripts/bench.sh` on " +
                           Today() +
                           ".\n\n## What ran\n\n"
                           "- Measured: the " +
                           build + " build of the programs, under " + Platform() +
                           ".\n- Rounds: " + std::to_string(options.rounds) +
                           " of each of the three, in turn, the order changed every round through all six orders, "
                           "after one unmeasured start of each; " +
                           std::to_string(options.toggles) +
                           " fullscreen round trips in each round, the first of each process reported apart.\n";
    for (const std::string& note : options.notes) document += "- " + note + "\n";
    document += "\n## Figures\n\n" + table + "\n";
    for (const std::string& line : shippedLines) document += line + "\n\n";
    document +=
        "## How each figure is taken\n\n"
        "- Start-up: from just before `CreateProcess` until the main window is visible and its thread has "
        "answered a sent `WM_NULL` (`SendMessageTimeout`), so the window is shown and the message loop takes "
        "input. The bench first blocks in `WaitForInputIdle`, then polls for the visible window every "
        "millisecond.\n"
        "- Memory: `GetProcessMemoryInfo` at that moment and again after the idle interval; private bytes are "
        "`PagefileUsage`, which Wine fills where it leaves `PrivateUsage` at 0.\n"
        "- CPU time: kernel plus user time summed over the process's threads (`GetThreadTimes`): up to the "
        "moment the window takes input (which also shows that it can be read), and across " +
        idle +
        " of idling, in which nothing is asked of the program.\n"
        "- Fullscreen: from sending the \"Fullscreen\" button's click notification (`WM_COMMAND` with "
        "`BN_CLICKED`, by `SendMessageTimeout`) to the main window, until that returns, which is when the "
        "command has returned, and a forced update of the window and its controls (`RedrawWindow` with "
        "`RDW_UPDATENOW | RDW_ALLCHILDREN`) has returned, which is when the program's thread has painted what the "
        "command left to repaint. Nothing is polled: both calls return when the program's thread has done the "
        "work. Then the window is checked to have no caption and cover its monitor, or to have its caption back "
        "in its former rectangle. The notification is sent rather than a `BM_CLICK`, so that the button's own "
        "press, focus and redraw are not counted. The first round trip of each process is reported apart from "
        "the later ones. The same-steps baseline changes the frame with its own `SetWindowPos` "
        "(`SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE`), invalidates the client "
        "area and then moves the window (`SWP_NOZORDER | SWP_NOACTIVATE`); the one-call baseline changes the "
        "style and moves with `SWP_FRAMECHANGED` in one `SetWindowPos` each way.\n"
        "- Size: the file size of the shipped 32-bit images, and the libraries named in the image's import "
        "tables, each looked for in the system directory.\n\n";
    if (underWine) {
      document += "## What Wine cannot measure\n\n"
                  "- `GetProcessTimes` does not advance for another process: CPU time is summed from "
                  "`GetThreadTimes`, which advances in 10 ms steps, so 0 means less than one step.\n"
                  "- `PrivateUsage` stays 0: private bytes come from `PagefileUsage`.\n"
                  "- These are Wine's figures on a shared machine, not Windows': only the ratios to the baseline, "
                  "measured in the same run, carry over.\n\n";
    }
    document += "## Targets missed\n\n";
    if (missed.empty()) document += "None.\n";
    for (const std::string& line : missed) document += "- " + line + "\n";
    WriteFile(WindowsPath(options.markdown), document);
    Print("written: " + e2e::ToUtf8(options.markdown) + "\n");
  }
  return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
  Options options;
  try {
    options = Parse(argc, argv);
  } catch (const std::exception& error) {
    return Usage(error.what());
  }
  // Window and monitor rectangles of the per-monitor aware programs are then read unscaled.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  try {
    return Run(options);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "pellacord-bench: %s\n", error.what());
    return 1;
  }
}
